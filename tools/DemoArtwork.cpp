#include "tools/DemoArtwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

int pageIndex(Page page)
{
    return static_cast<int>(page);
}

// DejaVu comes with our build dependencies; the hint keeps other systems on a plain
// sans serif rather than whatever the default happens to be.
QFont uiFont(qreal pixelSize, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The largest of the usual button sizes that lets the text fit.
QFont fittedFont(const QString &text, qreal width, qreal height)
{
    for (int size = std::min(13, static_cast<int>(height) - 10); size > 7; --size) {
        const QFont font = uiFont(size, true);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    return uiFont(8, true);
}

void paintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &color)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const QPointF c = box.center();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Play: {
        const QPointF points[] = {{box.left() + 0.25 * w, box.top() + 0.15 * h},
                                  {box.left() + 0.25 * w, box.bottom() - 0.15 * h},
                                  {box.right() - 0.12 * w, c.y()}};
        p.drawPolygon(points, 3);
        break;
    }
    case Glyph::Stop:
        p.drawRect(box.adjusted(0.24 * w, 0.24 * h, -0.24 * w, -0.24 * h));
        break;
    case Glyph::Close: {
        p.setPen(QPen(color, std::max(2.0, w / 8), Qt::SolidLine, Qt::RoundCap));
        const QRectF r = box.adjusted(0.3 * w, 0.3 * h, -0.3 * w, -0.3 * h);
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
        break;
    }
    case Glyph::Minimize:
        p.drawRect(QRectF(box.left() + 0.28 * w, box.top() + 0.62 * h, 0.44 * w, 0.12 * h));
        break;
    case Glyph::ZoomIn:
    case Glyph::ZoomOut: {
        const QPointF lens(box.left() + 0.42 * w, box.top() + 0.42 * h);
        const qreal radius = 0.26 * w;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color, 2));
        p.drawEllipse(lens, radius, radius);
        p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
        const qreal edge = radius / std::sqrt(2.0);
        p.drawLine(lens + QPointF(edge, edge),
                   QPointF(box.right() - 0.14 * w, box.bottom() - 0.14 * h));
        p.setPen(QPen(color, 2));
        const qreal arm = 0.13 * w;
        p.drawLine(lens - QPointF(arm, 0), lens + QPointF(arm, 0));
        if (glyph == Glyph::ZoomIn)
            p.drawLine(lens - QPointF(0, arm), lens + QPointF(0, arm));
        break;
    }
    case Glyph::Globe: {
        const qreal radius = 0.4 * std::min(w, h);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color, 1.5));
        p.drawEllipse(c, radius, radius);
        p.drawEllipse(c, radius * 0.45, radius);
        p.drawLine(c - QPointF(radius, 0), c + QPointF(radius, 0));
        const qreal chord = radius * std::sqrt(1 - 0.55 * 0.55);
        p.drawLine(c + QPointF(-chord, -0.55 * radius), c + QPointF(chord, -0.55 * radius));
        p.drawLine(c + QPointF(-chord, 0.55 * radius), c + QPointF(chord, 0.55 * radius));
        break;
    }
    case Glyph::Record:
        p.drawEllipse(c, 0.3 * w, 0.3 * h);
        break;
    case Glyph::Pencil: {
        p.translate(c);
        p.rotate(-45);
        const qreal s = std::min(w, h);
        p.drawRect(QRectF(-0.38 * s, -0.1 * s, 0.52 * s, 0.2 * s));
        const QPointF tip[] = {{0.18 * s, -0.1 * s}, {0.18 * s, 0.1 * s}, {0.38 * s, 0}};
        p.drawPolygon(tip, 3);
        break;
    }
    case Glyph::Down: {
        const QPointF points[] = {{box.left() + 0.2 * w, box.top() + 0.32 * h},
                                  {box.right() - 0.2 * w, box.top() + 0.32 * h},
                                  {c.x(), box.bottom() - 0.28 * h}};
        p.drawPolygon(points, 3);
        break;
    }
    }
    p.restore();
}

// Text, glyph, or a glyph in front of the text, centred as one group.
void paintContent(QPainter &p, const ButtonLook &look, const QRectF &area, const QColor &color,
                  const QColor &glyphColor)
{
    if (look.text.isEmpty()) {
        const qreal side = std::min(area.width(), area.height());
        paintGlyph(p, look.glyph,
                   QRectF(0, 0, side, side).translated(area.center() - QPointF(side, side) / 2),
                   glyphColor);
        return;
    }
    const bool withGlyph = look.glyph != Glyph::None;
    const qreal glyphSide = withGlyph ? std::min(14.0, area.height() - 4) : 0;
    const qreal gap = withGlyph ? 4 : 0;
    const QFont font = fittedFont(look.text, area.width() - glyphSide - gap, area.height() + 4);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(look.text);
    const qreal left = area.center().x() - (glyphSide + gap + textWidth) / 2;
    if (withGlyph)
        paintGlyph(p, look.glyph,
                   QRectF(left, area.center().y() - glyphSide / 2, glyphSide, glyphSide),
                   glyphColor);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRectF(left + glyphSide + gap, area.top(), textWidth + 2, area.height()),
               Qt::AlignLeft | Qt::AlignVCenter, look.text);
}

void paintIndicator(QPainter &p, const Theme &theme, const ButtonLook &look, QSize size,
                    StateBitmap state)
{
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(theme.screen);
    p.drawRoundedRect(r, 4, 4);

    // Up is a dark lamp, pressed stands for "recording": the lamp glows.
    const QColor lamp = state == StateBitmap::Do   ? QColor(255, 48, 40)
                        : state == StateBitmap::Mo ? QColor(170, 40, 34)
                                                   : QColor(92, 22, 20);
    const qreal radius = size.height() * 0.26;
    const QPointF centre(6 + radius, size.height() / 2.0);
    if (state == StateBitmap::Do) {
        QRadialGradient glow(centre, radius * 2.2);
        glow.setColorAt(0, withAlpha(lamp, 200));
        glow.setColorAt(1, withAlpha(lamp, 0));
        p.setBrush(glow);
        p.drawEllipse(centre, radius * 2.2, radius * 2.2);
    }
    p.setBrush(lamp);
    p.drawEllipse(centre, radius, radius);

    const QColor text = state == StateBitmap::Do   ? QColor(Qt::white)
                        : state == StateBitmap::Mo ? theme.highlight
                                                   : theme.screenGrid.lighter(160);
    const QRectF textArea(centre.x() + radius + 4, 0, size.width() - centre.x() - radius - 8,
                          size.height());
    p.setFont(fittedFont(look.text, textArea.width(), size.height() + 4));
    p.setPen(text);
    p.drawText(textArea, Qt::AlignCenter, look.text);

    p.setBrush(Qt::NoBrush);
    if (state == StateBitmap::Mo) {
        p.setPen(QPen(theme.highlight, 2));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    } else {
        p.setPen(theme.border);
        p.drawRoundedRect(r, 4, 4);
    }
}

struct StateColours {
    QColor top, bottom, border, text, shine, shade;
    bool inset = false;
    int borderWidth = 1;
};

StateColours coloursFor(const Theme &theme, StateBitmap state)
{
    switch (state) {
    case StateBitmap::Up:
        return {theme.face.lighter(118),   theme.face.darker(112),  theme.border, theme.text,
                withAlpha(Qt::white, 110), withAlpha(Qt::black, 70)};
    case StateBitmap::Do:
        return {theme.face.darker(150),   theme.face.darker(118),    theme.border, theme.text,
                withAlpha(Qt::white, 40), withAlpha(Qt::black, 110), true};
    case StateBitmap::Mo:
        return {theme.face.lighter(145),
                theme.face.lighter(105),
                theme.highlight,
                theme.highlightText,
                withAlpha(Qt::white, 150),
                withAlpha(Qt::black, 60),
                false,
                2};
    case StateBitmap::Da:
        return {theme.disabledFace.lighter(110), theme.disabledFace.darker(108),
                theme.disabledFace.darker(150),  theme.disabledText,
                withAlpha(Qt::white, 90),        withAlpha(Qt::black, 40)};
    }
    return {};
}

} // namespace

Theme nightBlueTheme()
{
    Theme t;
    t.name = QStringLiteral("Nachtblau");
    t.pageTop = QColor(10, 18, 44);
    t.pageBottom = QColor(30, 48, 102);
    t.pattern = QColor(90, 130, 220);
    t.band = QColor(28, 42, 86);
    t.bandEdge = QColor(8, 12, 30);
    t.wordmark = QColor(64, 96, 168);
    t.accent[pageIndex(Page::Player)] = QColor(57, 160, 255);
    t.accent[pageIndex(Page::Schedule)] = QColor(80, 208, 160);
    t.accent[pageIndex(Page::Description)] = QColor(180, 140, 255);
    t.face = QColor(62, 100, 172);
    t.border = QColor(6, 12, 32);
    t.text = QColor(240, 246, 255);
    t.highlight = QColor(120, 214, 255);
    t.highlightText = QColor(255, 255, 255);
    t.disabledFace = QColor(92, 98, 112);
    t.disabledText = QColor(150, 154, 164);
    t.titleTop = QColor(70, 110, 190);
    t.titleBottom = QColor(36, 60, 120);
    t.titleText = QColor(230, 240, 255);
    t.screen = QColor(6, 10, 24);
    t.screenGrid = QColor(30, 46, 84);
    t.listText = QColor(220, 230, 250);
    t.listRows[0] = QColor(18, 28, 58);
    t.listRows[1] = QColor(24, 36, 72);
    return t;
}

Theme sunYellowTheme()
{
    Theme t;
    t.name = QStringLiteral("Sonnengelb");
    t.pageTop = QColor(255, 246, 214);
    t.pageBottom = QColor(246, 202, 92);
    t.pattern = QColor(214, 150, 30);
    t.band = QColor(250, 222, 130);
    t.bandEdge = QColor(176, 116, 20);
    t.wordmark = QColor(222, 160, 40);
    t.accent[pageIndex(Page::Player)] = QColor(230, 92, 0);
    t.accent[pageIndex(Page::Schedule)] = QColor(46, 139, 87);
    t.accent[pageIndex(Page::Description)] = QColor(139, 58, 156);
    t.face = QColor(255, 204, 64);
    t.border = QColor(120, 72, 8);
    t.text = QColor(74, 44, 0);
    t.highlight = QColor(255, 112, 0);
    t.highlightText = QColor(110, 30, 0);
    t.disabledFace = QColor(206, 200, 186);
    t.disabledText = QColor(150, 144, 132);
    t.titleTop = QColor(255, 222, 120);
    t.titleBottom = QColor(232, 168, 32);
    t.titleText = QColor(74, 44, 0);
    t.screen = QColor(52, 34, 10);
    t.screenGrid = QColor(96, 66, 24);
    t.listText = QColor(74, 44, 0);
    t.listRows[0] = QColor(255, 248, 226);
    t.listRows[1] = QColor(252, 236, 188);
    return t;
}

QImage paintButton(const Theme &theme, const ButtonLook &look, QSize size, StateBitmap state)
{
    QImage image(size, QImage::Format_RGB32);
    // The corners outside the rounding show the band the buttons sit on.
    image.fill(theme.band);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (look.face == Face::Indicator) {
        paintIndicator(p, theme, look, size, state);
        return image;
    }

    const StateColours c = coloursFor(theme, state);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(r, 3, 3);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.fillPath(shape, fill);

    // A raised button is lit from the top left; a pressed one is sunk, so the shade
    // falls on the top left instead.
    const QRectF bevel = r.adjusted(1, 1, -1, -1);
    p.setPen(c.inset ? c.shade : c.shine);
    p.drawLine(bevel.topLeft() + QPointF(2, 0), bevel.topRight() - QPointF(2, 0));
    p.drawLine(bevel.topLeft() + QPointF(0, 2), bevel.bottomLeft() - QPointF(0, 2));
    p.setPen(c.inset ? c.shine : c.shade);
    p.drawLine(bevel.bottomLeft() + QPointF(2, 0), bevel.bottomRight() - QPointF(2, 0));
    p.drawLine(bevel.topRight() + QPointF(0, 2), bevel.bottomRight() - QPointF(0, 2));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.border, c.borderWidth));
    p.drawRoundedRect(c.borderWidth == 2 ? r.adjusted(0.5, 0.5, -0.5, -0.5) : r, 3, 3);

    QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(5, 3, -5, -3);
    if (c.inset)
        area.translate(1, 1);
    const bool disabled = state == StateBitmap::Da;
    if (disabled) // the engraved look of a disabled caption
        paintContent(p, look, area.translated(1, 1), theme.disabledFace.lighter(150),
                     theme.disabledFace.lighter(150));
    const QColor glyphColour =
        look.glyph == Glyph::Record && !disabled ? QColor(224, 32, 28) : c.text;
    paintContent(p, look, area, c.text, glyphColour);
    return image;
}

QImage paintPageBackground(const Theme &theme, Page page, QSize size, const Bands &bands,
                           const QString &caption)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, theme.pageTop);
    base.setColorAt(1, theme.pageBottom);
    p.fillRect(image.rect(), base);

    // Each page has its own texture, so the three are told apart at a glance even
    // where the list panel leaves only a strip visible.
    const int lowerTop = bands.lowerTop[pageIndex(page)];
    const int w = size.width();
    p.save();
    p.setClipRect(0, bands.topBottom, w, lowerTop - bands.topBottom);
    p.setPen(withAlpha(theme.pattern, 46));
    switch (page) {
    case Page::Player:
        for (int y = bands.topBottom; y < lowerTop; y += 4)
            p.drawLine(0, y, w, y);
        break;
    case Page::Schedule:
        for (int y = bands.topBottom; y < lowerTop; y += 24)
            p.drawLine(0, y, w, y);
        for (int x = 0; x < w; x += 24)
            p.drawLine(x, bands.topBottom, x, lowerTop);
        break;
    case Page::Description:
        for (int x = -size.height(); x < w; x += 18)
            p.drawLine(x, lowerTop, x + lowerTop, 0);
        break;
    }
    p.restore();

    const QColor accent = theme.accent[pageIndex(page)];
    p.fillRect(0, 0, w, bands.topBottom, theme.band);
    p.fillRect(0, bands.topBottom - 3, w, 1, theme.bandEdge);
    p.fillRect(0, bands.topBottom - 2, w, 2, accent);
    p.fillRect(0, lowerTop, w, size.height() - lowerTop, theme.band);
    p.fillRect(0, lowerTop, w, 2, accent);
    p.fillRect(0, lowerTop + 2, w, 1, theme.bandEdge);

    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect mark(490, size.height() - 72, 350, 64);
    p.setFont(uiFont(30, true, true));
    p.setPen(theme.wordmark);
    p.drawText(mark, Qt::AlignLeft | Qt::AlignTop, caption);
    static const char *const pageNames[] = {"Player", "Schedule", "Description"};
    p.setFont(uiFont(12, true));
    p.setPen(accent);
    p.drawText(mark, Qt::AlignLeft | Qt::AlignBottom,
               QString::fromLatin1(pageNames[pageIndex(page)]));
    return image;
}

QImage paintMenuPiece(const Theme &theme, MenuPiece piece, int height)
{
    // Left and right keep their width in the strip; the centre is stretched, so it
    // holds horizontal lines only and survives any stretching.
    const int width = piece == MenuPiece::Left ? 49 : piece == MenuPiece::Right ? 65 : 64;
    constexpr int title = 18;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(theme.screen);
    QPainter p(&image);
    QLinearGradient bar(0, 0, 0, title);
    bar.setColorAt(0, theme.titleTop);
    bar.setColorAt(1, theme.titleBottom);
    p.fillRect(0, 0, width, title, bar);
    p.fillRect(0, title, width, 1, theme.border);
    p.setPen(theme.screenGrid);
    for (int y = title + 20; y < height - 1; y += 20)
        p.drawLine(0, y, width, y);
    p.fillRect(0, height - 1, width, 1, theme.border);

    p.setRenderHint(QPainter::Antialiasing);
    if (piece == MenuPiece::Left) {
        p.fillRect(0, 0, 2, height, theme.border);
        // A speaker in the title and a level scale down the side.
        p.setPen(Qt::NoPen);
        p.setBrush(theme.titleText);
        const QPointF speaker[] = {{8, 7}, {11, 7}, {15, 4}, {15, 14}, {11, 11}, {8, 11}};
        p.drawPolygon(speaker, 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(theme.titleText, 1.2));
        p.drawArc(QRectF(13, 5, 7, 8), -50 * 16, 100 * 16);
        p.drawArc(QRectF(13, 2, 11, 14), -50 * 16, 100 * 16);
        p.setPen(theme.screenGrid.lighter(170));
        for (int y = title + 20; y < height - 1; y += 20)
            p.drawLine(36, y, 48, y);
        for (int y = title + 10; y < height - 1; y += 20)
            p.drawLine(42, y, 48, y);
    } else if (piece == MenuPiece::Right) {
        p.fillRect(width - 2, 0, 2, height, theme.border);
        // A clock in the title: the view runs along time.
        const QPointF centre(width - 14, title / 2.0);
        p.setPen(QPen(theme.titleText, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 6, 6);
        p.drawLine(centre, centre + QPointF(0, -4));
        p.drawLine(centre, centre + QPointF(3, 1));
    }
    return image;
}

QImage paintQualityPiece(const Theme &theme, Quality quality, BarPiece piece)
{
    const int width = piece == BarPiece::Middle ? 32 : 10;
    constexpr int height = 12;
    const QColor base = quality == Quality::Valid       ? QColor(53, 192, 79)
                        : quality == Quality::Partvalid ? QColor(240, 196, 25)
                                                        : QColor(224, 57, 47);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(theme.screen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shine(0, 1, 0, height - 1);
    shine.setColorAt(0, base.lighter(145));
    shine.setColorAt(0.45, base);
    shine.setColorAt(1, base.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    // The caps are round on the outside only; the middle tiles between them.
    QRectF bar(0.5, 1, width - 1, height - 2);
    if (piece == BarPiece::Start)
        bar.setRight(width + 8);
    else if (piece == BarPiece::End)
        bar.setLeft(-8);
    else
        bar = QRectF(0, 1, width, height - 2);
    p.drawRoundedRect(bar, piece == BarPiece::Middle ? 0 : 5, 5);
    return image;
}

QImage paintStreamPicture(const Theme &theme)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(theme.screen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF top(32, 20);
    p.setPen(QPen(theme.titleTop, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, QPointF(21, 58));
    p.drawLine(top, QPointF(43, 58));
    p.setPen(QPen(theme.titleTop, 1.5));
    p.drawLine(QPointF(27, 38), QPointF(37, 38));
    p.drawLine(QPointF(24, 49), QPointF(40, 49));
    p.setPen(Qt::NoPen);
    p.setBrush(theme.highlight);
    p.drawEllipse(top, 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        p.setPen(QPen(withAlpha(theme.highlight, 255 - ring * 50), 2, Qt::SolidLine, Qt::RoundCap));
        const qreal radius = 6.0 * ring + 2;
        const QRectF box(top.x() - radius, top.y() - radius, 2 * radius, 2 * radius);
        p.drawArc(box, -40 * 16, 80 * 16);
        p.drawArc(box, 140 * 16, 80 * 16);
    }
    return image;
}

QImage paintCurposMarker(const Theme &theme, int height)
{
    // Drawn without antialiasing: a blended edge would leave magenta fringes where
    // the player cuts the key colour out.
    QImage image(11, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(curposTransparent));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(theme.highlight);
    const QPoint head[] = {{0, 0}, {10, 0}, {5, 6}};
    p.drawPolygon(head, 3);
    p.fillRect(5, 6, 1, height - 6, theme.highlight);
    return image;
}

QImage paintListHeader(const Theme &theme, Page page)
{
    QImage image(64, 20, QImage::Format_RGB32);
    QPainter p(&image);
    const QColor base = mix(theme.band, theme.accent[pageIndex(page)], 0.35);
    QLinearGradient fill(0, 0, 0, 20);
    fill.setColorAt(0, base.lighter(122));
    fill.setColorAt(1, base.darker(112));
    p.fillRect(image.rect(), fill);
    p.fillRect(0, 0, 64, 1, base.lighter(150));
    p.fillRect(0, 19, 64, 1, theme.border);
    return image;
}

QImage paintListTile(const Theme &theme, Page page)
{
    QImage image(64, 36, QImage::Format_RGB32);
    QPainter p(&image);
    const QColor accent = theme.accent[pageIndex(page)];
    for (int row = 0; row < 2; ++row) {
        const QColor colour = mix(theme.listRows[row], accent, 0.08);
        p.fillRect(0, row * 18, 64, 18, colour);
        p.fillRect(0, row * 18 + 17, 64, 1, mix(colour, theme.border, 0.18));
    }
    return image;
}

namespace {

struct ColourCount {
    QRgb rgb;
    qint64 count;
};

int channelOf(QRgb rgb, int channel)
{
    return channel == 0 ? qRed(rgb) : channel == 1 ? qGreen(rgb) : qBlue(rgb);
}

// Splits the box with the largest weighted spread along its widest channel until
// the palette is full. The input is sorted, so the result does not depend on hash
// order and regenerating gives the same bytes.
QList<QRgb> medianCut(std::vector<ColourCount> colours, int maxColours)
{
    std::vector<std::vector<ColourCount>> boxes;
    boxes.push_back(std::move(colours));
    while (static_cast<int>(boxes.size()) < maxColours) {
        double bestSpread = 0;
        std::size_t bestBox = boxes.size();
        int bestChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].size() < 2)
                continue;
            for (int channel = 0; channel < 3; ++channel) {
                double total = 0;
                double sum = 0;
                for (const ColourCount &c : boxes[b]) {
                    total += static_cast<double>(c.count);
                    sum += static_cast<double>(c.count) * channelOf(c.rgb, channel);
                }
                const double mean = sum / total;
                double spread = 0;
                for (const ColourCount &c : boxes[b]) {
                    const double d = channelOf(c.rgb, channel) - mean;
                    spread += static_cast<double>(c.count) * d * d;
                }
                if (spread > bestSpread) {
                    bestSpread = spread;
                    bestBox = b;
                    bestChannel = channel;
                }
            }
        }
        if (bestBox == boxes.size())
            break;
        std::vector<ColourCount> &box = boxes[bestBox];
        std::stable_sort(box.begin(), box.end(), [&](const ColourCount &a, const ColourCount &b) {
            return channelOf(a.rgb, bestChannel) < channelOf(b.rgb, bestChannel);
        });
        qint64 total = 0;
        for (const ColourCount &c : box)
            total += c.count;
        qint64 running = 0;
        std::size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            running += box[cut - 1].count;
            if (running * 2 >= total)
                break;
        }
        std::vector<ColourCount> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> palette;
    for (const std::vector<ColourCount> &box : boxes) {
        double total = 0;
        double sums[3] = {0, 0, 0};
        for (const ColourCount &c : box) {
            total += static_cast<double>(c.count);
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += static_cast<double>(c.count) * channelOf(c.rgb, channel);
        }
        palette.append(
            qRgb(qRound(sums[0] / total), qRound(sums[1] / total), qRound(sums[2] / total)));
    }
    return palette;
}

int nearestIndex(const QList<QRgb> &palette, int r, int g, int b)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - r;
        const int dg = qGreen(palette[i]) - g;
        const int db = qBlue(palette[i]) - b;
        // The eye weighs green most and blue least.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

bool saveIndexedBmp(const QImage &image, const QString &path, int maxColors)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    std::vector<ColourCount> colours;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({it.key(), it.value()});
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount &a, const ColourCount &b) { return a.rgb < b.rgb; });

    const bool exact = static_cast<int>(colours.size()) <= maxColors;
    QList<QRgb> palette;
    if (exact) {
        for (const ColourCount &c : colours)
            palette.append(c.rgb);
    } else {
        palette = medianCut(std::move(colours), maxColors);
    }

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            auto found = cache.constFind(colour);
            if (found == cache.constEnd())
                found = cache.insert(
                    colour, nearestIndex(palette, qRed(colour), qGreen(colour), qBlue(colour)));
            out[x] = static_cast<uchar>(found.value());
        }
    }
    return indexed.save(path, "BMP");
}
