#include "FeedbackRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace tavoclip {

namespace {

// A complete answer with a 2xx status: anything else (a redirect, an error
// status, a connection that broke or closed early) did not take the message.
bool Delivered(QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply.error() == QNetworkReply::NoError && status >= 200 && status < 300;
}

}  // namespace

QUrl FeedbackEndpoint::DefaultAddress()
{
    return QUrl(QStringLiteral(TAVOCLIP_FEEDBACK_URL));
}

FeedbackRequest::FeedbackRequest(QNetworkAccessManager& network, FeedbackEndpoint endpoint, QObject* parent)
    : QObject(parent), network_(network), endpoint_(std::move(endpoint))
{
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { Finish(false); });
}

FeedbackRequest::~FeedbackRequest()
{
    Abandon();
}

QUrl FeedbackRequest::BuildUrl(const QUrl& address, const QString& name, const QString& email,
                               const QString& comment)
{
    // QUrlQuery would leave "+" as it is, which servers read as a space, so
    // every value is encoded here and the query is set already encoded.
    const auto encoded = [](const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); };
    const QString query = QStringLiteral("name=") + encoded(name) + QStringLiteral("&age=") + encoded(email) +
                          QStringLiteral("&comment=") + encoded(comment);
    QUrl url = address;
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

void FeedbackRequest::Send(const QString& name, const QString& email, const QString& comment)
{
    if (pending())
        return;
    QNetworkRequest request(BuildUrl(endpoint_.address, name, email, comment));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    bodyBytes_ = 0;
    reply_ = network_.get(request);
    // Qt keeps at most this much unread; the rest waits in the socket.
    reply_->setReadBufferSize(kMaxBodyBytes);
    connect(reply_, &QNetworkReply::readyRead, this, &FeedbackRequest::Discard);
    connect(reply_, &QNetworkReply::finished, this, [this] { Finish(Delivered(*reply_)); });
    timeout_.start(endpoint_.timeout);
}

void FeedbackRequest::Discard()
{
    bodyBytes_ += reply_->skip(reply_->bytesAvailable());
    // No feedback page is this long: whatever sends it is not the endpoint
    // answering a message, and reading on would only cost time.
    if (bodyBytes_ > kMaxBodyBytes)
        Finish(false);
}

void FeedbackRequest::Finish(bool sent)
{
    // Reached by the reply's end, an oversized body or the timeout, whichever
    // comes first; the reply is dropped before anyone hears of the outcome.
    Abandon();
    emit finished(sent);
}

void FeedbackRequest::Abandon()
{
    timeout_.stop();
    if (reply_.isNull())
        return;
    QNetworkReply* reply = reply_;
    reply_.clear();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

}  // namespace tavoclip
