#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests that talk to an update server. It runs
// on the test's own thread, so it answers whenever the client under test waits in an
// event loop. Paths it was given no answer for get a 404 with an HTML page.
class LocalHttpServer : public QObject {
public:
    LocalHttpServer();

    // The server's URL for an absolute path, e.g. url("/velmor/").
    QUrl url(const QString &path) const;

    void serve(const QString &path, const QByteArray &body, int status = 200, int delayMs = 0);
    void redirect(const QString &path, const QString &location);
    // Reads the request and never answers it.
    void hang(const QString &path);

    // The paths asked for, in order.
    const QStringList &requests() const { return requests_; }

private:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray location;
        int delayMs = 0;
        bool hang = false;
    };

    void onReadable(QTcpSocket *socket);

    QTcpServer server_;
    QHash<QString, Answer> answers_;
    QStringList requests_;
};
