#include "editor/Unit1.h"

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Velmor"));
    resize(1024, 719);
}
