#include "PelmorProcess.h"
#include "Store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Reports run as the real program over a database the test prepares.
class Reports : public testing::Test
{
protected:
    void SetUp() override
    {
        store = std::make_unique<Store>(path);
        acme = *store->addCompany("Acme", "acme.com", 0, {}, 60, "high").id;
        store->addSource(acme, SourceKind::press, "https://acme.com/feed", {});
        feed = *store->sources(acme).first().id;
    }

    // An item published `ago` seconds before now (negative: ahead of now).
    void add(const QString &title, qint64 ago, const QString &publisher = {}, const QString &severity = "routine",
             qint64 companyId = 0, qint64 sourceId = 0)
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QList<ItemRecord> items{{.sourceId = sourceId ? sourceId : feed, .companyId = companyId ? companyId : acme,
                                 .url = "https://example.com/" + QString::number(++counter), .title = title,
                                 .publishedAt = now.addSecs(-ago), .discoveredAt = now, .clusterKey = title,
                                 .severity = severity, .publisher = publisher}};
        store->insert(items);
    }

    QString run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PELMOR_DB", path);
        const PelmorRun result = runPelmor(arguments, environment);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, QString());
        return result.out;
    }

    QTemporaryDir directory;
    QString path = directory.filePath("pelmor.sqlite");
    std::unique_ptr<Store> store;
    qint64 acme = 0;
    qint64 feed = 0;
    int counter = 0;
};

} // namespace

TEST_F(Reports, ItemsShowAgeSeverityTitleAndAddress)
{
    add("Ahead of time", -3600, {}, "high");
    add("Half a minute", 30, {}, "none");
    add("Fifty-nine minutes", 59 * 60 + 5, {}, "notable");
    add("Ninety minutes", 90 * 60);
    add("Three days", 3 * 86400 + 60, {}, "urgent");
    store->addCompany("Other", "other.com", 0, {}, 60, "high");

    EXPECT_EQ(run({"--items", "https://WWW.Acme.com/news"}),
              "\nAcme\n"
              "  now   h Ahead of time\n        https://example.com/1\n"
              "  now   n Half a minute\n        https://example.com/2\n"
              "  59m   n Fifty-nine minutes\n        https://example.com/3\n"
              "  1h    r Ninety minutes\n        https://example.com/4\n"
              "  3d    u Three days\n        https://example.com/5\n");
    EXPECT_EQ(run({"--items"}).count("\n"), 14) << "both companies, the other without items";
    EXPECT_EQ(run({"--items", "nobody.com"}), "");
}

TEST_F(Reports, PublishersPutOwnedOutletsFirstAndNeverCutCounts)
{
    const qint64 big = *store->addCompany("Big", "big.example", 0, {}, 60, "high").id;
    store->addSource(big, SourceKind::press, "https://big.example/feed", {});
    const qint64 bigFeed = *store->sources(big).first().id;
    QList<ItemRecord> many;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 4200; ++i) {
        many.append({.sourceId = bigFeed, .companyId = big, .url = "https://wire.example/" + QString::number(i),
                     .title = "T", .publishedAt = now, .discoveredAt = now, .clusterKey = "k", .severity = "routine",
                     .publisher = "wire.example"});
    }
    many.append(many.first());
    many.last().url = "https://nowhere.example/";
    many.last().publisher.clear();
    store->insert(many);
    add("From the company's newsroom", 60, "news.acme.com");
    add("From a paper", 60, "paper.example");
    add("Again from the paper", 60, "paper.example");

    EXPECT_EQ(run({"--publishers"}), "3 publishers across 4203 items\n"
                                     "  * 1    news.acme.com\n"
                                     "    4200 wire.example\n"
                                     "    2    paper.example\n");
    EXPECT_EQ(run({"--publishers", "acme.com"}), "2 publishers across 3 items\n"
                                                 "  * 1    news.acme.com\n"
                                                 "    2    paper.example\n");
}

TEST_F(Reports, PublisherCountsLongerThanFourDigitsPrintWhole)
{
    // Three companies of 5000 items each from one outlet.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int company = 0; company < 3; ++company) {
        const QString domain = "c" + QString::number(company) + ".example";
        const qint64 id = *store->addCompany(domain, domain, 0, {}, 60, "high").id;
        store->addSource(id, SourceKind::press, "https://" + domain + "/feed", {});
        const qint64 source = *store->sources(id).first().id;
        QList<ItemRecord> items;
        for (int i = 0; i < 5000; ++i) {
            items.append({.sourceId = source, .companyId = id, .url = "https://" + domain + "/" + QString::number(i),
                          .title = "T", .publishedAt = now, .discoveredAt = now, .clusterKey = "k",
                          .severity = "routine", .publisher = "wire.example"});
        }
        store->insert(items);
    }
    EXPECT_EQ(run({"--publishers"}), "1 publishers across 15000 items\n    15000 wire.example\n");
}

TEST_F(Reports, SourcesListTheCatalogByCategory)
{
    for (int i = 0; i < 45; ++i)
        store->addCatalogSource(QString("learned%1.example").arg(i, 2, 10, QChar('0')),
                                QString("learned%1.example").arg(i, 2, 10, QChar('0')), SourceCategory::uncategorised,
                                i % 2 == 0, false);
    store->setCatalogEnabled(false, SourceCategory::aggregator);

    const QStringList all = run({"--sources"}).split('\n');
    EXPECT_EQ(all.first(), "92 of 116 sources on");
    EXPECT_TRUE(all.contains("Aggregators  0/2"));
    EXPECT_TRUE(all.contains("  [ ] Google News  ·  news.google.com"));
    EXPECT_TRUE(all.contains("Uncategorised  23/45"));
    EXPECT_TRUE(all.contains("  [x] learned00.example  ·  learned00.example"));
    EXPECT_TRUE(all.contains("  … 5 more"));
    EXPECT_FALSE(all.contains("  [ ] learned41.example  ·  learned41.example"));

    EXPECT_EQ(run({"--sources", "off"}).split('\n').mid(0, 5),
              QStringList({"92 of 116 sources on", "", "Aggregators  0/2", "  [ ] Google News  ·  news.google.com",
                           "  [ ] Yahoo Finance  ·  finance.yahoo.com"}));
    const QString on = run({"--sources", "on"});
    EXPECT_FALSE(on.contains("Aggregators"));
    EXPECT_TRUE(on.contains("Uncategorised  23/45\n  [x] learned00.example"));
}

TEST_F(Reports, UnreadReadsItsHoursOrTakesADay)
{
    add("Two hours ago", 2 * 3600);
    add("Ten hours ago", 10 * 3600);
    add("Two days ago", 2 * 86400);
    const auto unread = [&] {
        int count = 0;
        for (const ItemRecord &item : store->items(acme, 10))
            count += item.isRead ? 0 : 1;
        return count;
    };

    store->markAllRead();
    EXPECT_EQ(run({"--unread", "6"}), "marked the last 6h unread\n");
    EXPECT_EQ(unread(), 1);
    for (const QStringList &arguments :
         {QStringList{"--unread"}, QStringList{"--unread", "soon"}, QStringList{"--unread", "6\n"}}) {
        store->markAllRead();
        EXPECT_EQ(run(arguments), "marked the last 24h unread\n");
        EXPECT_EQ(unread(), 2);
    }
    store->markAllRead();
    EXPECT_EQ(run({"--unread", "9223372036854775807"}), "marked the last 9223372036854775807h unread\n");
    EXPECT_EQ(unread(), 3);
}

TEST_F(Reports, StoriesGroupItemsAndNameTheirPublishers)
{
    EXPECT_EQ(run({"--stories"}), "\nAcme: 0 items → 0 stories, 0 carried by more than one publisher\n");

    add("Acme recalls blue toasters after fire reports", 600, "paper.example");
    add("Acme toasters recalled after fire reports", 300, "");
    add("Acme recalls blue toasters after fire reports in Ohio", 60, "wire.example");
    add("Acme quarterly results beat estimates", 120, "wire.example");
    add("Acme quarterly results beat analyst estimates", 90, "wire.example");
    add("Acme opens a museum", 30, "");
    EXPECT_EQ(run({"--stories", "acme.com"}),
              "\nAcme: 6 items → 3 stories, 1 carried by more than one publisher\n"
              "  [3] Acme recalls blue toasters after fire reports in Ohio\n"
              "      , paper.example, wire.example\n"
              "  [2] Acme quarterly results beat analyst estimates\n"
              "      wire.example\n");
}

TEST_F(Reports, RehashRegradesEveryItem)
{
    add("Acme files for bankruptcy", 60, {}, "routine");
    add("Acme celebrates ten years", 60, {}, "high");
    EXPECT_EQ(run({"--rehash"}), "rehashed 2 items\n");
    QStringList grades;
    for (const ItemRecord &item : store->items(acme, 10))
        grades.append(item.severity);
    grades.sort();
    EXPECT_EQ(grades, QStringList({"high", "routine"}));
}
