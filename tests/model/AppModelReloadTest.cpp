#include "ModelTesting.h"

#include <QSignalSpy>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

class AppModelReload : public ModelTest
{
protected:
    QStringList storyTitles(const QString &companyName)
    {
        QStringList titles;
        if (const Company *found = company(companyName)) {
            for (const Story &story : found->stories)
                titles.append(story.title);
        }
        return titles;
    }

    static QStringList domains(const QList<Publisher> &publishers)
    {
        QStringList list;
        for (const Publisher &publisher : publishers)
            list.append(publisher.domain);
        return list;
    }

    // Changes the file behind the store's back, as a damaged database would.
    void executeBehindTheStore(const char *sql)
    {
        sqlite3 *connection = nullptr;
        ASSERT_EQ(sqlite3_open(t.path().toUtf8().constData(), &connection), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(connection, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(connection);
    }
};

TEST_F(AppModelReload, OnlyListedOutletsAreShown)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    addItem(acme, "Acme on the wire", "reuters.com", 10);
    addItem(acme, "Acme in a paper the catalog lacks", "smallpaper.example", 20);
    addItem(acme, "Acme from nowhere", "", 30);
    addItem(acme, "Acme in a switched-off outlet", "wsj.com", 40);
    for (const CatalogRecord &row : t.store->catalog()) {
        if (row.domain == "wsj.com")
            t.store->setCatalogEnabled(false, *row.id);
    }

    model().reload();

    EXPECT_EQ(storyTitles("Acme"), QStringList({"Acme on the wire"}));
    EXPECT_EQ(domains(model().publishers()), QStringList({"reuters.com"}));
    EXPECT_EQ(model().storedItemCount(), 1);
    // The note counts every outlet collected, listed or not, the empty one too.
    EXPECT_EQ(model().thinCoverageNote(),
              "Few outlets showing for Acme. Learning new sources is off, so items from outlets outside your list are "
              "kept but not shown.");
}

TEST_F(AppModelReload, HiddenOutletsLeaveTheStoriesButNotTheSourceBar)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    addItem(acme, "Acme on the wire", "reuters.com", 10);
    addItem(acme, "Acme in the journal", "wsj.com", 20);
    model();
    const Publisher reuters = model().publishers().first();
    ASSERT_EQ(reuters.domain, "reuters.com");

    model().toggleDisplay(reuters);
    EXPECT_EQ(storyTitles("Acme"), QStringList({"Acme in the journal"}));
    EXPECT_EQ(domains(model().publishers()), QStringList({"wsj.com", "reuters.com"}));
    EXPECT_EQ(domains(model().publishersFor(*company("Acme"))), QStringList({"wsj.com", "reuters.com"}));
    EXPECT_EQ(model().storedItemCount(), 2);

    model().toggleDisplay(reuters);
    EXPECT_EQ(storyTitles("Acme").size(), 2);

    model().setDisplayed(false, model().publishers());
    EXPECT_TRUE(storyTitles("Acme").isEmpty());
    model().setDisplayed(true, {reuters});
    EXPECT_EQ(model().hiddenPublishers(), QSet<QString>({"wsj.com"}));
}

TEST_F(AppModelReload, TheWindowDecidesWhatIsInView)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    addItem(acme, "Acme an hour and a bit ago", "reuters.com", 70, Severity::high);
    addItem(acme, "Acme two days ago", "wsj.com", 2 * 1440);
    addItem(acme, "Acme a year ago", "ft.com", 365 * 1440);
    t.store->setHidden(true, {addItem(acme, "Acme but hidden", "ft.com", 5)});

    const struct {
        TimeWindow window;
        qsizetype stories;
    } cases[] = {{TimeWindow::hour, 0}, {TimeWindow::day, 1}, {TimeWindow::week, 2}, {TimeWindow::all, 3}};
    for (const auto &c : cases) {
        model().setWindow(c.window);
        EXPECT_EQ(storyTitles("Acme").size(), c.stories) << toText(c.window).toStdString();
    }
    // The top lines follow the window.
    model().setWindow(TimeWindow::hour);
    EXPECT_TRUE(model().topSlots().first().isQuiet);
    model().setWindow(TimeWindow::day);
    EXPECT_EQ(model().topSlots().first().title, "Acme an hour and a bit ago");
}

TEST_F(AppModelReload, ThinCoverageNamesTheFirstCompanyAndCountsTheOthers)
{
    // Acme shows 1 outlet of 4 collected, Bolt 2 of 3, Core all it collected.
    const qint64 acme = addCompany("Acme", "acme.example");
    const qint64 bolt = addCompany("Bolt", "bolt.example");
    const qint64 core = addCompany("Core", "core.example");
    addItem(acme, "Acme one", "reuters.com", 1);
    addItem(acme, "Acme two", "a.example", 2);
    addItem(acme, "Acme three", "b.example", 3);
    addItem(acme, "Acme four", "c.example", 4);
    addItem(bolt, "Bolt one", "reuters.com", 1);
    addItem(bolt, "Bolt two", "wsj.com", 2);
    addItem(bolt, "Bolt three", "d.example", 3);
    addItem(core, "Core one", "ft.com", 1);

    EXPECT_EQ(model().thinCoverageNote(),
              "Few outlets showing for Acme and 1 other. Learning new sources is off, so items from outlets outside "
              "your list are kept but not shown.");

    addItem(core, "Core two", "e.example", 2);
    model().reload();
    EXPECT_TRUE(model().thinCoverageNote().startsWith("Few outlets showing for Acme and 2 others."));

    model().setLearnSources(LearnSources::addDisabled);
    EXPECT_TRUE(model().thinCoverageNote().isEmpty());
}

TEST_F(AppModelReload, CountsAndLookUpsOverEveryFeed)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    const qint64 bolt = addCompany("Bolt", "bolt.example");
    const qint64 off = addFeed(acme, "https://acme.example/off.xml");
    t.store->setSourceEnabled(false, off);
    t.store->recordFetch(off, {}, {}, QString("HTTP 500"));
    addFeed(acme, "https://acme.example/on.xml");
    addFeed(bolt, "https://bolt.example/feed");

    EXPECT_EQ(model().feedCount(), 2);
    EXPECT_EQ(model().failingCount(), 1);
    EXPECT_EQ(model().feedCountFor(*company("Acme")), 2);
    EXPECT_EQ(company("Acme")->feedCount, 1);
    EXPECT_EQ(company("Acme")->failingFeeds, 1);
    for (const SourceRecord &feed : model().feeds())
        EXPECT_EQ(model().companyName(feed), feed.companyId == acme ? "Acme" : "Bolt");
    EXPECT_EQ(model().companyName(SourceRecord{.companyId = 99}), "");
}

TEST_F(AppModelReload, CatalogFiguresForTheSourceList)
{
    t.store->addCatalogSource("learned.example", "learned.example", SourceCategory::uncategorised, false, false);
    t.store->addCatalogSource("mine.example", "Mine", SourceCategory::uncategorised, false, true);
    t.store->addCatalogSource("trade.example", "Trade", SourceCategory::trade, false, false);
    t.store->setPaywalledEnabled(false);

    EXPECT_EQ(model().clearableSourceCount(), 1);
    const PaywalledCoverage coverage = model().paywalledCoverage();
    EXPECT_EQ(coverage.on, 0);
    EXPECT_GE(coverage.total, 22);
    t.store->setPaywalledEnabled(true);
    model().reload();
    EXPECT_EQ(model().paywalledCoverage().on, coverage.total);
}

TEST_F(AppModelReload, AFailedReadEmptiesOnlyTheViewLists)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    addItem(acme, "Acme on the wire", "reuters.com", 10);
    addFeed(acme, "https://acme.example/feed");
    model();
    ASSERT_FALSE(model().companies().isEmpty());
    const QList<SourceRecord> feeds = model().feeds();
    const QList<CatalogRecord> catalog = model().catalog();
    const int feedCount = model().feedCount();
    QSignalSpy feedsChanged(&model(), &AppModel::feedsChanged);
    QSignalSpy catalogChanged(&model(), &AppModel::catalogChanged);

    executeBehindTheStore("ALTER TABLE catalog RENAME TO gone");
    model().reload();

    EXPECT_TRUE(model().companies().isEmpty());
    EXPECT_TRUE(model().topSlots().isEmpty());
    EXPECT_TRUE(model().publishers().isEmpty());
    EXPECT_EQ(model().feeds(), feeds);
    EXPECT_EQ(model().catalog(), catalog);
    EXPECT_EQ(model().feedCount(), feedCount);
    EXPECT_EQ(feedsChanged.count(), 0);
    EXPECT_EQ(catalogChanged.count(), 0);
}

TEST_F(AppModelReload, ADemonstrationShowsTheFirstCompanyBeingFilled)
{
    ScopedEnvironment populating{"PELMOR_DEMO_POPULATING", QString("1")};
    addCompany("Bolt", "bolt.example");
    addCompany("Acme", "acme.example");
    EXPECT_EQ(model().companies().first().status, "Reading 4 feeds");
    EXPECT_EQ(model().companies().last().status, "");
}

TEST_F(AppModelReload, OwnSitesAreFiledAndRankFirst)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    addItem(acme, "Acme on the wire", "reuters.com", 10);
    addItem(acme, "Acme on the wire again", "reuters.com", 11);
    addItem(acme, "Acme says so itself", "news.acme.example", 12);
    t.store->addCatalogSource("news.acme.example", "Acme news", SourceCategory::company, true, false);

    const QList<Publisher> publishers = model().publishers();
    EXPECT_EQ(domains(publishers), QStringList({"news.acme.example", "reuters.com"}));
    EXPECT_TRUE(publishers.first().isOwned);
    // Filing at start made the company's own domain an outlet.
    EXPECT_TRUE(std::ranges::any_of(model().catalog(), [](const CatalogRecord &row) {
        return row.domain == "acme.example" && row.category == toText(SourceCategory::company);
    }));
}

}
