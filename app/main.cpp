#include "app/CommandLine.h"
#include "app/Shell.h"
#include "editor/windows/MainWindow.h"
#include "platform/PictureHeap.h"
#include "platform/UnpackedPackage.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    keepPictureMemoryInHeap();
    if (CommandLine::asksForNoWindow(argc, argv))
        return runCommandLine(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    // Ties the window to its menu entry and icon on desktops that ask by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmor.Velmor"));
    applyLanguage(startLanguage(QApplication::arguments()));
    const CommandLine line = CommandLine::parse(QApplication::arguments());
    Shell shell(Platform::system());
    shell.mainWindow().show();
    const QString skin = line.skins.value(0);
    if (isPackagePath(skin))
        shell.mainWindow().files().openPackage(skin);
    else if (!skin.isEmpty())
        shell.mainWindow().load(skin);
    return application.exec();
}
