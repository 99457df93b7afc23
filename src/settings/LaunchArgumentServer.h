#pragma once

#include <QByteArray>
#include <QList>
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;

namespace tavoclip {

// The running copy's end of the hand-over: a local socket beside the
// single-instance lock, open to this user only. A second launch writes its
// paths to it and ends; each complete message is handed to the receiver
// once the connection is done with, from the event loop, so the receiver may
// run nested event loops (a folder search, a message box) of its own.
class LaunchArgumentServer : public QObject {
    Q_OBJECT
public:
    using Receiver = std::function<void(const QList<QByteArray>& paths)>;

    LaunchArgumentServer(QString socketPath, Receiver receiver, QObject* parent = nullptr);

    // Starts listening. A socket file left by a copy that crashed is
    // removed first: only the holder of the lock calls this, so no live
    // copy can be listening there. False when the socket cannot be made.
    bool Listen();
    QString errorText() const { return server_.errorString(); }

    // The socket the program uses for a given user's session.
    static QString DefaultPath();

    // A connection that has not sent its whole message in this time is
    // dropped, so a stuck client cannot hold buffers for ever.
    static constexpr int kReadTimeoutMilliseconds = 10'000;

private:
    void Accept();
    void ReadFrom(QLocalSocket* socket);

    QString socketPath_;
    Receiver receiver_;
    QLocalServer server_;
};

}  // namespace tavoclip
