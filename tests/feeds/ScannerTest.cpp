#include "ParsedItem.h"
#include "Scanner.h"
#include "ScopedConnectTo.h"
#include "TemporaryStore.h"
#include "TestHttpServer.h"

#include <QCoroTask>
#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

struct Entry {
    QString title;
    QString link;
    QString date = QStringLiteral("Tue, 05 Mar 2024 14:30:00 GMT");
    QString source; // "name|url" of a news-search entry's outlet
};

QByteArray rss(const QList<Entry> &entries)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>Feed</title>");
    for (const Entry &entry : entries) {
        xml += "<item><title>" + entry.title.toHtmlEscaped() + "</title><link>" + entry.link.toHtmlEscaped()
            + "</link><pubDate>" + entry.date + "</pubDate>";
        if (!entry.source.isEmpty()) {
            const QStringList parts = entry.source.split('|');
            xml += "<source url=\"" + parts[1] + "\">" + parts[0] + "</source>";
        }
        xml += "</item>";
    }
    return (xml + "</channel></rss>").toUtf8();
}

QString rfc822(const QDateTime &date)
{
    return QLocale::c().toString(date.toUTC(), "ddd, dd MMM yyyy HH:mm:ss 'GMT'");
}

double seconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// Every host reaches the loopback server; each test makes its companies and
// feeds and scans them with a scanner of its own.
class Scanning : public testing::Test
{
protected:
    qint64 company(const QString &domain)
    {
        return *t.store->addCompany(domain, domain, 0, {}, 60, "high").id;
    }

    SourceRecord feed(qint64 companyId, const QString &url)
    {
        t.store->addSource(companyId, SourceKind::press, url, {});
        for (const SourceRecord &source : t.store->sources(companyId)) {
            if (source.url == url)
                return source;
        }
        ADD_FAILURE() << "feed not stored";
        return {};
    }

    SourceRecord reread(const SourceRecord &source)
    {
        for (const SourceRecord &each : t.store->sources(source.companyId)) {
            if (each.id == source.id)
                return each;
        }
        return {};
    }

    ScanReport scanAll() { return QCoro::waitFor(scanner.scanAll()); }

    QList<TestHttpRequest> requestsFor(const QByteArray &host)
    {
        QList<TestHttpRequest> result;
        for (const TestHttpRequest &request : server.requests()) {
            if (request.host == host)
                result.append(request);
        }
        return result;
    }

    TemporaryStore t;
    TestHttpServer server;
    ScopedConnectTo connectTo{server.connectTo()};
    Scanner scanner{*t.store};
};

} // namespace

TEST_F(Scanning, StoresNewEntriesOnceAndRecordsTheValidators)
{
    const qint64 acme = company("acme.com");
    const SourceRecord source = feed(acme, "https://acme.com/feed.xml");
    server.route("acme.com", "/feed.xml",
                 TestHttpReply::text(rss({{"Acme opens a plant", "https://acme.com/news/plant?utm_source=rss"},
                                          {"Acme hires", "https://acme.com/news/hires#top"}}),
                                     "application/rss+xml")
                     .withHeader("ETag", "\"v1\"")
                     .withHeader("Last-Modified", "Tue, 05 Mar 2024 15:00:00 GMT"));

    EXPECT_EQ(scanAll(), (ScanReport{.newItems = 2, .scanned = 1, .failed = 0}));
    const QList<ItemRecord> items = t.store->items(acme, 10);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].url, "https://acme.com/news/plant");
    EXPECT_EQ(items[0].publisher, "acme.com");
    EXPECT_EQ(items[0].severity, "notable");
    EXPECT_EQ(items[1].url, "https://acme.com/news/hires");
    const SourceRecord after = reread(source);
    EXPECT_EQ(after.etag, "\"v1\"");
    EXPECT_EQ(after.lastModified, "Tue, 05 Mar 2024 15:00:00 GMT");

    EXPECT_EQ(scanAll(), (ScanReport{.newItems = 0, .scanned = 1, .failed = 0}));
    const TestHttpRequest second = requestsFor("acme.com").last();
    EXPECT_EQ(second.header("If-None-Match"), "\"v1\"");
    EXPECT_EQ(second.header("If-Modified-Since"), "Tue, 05 Mar 2024 15:00:00 GMT");
    EXPECT_TRUE(second.header("User-Agent").startsWith("pelmor/0.1 (+https://"));
    EXPECT_EQ(second.header("Accept"), "application/rss+xml, application/atom+xml, application/xml, text/xml, "
                                       "application/json;q=0.9, */*;q=0.8");
}

TEST_F(Scanning, ValidatorsFollowEachAnswer)
{
    const SourceRecord source = feed(company("acme.com"), "https://acme.com/feed.xml");
    t.store->recordFetch(*source.id, "\"old\"", "yesterday", std::nullopt);
    t.store->recordFetch(*source.id, std::nullopt, std::nullopt, "HTTP 500");

    server.route("acme.com", "/feed.xml", TestHttpReply::withStatus(304));
    EXPECT_EQ(scanAll(), (ScanReport{.newItems = 0, .scanned = 1, .failed = 0}));
    SourceRecord after = reread(source);
    EXPECT_EQ(after.etag, "\"old\"");
    EXPECT_EQ(after.lastModified, "yesterday");
    EXPECT_EQ(after.failureCount, 0);
    EXPECT_FALSE(after.lastError);

    server.route("acme.com", "/feed.xml", TestHttpReply::text(rss({{"Acme", "https://acme.com/a"}})));
    scanAll();
    after = reread(source);
    EXPECT_FALSE(after.etag) << "an answer without ETag clears the stored one";
    EXPECT_FALSE(after.lastModified);
}

TEST_F(Scanning, FailuresAreRecordedWithTheirReason)
{
    const qint64 acme = company("acme.com");
    struct Case {
        QByteArray path;
        TestHttpReply reply;
        QString error;
    };
    const Case cases[] = {
        {"/missing", TestHttpReply::withStatus(404), "HTTP 404"},
        {"/page", TestHttpReply::text("<!doctype html><html><body>Hello</body></html>", "text/html"), "unparseable"},
        {"/huge", TestHttpReply::of(TestHttpReply::Kind::Endless), "response too large"},
        {"/hangup", TestHttpReply::of(TestHttpReply::Kind::HangUp), ""},
    };
    QList<SourceRecord> sources;
    for (const Case &each : cases) {
        // One host each, so that no request waits for another.
        const QByteArray host = each.path.mid(1) + ".example";
        server.route(host, each.path, each.reply);
        sources.append(feed(acme, "https://" + QString::fromLatin1(host + each.path)));
    }
    sources.append(feed(acme, "ftp://acme.com/feed"));

    EXPECT_EQ(scanAll(), (ScanReport{.newItems = 0, .scanned = 5, .failed = 5}));
    for (qsizetype i = 0; i < qsizetype(std::size(cases)); ++i) {
        const SourceRecord after = reread(sources[i]);
        ASSERT_TRUE(after.lastError) << cases[i].path.toStdString();
        if (!cases[i].error.isEmpty()) {
            EXPECT_EQ(*after.lastError, cases[i].error);
        }
        EXPECT_EQ(after.failureCount, 1);
    }
    EXPECT_EQ(reread(sources.last()).lastError, "unsupported URL");
}

TEST_F(Scanning, TheEighthFailureInARowSwitchesTheFeedOff)
{
    const SourceRecord source = feed(company("acme.com"), "http://acme.com/feed");
    server.route("acme.com", "/feed", TestHttpReply::withStatus(500));
    for (int i = 0; i < 7; ++i)
        t.store->recordFetch(*source.id, std::nullopt, std::nullopt, "HTTP 500");
    EXPECT_EQ(scanAll().failed, 1);
    EXPECT_FALSE(reread(source).enabled);
    EXPECT_EQ(scanAll(), ScanReport{}) << "switched-off feeds are skipped";
}

TEST_F(Scanning, NewsSearchEntriesCarryTheirOutlet)
{
    const qint64 acme = company("acme.com");
    const qint64 other = company("other.com");
    feed(acme, "https://news.google.com/rss/search?q=Acme");
    feed(other, "https://other.com/feed");
    const QDateTime now = QDateTime::currentDateTimeUtc();
    server.route("news.google.com", "/rss/search",
                 TestHttpReply::text(rss({
                     {"Acme recalls toasters - Reuters", "https://news.google.com/articles/x?url=https%3A%2F%2Fwww.reuters.com%2Facme",
                      rfc822(now), "Reuters|https://www.reuters.com"},
                     {"Ahead by 23 hours", "https://acme.com/soon", rfc822(now.addSecs(23 * 3600))},
                     {"Ahead by 30 hours", "https://acme.com/later", rfc822(now.addSecs(30 * 3600))},
                     {"Shared story", "https://shared.example/story"},
                 })));
    server.route("other.com", "/feed", TestHttpReply::text(rss({{"Shared story", "https://shared.example/story"}})));

    EXPECT_EQ(QCoro::waitFor(scanner.scan(other)).newItems, 1);
    EXPECT_EQ(QCoro::waitFor(scanner.scan(acme)), (ScanReport{.newItems = 2, .scanned = 1, .failed = 0}))
        << "the story another company stored is not counted again";

    const QList<ItemRecord> items = t.store->items(acme, 10);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].title, "Ahead by 23 hours");
    EXPECT_EQ(items[1].url, "https://www.reuters.com/acme");
    EXPECT_EQ(items[1].title, "Acme recalls toasters");
    EXPECT_EQ(items[1].publisher, "reuters.com");
    EXPECT_EQ(items[1].severity, "high");
}

TEST(ScannerEntries, BecomeItemsOrAreSkipped)
{
    const SourceRecord source{.id = 7, .companyId = 3, .kind = "google_news", .url = "https://news.example/rss"};
    const QDateTime now(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC);
    struct Case {
        ParsedItem entry;
        std::optional<QString> title; // none: skipped
        QString publisher;
    };
    const Case cases[] = {
        {{.title = "Acme wins - The Paper", .link = "https://www.paper.example/a", .sourceName = "The Paper"},
         "Acme wins", "paper.example"},
        {{.title = " - The Paper", .link = "https://paper.example/b", .sourceName = "The Paper"},
         " - The Paper", "paper.example"},
        {{.title = "Acme wins - The Paper", .link = "https://paper.example/c", .sourceName = ""},
         "Acme wins - The Paper", "paper.example"},
        {{.title = "Carried", .link = "https://agg.example/d", .sourceURL = "not a url"}, "Carried", ""},
        {{.title = "Mail", .link = "mailto:press@acme.com"}, std::nullopt, {}},
        {{.title = "Soon", .link = "https://acme.com/e", .published = now.addSecs(86399)}, "Soon", "acme.com"},
        {{.title = "Too soon", .link = "https://acme.com/f", .published = now.addSecs(86400)}, std::nullopt, {}},
    };
    for (const Case &each : cases) {
        const std::optional<ItemRecord> item = Scanner::record(each.entry, source, now);
        ASSERT_EQ(item.has_value(), each.title.has_value()) << each.entry.title.toStdString();
        if (!item)
            continue;
        EXPECT_EQ(item->title, *each.title);
        EXPECT_EQ(item->publisher, each.publisher);
        EXPECT_EQ(item->sourceId, 7);
        EXPECT_EQ(item->companyId, 3);
        EXPECT_EQ(item->publishedAt, each.entry.published.value_or(now));
        EXPECT_EQ(item->discoveredAt, now);
    }
}

TEST_F(Scanning, FeedsOnOneHostAreSpacedAndBatchesHoldFive)
{
    const qint64 acme = company("acme.com");
    for (int i = 1; i <= 3; ++i)
        feed(acme, QString("https://acme.com/feed%1").arg(i));
    for (int i = 1; i <= 9; ++i) {
        const QString host = QString("site%1.example").arg(i);
        feed(acme, "https://" + host + "/feed");
        // A slow answer makes the batches visible in the arrival times.
        server.route(host.toLatin1(), "/feed", TestHttpReply::withStatus(404).after(300ms));
    }
    server.setFallback([](const TestHttpRequest &) { return TestHttpReply::withStatus(404); });

    EXPECT_EQ(scanAll().scanned, 12);
    ASSERT_EQ(server.requests().size(), 12);

    // Requests on acme.com are sent in slots 1.2 seconds apart, however the
    // batches fall. They are timed here as they arrive, after a connection
    // set-up that takes longer for the first: hence the slack, and loose
    // upper bounds since a busy machine runs late.
    const QList<TestHttpRequest> own = requestsFor("acme.com");
    ASSERT_EQ(own.size(), 3);
    EXPECT_GE(seconds(own[1].arrivedAt - own[0].arrivedAt), 1.0);
    EXPECT_GE(seconds(own[2].arrivedAt - own[0].arrivedAt), 2.2);
    EXPECT_LT(seconds(own[2].arrivedAt - own[0].arrivedAt), 3.5);

    // The feeds come in store order: the three on acme.com and the first two
    // sites make the first batch. Each later batch starts only when the
    // slowest of the one before has finished.
    const auto arrival = [&](const QByteArray &host) { return requestsFor(host).constFirst().arrivedAt; };
    const auto startOfSecond = arrival("site3.example");
    for (const char *host : {"site1.example", "site2.example"})
        EXPECT_LT(arrival(host), own[1].arrivedAt) << host;
    for (const char *host : {"site3.example", "site4.example", "site5.example", "site6.example", "site7.example"}) {
        EXPECT_GE(arrival(host), own[2].arrivedAt) << host;
        EXPECT_LT(seconds(arrival(host) - startOfSecond), 0.25) << host;
    }
    for (const char *host : {"site8.example", "site9.example"})
        EXPECT_GE(seconds(arrival(host) - startOfSecond), 0.29) << "after the slow second batch: " << host;
}

TEST_F(Scanning, ASecondFullScanDuringOneReturnsZerosButACompanyScanProceeds)
{
    const qint64 acme = company("acme.com");
    feed(acme, "https://acme.com/slow");
    server.route("acme.com", "/slow", TestHttpReply::withStatus(404).after(400ms));
    const qint64 other = company("other.com");
    feed(other, "https://other.com/feed");
    server.route("other.com", "/feed", TestHttpReply::text(rss({{"Other news", "https://other.com/a"}})));

    auto running = scanner.scanAll();
    EXPECT_EQ(QCoro::waitFor(scanner.scanAll()), ScanReport{});
    // The company scan waits its turn on other.com, by when the full scan
    // has stored the one item there.
    EXPECT_EQ(QCoro::waitFor(scanner.scan(other)), (ScanReport{.newItems = 0, .scanned = 1, .failed = 0}));
    EXPECT_EQ(QCoro::waitFor(running), (ScanReport{.newItems = 1, .scanned = 2, .failed = 1}));
    EXPECT_EQ(requestsFor("other.com").size(), 2);
}
