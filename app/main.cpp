#include "editor/Unit1.h"
#include "platform/Platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    TForm1 form(Platform::system().dialogs);
    form.show();
    if (argc > 1)
        form.load(QString::fromLocal8Bit(argv[1]));
    return application.exec();
}
