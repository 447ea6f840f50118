#include "tests/support/LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray responseOf(int status, const QByteArray &body, const QByteArray &location)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
    head += status >= 400 ? "Content-Type: text/html\r\n" : "Content-Type: text/plain\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (!location.isEmpty())
        head += "Location: " + location + "\r\n";
    head += "Connection: close\r\n\r\n";
    return head + body;
}

} // namespace

LocalHttpServer::LocalHttpServer()
{
    if (!server_.listen(QHostAddress::LocalHost))
        qFatal("the test server cannot listen: %s", qPrintable(server_.errorString()));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void LocalHttpServer::serve(const QString &path, const QByteArray &body, int status, int delayMs)
{
    answers_[path] = {status, body, {}, delayMs, false};
}

void LocalHttpServer::redirect(const QString &path, const QString &location)
{
    answers_[path] = {302, {}, location.toUtf8(), 0, false};
}

void LocalHttpServer::hang(const QString &path)
{
    answers_[path] = {0, {}, {}, 0, true};
}

void LocalHttpServer::onReadable(QTcpSocket *socket)
{
    const QByteArray request = socket->peek(socket->bytesAvailable());
    if (!request.contains("\r\n\r\n"))
        return;
    socket->readAll();
    const QString path =
        QString::fromUtf8(request.left(request.indexOf("\r\n")).split(' ').value(1));
    requests_.append(path);
    const Answer answer = answers_.value(
        path, {404, "<html><body><h1>404 Not Found</h1></body></html>", {}, 0, false});
    if (answer.hang)
        return;
    QTimer::singleShot(answer.delayMs, socket, [socket, answer] {
        socket->write(responseOf(answer.status, answer.body, answer.location));
        socket->disconnectFromHost();
    });
}
