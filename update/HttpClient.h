#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkProxy;

// Fetches the small text files of the update servers. A GET waits in an event loop of
// its own, so the window that asked keeps answering the user until the answer is in.
class HttpClient : public QObject {
    Q_OBJECT

public:
    static constexpr int defaultTimeout = 15000; // milliseconds for a whole GET
    static constexpr qint64 maxBodySize = 1024 * 1024;
    static constexpr int maxRedirects = 10;

    explicit HttpClient(QObject *parent = nullptr);

    // The body of an answer with a status of 400 or above.
    static QString notFoundBody() { return QStringLiteral("File not found"); }

    // True when the server answered, whatever the status: body() then holds the answer.
    // False on a connection error: errorText() then says what went wrong, and is empty
    // only when nothing is left to tell (an invalid-host handler dealt with it, or the
    // application quit while waiting).
    bool get(const QUrl &url);

    const QString &body() const { return body_; }
    const QString &errorText() const { return errorText_; }

    void setTimeout(int milliseconds) { timeout_ = milliseconds; }
    int timeout() const { return timeout_; }
    // Without a proxy set here, the system's proxy settings apply.
    void setProxy(const QNetworkProxy &proxy);

signals:
    // The server answered with a status of 400 or above; the body then reads
    // "File not found". Emitted before the GET returns.
    void failed(const QString &command);
    // The host name of the URL could not be resolved. A handler that has told the user
    // itself sets handled, and the GET then fails without an error text.
    void invalidHost(bool &handled);

private:
    QNetworkAccessManager manager_;
    int timeout_ = defaultTimeout;
    QString body_;
    QString errorText_;
};
