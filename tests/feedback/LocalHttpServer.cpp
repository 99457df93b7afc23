#include "LocalHttpServer.h"

#include <QTcpSocket>

#include <memory>

LocalHttpServer::LocalHttpServer(bool answers)
{
    AnswerWith("HTTP/1.1 200 OK\r\nContent-Type: text/html", "Thanks!");
    if (!answers)
        mode_ = Mode::Silent;
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
}

void LocalHttpServer::AnswerWith(const QByteArray& head, const QByteArray& body)
{
    mode_ = Mode::Answer;
    head_ = head + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    body_ = body;
}

void LocalHttpServer::AnswerRaw(const QByteArray& answer)
{
    mode_ = Mode::Answer;
    head_ = answer;
    body_.clear();
}

void LocalHttpServer::SendEndlessBody(qint64 closeAfter)
{
    mode_ = Mode::Endless;
    closeAfter_ = closeAfter;
}

QString LocalHttpServer::address(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void LocalHttpServer::Accept()
{
    while (QTcpSocket* socket = nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains("\r\n\r\n"))
                return;
            // "GET <target> HTTP/1.1"
            const QList<QByteArray> requestLine = received->left(received->indexOf("\r\n")).split(' ');
            if (requestLine.size() == 3 && requestLine[0] == "GET")
                targets_.append(requestLine[1]);
            received->clear();
            Respond(*socket);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalHttpServer::Respond(QTcpSocket& socket)
{
    switch (mode_) {
        case Mode::Silent:
            return;
        case Mode::Answer:
            socket.write(head_ + body_);
            socket.disconnectFromHost();
            return;
        case Mode::Endless:
            socket.write(
                "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                "Content-Length: 3000000000\r\n\r\n");
            connect(&socket, &QTcpSocket::bytesWritten, &socket, [this, &socket] { Stream(socket); });
            Stream(socket);
            return;
    }
}

void LocalHttpServer::Stream(QTcpSocket& socket)
{
    // The test measures the client's memory in this same process, so the
    // server's own send queue is kept small.
    static const QByteArray chunk(64 * 1024, 'x');
    if (socket.state() != QAbstractSocket::ConnectedState || socket.bytesToWrite() > 4 * chunk.size())
        return;
    if (bodyBytesSent_ >= closeAfter_) {
        socket.disconnectFromHost();
        return;
    }
    bodyBytesSent_ += socket.write(chunk);
}

QList<QPair<QString, QString>> LocalHttpServer::QueryPairs(const QByteArray& target)
{
    QList<QPair<QString, QString>> pairs;
    const qsizetype mark = target.indexOf('?');
    if (mark < 0)
        return pairs;
    const auto decode = [](QByteArray text) {
        return QString::fromUtf8(QByteArray::fromPercentEncoding(text.replace('+', ' ')));
    };
    for (const QByteArray& item : target.mid(mark + 1).split('&')) {
        const qsizetype equals = item.indexOf('=');
        if (equals < 0)
            pairs.append({decode(item), QString()});
        else
            pairs.append({decode(item.left(equals)), decode(item.mid(equals + 1))});
    }
    return pairs;
}
