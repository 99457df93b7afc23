#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 for the feedback tests. It records the
// target of every GET it receives and either answers with a short page or,
// when told to stay silent, keeps the connection open and never answers.
class LocalHttpServer : public QTcpServer {
public:
    explicit LocalHttpServer(bool answers = true);

    QString address(const QString& path) const;
    const QList<QByteArray>& targets() const { return targets_; }
    // The query of a target read the way a PHP page reads it: "+" is a space,
    // %XX sequences decoded as UTF-8; keys in their order of arrival.
    static QList<QPair<QString, QString>> QueryPairs(const QByteArray& target);

private:
    void Accept();

    bool answers_;
    QList<QByteArray> targets_;
};
