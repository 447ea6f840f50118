#include "editor/Unit1.h"
#include "platform/Platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    TForm1 form(Platform::system().dialogs);
    // The controls stand at fixed places, but the window still fills the work area.
    form.showMaximized();
    if (argc > 1)
        form.load(QString::fromLocal8Bit(argv[1]));
    return application.exec();
}
