#include "LaunchArgumentServer.h"

#include <QLocalSocket>
#include <QTimer>

#include <utility>

#include "LaunchArguments.h"
#include "SingleInstanceLock.h"

namespace tavoclip {

LaunchArgumentServer::LaunchArgumentServer(QString socketPath, Receiver receiver, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)), receiver_(std::move(receiver))
{
    // The socket file is created read-write for its owner alone.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &LaunchArgumentServer::Accept);
}

bool LaunchArgumentServer::Listen()
{
    if (server_.listen(socketPath_))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(socketPath_);
    return server_.listen(socketPath_);
}

QString LaunchArgumentServer::DefaultPath()
{
    return SingleInstanceLock::RuntimeFolder() + QStringLiteral("/tavoclip.socket");
}

void LaunchArgumentServer::Accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kReadTimeoutMilliseconds, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            ReadFrom(socket);
    }
}

// The message is read with peek until it is whole, so the socket's own
// buffer is the only one; then it is taken and the connection closed.
void LaunchArgumentServer::ReadFrom(QLocalSocket* socket)
{
    QList<QByteArray> paths;
    const LaunchArguments::Read read = LaunchArguments::Decode(socket->peek(socket->bytesAvailable()), paths);
    if (read == LaunchArguments::Read::Incomplete)
        return;
    if (read == LaunchArguments::Read::Complete)
        QTimer::singleShot(0, this, [this, paths] { receiver_(paths); });
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

}  // namespace tavoclip
