#include "platform/Language.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedDialogs.h"
#include "update/HttpClient.h"
#include "update/VersionChecker.h"

#include <QComboBox>
#include <QLabel>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString noNews = QStringLiteral("Keine News vorhanden");
const QString sameVersionNoNews =
    QStringLiteral("Nein, keine neuen News und noch keine neue Version des Velmors.");
const QString newVersionNoNews =
    QStringLiteral("Nein, keine neuen News aber eine neue Version des Velmors.");
const QString lostFile =
    QStringLiteral("Es konnte keine Verbindung mit der Datei im Internet festgestellt werden.");

} // namespace

class VersionCheckTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LocalHttpServer> server_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    QStringList opened_;
    std::unique_ptr<VersionChecker> form_;

    // Without URLs, both servers are folders of the local server.
    void makeForm(const QUrl &server1 = {}, const QUrl &server2 = {})
    {
        Platform platform;
        platform.dialogs = dialogs_;
        platform.openUrl = [this](const QUrl &url) {
            opened_.append(QString::fromLatin1(url.toEncoded()));
        };
        platform.server1 = server1.isEmpty() ? server_->url(QStringLiteral("/one/")) : server1;
        platform.server2 = server2.isEmpty() ? server_->url(QStringLiteral("/two/")) : server2;
        form_ = std::make_unique<VersionChecker>(platform);
        form_->httpClient().setProxy(QNetworkProxy::NoProxy);
        form_->httpClient().setTimeout(3000);
        form_->newsText->setPlainText(noNews);
    }
    template <typename T> T *child(const char *name) const
    {
        T *found = form_->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLabel *label(const char *name) const { return child<QLabel>(name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QString base() const { return server_->url(QStringLiteral("/one/")).toString(); }

    void publish(const QByteArray &version, const QByteArray &news = "Keine News vorhanden",
                 int versionStatus = 200, int newsStatus = 200)
    {
        server_->serve(QStringLiteral("/one/Version.txt"), version, versionStatus);
        server_->serve(QStringLiteral("/one/News.txt"), news, newsStatus);
    }
    void check() { button("ButtonStart")->click(); }

private slots:
    void init()
    {
        server_ = std::make_unique<LocalHttpServer>();
        dialogs_ = std::make_shared<ScriptedDialogs>();
        opened_.clear();
        makeForm();
        form_->serverChoice->setEditText(QStringLiteral("Server 1"));
    }
    void cleanup() { applyLanguage(Language::German); }

    void versionDecidesSignDownloadAndMessage_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("published");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("download");
        QTest::addColumn<int>("left");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QString>("message");

        const QString notFound = QStringLiteral("File not found");
        QTest::newRow("own version") << 200 << QByteArray("1.1.0.0\r\nLaden?") << "1.1.0.0"
                                     << "=" << false << 185 << QStringList() << sameVersionNoNews;
        QTest::newRow("newer") << 200 << QByteArray("1.2.0.0\r\nLaden?\r\n") << "1.2.0.0"
                               << "<" << true << 193 << QStringList() << newVersionNoNews;
        QTest::newRow("older") << 200 << QByteArray("1.0.0.0\nLaden?") << "1.0.0.0"
                               << "<" << true << 193 << QStringList() << newVersionNoNews;
        QTest::newRow("own version with a blank")
            << 200 << QByteArray("1.1.0.0 \rLaden?") << "1.1.0.0 "
            << "<" << true << 193 << QStringList() << newVersionNoNews;
        QTest::newRow("file not found as body")
            << 200 << QByteArray("File not found") << notFound << "" << false << 177
            << QStringList() << "Nein, keine neuen News ";
        QTest::newRow("error page")
            << 404 << QByteArray("<html>1.1.0.0</html>") << notFound << "" << false << 177
            << QStringList{lostFile} << "Nein, keine neuen News ";
        // Hostile answers: the window stays usable and says what it always says.
        const QByteArray longLine(100000, '9');
        QTest::newRow("version line of 100 000 characters")
            << 200 << longLine + "\r\nLaden?" << QString::fromLatin1(longLine) << "<" << true << 193
            << QStringList() << newVersionNoNews;
        QTest::newRow("binary bytes") << 200 << QByteArray("\x01\x00\xff\xfe\nx", 6)
                                      << QStringLiteral("\u0001\u0000\u00ff\u00fe") << "<" << true
                                      << 193 << QStringList() << newVersionNoNews;
    }

    void versionDecidesSignDownloadAndMessage()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, version);
        QFETCH(bool, download);
        publish(version, "Keine News vorhanden", status);
        check();
        QTEST(label("Label3")->text(), "published");
        QTEST(label("Label2")->text(), "sign");
        QCOMPARE(button("Button1")->isEnabled(), download);
        if (download)
            QCOMPARE(button("Button1")->palette().color(QPalette::Active, QPalette::ButtonText),
                     QColor(Qt::red));
        QTEST(label("Label3")->x(), "left");
        QTEST(dialogs_->texts(ScriptedDialogs::Error), "errors");
        QTEST(dialogs_->texts(ScriptedDialogs::Confirm).join(u'|'), "message");
    }

    void laterChecksBuildOnEarlierOnes_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("download");
        QTest::addColumn<QString>("message");
        QTest::newRow("version file gone")
            << QByteArray("File not found") << "<" << true << newVersionNoNews;
        QTest::newRow("own version again")
            << QByteArray("1.1.0.0") << "=" << false << sameVersionNoNews;
    }

    void laterChecksBuildOnEarlierOnes()
    {
        publish("1.2.0.0");
        check();
        QFETCH(QByteArray, version);
        publish(version);
        dialogs_->clearCalls();
        check();
        QTEST(label("Label2")->text(), "sign");
        QTEST(button("Button1")->isEnabled(), "download");
        QTEST(dialogs_->texts(ScriptedDialogs::Confirm).value(0), "message");
    }

    void newsDecideTheMessage_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("news");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<QString>("shownAfter");

        QTest::newRow("same") << "Alles ruhig" << QByteArray("Alles ruhig") << 200 << false
                              << "Alles ruhig";
        QTest::newRow("CR LF against LF")
            << "a\nb" << QByteArray("a\r\nb") << 200 << false << "a\nb";
        QTest::newRow("CR against LF") << "a\nb" << QByteArray("a\rb") << 200 << false << "a\nb";
        QTest::newRow("non-breaking space") << "a\u00a0b"
                                            << QByteArray("a\xa0"
                                                          "b")
                                            << 200 << false << "a\u00a0b";
        QTest::newRow("one character more")
            << "Alles ruhig" << QByteArray("Alles ruhig.") << 200 << true << "Alles ruhig.";
        QTest::newRow("file not found as body")
            << noNews << QByteArray("File not found") << 200 << true << "Keine News gefunden";
        QTest::newRow("error page")
            << noNews << QByteArray("<html>News</html>") << 500 << true << "Keine News gefunden";
    }

    void newsDecideTheMessage()
    {
        QFETCH(QString, shown);
        QFETCH(QByteArray, news);
        QFETCH(int, status);
        QFETCH(bool, isNew);
        form_->newsText->setPlainText(shown);
        publish("1.1.0.0", news, 200, status);
        dialogs_->answerConfirm(true);
        check();
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Confirm),
                 QStringList{isNew ? QStringLiteral("Ja, neue News aber keine neue Version des "
                                                    "Velmors.")
                                   : sameVersionNoNews});
        QTEST(form_->newsText->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'),
              "shownAfter");
    }

    // The notice stands where news would; it must follow the language and, in either
    // language, never pass for news that the settings would keep.
    void theNoNewsNoticeFollowsTheLanguageAndIsNoNews()
    {
        applyLanguage(Language::English);
        publish("1.1.0.0", "File not found");
        dialogs_->answerConfirm(true);
        check();
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Confirm),
                 QStringList{"Yes, there is news, but no new version of Velmor."});
        QCOMPARE(form_->newsText->toPlainText(), QStringLiteral("No news found"));
        QVERIFY(!form_->showsNews());
        applyLanguage(Language::German);
        QCOMPARE(form_->newsText->toPlainText(), QStringLiteral("Keine News gefunden"));
        QVERIFY(!form_->showsNews());
        form_->newsText->setPlainText(QStringLiteral("No news found"));
        QVERIFY(form_->showsNews());
    }

    void newsStayNewUntilAccepted_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("second");
        QTest::newRow("accepted") << true << newVersionNoNews;
        QTest::newRow("declined") << false
                                  << QStringLiteral("Ja, neue News und eine neue Version des "
                                                    "Velmors.");
    }

    void newsStayNewUntilAccepted()
    {
        QFETCH(bool, accepted);
        publish("1.2.0.0", "Neu:\r\nVersion 1.2");
        dialogs_->answerConfirm(accepted);
        check();
        QCOMPARE(form_->newsText->toPlainText(),
                 accepted ? QStringLiteral("Neu:\nVersion 1.2") : noNews);
        check();
        QTEST(dialogs_->texts(ScriptedDialogs::Confirm).value(1), "second");
    }

    void unresolvableHostNamesTheServer_data()
    {
        QTest::addColumn<QString>("server");
        QTest::newRow("Server 1") << "Server 1";
        QTest::newRow("Server 2") << "Server 2";
    }

    void unresolvableHostNamesTheServer()
    {
        QFETCH(QString, server);
        makeForm(QUrl(QStringLiteral("http://nohost1.invalid/velmor/")),
                 QUrl(QStringLiteral("http://nohost2.invalid/velmor/")));
        form_->serverChoice->setEditText(server);
        check();
        const QStringList errors = dialogs_->texts(ScriptedDialogs::Error);
        QCOMPARE(errors.size(), 2);
        QCOMPARE(errors[0], QStringLiteral("Es konnte keine Verbindung mit der Datei auf %1 "
                                           "hergestellt werden.")
                                .arg(server));
        QVERIFY(!errors[1].isEmpty());
        QCOMPARE(label("Label3")->text(), QStringLiteral("unbenannt"));
        QCOMPARE(label("Label2")->text(), QString());
        QCOMPARE(form_->newsText->toPlainText(), noNews);
        QCOMPARE(dialogs_->count(ScriptedDialogs::Confirm), 0);
    }

    void silentServerEndsTheCheck_data()
    {
        QTest::addColumn<QString>("silentFile");
        QTest::addColumn<QString>("published");
        QTest::newRow("version file") << "/one/Version.txt"
                                      << "unbenannt";
        QTest::newRow("news file") << "/one/News.txt"
                                   << "1.2.0.0";
    }

    void silentServerEndsTheCheck()
    {
        QFETCH(QString, silentFile);
        publish("1.2.0.0");
        server_->hang(silentFile);
        form_->httpClient().setTimeout(200);
        check();
        const QStringList errors = dialogs_->texts(ScriptedDialogs::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Zeitüberschreitung")), qPrintable(errors[0]));
        QTEST(label("Label3")->text(), "published");
        QCOMPARE(dialogs_->count(ScriptedDialogs::Confirm), 0);
        QVERIFY(!button("Button1")->isEnabled());
    }

    void serverChoice_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("asked"); // empty: the check cannot start

        QTest::newRow("Server 2") << QStringList{"Server 2"} << "/two/Version.txt";
        QTest::newRow("other text keeps the server")
            << QStringList{"Server 2", "Server 3"} << "/two/Version.txt";
        QTest::newRow("case counts") << QStringList{"Server 1", "server 2"} << "/one/Version.txt";
        QTest::newRow("blanks count") << QStringList{"Server 2", "Server 1 "} << "/two/Version.txt";
        QTest::newRow("cleared") << QStringList{"Server 1", ""} << "";
        QTest::newRow("never chosen") << QStringList{"Server 3"} << "";
    }

    void serverChoice()
    {
        QFETCH(QStringList, typed);
        makeForm();
        for (const QString &text : typed)
            form_->serverChoice->setEditText(text);
        check();
        QTEST(server_->requests().value(0), "asked");
        QCOMPARE(button("ButtonStart")->isEnabled(), !server_->requests().isEmpty());
    }

    void downloadAsksFirst_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("setup"); // empty: nothing handed to the browser

        const QByteArray twoLines("1.2.0.0\r\nJetzt laden?\r\nMehr nicht.");
        QTest::newRow("yes") << twoLines << true << "Jetzt laden?"
                             << "Setup1.2.0.0.exe";
        QTest::newRow("no") << twoLines << false << "Jetzt laden?"
                            << "";
        QTest::newRow("one line, odd version") << QByteArray("2.0 beta/#1") << true << ""
                                               << "Setup2.0%20beta%2F%231.exe";
    }

    void downloadAsksFirst()
    {
        QFETCH(QByteArray, version);
        QFETCH(bool, yes);
        QFETCH(QString, setup);
        publish(version);
        check();
        dialogs_->answerYesNo(yes);
        button("Button1")->click();
        const ScriptedDialogs::Call &asked = dialogs_->calls().constLast();
        QCOMPARE(asked.kind, ScriptedDialogs::YesNo);
        QCOMPARE(asked.title, QStringLiteral("Bestätigung"));
        QTEST(asked.text, "question");
        QCOMPARE(opened_, setup.isEmpty() ? QStringList() : QStringList{base() + setup});
    }
};

QTEST_MAIN(VersionCheckTest)
#include "tst_versioncheck.moc"
