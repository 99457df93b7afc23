#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

namespace tavoclip {

// Where the feedback goes and how long a request may take before it counts as
// failed. The window program uses the defaults: the address set when the
// program was built (TAVOCLIP_FEEDBACK_URL, which a packager may point at an
// HTTPS endpoint). Tests point it at a local server and shorten the wait.
struct FeedbackEndpoint {
    static constexpr std::chrono::milliseconds kDefaultTimeout{15000};

    static QUrl DefaultAddress();

    QUrl address = DefaultAddress();
    std::chrono::milliseconds timeout = kDefaultTimeout;
};

// One GET carrying the user's name, e-mail address and comment in the query
// string. The answer's body is never kept: it is thrown away as it arrives,
// and an answer longer than any feedback page is cut off, so a server cannot
// fill the memory. Redirects are not followed: the values go to the endpoint
// and nowhere else. finished() comes once, telling whether the server took
// the message (a complete, well-formed 2xx answer) or not (no connection,
// another status, a cut or oversized answer, a length or chunk size that
// cannot be read, no answer in time). Destroying the request
// abandons it quietly, so the form may be closed at any moment.
class FeedbackRequest : public QObject {
    Q_OBJECT

public:
    FeedbackRequest(QNetworkAccessManager& network, FeedbackEndpoint endpoint, QObject* parent = nullptr);
    ~FeedbackRequest() override;

    // The address with the query "name=...&age=...&comment=...". Each value
    // is percent-encoded as UTF-8, so "&", "=", "#", "+" and spaces reach the
    // server as typed instead of splitting or adding keys. The e-mail address
    // travels under the key "age", which the server expects.
    static QUrl BuildUrl(const QUrl& address, const QString& name, const QString& email, const QString& comment);

    // Bytes of answer body read before the request is given up.
    static constexpr qint64 kMaxBodyBytes = 64 * 1024;

    // Issues the request; a second call while one is pending is ignored.
    void Send(const QString& name, const QString& email, const QString& comment);
    bool pending() const { return !reply_.isNull(); }

signals:
    void finished(bool sent);

private:
    void Discard();
    void Finish(bool sent);
    void Abandon();

    QNetworkAccessManager& network_;
    FeedbackEndpoint endpoint_;
    QPointer<QNetworkReply> reply_;
    QTimer timeout_;
    qint64 bodyBytes_ = 0;
};

}  // namespace tavoclip
