#include "app/SkinNameDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton *createButton(const char *name, int left, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 72, 75, 25);
    button->setAutoDefault(false);
    return button;
}

} // namespace

SkinNameDialog::SkinNameDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form3"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(281, 109);
    caption_ = new QLabel(this);
    caption_->setGeometry(8, 12, 265, 16);
    nameField = new QLineEdit(this);
    nameField->setObjectName(QStringLiteral("Edit1"));
    nameField->setGeometry(8, 32, 265, 21);
    okButton = createButton("OKBtn", 58, this);
    cancelButton = createButton("CancelBtn", 148, this);
    okButton->setEnabled(false);
    retranslate();
    // A name of blanks is still a name.
    connect(nameField, &QLineEdit::textChanged, okButton,
            [this](const QString &text) { okButton->setEnabled(!text.isEmpty()); });
    connect(okButton, &QPushButton::clicked, this, &SkinNameDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SkinNameDialog::retranslate()
{
    setWindowTitle(tr("Skinname"));
    caption_->setText(tr("Name des Skins:"));
    okButton->setText(tr("OK"));
    cancelButton->setText(tr("Abbrechen"));
}

void SkinNameDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void SkinNameDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Escape:
        event->accept();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void SkinNameDialog::confirm()
{
    nameConfirmed_ = true;
    skinName_ = nameField->text();
    accept();
}
