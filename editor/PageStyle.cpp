#include "editor/PageStyle.h"

#include <QApplication>

QFont pageFont()
{
    return QFont(QStringLiteral("MS Sans Serif"), 8).resolve(QApplication::font());
}

QFont boldPageFont()
{
    QFont font = pageFont();
    font.setBold(true);
    return font;
}

QPalette pagePalette()
{
    return QApplication::palette();
}
