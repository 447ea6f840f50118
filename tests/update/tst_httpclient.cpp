#include "tests/support/LocalHttpServer.h"
#include "update/HttpClient.h"

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QtTest>

class HttpClientTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LocalHttpServer> server_;
    std::unique_ptr<HttpClient> client_;

private slots:
    void init()
    {
        server_ = std::make_unique<LocalHttpServer>();
        client_ = std::make_unique<HttpClient>();
        client_->setProxy(QNetworkProxy::NoProxy);
    }

    void answersBecomeTheBody_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("body");
        const QString notFound = QStringLiteral("File not found");
        QTest::newRow("windows-1252") << 200 << QByteArray("Gr\xfc\xdf\x65 \x80 \x93x\x94\r\n")
                                      << QStringLiteral("Grüße € “x”\r\n");
        QTest::newRow("largest body") << 200 << QByteArray(HttpClient::maxBodySize, 'a')
                                      << QString(HttpClient::maxBodySize, QLatin1Char('a'));
        QTest::newRow("error without page") << 500 << QByteArray() << notFound;
        QTest::newRow("error page over the limit")
            << 503 << QByteArray(HttpClient::maxBodySize + 10, 'x') << notFound;
    }

    void answersBecomeTheBody()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, sent);
        server_->serve(QStringLiteral("/f.txt"), sent, status);
        QSignalSpy failed(client_.get(), &HttpClient::failed);
        QVERIFY(client_->get(server_->url(QStringLiteral("/f.txt"))));
        QTEST(client_->body(), "body");
        QCOMPARE(failed.count(), status >= 400 ? 1 : 0);
    }

    void connectionErrorsReportThemselves_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("body over 1 MiB") << "/big"
                                         << "1 MiB";
        QTest::newRow("redirect in a circle") << "/circle"
                                              << "im Kreis";
        QTest::newRow("connection refused") << ""
                                            << "keine Verbindung";
    }

    void connectionErrorsReportThemselves()
    {
        QFETCH(QString, path);
        server_->serve(QStringLiteral("/big"), QByteArray(HttpClient::maxBodySize + 1, 'a'));
        server_->redirect(QStringLiteral("/circle"), QStringLiteral("/circle"));
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QUrl refused(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
        closed.close();
        int invalidHost = 0;
        connect(client_.get(), &HttpClient::invalidHost, this, [&](bool &) { ++invalidHost; });

        QVERIFY(!client_->get(path.isEmpty() ? refused : server_->url(path)));
        QFETCH(QString, error);
        QVERIFY2(client_->errorText().contains(error), qPrintable(client_->errorText()));
        QCOMPARE(invalidHost, 0);
    }

    void redirectsAreFollowed()
    {
        server_->redirect(QStringLiteral("/old"), QStringLiteral("/moved"));
        server_->redirect(QStringLiteral("/moved"),
                          server_->url(QStringLiteral("/new")).toString());
        server_->serve(QStringLiteral("/new"), "1.2.0.0");
        QVERIFY(client_->get(server_->url(QStringLiteral("/old"))));
        QCOMPARE(client_->body(), QStringLiteral("1.2.0.0"));
    }

    void eventsAreHandledWhileWaiting()
    {
        server_->serve(QStringLiteral("/slow"), "news", 200, 200);
        bool handled = false;
        QTimer::singleShot(20, this, [&handled] { handled = true; });
        QVERIFY(client_->get(server_->url(QStringLiteral("/slow"))));
        QVERIFY(handled);
    }

    void invalidHostDealtWithLeavesNothingToReport()
    {
        connect(client_.get(), &HttpClient::invalidHost, this,
                [](bool &handled) { handled = true; });
        QVERIFY(!client_->get(QUrl(QStringLiteral("http://nohost.invalid/velmor/News.txt"))));
        QVERIFY(client_->errorText().isEmpty());
    }
};

QTEST_MAIN(HttpClientTest)
#include "tst_httpclient.moc"
