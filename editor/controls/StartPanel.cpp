#include "editor/controls/StartPanel.h"

#include "editor/controls/WindowActions.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *commandButton(QAction *command, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    QObject::connect(button, &QPushButton::clicked, command, &QAction::trigger);
    return button;
}

} // namespace

StartPanel::StartPanel(const WindowActions &commands, QWidget *parent)
    : QFrame(parent), title_(new QLabel(this)), hint_(new QLabel(this)),
      recentCaption_(new QLabel(this)), recentList_(new QVBoxLayout)
{
    setObjectName(QStringLiteral("StartPanel"));
    QFont larger = title_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    larger.setBold(true);
    title_->setFont(larger);
    hint_->setWordWrap(true);
    QFont bold = recentCaption_->font();
    bold.setBold(true);
    recentCaption_->setFont(bold);

    auto *row = new QHBoxLayout;
    const std::array<QAction *, 3> ways{commands.open, commands.newFromTemplate,
                                        commands.openPackage};
    for (std::size_t i = 0; i < ways.size(); ++i) {
        buttons_[i] = commandButton(ways[i], this);
        row->addWidget(buttons_[i]);
    }
    row->addStretch();

    auto *column = new QVBoxLayout;
    column->addWidget(title_);
    column->addWidget(hint_);
    column->addSpacing(8);
    column->addLayout(row);
    column->addSpacing(16);
    column->addWidget(recentCaption_);
    column->addLayout(recentList_);

    // The text stays a readable width, and sits in the middle however large the room.
    auto *outer = new QHBoxLayout(this);
    outer->addStretch(1);
    auto *middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addLayout(column);
    middle->addStretch(2);
    outer->addLayout(middle, 4);
    outer->addStretch(1);
    retranslate();
    showRecentSkins({});
}

void StartPanel::showRecentSkins(const QStringList &paths)
{
    while (QLayoutItem *item = recentList_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    recentCaption_->setVisible(!paths.isEmpty());
    for (const QString &path : paths) {
        const QFileInfo file(path);
        auto *entry = new QPushButton(this);
        entry->setFlat(true);
        entry->setCursor(Qt::PointingHandCursor);
        entry->setStyleSheet(QStringLiteral("text-align: left; color: palette(link)"));
        // A name's own "&" would otherwise underline the letter after it.
        entry->setText(QStringLiteral("%1 — %2")
                           .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()))
                           .replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QPushButton::clicked, this, [this, path] { emit recentChosen(path); });
        recentList_->addWidget(entry);
    }
}

void StartPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void StartPanel::retranslate()
{
    title_->setText(tr("Kein Skin geöffnet"));
    hint_->setText(tr("Öffne ein Skin, lege eines aus einer Vorlage an oder ziehe eine "
                      "Skin-Datei (.lkv) oder ein Skin-Paket (.zip) in dieses Fenster."));
    recentCaption_->setText(tr("Zuletzt geöffnet"));
    buttons_[0]->setText(tr("Skin öffnen..."));
    buttons_[1]->setText(tr("Neu aus Vorlage..."));
    buttons_[2]->setText(tr("Skin-Paket öffnen..."));
}
