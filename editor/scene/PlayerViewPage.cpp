#include "editor/scene/PlayerViewPage.h"

#include "editor/scene/FrameItems.h"
#include "editor/scene/PageStyle.h"
#include "editor/scene/PictureItem.h"

#include <QCheckBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>

namespace {

constexpr auto firstGraphic = static_cast<std::size_t>(Graphic::MenuLeft);

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

FrameItem *createFrame(QGraphicsScene &page, const FramedPicture &framed, TextItem *&caption)
{
    caption = new TextItem(QString(), boldPageFont());
    page.addItem(caption);
    auto *frame = new FrameItem(QString(), FrameItem::Shape::Box, true, 1, false);
    frame->setGeometry({framed.left, framed.top, framed.width, 169});
    page.addItem(frame);
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

QCheckBox *createTransparent(QGraphicsScene &page)
{
    auto *box = new QCheckBox;
    box->setObjectName(QStringLiteral("Transparent1"));
    box->setAttribute(Qt::WA_TranslucentBackground);
    box->setEnabled(false);
    QGraphicsProxyWidget *standing = page.addWidget(box);
    standing->setFont(boldPageFont());
    standing->setPos(664, 416);
    return box;
}

} // namespace

PlayerViewPage PlayerViewPage::create(QGraphicsScene &page)
{
    PlayerViewPage view;
    const auto add = [&](Graphic graphic, PictureItem *picture) {
        picture->hide();
        view.pictures[static_cast<std::size_t>(graphic) - firstGraphic] = picture;
    };
    const auto frame = [&](std::size_t index) {
        return createFrame(page, framedPictures[index], view.captions[index]);
    };
    for (std::size_t v = 0; v < threePieceViews.size(); ++v) {
        const ThreePieceView &three = threePieceViews[v];
        FrameItem *threeFrame = frame(v);
        for (std::size_t i = 0; i < 3; ++i) {
            auto *piece = new PictureItem(QString::fromLatin1(three.names[i]),
                                          PictureItem::Drawing::Stretched, threeFrame);
            piece->setGeometry({pieceLefts[i], 6, pieceWidths[i], 159});
            add(static_cast<Graphic>(static_cast<std::size_t>(three.first) + i), piece);
        }
    }
    auto *stream = new PictureItem(QStringLiteral("ImageStream"), PictureItem::Drawing::Stretched,
                                   frame(StreamFrame));
    stream->setGeometry({4, 6, 153, 159});
    add(Graphic::Stream, stream);
    auto *curpos = new PictureItem(QStringLiteral("ImageCurpos"), PictureItem::Drawing::Natural,
                                   frame(CurposFrame));
    curpos->setGeometry({4, 6, 97, 159});
    add(Graphic::Curpos, curpos);

    view.transparentBox = createTransparent(page);
    view.retranslate();
    return view;
}

// A caption stands just above its frame, whatever its height in the language.
void PlayerViewPage::retranslate() const
{
    for (std::size_t i = 0; i < framedPictures.size(); ++i) {
        TextItem *caption = captions[i];
        caption->setText(QCoreApplication::translate("PlayerViewPage", framedPictures[i].caption));
        caption->fitText();
        caption->setPos(framedPictures[i].left, framedPictures[i].top - caption->height() - 2);
    }
    transparentBox->setText(tr("Transparent "));
    transparentBox->adjustSize();
}

PictureItem *PlayerViewPage::picture(Graphic graphic) const
{
    const auto index = static_cast<std::size_t>(graphic);
    if (index < firstGraphic || index >= firstGraphic + pictures.size())
        return nullptr;
    return pictures[index - firstGraphic];
}

void PlayerViewPage::setVisible(bool visible) const
{
    for (PictureItem *picture : pictures)
        picture->setVisible(visible);
}
