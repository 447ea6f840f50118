#include "editor/EditingPanel.h"

#include "editor/ClientLayout.h"
#include "editor/NumberField.h"
#include "editor/PictureLabel.h"
#include "editor/SkinTextView.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

void createStatePreviews(QWidget &client, EditingPanel &panel)
{
    auto *group = new QGroupBox(QStringLiteral("Zusätzliche Bilder "), &client);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(clientRect(8, 64, 473, 129));
    group->setToolTip(QStringLiteral("Zeigt zusätzliche Bilder an"));
    const std::array<const char *, 4> names{"Image01up", "Image01do", "Image01mo", "Image01da"};
    const std::array<int, 4> lefts{12, 123, 235, 347};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto *frame = new QFrame(group);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(lefts[i], 14, 111, 100);
        auto *picture =
            new PictureLabel(QString::fromLatin1(names[i]), PictureLabel::Drawing::Natural, frame);
        picture->setGeometry(2, 2, 107, 96);
        picture->hide();
        panel.statePreviews[i] = picture;
    }
}

void createBoldLabel(QWidget &client, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, &client);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->adjustSize();
    label->move(clientRect(left, top, 0, 0).topLeft());
}

NumberField *createField(QWidget &client, const char *name, bool ranged, int left, int top)
{
    auto *field = new NumberField(QString::fromLatin1(name), ranged, &client);
    field->setGeometry(clientRect(left, top, 41, 22));
    return field;
}

} // namespace

EditingPanel EditingPanel::create(QWidget &client)
{
    EditingPanel panel;
    createStatePreviews(client, panel);

    auto *nameGroup = new QGroupBox(QStringLiteral("Bildname"), &client);
    nameGroup->setGeometry(clientRect(488, 64, 281, 49));
    panel.edit1 = new QLineEdit(nameGroup);
    panel.edit1->setObjectName(QStringLiteral("edit1"));
    panel.edit1->setGeometry(8, 20, 265, 21);
    panel.edit1->setReadOnly(true);

    createBoldLabel(client, QStringLiteral("Größe"), 544, 128);
    createBoldLabel(client, QStringLiteral("Position"), 544, 168);
    for (int top : {128, 168}) {
        createBoldLabel(client, QStringLiteral("X:"), 616, top);
        createBoldLabel(client, QStringLiteral("Y:"), 688, top);
    }
    panel.grossX = createField(client, "grossX", true, 632, 120);
    panel.grossY = createField(client, "grossY", true, 704, 120);
    panel.PositionX = createField(client, "PositionX", false, 632, 160);
    panel.PositionY = createField(client, "PositionY", false, 704, 160);

    panel.Memo1 = new SkinTextView(&client);
    panel.Memo1->hide();
    panel.enableEditing(false);
    return panel;
}

void EditingPanel::enableEditing(bool enabled) const
{
    for (QWidget *control : {static_cast<QWidget *>(edit1), static_cast<QWidget *>(grossX),
                             static_cast<QWidget *>(grossY), static_cast<QWidget *>(PositionX),
                             static_cast<QWidget *>(PositionY)})
        control->setEnabled(enabled);
}
