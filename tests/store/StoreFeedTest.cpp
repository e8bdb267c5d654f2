#include "TemporaryStore.h"

#include <gtest/gtest.h>

namespace {

class StoreFeeds : public testing::Test
{
protected:
    void SetUp() override
    {
        companyId = *t.store->addCompany(QStringLiteral("Acme"), QStringLiteral("acme.com"), 0, {}, 60,
                                         QStringLiteral("high"))
                         .id;
        t.store->addSource(companyId, SourceKind::googleNews, QStringLiteral("https://news.example/rss"),
                           QStringLiteral("News"));
        feedId = *feed().id;
    }

    SourceRecord feed() { return t.store->sources(companyId).first(); }

    void fail(int times)
    {
        for (int i = 0; i < times; ++i)
            t.store->recordFetch(feedId, std::nullopt, std::nullopt, QStringLiteral("HTTP 500"));
    }

    TemporaryStore t;
    qint64 companyId = 0;
    qint64 feedId = 0;
};

} // namespace

TEST_F(StoreFeeds, AddingStoresAnEnabledFeedOnce)
{
    t.store->addSource(companyId, SourceKind::press, QStringLiteral("https://news.example/rss"), QStringLiteral("Again"));
    const QList<SourceRecord> feeds = t.store->sources(companyId);
    ASSERT_EQ(feeds.size(), 1);
    EXPECT_EQ(feeds.first().kind, QStringLiteral("google_news"));
    EXPECT_EQ(feeds.first().title, QStringLiteral("News"));
    EXPECT_TRUE(feeds.first().enabled);
    EXPECT_EQ(feeds.first().failureCount, 0);
    EXPECT_FALSE(feeds.first().lastFetchAt.has_value());
}

TEST_F(StoreFeeds, TwoCompaniesMayShareAnAddress)
{
    const qint64 other = *t.store->addCompany(QStringLiteral("Other"), QStringLiteral("other.com"), 0, {}, 60,
                                              QStringLiteral("high"))
                              .id;
    t.store->addSource(other, SourceKind::press, QStringLiteral("https://news.example/rss"), {});
    EXPECT_EQ(t.store->sources().size(), 2);
    EXPECT_EQ(t.store->sources(other).size(), 1);
}

TEST_F(StoreFeeds, TheEighthFailureInARowSwitchesTheFeedOff)
{
    fail(7);
    EXPECT_EQ(feed().failureCount, 7);
    EXPECT_TRUE(feed().enabled);
    fail(1);
    EXPECT_EQ(feed().failureCount, 8);
    EXPECT_FALSE(feed().enabled);
    EXPECT_EQ(feed().lastError, QStringLiteral("HTTP 500"));
    EXPECT_EQ(feed().lastFetchAt, t.now);
}

TEST_F(StoreFeeds, SwitchingOnAgainKeepsTheCountSoOneMoreFailureSwitchesOff)
{
    fail(8);
    t.store->setSourceEnabled(true, feedId);
    EXPECT_TRUE(feed().enabled);
    EXPECT_EQ(feed().failureCount, 8);
    fail(1);
    EXPECT_FALSE(feed().enabled);
    EXPECT_EQ(feed().failureCount, 9);
}

TEST_F(StoreFeeds, ASuccessResetsTheCountAndReplacesTheValidators)
{
    t.store->recordFetch(feedId, QStringLiteral("\"v1\""), QStringLiteral("Tue, 05 Mar 2024 14:30:00 GMT"),
                         std::nullopt);
    fail(3);
    EXPECT_EQ(feed().etag, QStringLiteral("\"v1\"")) << "a failure keeps the validators";
    t.now = t.now.addSecs(60);
    t.store->recordFetch(feedId, QStringLiteral("\"v2\""), std::nullopt, std::nullopt);
    const SourceRecord after = feed();
    EXPECT_EQ(after.failureCount, 0);
    EXPECT_FALSE(after.lastError.has_value());
    EXPECT_EQ(after.etag, QStringLiteral("\"v2\""));
    EXPECT_FALSE(after.lastModified.has_value());
    EXPECT_EQ(after.lastFetchAt, t.now);
}

TEST_F(StoreFeeds, RetryResetsEverythingAndSwitchesOn)
{
    t.store->recordFetch(feedId, QStringLiteral("\"v1\""), QStringLiteral("yesterday"), std::nullopt);
    fail(8);
    t.store->retry(feedId);
    const SourceRecord after = feed();
    EXPECT_TRUE(after.enabled);
    EXPECT_EQ(after.failureCount, 0);
    EXPECT_FALSE(after.lastError.has_value());
    EXPECT_FALSE(after.etag.has_value());
    EXPECT_FALSE(after.lastModified.has_value());
}

TEST_F(StoreFeeds, EditingResetsHealthButNotTheSwitch)
{
    fail(8);
    t.store->updateFeed(feedId, SourceKind::blog, QStringLiteral("https://acme.com/blog.xml"), QStringLiteral("Blog"));
    const SourceRecord after = feed();
    EXPECT_FALSE(after.enabled);
    EXPECT_EQ(after.failureCount, 0);
    EXPECT_FALSE(after.lastError.has_value());
    EXPECT_EQ(after.lastFetchAt, t.now);
    EXPECT_EQ(after.kind, QStringLiteral("blog"));
    EXPECT_EQ(after.url, QStringLiteral("https://acme.com/blog.xml"));
}
