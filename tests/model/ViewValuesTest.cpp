#include "Age.h"
#include "BrandStyle.h"
#include "Company.h"
#include "ModelTesting.h"
#include "Publisher.h"
#include "TileColours.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2024, 3, 5), QTime(14, 0), Qt::UTC);

ItemRecord item(qint64 id, const QString &title, const QString &publisher, qint64 minutesAgo,
                const QString &severity = "routine")
{
    return {.id = id,
            .url = "https://" + publisher + "/" + QString::number(id),
            .title = title,
            .publishedAt = now.addSecs(-minutesAgo * 60),
            .clusterKey = "k" + QString::number(id),
            .severity = severity,
            .publisher = publisher};
}

TEST(AgeTest, ShortFormsByMagnitude)
{
    const struct {
        qint64 minutes;
        QString text;
    } cases[] = {{-5, "now"}, {0, "now"}, {1, "1m"}, {59, "59m"}, {60, "1h"}, {1439, "23h"}, {1440, "1d"}, {4000, "2d"}};
    for (const auto &c : cases)
        EXPECT_EQ(Age::shortForm(c.minutes), c.text) << c.minutes;
}

TEST(AgeTest, StampsByDistance)
{
    const QDateTime localNow
        = QDateTime(QDate(2024, 3, 5), QTime(14, 0)).toTimeZone(QTimeZone::systemTimeZone());
    const QLocale locale = QLocale::system();
    const QDateTime earlierToday = localNow.addSecs(-3600);
    const QDateTime threeDaysAgo = localNow.addDays(-3);
    const QDateTime lastMonth = localNow.addDays(-30);
    EXPECT_EQ(Age::stamp(earlierToday, localNow), locale.toString(earlierToday.toLocalTime(), "HH:mm"));
    EXPECT_EQ(Age::stamp(threeDaysAgo, localNow), locale.toString(threeDaysAgo.toLocalTime(), "ddd HH:mm"));
    EXPECT_EQ(Age::stamp(lastMonth, localNow), locale.toString(lastMonth.toLocalTime(), "d MMM"));
}

TEST(PublisherTest, TintHashesTheDomain)
{
    // FNV-1a of "abc" is 0xe71fa2190541574b, whose hue is 291 degrees.
    const struct {
        QString domain;
        int hue;
    } cases[] = {{"abc", 291}, {"", 77}};
    for (const auto &c : cases) {
        const QColor tint = Publisher::tintFor(c.domain);
        EXPECT_EQ(tint.hsvHue(), c.hue) << c.domain.toStdString();
        EXPECT_NEAR(tint.hsvSaturationF(), 0.45, 0.01);
        EXPECT_NEAR(tint.valueF(), 0.62, 0.01);
        EXPECT_EQ(tint.alpha(), 255);
    }
}

TEST(PublisherTest, KnownOutletsKeepTheirHouseStyle)
{
    const struct {
        QString domain;
        QString mark;
        QRgb colour;
    } cases[] = {{"ap.org", "AP", 0xFF322E},      {"apnews.com", "AP", 0xFF322E},      {"news.google.com", "G", 0x4285F4},
                 {"sec.gov", "SEC", 0x3E7C3E},    {"wsj.com", "WSJ", 0x4A5058},        {"barrons.com", "BA", 0x1E4C7A}};
    for (const auto &c : cases) {
        const std::optional<BrandStyle> style = BrandStyle::known(c.domain);
        ASSERT_TRUE(style) << c.domain.toStdString();
        EXPECT_EQ(style->mark, c.mark);
        EXPECT_EQ(style->tint.rgb() & 0xFFFFFF, c.colour);
    }
    EXPECT_FALSE(BrandStyle::known("axios.com"));
}

TEST(PublisherTest, RankingPutsOwnedThenShownThenBusiestThenByDomain)
{
    const QList<ItemRecord> items{item(1, "a", "zeta.example", 1),    item(2, "b", "zeta.example", 1),
                                  item(3, "c", "alpha.example", 1),   item(4, "d", "beta.example", 1),
                                  item(5, "e", "news.acme.example", 1), item(6, "f", "x.com", 1),
                                  item(7, "g", "", 1),                 item(8, "h", "reuters.com", 1),
                                  item(9, "i", "reuters.com", 1),      item(10, "j", "reuters.com", 1)};
    const Publisher::Context context{.ownedDomains = {"acme.example"},
                                     .names = {{"reuters.com", "Reuters"}, {"beta.example", ""}},
                                     .hidden = {"reuters.com"}};

    const QList<Publisher> ranked = Publisher::rank(items, context);

    QStringList order;
    for (const Publisher &publisher : ranked)
        order.append(publisher.domain);
    EXPECT_EQ(order, QStringList({"news.acme.example", "zeta.example", "alpha.example", "beta.example", "x.com",
                                  "reuters.com"}));
    EXPECT_TRUE(ranked[0].isOwned);
    EXPECT_EQ(ranked[1].mark, "ZE");
    EXPECT_EQ(ranked[3].label, "beta.example");
    EXPECT_EQ(ranked[4].mark, "X");
    EXPECT_EQ(ranked[5].label, "Reuters");
    EXPECT_EQ(ranked[5].mark, "RE");
    EXPECT_EQ(ranked[5].count, 3);
    EXPECT_FALSE(ranked[5].isShown);
}

TEST(StoryTest, MetaSeverityAndAgeFromItsItems)
{
    const struct {
        const char *what;
        QList<ItemRecord> items;
        Severity severity;
        QString meta;
        qint64 age;
    } cases[] = {
        {"three outlets", {item(1, "A", "reuters.com", 75, "high"), item(2, "A", "wsj.com", 80), item(3, "A", "ft.com", 90)},
         Severity::high, "reuters +2 · 1h", 75},
        {"one outlet twice", {item(1, "A", "wsj.com", 120), item(2, "A", "wsj.com", 130)}, Severity::routine, "wsj · 2h", 120},
        {"unknown grade", {item(1, "A", "wsj.com", 5, "dire"), item(2, "A", "ft.com", 6, "notable")}, Severity::notable,
         "wsj +1 · 5m", 5},
        {"from the future", {item(1, "A", "wsj.com", -30)}, Severity::routine, "wsj · now", 0},
    };
    for (const auto &c : cases) {
        const Story story = Story::from(7, c.items, now);
        EXPECT_EQ(story.severity, c.severity) << c.what;
        EXPECT_EQ(story.meta, c.meta) << c.what;
        EXPECT_EQ(story.ageMinutes, c.age) << c.what;
        EXPECT_EQ(story.id, "7-k1-1") << c.what;
        EXPECT_EQ(story.itemIDs.first(), 1) << c.what;
    }
}

TEST(StoryTest, LeadIsTheNewestAndUnparsableAddressesGetThePlaceholder)
{
    ItemRecord broken = item(2, "Newer", "", 10);
    broken.url = "not a url";
    const Story story = Story::from(1, {item(1, "Older", "wsj.com", 50), broken}, now);
    EXPECT_EQ(story.title, "Newer");
    EXPECT_EQ(story.itemIDs, QList<qint64>({2, 1}));
    EXPECT_EQ(story.sources.first().url, SourceHit::placeholderUrl());
    EXPECT_EQ(story.sources.first().domain, "");
}

TEST(CompanyTest, WithoutShownItemsItHasNoStoriesAndSortsLast)
{
    const CompanyRecord row{.id = 3, .name = "Acme", .domain = "acme.example", .tint = 0x2B5FA8};
    const QList<SourceRecord> feeds{{.companyId = 3, .enabled = true},
                                    {.companyId = 3, .enabled = false, .failureCount = 2},
                                    {.companyId = 3, .enabled = true, .failureCount = 1}};
    const Company company = Company::build(row, feeds, {}, {}, now);
    EXPECT_TRUE(company.stories.isEmpty());
    EXPECT_EQ(company.severity, Severity::none);
    EXPECT_EQ(company.lastUpdatedMinutes, Company::never);
    EXPECT_EQ(company.feedCount, 2);
    EXPECT_EQ(company.failingFeeds, 2);
    EXPECT_EQ(company.tint, QColor(43, 95, 168));
}

TEST(CompanyTest, StoriesGravestFirstThenNewest)
{
    const CompanyRecord row{.id = 1, .name = "Acme", .domain = "acme.example"};
    const QList<ItemRecord> items{item(1, "Acme opens a new office in Lyon", "wsj.com", 10),
                                  item(2, "Acme recalls its battery packs after fires", "ft.com", 300, "high"),
                                  item(3, "Acme hires a chief financial officer today", "wsj.com", 5)};
    const Company company = Company::build(row, {}, items, "Reading 2 feeds", now);
    ASSERT_EQ(company.stories.size(), 3);
    EXPECT_EQ(company.stories[0].title, "Acme recalls its battery packs after fires");
    EXPECT_EQ(company.stories[1].ageMinutes, 5);
    EXPECT_EQ(company.stories[2].ageMinutes, 10);
    EXPECT_EQ(company.severity, Severity::high);
    EXPECT_EQ(company.lastUpdatedMinutes, 5);
    EXPECT_EQ(company.status, "Reading 2 feeds");
}

TEST(TileColoursTest, TurnInSixesAndStoreAsRgb)
{
    EXPECT_EQ(TileColours::forNew(6), TileColours::forNew(0));
    EXPECT_EQ(TileColours::stored(TileColours::forNew(0)), 0x1F7A6B);
    EXPECT_EQ(TileColours::stored(TileColours::forNew(5)), 0xA83E45);
    EXPECT_EQ(TileColours::stored(QColor()), 0);
    EXPECT_EQ(TileColours::stored(QColor::fromHsvF(0.5f, 1.0f, 1.0f)), 0x00FFFF);
}

}
