#include "app/Unit2.h"

#include "VelmorVersion.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel *addText(QWidget *panel, const QString &text, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, panel);
    label->setGeometry(left, top, width, height);
    label->setWordWrap(true);
    return label;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Informationen"));
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

    QLabel *product = addText(panel, QStringLiteral("Velmor"), 88, 16, 190, 16);
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    const QString version = QStringLiteral("Version: %1").arg(QLatin1String(velmorVersion));
    addText(panel, version, 88, 40, 190, 16);
    addText(panel, QStringLiteral("Skin-Editor für den Orvana one-Player"), 8, 76, 270, 16);
    addText(panel, QStringLiteral("Mit Qt gebaut, für Linux und Windows"), 8, 91, 270, 16);
    addText(panel,
            QStringLiteral("Diese Version ist für folgende Programme:\nAlle 1.4 und 1.5 Versionen "
                           "von dem Orvana one-Player."),
            8, 110, 274, 48);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 178, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
