#include "app/HeadlessEditor.h"

#include "app/CheckCommand.h"
#include "editor/EditorDocument.h"
#include "editor/MainWindow.h"
#include "editor/PageExport.h"
#include "editor/PageLoad.h"
#include "editor/PageScenes.h"
#include "platform/CancellingDialogs.h"
#include "platform/FileNames.h"
#include "platform/SkinChecker.h"
#include "platform/TempWorkFolder.h"
#include "platform/UnpackedPackage.h"
#include "skin/SkinFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writePicture(const QString &path, const QImage &image)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

// Exports the skin at `file`; `shown` names it in what is printed, which for a skin of a
// package is the package's path followed by the skin's path inside it.
int exportSkin(const QString &folder, const QString &file, const QString &shown, QTextStream &err)
{
    CancellingDialogs dialogs;
    EditorDocument document;
    PageScenes scenes(document);
    const LoadOutcome outcome = loadPages(file, document, scenes, dialogs);
    if (outcome != LoadOutcome::Loaded) {
        // The check names the bitmap and its line, which the load's message does not; a
        // skin beyond the budget has no such bitmap, and its message names the files.
        SkinReport report;
        if (outcome != LoadOutcome::OverBudget) {
            report = checkSkinFile(file);
            report.path = shown;
        }
        if (!printErrors(report, err))
            err << withoutControls(shown) << ": " << dialogs.shown.join(QLatin1Char('\n')) << '\n';
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        err << QCoreApplication::translate("HeadlessEditor",
                                           "Der Ordner %1 lässt sich nicht anlegen.")
                   .arg(shownName(QDir::toNativeSeparators(folder)))
            << '\n';
        return 1;
    }
    // One page at a time: a page drawn is written and let go before the next is drawn.
    for (std::size_t index = 0; index < pageCount; ++index) {
        const PagePicture page = renderPage(scenes, index);
        const QString path = QDir(folder).filePath(page.fileName);
        if (!writePicture(path, page.image)) {
            err << QCoreApplication::translate("HeadlessEditor",
                                               "Die Datei %1 konnte nicht gespeichert werden.")
                       .arg(shownName(QDir::toNativeSeparators(path)))
                << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int runExport(const QString &folder, const QString &skin, QTextStream &err)
{
    if (!isPackagePath(skin))
        return exportSkin(folder, skin, skin, err);
    // A package is exported from a temporary folder, as the check reads it.
    removeTempWorkFoldersOnSignals();
    const UnpackedPackage package(skin);
    if (!package.ok()) {
        err << withoutControls(skin) << ": " << withoutControls(package.error()) << '\n';
        return 1;
    }
    if (package.skins().size() != 1) {
        QStringList skins;
        for (const QString &inside : package.skins())
            skins << shownName(inside);
        err << withoutControls(skin) << ": "
            << QCoreApplication::translate("HeadlessEditor",
                                           "Das Paket enthält mehrere Skins (%1); exportieren "
                                           "lässt sich nur ein Paket mit genau einem.")
                   .arg(skins.join(QStringLiteral(", ")))
            << '\n';
        return 1;
    }
    const QString inside = package.skins().front();
    return exportSkin(folder, package.filePath(inside), skin + QLatin1Char('/') + inside, err);
}

int runNewSkin(const QString &version, const QString &path, QTextStream &err)
{
    auto dialogs = std::make_shared<CancellingDialogs>();
    MainWindow window(dialogs);
    const std::string_view player = version == QLatin1String("1.5") ? version15 : version14;
    if (window.createFromTemplate(player, QFileInfo(path).absoluteFilePath()))
        return 0;
    err << path << ": " << dialogs->shown.join(QLatin1Char('\n')) << '\n';
    return 1;
}
