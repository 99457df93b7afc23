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
// finished. The window program uses the defaults: the maker's host, the same
// one the main window links to, over plain HTTP. Tests point it at a local
// server and shorten the wait.
struct FeedbackEndpoint {
    static constexpr const char* kDefaultAddress = "http://tavoclip.example.com/suggest/post.php";
    static constexpr std::chrono::milliseconds kDefaultTimeout{15000};

    QUrl address{QString::fromLatin1(kDefaultAddress)};
    std::chrono::milliseconds timeout = kDefaultTimeout;
};

// One fire-and-forget GET carrying the user's name, e-mail address and
// comment in the query string. The answer is never read: finished() comes once
// whether the server answered, failed, or the timeout ran out. Destroying the
// request abandons it quietly, so the form may be closed at any moment.
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

    // Issues the request; a second call while one is pending is ignored.
    void Send(const QString& name, const QString& email, const QString& comment);
    bool pending() const { return !reply_.isNull(); }

signals:
    void finished();

private:
    void Finish();
    void Abandon();

    QNetworkAccessManager& network_;
    FeedbackEndpoint endpoint_;
    QPointer<QNetworkReply> reply_;
    QTimer timeout_;
};

}  // namespace tavoclip
