#include "FeedbackRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <optional>

namespace tavoclip {

namespace {

// Each value of every Content-Length field: Qt joins repeated fields with
// ", ", so both forms of a repeat end up here.
QList<QByteArray> DeclaredLengths(const QNetworkReply& reply)
{
    QList<QByteArray> values;
    for (const QNetworkReply::RawHeaderPair& header : reply.rawHeaderPairs()) {
        if (header.first.compare("content-length", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray& value : header.second.split(','))
            values.append(value.trimmed());
    }
    return values;
}

// Qt reads past a Content-Length it cannot parse (negative, too large for 64
// bits) as if there were none, and takes one of two that differ: the answer's
// end is then a guess. The length must be one plain number, repeated only
// unchanged, and, where the body is not compressed (Qt unpacks what is, so
// its size differs), exactly the body that came.
bool LengthHolds(const QNetworkReply& reply, qint64 bodyBytes)
{
    const QList<QByteArray> values = DeclaredLengths(reply);
    if (values.isEmpty())
        return true;
    std::optional<qint64> declared;
    for (const QByteArray& value : values) {
        const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
        bool fits = false;
        const qint64 length = value.toLongLong(&fits);
        if (!digits || !fits || (declared && *declared != length))
            return false;
        declared = length;
    }
    const QByteArray coding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    const bool unpacked = !coding.isEmpty() && coding != "identity";
    return unpacked || *declared == bodyBytes;
}

// Qt takes a chunk size it cannot read (not hexadecimal, past 64 bits) for
// the last chunk, so the answer looks complete and empty. A chunked answer
// with no body at all therefore cannot be told from a broken one; the
// endpoint answers with a page, so only a chunked answer with a body counts.
bool ChunksHold(const QNetworkReply& reply, qint64 bodyBytes)
{
    return !reply.rawHeader("Transfer-Encoding").toLower().contains("chunked") || bodyBytes > 0;
}

// A complete, well-formed answer with a 2xx status: anything else (a
// redirect, an error status, a connection that broke or closed early, an
// answer whose length or chunks cannot be read) did not take the message.
bool Delivered(const QNetworkReply& reply, qint64 bodyBytes)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply.error() == QNetworkReply::NoError && status >= 200 && status < 300 &&
           LengthHolds(reply, bodyBytes) && ChunksHold(reply, bodyBytes);
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
    connect(reply_, &QNetworkReply::finished, this, [this] {
        // The body's last bytes may still wait unread; they count too.
        bodyBytes_ += reply_->skip(reply_->bytesAvailable());
        Finish(Delivered(*reply_, bodyBytes_));
    });
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
