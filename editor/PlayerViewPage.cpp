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

// A framed picture with its caption above it.
struct FramedPicture {
    const char *caption;
    int left;
    int top;
    int width;
};

// The four three-piece views, then the stream picture and the current position.
constexpr std::array<FramedPicture, 6> framedPictures{{
    {QT_TRANSLATE_NOOP("PlayerViewPage", "Menü Sicht"), 24, 40, 305},
    {QT_TRANSLATE_NOOP("PlayerViewPage", "Qualitets Sicht: grün"), 344, 40, 305},
    {QT_TRANSLATE_NOOP("PlayerViewPage", "Qualitets Sicht: gelb"), 24, 243, 305},
    {QT_TRANSLATE_NOOP("PlayerViewPage", "Qualitets Sicht: rot"), 344, 242, 305},
    {QT_TRANSLATE_NOOP("PlayerViewPage", "Stream Bild"), 664, 40, 161},
    {QT_TRANSLATE_NOOP("PlayerViewPage", "Curpos Bild"), 664, 240, 105},
}};

enum FramedIndex { StreamFrame = 4, CurposFrame = 5 };

QFrame *createFrame(QWidget &page, const FramedPicture &framed, QLabel *&caption)
{
    caption = new QLabel(&page);
    caption->setFont(boldFont(*caption));
    auto *frame = new QFrame(&page);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(framed.left, framed.top, framed.width, 169);
    return frame;
}

struct ThreePieceView {
    std::array<const char *, 3> names;
    Graphic first;
};

// In the order of the first four framed pictures.
constexpr std::array<ThreePieceView, 4> threePieceViews{{
    {{"ImageLeft", "ImageCenter", "ImageRight"}, Graphic::MenuLeft},
    {{"Imagevldstart", "Imagevldmiddle", "Imagevldend"}, Graphic::ValidStart},
    {{"Imagepartvldstart", "Imagepartvldmiddle", "Imagepartvldend"}, Graphic::PartvalidStart},
    {{"Imageinvldstart", "Imageinvldmiddle", "Imageinvldend"}, Graphic::InvalidStart},
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
    const auto frame = [&](std::size_t index) {
        return createFrame(page, framedPictures[index], view.captions[index]);
    };
    for (std::size_t v = 0; v < threePieceViews.size(); ++v) {
        const ThreePieceView &three = threePieceViews[v];
        QFrame *threeFrame = frame(v);
        for (std::size_t i = 0; i < 3; ++i) {
            auto *piece = new PictureLabel(QString::fromLatin1(three.names[i]),
                                           PictureLabel::Drawing::Stretched, threeFrame);
            piece->setGeometry(pieceLefts[i], 6, pieceWidths[i], 159);
            add(static_cast<Graphic>(static_cast<std::size_t>(three.first) + i), piece);
        }
    }
    auto *stream = new PictureLabel(QStringLiteral("ImageStream"), PictureLabel::Drawing::Stretched,
                                    frame(StreamFrame));
    stream->setGeometry(4, 6, 153, 159);
    add(Graphic::Stream, stream);
    auto *curpos = new PictureLabel(QStringLiteral("ImageCurpos"), PictureLabel::Drawing::Natural,
                                    frame(CurposFrame));
    curpos->setGeometry(4, 6, 97, 159);
    add(Graphic::Curpos, curpos);

    view.Transparent1 = new QCheckBox(&page);
    view.Transparent1->setObjectName(QStringLiteral("Transparent1"));
    view.Transparent1->setFont(boldFont(*view.Transparent1));
    view.Transparent1->move(664, 416);
    view.Transparent1->setEnabled(false);
    view.retranslate();
    return view;
}

// A caption stands just above its frame, whatever its height in the language.
void PlayerViewPage::retranslate() const
{
    for (std::size_t i = 0; i < framedPictures.size(); ++i) {
        QLabel *caption = captions[i];
        caption->setText(QCoreApplication::translate("PlayerViewPage", framedPictures[i].caption));
        caption->adjustSize();
        caption->move(framedPictures[i].left, framedPictures[i].top - caption->height() - 2);
    }
    Transparent1->setText(tr("Transparent "));
    Transparent1->adjustSize();
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
