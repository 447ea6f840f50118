#include "app/AboutDialog.h"

#include "VelmorVersion.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel *addText(QWidget *panel, int left, int top, int width, int height)
{
    auto *label = new QLabel(panel);
    label->setGeometry(left, top, width, height);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(303, 211);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 8, 287, 161);
    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(8, 8, 73, 65);
    icon->setScaledContents(true);
    icon->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(73, 65));

    QLabel *product = addText(panel, 88, 16, 190, 16);
    product->setText(QStringLiteral("Velmor"));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    version_ = addText(panel, 88, 40, 190, 16);
    purpose_ = addText(panel, 8, 76, 270, 16);
    platforms_ = addText(panel, 8, 91, 270, 16);
    players_ = addText(panel, 8, 110, 274, 48);

    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setGeometry(111, 178, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void AboutDialog::retranslate()
{
    setWindowTitle(tr("Informationen"));
    version_->setText(tr("Version: %1").arg(QLatin1String(velmorVersion)));
    purpose_->setText(tr("Skin-Editor für den Orvana one-Player"));
    platforms_->setText(tr("Mit Qt gebaut, für Linux und Windows"));
    players_->setText(tr("Diese Version ist für folgende Programme:\nAlle 1.4 und 1.5 Versionen "
                         "von dem Orvana one-Player."));
    ok_->setText(tr("OK"));
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
