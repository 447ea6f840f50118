#include "editor/SkinLoader.h"

#include "editor/Commands.h"
#include "editor/EditingPanel.h"
#include "editor/PictureLabel.h"
#include "editor/SkinPages.h"
#include "editor/ViewGeometry.h"
#include "ini/FileBytes.h"
#include "ini/Inifiles4.h"
#include "ini/ProfileReader.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "skin/SkinFormat.h"
#include "skin/Windows1252.h"

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <QPlainTextEdit>
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

SkinLoader::SkinLoader(QMainWindow &window, SkinDocument &document, const SkinPages &pages,
                       const EditingPanel &panel, const Commands &commands, Dialogs &dialogs)
    : window_(window), document_(document), pages_(pages), panel_(panel), commands_(commands),
      dialogs_(dialogs)
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
        dialogs_.message(notASkin);
    } else {
        accept(version, path, bytes);
        if (!loadSkin(skin))
            return;
    }
    commands_.EditName->setEnabled(true);
}

void SkinLoader::hideAndDisable()
{
    pages_.lists.setVisible(false);
    for (PictureLabel *background : pages_.backgrounds)
        background->hide();
    pages_.views.hideAll();
    pages_.playerView.setVisible(false);
    pages_.Notebook->hide();
    // Disabling a field that holds a typed value pulls it into its bounds, which counts
    // as the user's edit; that must not leave Save enabled for the skin to come.
    panel_.enableEditing(false);
    for (QAction *command : {commands_.FileSave1, commands_.FileSaveAs1, commands_.EditName})
        command->setEnabled(false);
}

void SkinLoader::accept(const std::string &version, const QString &path, const std::string &bytes)
{
    document_.targetVersion = version;
    if (version == version15) {
        for (int number : {131, 132})
            pages_.views.view(*findElement(number), Page::Player)->show();
    }
    panel_.enableEditing(true);
    pages_.Notebook->show();
    document_.skinPath = path.toStdString();
    document_.skinFolder = folderOf(document_.skinPath);
    document_.openedText = splitLines(bytes);
    document_.graphicsChanged = false;
    panel_.Memo1->setPlainText(qText(decodeWindows1252(bytes)));
}

bool SkinLoader::loadSkin(const ProfileReader &skin)
{
    // The numbers come from the same bytes as everything else, not from a second read.
    const TIniFile4 pairs(document_.skinPath, document_.openedText);
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
        pages_.picture(graphic)->resize(image->size());
    }
    for (PictureLabel *background : pages_.backgrounds)
        background->show();
    return true;
}

void SkinLoader::placeLists(const TIniFile4 &pairs, const ProfileReader &skin)
{
    const bool is15 = document_.targetVersion == version15;
    const auto place = is15 ? readCommentedPair : readPair;
    const IntPair main = place(pairs, "dlg_main", "position_m");
    const IntPair origin = place(pairs, "dlg_main", "position_g");
    const IntPair size = readPair(pairs, "dlg_main", "size_m");
    // Any two numbers of the file may meet here.
    Rect geometry{saturatedSum(main.x, -std::int64_t{origin.x}),
                  saturatedSum(main.y, -std::int64_t{origin.y}), size.x, size.y};
    if (is15)
        geometry.width = readPair(pairs, "dlg_main", "size_g").x;
    pages_.lists.place(geometry);
    pages_.lists.setVisible(true);
    pages_.lists.setPlayerHeight(readInteger(skin, "player_view", "height"));
    document_.lists = pages_.lists.geometry();
}

bool SkinLoader::loadPlayerView(const ProfileReader &skin)
{
    for (Graphic graphic : playerViewOrder) {
        if (!loadGraphic(skin, graphic))
            return false;
        if (graphic == Graphic::Stream || graphic == Graphic::Curpos)
            pages_.picture(graphic)->show();
    }
    pages_.playerView.Transparent1->setEnabled(true);
    pages_.playerView.setVisible(true);
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
    pages_.picture(graphic)->setPicture(*image);
    if (PictureLabel *mirror = pages_.mirror(graphic))
        mirror->setPicture(*image);
    // The path is kept only once its picture has loaded.
    document_.graphicPath(graphic) = name;
    return image;
}

bool SkinLoader::loadElements(const ProfileReader &skin, const TIniFile4 &pairs)
{
    const bool is15 = document_.targetVersion == version15;
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.rule == VersionRule::OnlyFor15 && !is15)
            continue;
        SkinElement &element = document_.element(entry);
        const IntPair position = readPosition(pairs, entry.section, "position");
        const IntPair size = readPair(pairs, entry.section, "size");
        pages_.views.setGeometry(entry, {position.x, position.y, size.x, size.y});
        element.geometry = geometryOf(*pages_.views.referenceView(entry));
        if (entry.states != StateSet::None) {
            const std::string up = readName(skin, entry.section, stateKey(StateBitmap::Up));
            const std::optional<QImage> image = readPicture(up);
            if (!image)
                return false;
            pages_.views.setPicture(entry, *image);
            for (StateBitmap state : allStates) {
                if (entry.hasState(state))
                    element.statePath(state) =
                        document_.skinFolder + readName(skin, entry.section, stateKey(state));
            }
        }
        pages_.views.show(entry, document_.targetVersion);
    }
    pages_.restack();
    return true;
}

void SkinLoader::finish()
{
    window_.setWindowTitle(
        QStringLiteral("Velmor (%1 - Skin)").arg(qText(document_.targetVersion)));
    for (PictureLabel *preview : panel_.statePreviews)
        preview->show();
    commands_.FileSaveAs1->setEnabled(true);
}

std::optional<QImage> SkinLoader::readPicture(const std::string &name)
{
    LoadedPicture loaded = loadPicture(qText(name), qText(document_.skinFolder));
    if (!loaded.ok()) {
        dialogs_.error(loaded.error);
        return std::nullopt;
    }
    return std::move(loaded.image);
}
