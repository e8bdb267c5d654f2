#include "FeedProof.h"
#include "FixtureSites.h"
#include "PageFetching.h"
#include "QtPrinters.h"
#include "ScopedConnectTo.h"
#include "SiteMap.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// Discovery's requests, whatever host they name, reach a local server.
class PageFetchingTest : public testing::Test
{
protected:
    QList<QByteArray> requested() const
    {
        QList<QByteArray> lines;
        for (const TestHttpRequest &request : server.requests())
            lines.append(request.method + ' ' + request.host + request.target);
        return lines;
    }

    TestHttpServer server;
    ScopedConnectTo connectTo{server.connectTo()};
};

TEST_F(PageFetchingTest, PagesAreDecodedAndKnowWhereTheyCameFrom)
{
    server.route("acme.example", "/utf8", FixtureSites::html("Caf\xC3\xA9"));
    server.route("acme.example", "/latin1", FixtureSites::html("Caf\xE9"));
    server.route("acme.example", "/moved", TestHttpReply::redirect(301, "/utf8"));
    server.route("acme.example", "/gone", TestHttpReply::withStatus(410, "gone"));

    const auto page = [](const QString &url) { return QCoro::waitFor(Discovery::fetchPage(QUrl(url))); };
    EXPECT_EQ(page("https://acme.example/utf8")->text, "Caf\u00E9");
    EXPECT_EQ(page("https://acme.example/latin1")->text, "Caf\u00E9");
    EXPECT_EQ(page("https://acme.example/moved")->url, QUrl("https://acme.example/utf8"));
    EXPECT_FALSE(page("https://acme.example/gone"));
    EXPECT_FALSE(page("https://acme.example/missing"));
    EXPECT_EQ(server.requests().constFirst().header("User-Agent"),
              "pelmor/0.1 (+https://github.com/oxbell/pelmor; contact: pelmor@oxbell.dev)");
}

TEST_F(PageFetchingTest, TheUsersOwnNetworkIsNeverAskedOrBelieved)
{
    server.route("acme.example", "/inside", TestHttpReply::redirect(302, "https://192.168.1.1/router"));
    server.setFallback([](const TestHttpRequest &) { return FixtureSites::html("private"); });

    const QString inside[] = {"http://localhost/", "https://127.0.0.1/", "http://10.0.0.8/feed",
                              "http://169.254.169.254/latest/meta-data/", "http://[::1]/"};
    for (const QString &url : inside)
        EXPECT_FALSE(QCoro::waitFor(Discovery::fetchData(QUrl(url)))) << url.toStdString();
    EXPECT_TRUE(server.requests().isEmpty());
    // Nor is a redirect onto it followed.
    EXPECT_FALSE(QCoro::waitFor(Discovery::fetchPage(QUrl("https://acme.example/inside"))));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests().constFirst().host, "acme.example");
}

TEST_F(PageFetchingTest, PagesOverTheBodyCapAreNotFetched)
{
    TestHttpReply announced = TestHttpReply::of(TestHttpReply::Kind::Endless);
    announced.announceLength = true;
    server.route("acme.example", "/", announced);
    server.route("acme.example", "/sitemap.xml", announced);
    server.route("acme.example", "/endless", TestHttpReply::of(TestHttpReply::Kind::Endless));

    EXPECT_FALSE(QCoro::waitFor(Discovery::fetchPage(QUrl("https://acme.example/"))));
    EXPECT_FALSE(QCoro::waitFor(Discovery::fetchPage(QUrl("https://acme.example/endless"))));
    EXPECT_TRUE(QCoro::waitFor(Discovery::sitemapURLs("acme.example")).isEmpty());
}

TEST_F(PageFetchingTest, PathsAreFetchedTogetherAndKeepTheirOrder)
{
    server.route("acme.example", "/b", FixtureSites::html("b").after(100ms));
    server.route("acme.example", "/c", FixtureSites::html("c"));

    const auto pages = QCoro::waitFor(Discovery::fetch({"/a", "/b", "/c"}, "acme.example"));

    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].first, "/b");
    EXPECT_EQ(pages[0].second.text, "b");
    EXPECT_EQ(pages[1].first, "/c");
}

TEST_F(PageFetchingTest, CandidatePagesRespondUnlessSentHome)
{
    server.route("acme.example", "/", FixtureSites::html("home"));
    server.route("acme.example", "/press", FixtureSites::html("press"));
    server.route("acme.example", "/ir", refusingHead(FixtureSites::html("ir")));
    server.route("acme.example", "/old-news", TestHttpReply::redirect(301, "/"));
    server.route("acme.example", "/old-blog", TestHttpReply::redirect(301, "/blog/index.html"));
    server.route("acme.example", "/blog/index.html", FixtureSites::html("blog"));
    const struct {
        QString url;
        bool responds;
        QList<QByteArray> methods;
    } cases[] = {
        {"https://acme.example/press", true, {"HEAD"}},
        {"https://acme.example/ir", true, {"HEAD", "GET"}},
        {"https://acme.example/missing", false, {"HEAD"}},
        {"https://acme.example/old-news", false, {"HEAD", "HEAD"}},
        {"https://acme.example/old-blog", true, {"HEAD", "HEAD"}},
        {"https://acme.example", true, {"HEAD"}},
    };
    for (const auto &c : cases) {
        const qsizetype before = server.requests().size();
        EXPECT_EQ(QCoro::waitFor(Discovery::responds(c.url)), c.responds) << c.url.toStdString();
        QList<QByteArray> methods;
        for (const TestHttpRequest &request : server.requests().sliced(before))
            methods.append(request.method);
        EXPECT_EQ(methods, c.methods) << c.url.toStdString();
    }
}

TEST_F(PageFetchingTest, AFailedHeadIsTriedAgainAsGet)
{
    server.route("acme.example", "/flaky", [](const TestHttpRequest &request) {
        return request.method == "HEAD" ? TestHttpReply::of(TestHttpReply::Kind::HangUp) : FixtureSites::html("ok");
    });

    EXPECT_TRUE(QCoro::waitFor(Discovery::responds("https://acme.example/flaky")));
    EXPECT_EQ(server.requests().constLast().method, "GET");
}

TEST_F(PageFetchingTest, FeedsAreProvedByParsing)
{
    const QByteArray feed = FixtureSites::rss("Acme", "acme.example");
    server.route("acme.example", "/feed", TestHttpReply::text(feed, "application/rss+xml"));
    server.route("acme.example", "/page", FixtureSites::html("<html><head><title>Acme</title></head><body>" + QByteArray(200, 'x') + "</body></html>"));
    // The smallest JSON feeds: one item with an address, 64 and 65 bytes long.
    const auto jsonFeed = [](int size) {
        const QByteArray frame = R"({"items":[{"url":"https://a.example/"}]})";
        return QByteArray(frame).insert(frame.size() - 4, QByteArray(size - frame.size(), 'x'));
    };
    server.route("acme.example", "/tiny", TestHttpReply::text(jsonFeed(64), "application/feed+json"));
    server.route("acme.example", "/small", TestHttpReply::text(jsonFeed(65), "application/feed+json"));

    EXPECT_TRUE(QCoro::waitFor(Discovery::isFeed("https://acme.example/feed")));
    EXPECT_FALSE(QCoro::waitFor(Discovery::isFeed("https://acme.example/page")));
    EXPECT_FALSE(QCoro::waitFor(Discovery::isFeed("https://acme.example/missing")));
    EXPECT_FALSE(QCoro::waitFor(Discovery::isFeed("not an address")));
    EXPECT_FALSE(QCoro::waitFor(Discovery::isFeed("https://acme.example/tiny")));
    EXPECT_TRUE(QCoro::waitFor(Discovery::isFeed("https://acme.example/small")));
}

TEST_F(PageFetchingTest, ProbesFindUndeclaredFeeds)
{
    server.route("acme.example", "/rss", TestHttpReply::text(FixtureSites::rss("Acme", "acme.example")));
    server.route("acme.example", "/blog/feed", TestHttpReply::text(FixtureSites::rss("Blog", "acme.example")));
    server.route("acme.example", "/feed", FixtureSites::html(QByteArray(100, 'x')));

    QList<Discovery::FoundFeed> found = QCoro::waitFor(Discovery::probe("acme.example"));

    std::ranges::sort(found, {}, &Discovery::FoundFeed::url);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0], Discovery::FoundFeed({SourceKind::blog, "https://acme.example/blog/feed", "blog"}));
    EXPECT_EQ(found[1], Discovery::FoundFeed({SourceKind::press, "https://acme.example/rss", "press"}));
    EXPECT_EQ(server.requests().size(), Discovery::probes().size());
}

TEST_F(PageFetchingTest, SiteMapIndexesAreReadThroughTheirPreferredMaps)
{
    FixtureSites::serveQuietSite(server);

    const QStringList urls = QCoro::waitFor(Discovery::sitemapURLs("quiet.example"));

    EXPECT_EQ(urls.size(), 3);
    EXPECT_TRUE(urls.contains("https://quiet.example/investors/annual-report-2024"));
    EXPECT_TRUE(urls.contains("https://quiet.example/news/2023/founding"));
    QList<QByteArray> maps = requested();
    std::ranges::sort(maps);
    EXPECT_EQ(maps, QList<QByteArray>({"GET quiet.example/sitemap-news-2023.xml", "GET quiet.example/sitemap-news-2024.xml",
                                       "GET quiet.example/sitemap.xml"}));
}

TEST_F(PageFetchingTest, SiteMapsGiveAtMostFourThousandAddresses)
{
    QByteArray map = "<urlset>";
    for (int i = 0; i < 5000; ++i)
        map += "<url><loc>https://acme.example/p/" + QByteArray::number(i) + "</loc></url>\n";
    server.route("acme.example", "/sitemap.xml", TestHttpReply::text(map + "</urlset>"));

    const QStringList urls = QCoro::waitFor(Discovery::sitemapURLs("acme.example"));

    ASSERT_EQ(urls.size(), 4000);
    EXPECT_EQ(urls.constLast(), "https://acme.example/p/3999");
}

} // namespace
