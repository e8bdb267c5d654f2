#include "HttpTest.h"

namespace {

class HttpAnswerTest : public HttpTest
{
};

TEST_F(HttpAnswerTest, GetGivesStatusHeadersAndBody)
{
    server.route("news.example", "/feed",
                 TestHttpReply::text("<rss/>", "application/rss+xml").withHeader("ETag", "\"v1\""));

    const HttpResult result = get("https://news.example/feed");

    ASSERT_TRUE(result) << result.error().description.toStdString();
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->header("etag"), "\"v1\"");
    EXPECT_EQ(result->header("Content-Type"), "application/rss+xml");
    EXPECT_EQ(result->header("X-Missing"), std::nullopt);
    EXPECT_EQ(result->body, "<rss/>");
    EXPECT_EQ(result->url, QUrl("https://news.example/feed"));
}

TEST_F(HttpAnswerTest, SendsClientHeadersAndRequestHeaders)
{
    server.route("news.example", "/feed", TestHttpReply::withStatus(304).withHeader("ETag", "\"v1\""));

    const HttpResult result = send({
        .url = QUrl("https://news.example/feed"),
        .headers = {{"If-None-Match", "\"v1\""}, {"If-Modified-Since", "Tue, 05 Mar 2024 14:07:09 GMT"}},
    });

    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 304);
    EXPECT_EQ(result->header("ETag"), "\"v1\"");
    EXPECT_TRUE(result->body.isEmpty());
    const TestHttpRequest received = server.requests().value(0);
    EXPECT_EQ(received.method, "GET");
    EXPECT_EQ(received.header("User-Agent"), "pelmor-test/1");
    EXPECT_EQ(received.header("Accept"), "application/rss+xml");
    EXPECT_EQ(received.header("If-None-Match"), "\"v1\"");
    EXPECT_EQ(received.header("If-Modified-Since"), "Tue, 05 Mar 2024 14:07:09 GMT");
}

TEST_F(HttpAnswerTest, RequestHeadersReplaceClientHeadersOfTheSameName)
{
    server.route("news.example", "/logo.png", TestHttpReply::text("png"));

    ASSERT_TRUE(send({.url = QUrl("https://news.example/logo.png"), .headers = {{"user-agent", "pelmor/0.1"}}}));

    const TestHttpHeaders headers = server.requests().value(0).headers;
    EXPECT_EQ(std::count_if(headers.cbegin(), headers.cend(),
                            [](const auto &field) { return field.first.compare("User-Agent", Qt::CaseInsensitive) == 0; }),
              1);
    EXPECT_EQ(server.requests().value(0).header("User-Agent"), "pelmor/0.1");
}

TEST_F(HttpAnswerTest, ErrorStatusesAreAnswers)
{
    for (const int status : {400, 401, 403, 404, 410, 429, 500, 503}) {
        server.route("news.example", "/feed", TestHttpReply::withStatus(status, "sorry"));

        const HttpResult result = get("https://news.example/feed");

        ASSERT_TRUE(result) << status << ": " << result.error().description.toStdString();
        EXPECT_EQ(result->status, status);
        EXPECT_EQ(result->body, "sorry") << status;
    }
}

TEST_F(HttpAnswerTest, RefusedHeadReachesTheCallerWhoCanThenGet)
{
    server.route("acme.example", "/press", refusingHead(TestHttpReply::text("<html>press</html>")));

    const HttpResult head = send({.url = QUrl("https://acme.example/press"), .method = "HEAD"});
    const HttpResult page = get("https://acme.example/press");

    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 405);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->body, "<html>press</html>");
}

TEST_F(HttpAnswerTest, HeadAnswerCarriesNoBody)
{
    server.route("acme.example", "/about", TestHttpReply::text("<html>about</html>"));

    const HttpResult result = send({.url = QUrl("https://acme.example/about"), .method = "HEAD"});

    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->header("Content-Length"), "18");
    EXPECT_TRUE(result->body.isEmpty());
    EXPECT_EQ(server.requests().value(0).method, "HEAD");
}

TEST_F(HttpAnswerTest, ConnectToSendsHttpsToTheLocalServerWithTheOriginalHost)
{
    server.route("news.example", "/feed", TestHttpReply::text("feed"));

    const HttpResult result = get("https://news.example:8443/feed?page=2");

    ASSERT_TRUE(result);
    EXPECT_EQ(result->url, QUrl("https://news.example:8443/feed?page=2"));
    const TestHttpRequest received = server.requests().value(0);
    EXPECT_EQ(received.target, "/feed?page=2");
    EXPECT_EQ(received.header("Host"), "news.example:8443");
}

TEST_F(HttpAnswerTest, NamedHostsGoToTheirOwnServer)
{
    TestHttpServer other(QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_TRUE(other.isListening());
    other.route("b.example", "/", TestHttpReply::text("b"));
    server.route("*", "/", TestHttpReply::text("any"));
    const ScopedConnectTo both(server.connectTo() + u',' + other.connectTo("b.example"));

    EXPECT_EQ(get("https://a.example/")->body, "any");
    EXPECT_EQ(get("https://b.example/")->body, "b");
    EXPECT_EQ(other.requests().size(), 1);
}

TEST_F(HttpAnswerTest, CookiesStayWithTheSiteThatSetThem)
{
    server.route("a.example", "/consent", TestHttpReply::text("ok").withHeader("Set-Cookie", "consent=yes; Path=/"));
    server.route("*", "/feed", TestHttpReply::text("feed"));

    ASSERT_TRUE(get("https://a.example/consent"));
    ASSERT_TRUE(get("https://a.example/feed"));
    ASSERT_TRUE(get("https://b.example/feed"));

    const QList<TestHttpRequest> received = server.requests();
    ASSERT_EQ(received.size(), 3);
    EXPECT_EQ(received[1].header("Cookie"), "consent=yes");
    EXPECT_EQ(received[2].header("Cookie"), "");
}

} // namespace
