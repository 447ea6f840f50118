#include "app/Shell.h"
#include "editor/Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    Shell shell(Platform::system());
    // The controls stand at fixed places, but the window still fills the work area.
    shell.form1().showMaximized();
    if (argc > 1)
        shell.form1().load(QString::fromLocal8Bit(argv[1]));
    return application.exec();
}
