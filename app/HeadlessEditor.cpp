#include "app/HeadlessEditor.h"

#include "app/CheckCommand.h"
#include "editor/document/EditorDocument.h"
#include "editor/files/PageLoad.h"
#include "editor/scene/PageExport.h"
#include "editor/scene/PageScenes.h"
#include "editor/windows/MainWindow.h"
#include "platform/CancellingDialogs.h"
#include "platform/FileNames.h"
#include "platform/FileWrites.h"
#include "platform/MadeFolders.h"
#include "platform/SkinChecker.h"
#include "platform/TempWorkFolder.h"
#include "platform/UnpackedPackage.h"
#include "skin/SkinFormat.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString folderNotMade(const QString &folder)
{
    return QCoreApplication::translate("HeadlessEditor", "Der Ordner %1 lässt sich nicht anlegen.")
        .arg(shownName(QDir::toNativeSeparators(folder)));
}

QString writePicture(const QString &path, const QImage &image, bool mayReplace)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return writeFailureText(path, std::make_error_code(std::errc::not_enough_memory));
    return writeNewFile(path, png, mayReplace);
}

// Every picture's file is looked at before the skin is even loaded: an export that
// would be refused half way does no work at all.
QString refusedExport(const QString &folder, bool mayReplace)
{
    for (const QString &name : pageFileNames()) {
        if (QString refused = refusedTarget(QDir(folder).filePath(name), newFileRules(mayReplace));
            !refused.isEmpty())
            return refused;
    }
    return {};
}

// Exports the skin at `file`; `shown` names it in what is printed, which for a skin of a
// package is the package's path followed by the skin's path inside it.
int exportSkin(const QString &folder, const QString &file, const QString &shown, bool mayReplace,
               QTextStream &err)
{
    MadeFolders made;
    if (!made.make(folder)) {
        err << folderNotMade(folder) << '\n';
        return 1;
    }
    if (const QString refused = refusedExport(folder, mayReplace); !refused.isEmpty()) {
        made.removeAll();
        err << refused << '\n';
        return 1;
    }
    CancellingDialogs dialogs;
    EditorDocument document;
    PageScenes scenes(document);
    const LoadOutcome outcome = loadPages(file, document, scenes, dialogs);
    if (outcome != LoadOutcome::Loaded) {
        made.removeAll();
        // The check names the bitmap and its line, which the load's message does not; a
        // skin beyond the budget has no such bitmap, and its message names the files.
        SkinReport report;
        if (outcome != LoadOutcome::OverBudget) {
            report = checkSkinFile(file);
            report.path = shown;
        }
        if (!printErrors(report, err))
            err << escapedText(shown) << ": " << dialogs.shown.join(QLatin1Char('\n')) << '\n';
        return 1;
    }
    // One page at a time: a page drawn is written and let go before the next is drawn.
    for (std::size_t index = 0; index < pageCount; ++index) {
        const PagePicture page = renderPage(scenes, index);
        const QString failure =
            writePicture(QDir(folder).filePath(page.fileName), page.image, mayReplace);
        if (!failure.isEmpty()) {
            err << failure << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int runExport(const QString &folder, const QString &skin, bool mayReplace, QTextStream &err)
{
    if (!isPackagePath(skin))
        return exportSkin(folder, skin, skin, mayReplace, err);
    // A package is exported from a temporary folder, as the check reads it.
    removeTempWorkFoldersOnSignals();
    const UnpackedPackage package(skin);
    if (!package.ok()) {
        err << escapedText(skin) << ": " << withoutControls(package.error()) << '\n';
        return 1;
    }
    if (package.skins().size() != 1) {
        QStringList skins;
        for (const QString &inside : package.skins())
            skins << shownName(inside);
        err << escapedText(skin) << ": "
            << QCoreApplication::translate("HeadlessEditor",
                                           "Das Paket enthält mehrere Skins (%1); exportieren "
                                           "lässt sich nur ein Paket mit genau einem.")
                   .arg(skins.join(QStringLiteral(", ")))
            << '\n';
        return 1;
    }
    const QString inside = package.skins().front();
    return exportSkin(folder, package.filePath(inside), skin + QLatin1Char('/') + inside,
                      mayReplace, err);
}

int runNewSkin(const QString &version, const QString &path, bool mayReplace, QTextStream &err)
{
    const QString skin = QFileInfo(path).absoluteFilePath();
    MadeFolders made;
    if (!made.make(QFileInfo(skin).absolutePath())) {
        err << folderNotMade(QFileInfo(skin).absolutePath()) << '\n';
        return 1;
    }
    if (const QString refused = refusedTarget(skin, newFileRules(mayReplace)); !refused.isEmpty()) {
        made.removeAll();
        err << refused << '\n';
        return 1;
    }
    auto dialogs = std::make_shared<CancellingDialogs>();
    MainWindow window(dialogs);
    const std::string_view player = version == QLatin1String("1.5") ? version15 : version14;
    if (window.createFromTemplate(player, skin))
        return 0;
    made.removeAll();
    err << path << ": " << dialogs->shown.join(QLatin1Char('\n')) << '\n';
    return 1;
}
