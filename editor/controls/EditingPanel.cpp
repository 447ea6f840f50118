#include "editor/controls/EditingPanel.h"

#include "editor/controls/ClientLayout.h"
#include "editor/controls/NumberField.h"
#include "editor/controls/PictureLabel.h"
#include "editor/controls/SkinTextView.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

struct FieldCaption {
    const char *text;
    int left;
    int top;
};

enum CaptionIndex { WidthCaption = 2, HeightCaption, LeftCaption, TopCaption };

constexpr std::array<FieldCaption, 6> captionLayout{{
    {QT_TRANSLATE_NOOP("EditingPanel", "Größe"), 544, 128},
    {QT_TRANSLATE_NOOP("EditingPanel", "Position"), 544, 168},
    {QT_TRANSLATE_NOOP("EditingPanel", "X:"), 616, 128},
    {QT_TRANSLATE_NOOP("EditingPanel", "Y:"), 688, 128},
    {QT_TRANSLATE_NOOP("EditingPanel", "X:"), 616, 168},
    {QT_TRANSLATE_NOOP("EditingPanel", "Y:"), 688, 168},
}};

// The state group where the layout was drawn, as nameGroupPlace is; clientRect moves
// both below the bars. Bildname's field stands inside its group.
constexpr QRect stateGroupPlace(8, 64, 473, 129);
constexpr QRect pictureNamePlace(8, 20, 265, 21);

// The four state previews side by side in their group, each picture inside a sunken
// frame that keeps its border free.
constexpr std::array<int, 4> previewLefts{12, 123, 235, 347};
constexpr int previewTop = 14;
constexpr QSize previewFrameSize(111, 100);
constexpr int previewBorder = 2;

void createStatePreviews(QWidget &client, EditingPanel &panel)
{
    auto *group = new QGroupBox(&client);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(clientRect(stateGroupPlace));
    panel.stateGroup = group;
    const std::array<const char *, 4> names{"Image01up", "Image01do", "Image01mo", "Image01da"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto *frame = new QFrame(group);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(QRect(QPoint(previewLefts[i], previewTop), previewFrameSize));
        auto *picture = new PictureLabel(QString::fromLatin1(names[i]), frame);
        picture->setGeometry(
            QRect(QPoint(), previewFrameSize)
                .adjusted(previewBorder, previewBorder, -previewBorder, -previewBorder));
        picture->hide();
        panel.statePreviews[i] = picture;
    }
}

QLabel *createBoldLabel(QWidget &client, const FieldCaption &caption)
{
    auto *label = new QLabel(&client);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->move(clientRect(caption.left, caption.top, 0, 0).topLeft());
    return label;
}

// Wide enough for four digits beside the spin buttons, up to the caption that follows.
constexpr QSize fieldSize(54, 22);
// A field stands right of its "X:" or "Y:", its text on the caption's line.
constexpr QPoint fieldBesideCaption(16, -8);

NumberField *createField(QWidget &client, const char *name, bool ranged, CaptionIndex caption)
{
    auto *field = new NumberField(QString::fromLatin1(name), ranged, &client);
    const QPoint drawn =
        QPoint(captionLayout[caption].left, captionLayout[caption].top) + fieldBesideCaption;
    field->setGeometry(clientRect(QRect(drawn, fieldSize)));
    return field;
}

} // namespace

EditingPanel EditingPanel::create(QWidget &client)
{
    EditingPanel panel;
    createStatePreviews(client, panel);

    panel.nameGroup = new QGroupBox(&client);
    panel.nameGroup->setGeometry(clientRect(nameGroupPlace));
    panel.pictureName = new QLineEdit(panel.nameGroup);
    panel.pictureName->setObjectName(QStringLiteral("edit1"));
    panel.pictureName->setGeometry(pictureNamePlace);
    panel.pictureName->setReadOnly(true);

    for (std::size_t i = 0; i < captionLayout.size(); ++i)
        panel.fieldCaptions[i] = createBoldLabel(client, captionLayout[i]);
    panel.widthField = createField(client, "grossX", true, WidthCaption);
    panel.heightField = createField(client, "grossY", true, HeightCaption);
    panel.leftField = createField(client, "PositionX", false, LeftCaption);
    panel.topField = createField(client, "PositionY", false, TopCaption);

    panel.skinText = new SkinTextView(&client);
    panel.skinText->hide();
    panel.enableEditing(false);
    panel.retranslate();
    return panel;
}

void EditingPanel::enableEditing(bool enabled) const
{
    for (QWidget *control :
         {static_cast<QWidget *>(pictureName), static_cast<QWidget *>(widthField),
          static_cast<QWidget *>(heightField), static_cast<QWidget *>(leftField),
          static_cast<QWidget *>(topField)})
        control->setEnabled(enabled);
}

void EditingPanel::showHint(const char *hint) const
{
    hint_ = hint;
    pictureName->setText(QCoreApplication::translate("EditingPanel", hint));
}

void EditingPanel::showFileName(const QString &name) const
{
    hint_ = nullptr;
    pictureName->setText(name);
}

void EditingPanel::retranslate() const
{
    stateGroup->setTitle(tr("Zusätzliche Bilder "));
    stateGroup->setToolTip(tr("Zeigt zusätzliche Bilder an"));
    nameGroup->setTitle(tr("Bildname"));
    for (std::size_t i = 0; i < captionLayout.size(); ++i) {
        fieldCaptions[i]->setText(
            QCoreApplication::translate("EditingPanel", captionLayout[i].text));
        fieldCaptions[i]->adjustSize();
    }
    if (hint_)
        showHint(hint_);
}
