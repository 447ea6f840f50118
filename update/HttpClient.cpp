#include "update/HttpClient.h"

#include "VelmorVersion.h"
#include "ini/Windows1252.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <string_view>

namespace {

// What one GET has collected so far; each GET keeps its own, so a GET started while
// another one waits (the user pressed the button again) cannot mix up their answers.
struct Transfer {
    QByteArray data;
    bool finished = false;
    bool timedOut = false;
    bool tooLarge = false;
};

int statusOf(const QNetworkReply &reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// Takes what has arrived; true when the rest of the answer is not wanted. A version or
// news file is a few lines: something larger is not ours, and half an HTML page shown as
// news would be worse than no news.
bool collect(QNetworkReply &reply, Transfer &transfer)
{
    if (transfer.tooLarge || !reply.isReadable())
        return transfer.tooLarge;
    transfer.data += reply.read(HttpClient::maxBodySize - transfer.data.size());
    transfer.tooLarge = reply.bytesAvailable() > 0;
    return transfer.tooLarge;
}

QNetworkRequest requestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(HttpClient::maxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Velmor/") + velmorVersion);
    // A cache on the way must not hand out last month's version file.
    request.setRawHeader("Cache-Control", "no-cache");
    return request;
}

QString connectionError(const QNetworkReply &reply, const QString &host)
{
    switch (reply.error()) {
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("HttpClient", "Der Server %1 wurde nicht gefunden.")
            .arg(host);
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("HttpClient", "Der Server %1 nimmt keine Verbindung an.")
            .arg(host);
    case QNetworkReply::TooManyRedirectsError:
        return QCoreApplication::translate("HttpClient",
                                           "Der Server %1 leitet die Anfrage im Kreis weiter.")
            .arg(host);
    case QNetworkReply::InsecureRedirectError:
        return QCoreApplication::translate(
                   "HttpClient",
                   "Der Server %1 leitet die Anfrage an eine unsichere Adresse weiter.")
            .arg(host);
    default:
        return QCoreApplication::translate("HttpClient", "Keine Verbindung zum Server %1: %2")
            .arg(host, reply.errorString());
    }
}

} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent) {}

void HttpClient::setProxy(const QNetworkProxy &proxy)
{
    manager_.setProxy(proxy);
}

bool HttpClient::get(const QUrl &url)
{
    Transfer transfer;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QNetworkReply *reply = manager_.get(requestFor(url));
    connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (collect(*reply, transfer))
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, &loop, [&] {
        collect(*reply, transfer);
        transfer.finished = true;
        loop.quit();
    });
    connect(&deadline, &QTimer::timeout, &loop, [&] {
        transfer.timedOut = true;
        reply->abort();
    });
    deadline.start(timeout_);
    loop.exec();
    deadline.stop();
    // The loop also ends when the application quits; the transfer is of no use then.
    if (!transfer.finished)
        reply->abort();
    reply->deleteLater();

    const QString host = url.host().isEmpty() ? url.toString() : url.host();
    body_.clear();
    errorText_.clear();
    if (transfer.timedOut) {
        errorText_ =
            tr("Zeitüberschreitung: Der Server %1 hat nicht rechtzeitig geantwortet.").arg(host);
        return false;
    }
    // An error page is never shown, however large it was.
    if (statusOf(*reply) >= 400) {
        body_ = notFoundBody();
        emit failed(QStringLiteral("GET ") + url.toString());
        return true;
    }
    if (transfer.tooLarge) {
        errorText_ = tr("Die Antwort des Servers %1 ist größer als 1 MiB und kann keine Datei "
                        "des Versions-Checkers sein.")
                         .arg(host);
        return false;
    }
    if (reply->error() == QNetworkReply::NoError) {
        const std::string text = decodeWindows1252(
            std::string_view(transfer.data.constData(), std::size_t(transfer.data.size())));
        body_ = QString::fromStdString(text);
        return true;
    }
    if (reply->error() == QNetworkReply::HostNotFoundError) {
        bool handled = false;
        emit invalidHost(handled);
        if (handled)
            return false;
    }
    if (reply->error() != QNetworkReply::OperationCanceledError)
        errorText_ = connectionError(*reply, host);
    return false;
}
