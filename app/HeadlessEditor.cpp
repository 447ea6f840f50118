#include "app/HeadlessEditor.h"

#include "app/CheckCommand.h"
#include "editor/PageExport.h"
#include "editor/Unit1.h"
#include "platform/CancellingDialogs.h"
#include "platform/SkinChecker.h"
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

} // namespace

int runExport(const QString &folder, const QString &skin, QTextStream &err)
{
    auto dialogs = std::make_shared<CancellingDialogs>();
    TForm1 window(dialogs);
    if (window.load(skin) != LoadOutcome::Loaded) {
        // The check names the bitmap and its line, which the load's message does not.
        if (!printErrors(checkSkinFile(skin), err))
            err << skin << ": " << dialogs->shown.join(QLatin1Char('\n')) << '\n';
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        err << QCoreApplication::translate("HeadlessEditor",
                                           "Der Ordner %1 lässt sich nicht anlegen.")
                   .arg(folder)
            << '\n';
        return 1;
    }
    for (const PagePicture &page : renderPages(window.pages())) {
        const QString path = QDir(folder).filePath(page.fileName);
        if (!writePicture(path, page.image)) {
            err << QCoreApplication::translate("HeadlessEditor",
                                               "Die Datei %1 konnte nicht gespeichert werden.")
                       .arg(QDir::toNativeSeparators(path))
                << '\n';
            return 1;
        }
    }
    return 0;
}

int runNewSkin(const QString &version, const QString &path, QTextStream &err)
{
    auto dialogs = std::make_shared<CancellingDialogs>();
    TForm1 window(dialogs);
    const std::string_view player = version == QLatin1String("1.5") ? version15 : version14;
    if (window.createFromTemplate(player, QFileInfo(path).absoluteFilePath()))
        return 0;
    err << path << ": " << dialogs->shown.join(QLatin1Char('\n')) << '\n';
    return 1;
}
