#include "editor/Unit1.h"

#include "editor/ClientLayout.h"
#include "platform/Platform.h"

#include <QAction>

namespace {

QWidget *createClient(QMainWindow &window)
{
    auto *client = new QWidget(&window);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(1024, 719 - chromeHeight);
    window.setCentralWidget(client);
    return client;
}

} // namespace

TForm1::TForm1(std::shared_ptr<Dialogs> dialogs, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)), commands_(Commands::create(*this)),
      panel_(EditingPanel::create(*createClient(*this))),
      pages_(SkinPages::create(*centralWidget())),
      loader_(*this, document_, pages_, panel_, commands_, *dialogs_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmor"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    connect(commands_.FileOpen1, &QAction::triggered, this, &TForm1::openSkin);
    connect(commands_.FileExit1, &QAction::triggered, this, &QWidget::close);
}

void TForm1::load(const QString &path)
{
    loader_.load(path);
}

void TForm1::openSkin()
{
    const QString path = dialogs_->openSkin();
    if (!path.isEmpty())
        load(path);
}
