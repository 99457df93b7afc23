#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "FeedbackRequest.h"
#include "LocalHttpServer.h"

using tavoclip::FeedbackEndpoint;
using tavoclip::FeedbackRequest;

namespace {

using Pairs = QList<QPair<QString, QString>>;

// What a server reading the query of BuildUrl's address would see.
Pairs ServerView(const QString& name, const QString& email, const QString& comment)
{
    const QUrl url = FeedbackRequest::BuildUrl(QUrl(QStringLiteral("http://127.0.0.1/suggest/post.php")), name,
                                               email, comment);
    return LocalHttpServer::QueryPairs(url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority));
}

}  // namespace

TEST(FeedbackRequestUrl, DefaultAddressIsTheBuildSettingOnTheFeedbackPath)
{
    EXPECT_EQ(FeedbackEndpoint{}.address, QUrl(QStringLiteral(TAVOCLIP_FEEDBACK_URL)));
    const QUrl url = FeedbackRequest::BuildUrl(FeedbackEndpoint{}.address, QStringLiteral("Ann"),
                                               QStringLiteral("ann@example.org"), QStringLiteral("Nice"));
    EXPECT_EQ(url.path(), QStringLiteral("/suggest/post.php"));
    EXPECT_EQ(url.query(QUrl::FullyEncoded), QStringLiteral("name=Ann&age=ann%40example.org&comment=Nice"));
}

TEST(FeedbackRequestUrl, ValuesArriveAsTypedWhateverTheyHold)
{
    const QStringList awkward = {
        QStringLiteral("Tom & Jerry = 100% fun"),
        QStringLiteral("a+b #1 ?x=y"),
        QStringLiteral("%41 is not A"),
        QStringLiteral("  padded  "),
        QStringLiteral("Zoë 東京 ☺"),
        QStringLiteral(" "),
    };
    for (const QString& value : awkward) {
        const Pairs expected = {{QStringLiteral("name"), value},
                                {QStringLiteral("age"), value},
                                {QStringLiteral("comment"), value}};
        EXPECT_EQ(ServerView(value, value, value), expected) << value.toStdString();
    }
}

TEST(FeedbackRequestUrl, PlusAndHashAreEncodedNotLeftForTheServerToMisread)
{
    const QUrl url = FeedbackRequest::BuildUrl(FeedbackEndpoint{}.address, QStringLiteral("a+b"),
                                               QStringLiteral("c#d"), QStringLiteral("e f"));
    EXPECT_EQ(url.query(QUrl::FullyEncoded), QStringLiteral("name=a%2Bb&age=c%23d&comment=e%20f"));
    EXPECT_TRUE(url.fragment().isNull());
}

class FeedbackRequestNetwork : public testing::Test {
protected:
    std::unique_ptr<FeedbackRequest> NewRequest(const QString& address, std::chrono::milliseconds timeout)
    {
        return std::make_unique<FeedbackRequest>(network_, FeedbackEndpoint{QUrl(address), timeout});
    }

    QNetworkAccessManager network_;
};

TEST_F(FeedbackRequestNetwork, AnsweredRequestFinishesOnceAndIgnoresASecondSend)
{
    LocalHttpServer server;
    auto request = NewRequest(server.address(QStringLiteral("/suggest/post.php")), std::chrono::seconds(10));
    QSignalSpy finished(request.get(), &FeedbackRequest::finished);
    request->Send(QStringLiteral("n"), QStringLiteral("e"), QStringLiteral("c"));
    request->Send(QStringLiteral("n2"), QStringLiteral("e2"), QStringLiteral("c2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 5000));
    QTest::qWait(50);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished[0][0].toBool());
    EXPECT_FALSE(request->pending());
    ASSERT_EQ(server.targets().size(), 1);
    EXPECT_TRUE(server.targets()[0].startsWith("/suggest/post.php?name=n&age=e&comment=c"));
}

TEST_F(FeedbackRequestNetwork, ServerThatNeverAnswersFailsAfterTheTimeout)
{
    LocalHttpServer silent(false);
    auto request = NewRequest(silent.address(QStringLiteral("/suggest/post.php")), std::chrono::milliseconds(300));
    QSignalSpy finished(request.get(), &FeedbackRequest::finished);
    request->Send(QStringLiteral("n"), QStringLiteral("e"), QStringLiteral("c"));
    QTest::qWait(100);
    EXPECT_EQ(finished.count(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 5000));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished[0][0].toBool());
    EXPECT_EQ(silent.targets().size(), 1);
}

TEST_F(FeedbackRequestNetwork, RefusedConnectionFails)
{
    quint16 closedPort = 0;
    {
        LocalHttpServer gone;
        closedPort = gone.serverPort();
    }
    auto request = NewRequest(QStringLiteral("http://127.0.0.1:%1/suggest/post.php").arg(closedPort),
                              std::chrono::seconds(10));
    QSignalSpy finished(request.get(), &FeedbackRequest::finished);
    request->Send(QStringLiteral("n"), QStringLiteral("e"), QStringLiteral("c"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 5000));
    EXPECT_FALSE(finished[0][0].toBool());
}

// Each answer, whether it counts as taking the message, and what the server
// saw: only a complete, well-formed 2xx answer does.
TEST_F(FeedbackRequestNetwork, OnlyWholeWellFormed2xxAnswersCountAsSent)
{
    LocalHttpServer elsewhere;
    struct Case {
        const char* what;
        std::function<void(LocalHttpServer&)> answer;
        bool sent = false;
    };
    // A 200 answer with these header lines and this body, sent as it is.
    const auto ok = [](const QByteArray& headers, const QByteArray& body) {
        return [answer = "HTTP/1.1 200 OK\r\n" + headers + "\r\n\r\n" + body](LocalHttpServer& s) { s.AnswerRaw(answer); };
    };
    const QByteArray chunked = "Transfer-Encoding: chunked";
    const QByteArray gzipped(
        "\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff\x0b\xc9\x48\xcc\xcb\x2e\x56\x04\x00\x8a\x5f\x03"
        "\xdd\x07\x00\x00\x00",
        27);  // "Thanks!"
    const QList<Case> cases = {
        {"chunked", ok(chunked, "7\r\nThanks!\r\n0\r\n\r\n"), true},
        {"one length repeated unchanged", ok("Content-Length: 7\r\nContent-Length: 007", "Thanks!"), true},
        {"empty page", ok("Content-Length: 0", ""), true},
        {"gzip, length of the packed body", ok("Content-Encoding: gzip\r\nContent-Length: 27", gzipped), true},
        {"500", [](LocalHttpServer& s) { s.AnswerWith("HTTP/1.1 500 Internal Server Error", "oops"); }},
        {"404", [](LocalHttpServer& s) { s.AnswerWith("HTTP/1.1 404 Not Found"); }},
        {"body cut short", [](LocalHttpServer& s) { s.SendEndlessBody(16 * 1024); }},
        // Status 200 on an answer whose end cannot be told.
        {"length past 64 bits", ok("Content-Length: 99999999999999999999999", "Thanks!")},
        {"length of 2^64 + 7", ok("Content-Length: 18446744073709551623", "Thanks!")},
        {"negative length", ok("Content-Length: -7", "Thanks!")},
        {"two differing lengths", ok("Content-Length: 7\r\nContent-Length: 3", "Thanks!")},
        {"two differing lengths in one field", ok("Content-Length: 7, 3", "Thanks!")},
        {"length not a number", ok("Content-Length: 7x", "Thanks!")},
        {"length past the body", ok("Content-Length: 9", "Thanks!")},
        {"invalid chunk size", ok(chunked, "zz\r\nThanks!\r\n0\r\n\r\n")},
        {"chunk size past 64 bits", ok(chunked, "10000000000000007\r\nThanks!\r\n0\r\n\r\n")},
        {"chunked body cut short", ok(chunked, "7\r\nThanks!\r\n")},
        {"redirect to another host",
         [&elsewhere](LocalHttpServer& s) {
             s.AnswerWith("HTTP/1.1 302 Found\r\nLocation: " +
                          elsewhere.address(QStringLiteral("/collect")).toLatin1());
         }},
    };
    for (const Case& c : cases) {
        LocalHttpServer server;
        c.answer(server);
        auto request = NewRequest(server.address(QStringLiteral("/suggest/post.php")), std::chrono::seconds(10));
        QSignalSpy finished(request.get(), &FeedbackRequest::finished);
        request->Send(QStringLiteral("n"), QStringLiteral("e"), QStringLiteral("c"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 5000)) << c.what;
        EXPECT_EQ(finished[0][0].toBool(), c.sent) << c.what;
        EXPECT_EQ(server.targets().size(), 1) << c.what;
    }
    QTest::qWait(100);
    EXPECT_TRUE(elsewhere.targets().isEmpty()) << "the redirect was followed";
}

TEST_F(FeedbackRequestNetwork, DestroyingAPendingRequestAbandonsItQuietly)
{
    LocalHttpServer silent(false);
    auto request = NewRequest(silent.address(QStringLiteral("/suggest/post.php")), std::chrono::milliseconds(200));
    QSignalSpy finished(request.get(), &FeedbackRequest::finished);
    request->Send(QStringLiteral("n"), QStringLiteral("e"), QStringLiteral("c"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.targets().size() == 1; }, 5000));
    request.reset();
    // Past the timeout: nothing fires into the destroyed request.
    QTest::qWait(300);
    EXPECT_EQ(finished.count(), 0);
}
