#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 for the feedback tests. It records the
// target of every GET it receives and answers in one of three ways: with a
// fixed answer (by default a short 200 page), not at all (the connection
// stays open), or with a body that never ends.
class LocalHttpServer : public QTcpServer {
public:
    explicit LocalHttpServer(bool answers = true);

    // Answers every request with this head (status line and headers, without
    // the blank line) and body, then closes the connection.
    void AnswerWith(const QByteArray& head, const QByteArray& body = {});
    // Answers every request with exactly these bytes, head and body as
    // they are, then closes the connection.
    void AnswerRaw(const QByteArray& answer);
    // Answers 200 with a body announced as 3 GB and sends it, keeping little
    // in the send queue, until the client goes away or `closeAfter` bytes
    // have gone out; then closes the connection.
    void SendEndlessBody(qint64 closeAfter);

    QString address(const QString& path) const;
    const QList<QByteArray>& targets() const { return targets_; }
    // The query of a target read the way a PHP page reads it: "+" is a space,
    // %XX sequences decoded as UTF-8; keys in their order of arrival.
    static QList<QPair<QString, QString>> QueryPairs(const QByteArray& target);

private:
    enum class Mode { Answer,
                      Silent,
                      Endless };

    void Accept();
    void Respond(QTcpSocket& socket);
    void Stream(QTcpSocket& socket);

    Mode mode_ = Mode::Answer;
    QByteArray head_;
    QByteArray body_;
    qint64 closeAfter_ = 0;
    qint64 bodyBytesSent_ = 0;
    QList<QByteArray> targets_;
};
