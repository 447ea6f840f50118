#pragma once

#include "skin/Catalogue.h"

#include <QColor>
#include <QImage>
#include <QString>

// The painting of the demo skins. Everything is drawn here with QPainter, so the
// artwork is ours and can be regenerated at will.

enum class Glyph {
    None,
    Play,
    Stop,
    Close,
    Minimize,
    ZoomIn,
    ZoomOut,
    Globe,
    Record,
    Pencil,
    Down
};

// Buttons are bevelled; the recording label is a flat display with a lamp.
enum class Face { Button, Indicator };

struct ButtonLook {
    QString text;
    Glyph glyph = Glyph::None;
    Face face = Face::Button;
};

// One colour scheme per skin; both skins share the shapes.
struct Theme {
    QString name;
    QColor pageTop, pageBottom, pattern;
    QColor band, bandEdge, wordmark;
    QColor accent[3]; // by Page: Player, Schedule, Description
    QColor face, border, text, highlight, highlightText;
    QColor disabledFace, disabledText;
    QColor titleTop, titleBottom, titleText, screen, screenGrid;
    QColor listText, listRows[2];
};

Theme nightBlueTheme();
Theme sunYellowTheme();

// Where the panels of a page background lie; the layout decides them.
struct Bands {
    int topBottom;   // the top button band ends here
    int lowerTop[3]; // the lower button band begins here, by Page
};

QImage paintButton(const Theme &theme, const ButtonLook &look, QSize size, StateBitmap state);
QImage paintPageBackground(const Theme &theme, Page page, QSize size, const Bands &bands,
                           const QString &caption);

enum class MenuPiece { Left, Center, Right };
QImage paintMenuPiece(const Theme &theme, MenuPiece piece, int height);

enum class Quality { Valid, Partvalid, Invalid };
enum class BarPiece { Start, Middle, End };
QImage paintQualityPiece(const Theme &theme, Quality quality, BarPiece piece);

QImage paintStreamPicture(const Theme &theme);
// The player keys its transparency on the bottom-left pixel, so that one is magenta.
QImage paintCurposMarker(const Theme &theme, int height);
inline constexpr QRgb curposTransparent = 0xffff00ff;

QImage paintListHeader(const Theme &theme, Page page);
QImage paintListTile(const Theme &theme, Page page);

// Saves as an indexed BMP with at most maxColors colours. Up to 16 colours Qt writes
// four bits a pixel, which keeps the committed artwork small. Colours are mapped
// to their nearest without dithering: dithered text and edges look speckled, while
// the few steps of a gradient pass for a design.
bool saveIndexedBmp(const QImage &image, const QString &path, int maxColors);
