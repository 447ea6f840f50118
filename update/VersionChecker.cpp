#include "update/VersionChecker.h"

#include "VelmorVersion.h"
#include "update/HttpClient.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QString ownVersion = QString::fromLatin1(velmorVersion);
const QString fileNotFound = HttpClient::notFoundBody();
const QString server1Name = QStringLiteral("Server 1");
const QString server2Name = QStringLiteral("Server 2");

// Where the published version (Label3) stands: a little to the left for the wide "File not found",
// clear of the
// "<" for a new version.
constexpr int versionTop = 40;
constexpr int notFoundLeft = 177;
constexpr int newVersionLeft = 193;

QLabel *createLabel(QWidget *parent, const QString &text, int left, int top,
                    const QString &name = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// The labels size themselves to their text, so a long version is never cut off.
void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

QPushButton *createButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QStringList linesOf(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

// News that differ only in their line ends are the same news. The news box is read
// through its raw text: toPlainText() turns a non-breaking space into a blank, which
// would make such news new at every check.
QString comparableNews(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    result.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return result;
}

bool isNewVersion(const QString &published)
{
    return published != fileNotFound && published != ownVersion;
}

QUrl fileUrl(const QUrl &base, const QByteArray &encodedName)
{
    return QUrl::fromEncoded(base.toEncoded() + encodedName, QUrl::StrictMode);
}

} // namespace

VersionChecker::VersionChecker(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform), http_(new HttpClient(this))
{
    setObjectName(QStringLiteral("Form4"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(318, 332);
    createControls();
    retranslate();

    connect(newsText, &QPlainTextEdit::textChanged, this,
            [this] { showsNoNewsNotice_ = newsText->toPlainText() == noNewsNotice(); });
    connect(serverChoice, &QComboBox::currentTextChanged, this, &VersionChecker::ServerwahlChange);
    connect(checkButton, &QPushButton::clicked, this, &VersionChecker::check);
    connect(downloadButton, &QPushButton::clicked, this, &VersionChecker::download);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(http_, &HttpClient::failed, this, [this] {
        platform_.dialogs->error(
            tr("Es konnte keine Verbindung mit der Datei im Internet festgestellt werden."));
    });
    connect(http_, &HttpClient::invalidHost, this, &VersionChecker::reportInvalidHost);
}

void VersionChecker::createControls()
{
    serverGroup_ = new QGroupBox(this);
    serverGroup_->setGeometry(10, 8, 295, 49);
    serverChoice = new QComboBox(serverGroup_);
    serverChoice->setObjectName(QStringLiteral("Serverwahl1"));
    serverChoice->setEditable(true);
    // A typed name is a choice of its own, not a new entry in the list.
    serverChoice->setInsertPolicy(QComboBox::NoInsert);
    serverChoice->addItems({server1Name, server2Name});
    serverChoice->setCurrentIndex(-1);
    serverChoice->setGeometry(10, 16, 271, 21);

    versionGroup_ = new QGroupBox(this);
    versionGroup_->setGeometry(10, 62, 295, 67);
    onThisPc_ = createLabel(versionGroup_, QString(), 80, 16);
    onTheInternet_ = createLabel(versionGroup_, QString(), 184, 16);
    program_ = createLabel(versionGroup_, QString(), 12, versionTop);
    ownVersionLabel =
        createLabel(versionGroup_, ownVersion, 96, versionTop, QStringLiteral("Label1"));
    comparisonSign =
        createLabel(versionGroup_, QString(), 164, versionTop, QStringLiteral("Label2"));
    QFont bold = comparisonSign->font();
    bold.setBold(true);
    comparisonSign->setFont(bold);
    publishedVersion =
        createLabel(versionGroup_, QString(), 185, versionTop, QStringLiteral("Label3"));

    newsGroup_ = new QGroupBox(this);
    newsGroup_->setGeometry(10, 136, 295, 137);
    newsText = new QPlainTextEdit(newsGroup_);
    newsText->setObjectName(QStringLiteral("Memo2"));
    newsText->setReadOnly(true);
    newsText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *newsLayout = new QVBoxLayout(newsGroup_);
    newsLayout->setContentsMargins(2, 2, 2, 2);
    newsLayout->addWidget(newsText);

    checkButton = createButton(this, "ButtonStart", {16, 288, 96, 25});
    checkButton->setEnabled(false);
    downloadButton = createButton(this, "Button1", {123, 288, 89, 25});
    downloadButton->setEnabled(false);
    closeButton = createButton(this, "Buttonbeenden", {231, 288, 75, 25});
}

void VersionChecker::retranslate()
{
    setWindowTitle(tr("Velmor Versions-Checker"));
    serverGroup_->setTitle(tr("Download Server"));
    versionGroup_->setTitle(tr("Versionsinformationen"));
    setLabelText(onThisPc_, tr("auf deinem PC"));
    setLabelText(onTheInternet_, tr("im Internet:"));
    setLabelText(program_, tr("Programm"));
    if (!published_)
        setLabelText(publishedVersion, tr("unbenannt"));
    newsGroup_->setTitle(tr("News"));
    if (showsNoNewsNotice_)
        newsText->setPlainText(noNewsNotice());
    checkButton->setText(tr("&Gibt's was neues?"));
    downloadButton->setText(tr("&Start Download"));
    closeButton->setText(tr("&Beenden"));
}

void VersionChecker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

QString VersionChecker::noNewsNotice()
{
    return tr("Keine News gefunden");
}

bool VersionChecker::showsNews() const
{
    return !showsNoNewsNotice_ && !newsText->toPlainText().isEmpty();
}

// Whole sentences, so that a language can order them its own way.
QString VersionChecker::newsQuestion(bool newNews) const
{
    switch (finding_) {
    case VersionFinding::Same:
        return newNews ? tr("Ja, neue News aber keine neue Version des Velmors.")
                       : tr("Nein, keine neuen News und noch keine neue Version des Velmors.");
    case VersionFinding::Newer:
        return newNews ? tr("Ja, neue News und eine neue Version des Velmors.")
                       : tr("Nein, keine neuen News aber eine neue Version des Velmors.");
    case VersionFinding::None:
        break;
    }
    return newNews ? tr("Ja, neue News ") : tr("Nein, keine neuen News ");
}

void VersionChecker::ServerwahlChange()
{
    // Names are compared exactly: anything else the user types leaves the choice alone.
    const QString text = serverChoice->currentText();
    if (text.isEmpty()) {
        checkButton->setEnabled(false);
    } else if (text == server1Name) {
        baseUrl_ = platform_.server1;
        checkButton->setEnabled(true);
    } else if (text == server2Name) {
        baseUrl_ = platform_.server2;
        checkButton->setEnabled(true);
    }
}

bool VersionChecker::fetch(const char *fileName)
{
    if (http_->get(fileUrl(baseUrl_, fileName)))
        return true;
    if (!http_->errorText().isEmpty())
        platform_.dialogs->error(http_->errorText());
    return false;
}

void VersionChecker::reportInvalidHost()
{
    // The message names the server the base URL came from, which is the one asked.
    const QString server = baseUrl_ == platform_.server1 ? server1Name : server2Name;
    platform_.dialogs->error(
        tr("Es konnte keine Verbindung mit der Datei auf %1 hergestellt werden.").arg(server));
}

void VersionChecker::applyVersion(const QString &published)
{
    published_ = published;
    setLabelText(publishedVersion, published);
    if (ownVersionLabel->text() == publishedVersion->text()) {
        setLabelText(comparisonSign, QStringLiteral("="));
        finding_ = VersionFinding::Same;
        downloadButton->setEnabled(false);
    }
    if (isNewVersion(published)) {
        setLabelText(comparisonSign, QStringLiteral("<"));
        finding_ = VersionFinding::Newer;
    }
    // Without a version file the sign, the button and the question still tell what the
    // last successful check found.
    if (published == fileNotFound)
        publishedVersion->move(notFoundLeft, versionTop);
}

void VersionChecker::check()
{
    if (baseUrl_.isEmpty() || !fetch("Version.txt"))
        return;
    const QStringList lines = linesOf(http_->body());
    const QString published = lines.value(0);
    question_ = lines.value(1);
    applyVersion(published);

    if (!fetch("News.txt"))
        return;
    const QString news = http_->body();
    Dialogs &dialogs = *platform_.dialogs;
    if (comparableNews(news) == comparableNews(newsText->document()->toRawText())) {
        dialogs.confirm(newsQuestion(false));
    } else if (dialogs.confirm(newsQuestion(true))) {
        newsText->setPlainText(news);
        if (newsText->toPlainText() == fileNotFound)
            newsText->setPlainText(noNewsNotice());
    }

    if (isNewVersion(published)) {
        downloadButton->setEnabled(true);
        QPalette red = downloadButton->palette();
        // A disabled button keeps the grey of its kind.
        red.setColor(QPalette::Active, QPalette::ButtonText, Qt::red);
        red.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::red);
        downloadButton->setPalette(red);
        publishedVersion->move(newVersionLeft, versionTop);
    }
}

void VersionChecker::download()
{
    if (!platform_.dialogs->yesNo(tr("Bestätigung"), question_))
        return;
    // The version comes from the server: encoded, it stays one file name in the folder.
    const QByteArray setup =
        "Setup" + QUrl::toPercentEncoding(published_.value_or(QString())) + ".exe";
    if (platform_.openUrl)
        platform_.openUrl(fileUrl(baseUrl_, setup));
}
