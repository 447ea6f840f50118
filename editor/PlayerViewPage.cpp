#include "editor/PlayerViewPage.h"

#include "editor/PictureLabel.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

namespace {

constexpr auto firstGraphic = static_cast<std::size_t>(Graphic::MenuLeft);

QFont boldFont(const QWidget &widget)
{
    QFont font = widget.font();
    font.setBold(true);
    return font;
}

QFrame *createFrame(QWidget &page, const QString &caption, int left, int top, int width)
{
    auto *label = new QLabel(caption, &page);
    label->setFont(boldFont(*label));
    label->adjustSize();
    label->move(left, top - label->height() - 2);
    auto *frame = new QFrame(&page);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(left, top, width, 169);
    return frame;
}

struct ThreePieceView {
    const char *caption;
    int left;
    int top;
    std::array<const char *, 3> names;
    Graphic first;
};

constexpr std::array<ThreePieceView, 4> threePieceViews{{
    {"Menü Sicht", 24, 40, {"ImageLeft", "ImageCenter", "ImageRight"}, Graphic::MenuLeft},
    {"Qualitets Sicht: grün",
     344,
     40,
     {"Imagevldstart", "Imagevldmiddle", "Imagevldend"},
     Graphic::ValidStart},
    {"Qualitets Sicht: gelb",
     24,
     243,
     {"Imagepartvldstart", "Imagepartvldmiddle", "Imagepartvldend"},
     Graphic::PartvalidStart},
    {"Qualitets Sicht: rot",
     344,
     242,
     {"Imageinvldstart", "Imageinvldmiddle", "Imageinvldend"},
     Graphic::InvalidStart},
}};

// Start, middle and end piece: against the left edge, at 72, against the right edge.
constexpr std::array<int, 3> pieceLefts{4, 72, 232};
constexpr std::array<int, 3> pieceWidths{61, 152, 69};

} // namespace

PlayerViewPage PlayerViewPage::create(QWidget &page)
{
    PlayerViewPage view;
    const auto add = [&](Graphic graphic, PictureLabel *picture) {
        picture->hide();
        view.pictures[static_cast<std::size_t>(graphic) - firstGraphic] = picture;
    };
    for (const ThreePieceView &three : threePieceViews) {
        QFrame *frame =
            createFrame(page, QString::fromUtf8(three.caption), three.left, three.top, 305);
        for (std::size_t i = 0; i < 3; ++i) {
            auto *piece = new PictureLabel(QString::fromLatin1(three.names[i]),
                                           PictureLabel::Drawing::Stretched, frame);
            piece->setGeometry(pieceLefts[i], 6, pieceWidths[i], 159);
            add(static_cast<Graphic>(static_cast<std::size_t>(three.first) + i), piece);
        }
    }
    QFrame *streamFrame = createFrame(page, QStringLiteral("Stream Bild"), 664, 40, 161);
    auto *stream = new PictureLabel(QStringLiteral("ImageStream"), PictureLabel::Drawing::Stretched,
                                    streamFrame);
    stream->setGeometry(4, 6, 153, 159);
    add(Graphic::Stream, stream);
    QFrame *curposFrame = createFrame(page, QStringLiteral("Curpos Bild"), 664, 240, 105);
    auto *curpos = new PictureLabel(QStringLiteral("ImageCurpos"), PictureLabel::Drawing::Natural,
                                    curposFrame);
    curpos->setGeometry(4, 6, 97, 159);
    add(Graphic::Curpos, curpos);

    view.Transparent1 = new QCheckBox(QStringLiteral("Transparent "), &page);
    view.Transparent1->setObjectName(QStringLiteral("Transparent1"));
    view.Transparent1->setFont(boldFont(*view.Transparent1));
    view.Transparent1->move(664, 416);
    view.Transparent1->adjustSize();
    view.Transparent1->setEnabled(false);
    return view;
}

PictureLabel *PlayerViewPage::picture(Graphic graphic) const
{
    const auto index = static_cast<std::size_t>(graphic);
    if (index < firstGraphic || index >= firstGraphic + pictures.size())
        return nullptr;
    return pictures[index - firstGraphic];
}

void PlayerViewPage::setVisible(bool visible) const
{
    for (PictureLabel *picture : pictures)
        picture->setVisible(visible);
}
