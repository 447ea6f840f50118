#include "editor/scene/PageStyle.h"

#include <QApplication>

QFont pageFont()
{
    QFont font = QFont(QStringLiteral("MS Sans Serif"), 8).resolve(QApplication::font());
    // Unhinted outlines come out the same from every platform's rasteriser, so that a
    // page exported on Windows matches the one exported on Linux pixel for pixel.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
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
