#include "editor/SkinLoader.h"

#include "editor/Commands.h"
#include "editor/EditingPanel.h"
#include "editor/PictureLabel.h"
#include "editor/SkinPages.h"
#include "editor/ViewGeometry.h"
#include "ini/FileBytes.h"
#include "ini/Inifiles4.h"
#include "ini/ProfileReader.h"
#include "platform/Platform.h"
#include "skin/SkinFormat.h"
#include "skin/Windows1252.h"

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <QTabWidget>

namespace {

const QString notASkin = QStringLiteral(
    "Diese LKV Skin-Datei ist entweder defekt oder noch nicht in dem Velmor enthalten. Es wäre "
    "gut wenn du dies per E-mail mir mitteilst und schreibst von welchen Player diese ist. Dann "
    "kann ich viel schneller neue Versionen einprogrammieren.");

QString qText(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// Skin files are Windows-1252; the model keeps every text in UTF-8.
std::string readName(const ProfileReader &skin, std::string_view section, std::string_view key)
{
    return decodeWindows1252(readFileName(skin, section, key));
}

constexpr std::array<Graphic, 14> playerViewOrder{
    Graphic::MenuLeft,        Graphic::MenuCenter,   Graphic::MenuRight,    Graphic::Stream,
    Graphic::ValidStart,      Graphic::ValidMiddle,  Graphic::ValidEnd,     Graphic::PartvalidStart,
    Graphic::PartvalidMiddle, Graphic::PartvalidEnd, Graphic::InvalidStart, Graphic::InvalidMiddle,
    Graphic::InvalidEnd,      Graphic::Curpos};

constexpr std::array<Graphic, 4> trackListOrder{Graphic::ScheduleHeader, Graphic::ScheduleTile,
                                                Graphic::DescriptionHeader,
                                                Graphic::DescriptionTile};

} // namespace

SkinLoader::SkinLoader(QMainWindow &window, const Workspace &workspace)
    : window_(window), workspace_(workspace)
{}

void SkinLoader::load(const QString &path)
{
    hideAndDisable();
    const std::string bytes = readFileBytes(path.toStdString()).value_or(std::string{});
    const ProfileReader skin(bytes);
    const std::string version = targetVersionOf(skin);
    if (version.empty()) {
        // The previous skin stays the document, so a later save cannot copy this
        // file's text over it.
        workspace_.dialogs.message(notASkin);
    } else {
        accept(version, path, bytes);
        if (!loadSkin(skin))
            return;
    }
    workspace_.commands.EditName->setEnabled(true);
}

void SkinLoader::hideAndDisable()
{
    workspace_.pages.lists.setVisible(false);
    for (PictureLabel *background : workspace_.pages.backgrounds)
        background->hide();
    workspace_.pages.views.hideAll();
    workspace_.pages.playerView.setVisible(false);
    workspace_.pages.Notebook->hide();
    // Disabling a field that holds a typed value pulls it into its bounds, which counts
    // as the user's edit; that must not leave Save enabled for the skin to come.
    workspace_.panel.enableEditing(false);
    for (QAction *command : {workspace_.commands.FileSave1, workspace_.commands.FileSaveAs1,
                             workspace_.commands.EditName})
        command->setEnabled(false);
}

void SkinLoader::accept(const std::string &version, const QString &path, const std::string &bytes)
{
    workspace_.document.targetVersion = version;
    if (version == version15) {
        for (int number : {131, 132})
            workspace_.pages.views.view(*findElement(number), Page::Player)->show();
    }
    workspace_.panel.enableEditing(true);
    workspace_.pages.Notebook->show();
    workspace_.document.skinPath = path.toStdString();
    workspace_.document.skinFolder = folderOf(workspace_.document.skinPath);
    workspace_.document.openedText = splitLines(bytes);
    workspace_.document.graphicsChanged = false;
    workspace_.panel.showSkinText(bytes);
}

bool SkinLoader::loadSkin(const ProfileReader &skin)
{
    // The numbers come from the same bytes as everything else, not from a second read.
    const TIniFile4 pairs(workspace_.document.skinPath, workspace_.document.openedText);
    if (!loadBackgrounds(skin))
        return false;
    placeLists(pairs, skin);
    if (!loadPlayerView(skin) || !loadTrackLists(skin) || !loadElements(skin, pairs))
        return false;
    finish();
    return true;
}

bool SkinLoader::loadBackgrounds(const ProfileReader &skin)
{
    for (Graphic graphic : pageBackgrounds) {
        const std::optional<QImage> image = loadGraphic(skin, graphic);
        if (!image)
            return false;
        // A page background takes its bitmap's size once, when the skin opens.
        workspace_.pages.picture(graphic)->resize(image->size());
    }
    for (PictureLabel *background : workspace_.pages.backgrounds)
        background->show();
    return true;
}

void SkinLoader::placeLists(const TIniFile4 &pairs, const ProfileReader &skin)
{
    const bool is15 = workspace_.document.targetVersion == version15;
    const auto place = is15 ? readCommentedPair : readPair;
    const IntPair main = place(pairs, "dlg_main", "position_m");
    const IntPair origin = place(pairs, "dlg_main", "position_g");
    const IntPair size = readPair(pairs, "dlg_main", "size_m");
    // Any two numbers of the file may meet here.
    Rect geometry{saturatedSum(main.x, -std::int64_t{origin.x}),
                  saturatedSum(main.y, -std::int64_t{origin.y}), size.x, size.y};
    if (is15)
        geometry.width = readPair(pairs, "dlg_main", "size_g").x;
    workspace_.pages.lists.place(geometry);
    workspace_.pages.lists.setVisible(true);
    workspace_.pages.lists.setPlayerHeight(readInteger(skin, "player_view", "height"));
    workspace_.document.lists = workspace_.pages.lists.geometry();
}

bool SkinLoader::loadPlayerView(const ProfileReader &skin)
{
    for (Graphic graphic : playerViewOrder) {
        if (!loadGraphic(skin, graphic))
            return false;
        if (graphic == Graphic::Stream || graphic == Graphic::Curpos)
            workspace_.pages.picture(graphic)->show();
    }
    workspace_.pages.playerView.Transparent1->setEnabled(true);
    workspace_.pages.playerView.setVisible(true);
    return true;
}

bool SkinLoader::loadTrackLists(const ProfileReader &skin)
{
    for (Graphic graphic : trackListOrder) {
        if (!loadGraphic(skin, graphic))
            return false;
    }
    return true;
}

std::optional<QImage> SkinLoader::loadGraphic(const ProfileReader &skin, Graphic graphic)
{
    const SkinKey where = graphicKey(graphic);
    const std::string name = readName(skin, where.section, where.key);
    std::optional<QImage> image = readPicture(name);
    if (!image)
        return std::nullopt;
    workspace_.pages.picture(graphic)->setPicture(*image);
    if (PictureLabel *mirror = workspace_.pages.mirror(graphic))
        mirror->setPicture(*image);
    // The path is kept only once its picture has loaded.
    workspace_.document.graphicPath(graphic) = name;
    return image;
}

bool SkinLoader::loadElements(const ProfileReader &skin, const TIniFile4 &pairs)
{
    const bool is15 = workspace_.document.targetVersion == version15;
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.rule == VersionRule::OnlyFor15 && !is15)
            continue;
        SkinElement &element = workspace_.document.element(entry);
        const IntPair position = readPosition(pairs, entry.section, "position");
        const IntPair size = readPair(pairs, entry.section, "size");
        workspace_.pages.views.setGeometry(entry, {position.x, position.y, size.x, size.y});
        element.geometry = geometryOf(*workspace_.pages.views.referenceView(entry));
        if (entry.states != StateSet::None) {
            const std::string up = readName(skin, entry.section, stateKey(StateBitmap::Up));
            const std::optional<QImage> image = readPicture(up);
            if (!image)
                return false;
            workspace_.pages.views.setPicture(entry, *image);
            for (StateBitmap state : allStates) {
                if (entry.hasState(state))
                    element.statePath(state) = workspace_.document.skinFolder +
                                               readName(skin, entry.section, stateKey(state));
            }
        }
        workspace_.pages.views.show(entry, workspace_.document.targetVersion);
    }
    workspace_.pages.restack();
    return true;
}

void SkinLoader::finish()
{
    window_.setWindowTitle(
        QStringLiteral("Velmor (%1 - Skin)").arg(qText(workspace_.document.targetVersion)));
    for (PictureLabel *preview : workspace_.panel.statePreviews)
        preview->show();
    workspace_.commands.FileSaveAs1->setEnabled(true);
}

std::optional<QImage> SkinLoader::readPicture(const std::string &name) const
{
    return workspace_.readPicture(qText(name), qText(workspace_.document.skinFolder));
}
