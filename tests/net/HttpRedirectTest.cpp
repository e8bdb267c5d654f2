#include "HttpTest.h"

namespace {

class HttpRedirectTest : public HttpTest
{
};

TEST_F(HttpRedirectTest, FollowsRelativeAndAbsoluteRedirectsAcrossHosts)
{
    server.route("a.example", "/old", TestHttpReply::redirect(301, "/middle?x=1"));
    server.route("a.example", "/middle", TestHttpReply::redirect(302, "https://b.example/new"));
    server.route("b.example", "/new", TestHttpReply::text("arrived"));

    const HttpResult result = get("https://a.example/old");

    ASSERT_TRUE(result) << result.error().description.toStdString();
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, "arrived");
    EXPECT_EQ(result->url, QUrl("https://b.example/new"));
    QList<QByteArray> visited;
    for (const TestHttpRequest &request : server.requests())
        visited.append(request.host + request.target);
    EXPECT_EQ(visited, (QList<QByteArray>{"a.example/old", "a.example/middle?x=1", "b.example/new"}));
}

TEST_F(HttpRedirectTest, EveryHopMustBeAnAcceptedAddress)
{
    server.route("a.example", "/out", TestHttpReply::redirect(302, "https://inside.example/secret"));
    server.route("inside.example", "/secret", TestHttpReply::text("secret"));
    HttpClient guarded({.acceptsAddress = [](const QUrl &url) { return url.host() != u"inside.example"; }});

    const HttpResult refused = send(guarded, {.url = QUrl("https://inside.example/secret")});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().description, "address refused");
    EXPECT_FALSE(send(guarded, {.url = QUrl("https://a.example/out")}));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests().constFirst().host, "a.example");
}

TEST_F(HttpRedirectTest, RedirectStatusDecidesTheNextMethod)
{
    const struct {
        int status;
        QByteArray method;
        QByteArray next;
    } cases[] = {
        {301, "GET", "GET"},   {301, "POST", "GET"}, {302, "POST", "GET"},  {303, "POST", "GET"},
        {303, "HEAD", "HEAD"}, {301, "HEAD", "HEAD"}, {307, "POST", "POST"}, {308, "POST", "POST"},
    };
    server.route("a.example", "/to", TestHttpReply::text("ok"));
    for (const auto &c : cases) {
        server.route("a.example", "/from", TestHttpReply::redirect(c.status, "/to"));

        const HttpResult result = send({.url = QUrl("https://a.example/from"), .method = c.method});

        ASSERT_TRUE(result) << c.status << ' ' << c.method.toStdString();
        EXPECT_EQ(result->status, 200);
        EXPECT_EQ(server.requests().constLast().method, c.next) << c.status << ' ' << c.method.toStdString();
    }
}

TEST_F(HttpRedirectTest, NeverDowngradesFromHttpsToHttp)
{
    server.route("a.example", "/secure", TestHttpReply::redirect(301, "http://a.example/plain"));
    server.route("a.example", "/plain", TestHttpReply::redirect(301, "https://a.example/upgraded"));
    server.route("a.example", "/upgraded", TestHttpReply::text("ok"));

    const HttpResult downgrade = get("https://a.example/secure");
    const HttpResult upgrade = get("http://a.example/plain");

    ASSERT_FALSE(downgrade);
    EXPECT_EQ(downgrade.error().description, "redirect from https to http refused");
    ASSERT_TRUE(upgrade);
    EXPECT_EQ(upgrade->url, QUrl("https://a.example/upgraded"));
}

TEST_F(HttpRedirectTest, StopsAtTheRedirectLimit)
{
    server.route("a.example", "/loop", TestHttpReply::redirect(302, "/loop"));

    const HttpResult result = get("https://a.example/loop");

    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().description, "too many redirects");
    EXPECT_EQ(server.requests().size(), HttpClient::maxRedirects + 1);
}

TEST_F(HttpRedirectTest, RedirectWithoutLocationIsAnAnswer)
{
    server.route("a.example", "/nowhere", TestHttpReply::withStatus(302, "no location"));

    const HttpResult result = get("https://a.example/nowhere");

    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 302);
    EXPECT_EQ(result->url, QUrl("https://a.example/nowhere"));
}

} // namespace
