#include "HttpTest.h"

#include <QTcpServer>

namespace {

class HttpFailureTest : public HttpTest
{
protected:
    HttpResult getFailure(const TestHttpReply &reply)
    {
        server.route("news.example", "/feed", reply);
        return get("https://news.example/feed");
    }
};

TEST_F(HttpFailureTest, RefusedConnectionIsATransportFailure)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    const ScopedConnectTo nowhere(u"*=127.0.0.1:" + QString::number(port));

    const HttpResult result = get("https://news.example/feed");

    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, HttpError::Kind::Transport);
    EXPECT_EQ(result.error().description, "Connection refused");
}

// Qt cannot tell an answer that is not HTTP from a connection closed early.
TEST_F(HttpFailureTest, BrokenAnswersAreTransportFailures)
{
    using Kind = TestHttpReply::Kind;
    for (const Kind answer : {Kind::Garbage, Kind::HangUp, Kind::Truncated}) {
        const HttpResult result = getFailure(TestHttpReply::of(answer));

        ASSERT_FALSE(result) << int(answer);
        EXPECT_EQ(result.error().kind, HttpError::Kind::Transport) << int(answer);
        EXPECT_EQ(result.error().description, "Connection closed") << int(answer);
    }
}

TEST_F(HttpFailureTest, NonHttpAddressIsRefused)
{
    const HttpResult result = get("file:///etc/hostname");

    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, HttpError::Kind::Transport);
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(HttpFailureTest, BodyIsReadUpToTheLimit)
{
    const HttpResult atLimit = getFailure(TestHttpReply::text(QByteArray(HttpClient::maxBodySize, 'x')));
    const HttpResult overLimit = getFailure(TestHttpReply::text(QByteArray(HttpClient::maxBodySize + 1, 'x')));

    ASSERT_TRUE(atLimit);
    EXPECT_EQ(atLimit->body.size(), HttpClient::maxBodySize);
    ASSERT_FALSE(overLimit);
    EXPECT_EQ(overLimit.error().kind, HttpError::Kind::TooLarge);
    EXPECT_EQ(overLimit.error().description, "response too large");
}

// The server never stops sending, so only a client that stops reading
// passes.
TEST_F(HttpFailureTest, EndlessBodyStopsAtTheLimit)
{
    for (const bool announceLength : {true, false}) {
        TestHttpReply endless = TestHttpReply::of(TestHttpReply::Kind::Endless);
        endless.announceLength = announceLength;

        const HttpResult result = getFailure(endless);

        ASSERT_FALSE(result) << announceLength;
        EXPECT_EQ(result.error().kind, HttpError::Kind::TooLarge) << announceLength;
    }
}

TEST_F(HttpFailureTest, SilenceEndsAtTheIdleTimeout)
{
    HttpClient impatient({.idleTimeout = 200ms, .requestTimeout = 20s});
    for (const TestHttpReply &reply : {TestHttpReply::text("late").after(5s), TestHttpReply::of(TestHttpReply::Kind::Stalled)}) {
        server.route("news.example", "/feed", reply);

        const HttpResult result = send(impatient, {.url = QUrl("https://news.example/feed")});

        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().kind, HttpError::Kind::TimedOut);
        EXPECT_EQ(result.error().description, "The request timed out.");
    }
}

TEST_F(HttpFailureTest, TrickleEndsAtTheRequestTimeout)
{
    TestHttpReply trickle = TestHttpReply::of(TestHttpReply::Kind::Trickle);
    trickle.trickleInterval = 20ms;
    server.route("news.example", "/feed", trickle);
    HttpClient patient({.idleTimeout = 200ms, .requestTimeout = 20s});

    const HttpResult result = send(patient, {.url = QUrl("https://news.example/feed"), .timeout = 400ms});

    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, HttpError::Kind::TimedOut);
    EXPECT_EQ(result.error().description, "The request timed out.");
}

} // namespace
