#include "LaunchArgumentClient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include "LaunchArguments.h"

namespace tavoclip {
namespace {

constexpr int kRetryMilliseconds = 50;

bool Connect(QLocalSocket& socket, const QString& socketPath, const QDeadlineTimer& deadline)
{
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kRetryMilliseconds);
    }
}

}  // namespace

bool LaunchArgumentClient::HandOver(const QString& socketPath, const QList<QByteArray>& paths,
                                    int timeoutMilliseconds)
{
    const QDeadlineTimer deadline(timeoutMilliseconds);
    QLocalSocket socket;
    if (!Connect(socket, socketPath, deadline))
        return false;
    const QByteArray message = LaunchArguments::Encode(paths);
    if (socket.write(message) != message.size())
        return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    // The server closes its end once it holds the whole message; waiting
    // for that tells the message arrived before this copy ends.
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
}

}  // namespace tavoclip
