#include "editor/Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    TForm1 form;
    form.show();
    return application.exec();
}
