#include "DiscoveryPrinters.h"
#include "DiscoveryRun.h"
#include "FixtureSites.h"
#include "NewsSearch.h"
#include "ScopedConnectTo.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Discovery::DiscoveryResult;
using Discovery::FoundFeed;
using Discovery::FoundLink;

FoundFeed newsSearch(const QString &name, const QString &domain)
{
    return {SourceKind::googleNews, Discovery::googleNewsURL(name, domain), "Google News"};
}

class DiscoveryRunTest : public testing::Test
{
protected:
    DiscoveryResult run(const QString &domain, const QString &name = {})
    {
        return QCoro::waitFor(Discovery::run(domain, name));
    }

    QList<QByteArray> requested() const
    {
        QList<QByteArray> lines;
        for (const TestHttpRequest &request : server.requests())
            lines.append(request.host + request.target);
        return lines;
    }

    // The most requests one run may send: home page, section pages, company
    // pages, site map and three child maps, the probes, a proof per declared
    // feed and two checks per unconfirmed page candidate.
    static qsizetype budget(qsizetype declaredFeeds, qsizetype pageCandidates)
    {
        return 1 + 8 + 5 + 4 + 16 + declaredFeeds + 2 * pageCandidates;
    }

    TestHttpServer server;
    ScopedConnectTo connectTo{server.connectTo()};
};

TEST_F(DiscoveryRunTest, ANewsroomSiteGivesItsFeedLogoPagesAndProfiles)
{
    FixtureSites::serveNewsroomSite(server);

    const DiscoveryResult result = run("HTTPS://www.Acme.example/en/about");

    EXPECT_EQ(result.name, "Acme Robotics");
    EXPECT_EQ(result.feeds, QList<FoundFeed>({newsSearch("Acme Robotics", "acme.example"),
                                              {SourceKind::press, "https://acme.example/newsroom/feed.xml", "Acme Newsroom"}}));
    EXPECT_EQ(result.logo, "https://acme.example/apple-touch-icon.png");
    EXPECT_EQ(result.links, QList<FoundLink>({
                                {LinkKind::website, "https://acme.example"},
                                {LinkKind::press, "https://acme.example/newsroom"},
                                {LinkKind::blog, "https://acme.example/blog"},
                                {LinkKind::ir, "https://investors.acme.example"},
                                {LinkKind::linkedin, "https://www.linkedin.com/company/acme-robotics"},
                                {LinkKind::x, "https://x.com/acmerobotics"},
                                {LinkKind::youtube, "https://www.youtube.com/@acmerobotics"},
                                {LinkKind::github, "https://github.com/acme-robotics"},
                            }));

    // Everything was found before the company pages: no company pass, no
    // site map, no probes, and the comment feed was never asked for.
    const QList<QByteArray> requests = requested();
    const QByteArray unwanted[] = {"acme.example/about", "acme.example/sitemap.xml", "acme.example/feed",
                                   "acme.example/blog/comments/feed/", "acme.example/de/newsroom/feed.xml"};
    for (const QByteArray &path : unwanted)
        EXPECT_FALSE(requests.contains(path)) << path.toStdString();
    EXPECT_EQ(requests.count("acme.example/newsroom/feed.xml"), 1);
    EXPECT_TRUE(requests.contains("acme.example/updates.rss"));
    EXPECT_LE(requests.size(), budget(2, 1));
}

TEST_F(DiscoveryRunTest, AQuietSiteIsProbedAndItsMapsRead)
{
    FixtureSites::serveQuietSite(server);

    const DiscoveryResult result = run("quiet.example", "Quiet");

    EXPECT_EQ(result.name, "Quiet Systems");
    // The search looks for the name the caller chose.
    EXPECT_EQ(result.feeds, QList<FoundFeed>({newsSearch("Quiet", "quiet.example"),
                                              {SourceKind::press, "https://quiet.example/rss", "press"}}));
    EXPECT_EQ(result.logo, "https://quiet.example/favicon.ico");
    EXPECT_EQ(result.links, QList<FoundLink>({
                                {LinkKind::website, "https://quiet.example"},
                                {LinkKind::press, "https://quiet.example/news"},
                                {LinkKind::ir, "https://quiet.example/investors"},
                                {LinkKind::linkedin, "https://www.linkedin.com/company/quiet-systems"},
                            }));
    const QList<QByteArray> requests = requested();
    EXPECT_TRUE(requests.contains("quiet.example/about"));
    EXPECT_TRUE(requests.contains("quiet.example/sitemap-news-2024.xml"));
    EXPECT_FALSE(requests.contains("quiet.example/sitemap-products.xml"));
    EXPECT_LE(requests.size(), budget(0, 1));
}

TEST_F(DiscoveryRunTest, AnUnreachableSiteGivesTheSmallestResult)
{
    const DiscoveryResult result = run("nowhere.example", "Nowhere Inc");

    EXPECT_EQ(result.name, "Nowhere Inc");
    EXPECT_EQ(result.feeds, QList<FoundFeed>({newsSearch("Nowhere Inc", "nowhere.example")}));
    EXPECT_EQ(result.logo, "https://nowhere.example/favicon.ico");
    EXPECT_EQ(result.links, QList<FoundLink>({{LinkKind::website, "https://nowhere.example"}}));
    EXPECT_EQ(run("not a domain"),
              DiscoveryResult({"Not a domain", {newsSearch("Not a domain", "not a domain")}, std::nullopt, {}}));
}

TEST_F(DiscoveryRunTest, ContentCannotSendRequestsIntoTheUsersNetwork)
{
    const QByteArray port = QByteArray::number(server.port());
    server.route("trap.example", "/", FixtureSites::html(R"(<html><head><title>Trap</title>
        <link rel="alternate" type="application/rss+xml" href="http://127.0.0.1:)" + port + R"(/feed.xml">
        <link rel="alternate" type="application/rss+xml" href="https://10.0.0.1/feed">
        <link rel="icon" href="http://localhost/icon.png"></head>
        <body><a href="https://trap.example/newsroom">Newsroom</a></body></html>)"));
    server.route("trap.example", "/newsroom", TestHttpReply::redirect(302, "https://192.168.0.1/newsroom"));
    server.route("trap.example", "/sitemap.xml", TestHttpReply::text("<urlset><url><loc>https://169.254.169.254/latest/</loc></url></urlset>"));

    const DiscoveryResult result = run("trap.example");

    EXPECT_EQ(result.logo, "https://trap.example/favicon.ico");
    for (const TestHttpRequest &request : server.requests()) {
        if (request.host != "trap.example") {
            EXPECT_EQ(request.host, "192.168.0.1") << "only a redirect hop may leave the site";
        }
    }
    EXPECT_EQ(result.links, QList<FoundLink>({{LinkKind::website, "https://trap.example"}}));
}

TEST_F(DiscoveryRunTest, ASlowSiteEndsWithWhatWasFoundInTime)
{
    FixtureSites::serveNewsroomSite(server);
    server.setFallback([](const TestHttpRequest &) { return TestHttpReply::of(TestHttpReply::Kind::Stalled); });
    server.route("acme.example", "/blog", TestHttpReply::of(TestHttpReply::Kind::Stalled));

    const DiscoveryResult result = QCoro::waitFor(Discovery::run("acme.example", {}, 1s));

    EXPECT_EQ(result.name, "Acme Robotics");
    EXPECT_EQ(result.logo, "https://acme.example/apple-touch-icon.png");
    EXPECT_EQ(result.links.constFirst(), FoundLink({LinkKind::website, "https://acme.example"}));
}

} // namespace
