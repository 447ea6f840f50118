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

constexpr std::array<FieldCaption, 6> captionLayout{{
    {QT_TRANSLATE_NOOP("EditingPanel", "Größe"), 544, 128},
    {QT_TRANSLATE_NOOP("EditingPanel", "Position"), 544, 168},
    {QT_TRANSLATE_NOOP("EditingPanel", "X:"), 616, 128},
    {QT_TRANSLATE_NOOP("EditingPanel", "Y:"), 688, 128},
    {QT_TRANSLATE_NOOP("EditingPanel", "X:"), 616, 168},
    {QT_TRANSLATE_NOOP("EditingPanel", "Y:"), 688, 168},
}};

void createStatePreviews(QWidget &client, EditingPanel &panel)
{
    auto *group = new QGroupBox(&client);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(clientRect(8, 64, 473, 129));
    panel.stateGroup = group;
    const std::array<const char *, 4> names{"Image01up", "Image01do", "Image01mo", "Image01da"};
    const std::array<int, 4> lefts{12, 123, 235, 347};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto *frame = new QFrame(group);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(lefts[i], 14, 111, 100);
        auto *picture = new PictureLabel(QString::fromLatin1(names[i]), frame);
        picture->setGeometry(2, 2, 107, 96);
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
constexpr int fieldWidth = 54;

NumberField *createField(QWidget &client, const char *name, bool ranged, int left, int top)
{
    auto *field = new NumberField(QString::fromLatin1(name), ranged, &client);
    field->setGeometry(clientRect(left, top, fieldWidth, 22));
    return field;
}

} // namespace

EditingPanel EditingPanel::create(QWidget &client)
{
    EditingPanel panel;
    createStatePreviews(client, panel);

    panel.nameGroup = new QGroupBox(&client);
    panel.nameGroup->setGeometry(clientRect(488, 64, 281, 49));
    panel.pictureName = new QLineEdit(panel.nameGroup);
    panel.pictureName->setObjectName(QStringLiteral("edit1"));
    panel.pictureName->setGeometry(8, 20, 265, 21);
    panel.pictureName->setReadOnly(true);

    for (std::size_t i = 0; i < captionLayout.size(); ++i)
        panel.fieldCaptions[i] = createBoldLabel(client, captionLayout[i]);
    panel.widthField = createField(client, "grossX", true, 632, 120);
    panel.heightField = createField(client, "grossY", true, 704, 120);
    panel.leftField = createField(client, "PositionX", false, 632, 160);
    panel.topField = createField(client, "PositionY", false, 704, 160);

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
