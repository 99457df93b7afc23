#include "FeedbackRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace tavoclip {

FeedbackRequest::FeedbackRequest(QNetworkAccessManager& network, FeedbackEndpoint endpoint, QObject* parent)
    : QObject(parent), network_(network), endpoint_(std::move(endpoint))
{
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, &FeedbackRequest::Finish);
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
    reply_ = network_.get(request);
    connect(reply_, &QNetworkReply::finished, this, &FeedbackRequest::Finish);
    timeout_.start(endpoint_.timeout);
}

void FeedbackRequest::Finish()
{
    // Reached by the reply's end or by the timeout, whichever comes first; an
    // error page or no answer at all ends the same way as a good answer.
    Abandon();
    emit finished();
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
