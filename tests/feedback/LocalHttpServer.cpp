#include "LocalHttpServer.h"

#include <QTcpSocket>

#include <memory>

LocalHttpServer::LocalHttpServer(bool answers) : answers_(answers)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
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
            if (answers_) {
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 7\r\n"
                              "Connection: close\r\n\r\nThanks!");
                socket->disconnectFromHost();
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
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
