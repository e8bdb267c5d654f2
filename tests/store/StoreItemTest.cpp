#include "TemporaryStore.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

class StoreItems : public testing::Test
{
protected:
    void SetUp() override
    {
        acme = *t.store->addCompany(QStringLiteral("Acme"), QStringLiteral("acme.com"), 0, {}, 60, QStringLiteral("high")).id;
        other = *t.store->addCompany(QStringLiteral("Other"), QStringLiteral("other.com"), 0, {}, 60, QStringLiteral("high")).id;
        t.store->addSource(acme, SourceKind::press, QStringLiteral("https://acme.com/feed"), {});
        t.store->addSource(other, SourceKind::press, QStringLiteral("https://other.com/feed"), {});
        for (const SourceRecord &feed : t.store->sources())
            (feed.companyId == acme ? acmeFeed : otherFeed) = *feed.id;
    }

    ItemRecord item(const QString &url, const QDateTime &publishedAt, qint64 companyId = 0)
    {
        const bool forOther = companyId == other;
        return {
            .sourceId = forOther ? otherFeed : acmeFeed,
            .companyId = forOther ? other : acme,
            .url = url,
            .title = QStringLiteral("Title of ") + url,
            .summary = std::nullopt,
            .publishedAt = publishedAt,
            .discoveredAt = t.now,
            .clusterKey = url,
            .severity = QStringLiteral("none"),
        };
    }

    QStringList urls(bool (*keep)(const ItemRecord &) = [](const ItemRecord &) { return true; })
    {
        QStringList result;
        for (const ItemRecord &stored : t.store->items(acme, 1000)) {
            if (keep(stored))
                result.append(stored.url);
        }
        return result;
    }

    TemporaryStore t;
    qint64 acme = 0, other = 0, acmeFeed = 0, otherFeed = 0;
};

} // namespace

TEST_F(StoreItems, InsertStoresNewItemsAndWritesTheirIdsBack)
{
    QList<ItemRecord> batch{item(QStringLiteral("https://a/1"), t.now.addSecs(-60)),
                            item(QStringLiteral("https://a/2"), t.now)};
    batch[1].summary = QStringLiteral("Summary");
    batch[1].publisher = QStringLiteral("reuters.com");
    EXPECT_EQ(t.store->insert(batch), 2);
    ASSERT_TRUE(batch[0].id && batch[1].id);
    EXPECT_EQ(t.store->items(acme, 10), QList<ItemRecord>({batch[1], batch[0]})) << "newest first, fields intact";
    EXPECT_EQ(t.store->items(acme, 1).size(), 1);
    EXPECT_EQ(t.store->itemCount(acme), 2);
}

TEST_F(StoreItems, InsertSkipsUrlsAlreadyStoredInTheBatchOrForAnyCompany)
{
    QList<ItemRecord> first{item(QStringLiteral("https://shared/1"), t.now, other)};
    ASSERT_EQ(t.store->insert(first), 1);

    QList<ItemRecord> batch{item(QStringLiteral("https://a/1"), t.now), item(QStringLiteral("https://a/1"), t.now),
                            item(QStringLiteral("https://shared/1"), t.now),
                            item(QStringLiteral("https://A/1"), t.now)};
    EXPECT_EQ(t.store->insert(batch), 2) << "exact, case-sensitive comparison";
    EXPECT_TRUE(batch[0].id && batch[3].id);
    EXPECT_FALSE(batch[1].id || batch[2].id);
    EXPECT_EQ(t.store->itemCount(other), 1);
}

TEST_F(StoreItems, AFailedInsertRollsBackTheWholeBatch)
{
    QList<ItemRecord> batch{item(QStringLiteral("https://a/1"), t.now), item(QStringLiteral("https://a/2"), t.now)};
    batch[1].sourceId = 999; // a feed deleted meanwhile
    EXPECT_THROW(t.store->insert(batch), DatabaseError);
    EXPECT_FALSE(batch[0].id.has_value());
    EXPECT_EQ(t.store->itemCount(acme), 0);
}

TEST_F(StoreItems, MarkUnreadAndPruneCutStrictly)
{
    const QDateTime dayAgo = t.now.addSecs(-24 * 3600);
    const QDateTime monthAgo = t.now.addDays(-30);
    QList<ItemRecord> batch{item(QStringLiteral("day-1ms"), dayAgo.addMSecs(1)), item(QStringLiteral("day"), dayAgo),
                            item(QStringLiteral("month"), monthAgo),
                            item(QStringLiteral("month+1ms"), monthAgo.addMSecs(-1))};
    for (ItemRecord &each : batch)
        each.isRead = true;
    t.store->insert(batch);

    t.store->markUnread(24);
    EXPECT_EQ(urls([](const ItemRecord &i) { return !i.isRead; }), QStringList{"day-1ms"});
    t.store->prune(30);
    EXPECT_EQ(urls(), QStringList({"day-1ms", "day", "month"}));
}

TEST_F(StoreItems, HugeWindowsReachBackToTheBeginningWithoutOverflow)
{
    QList<ItemRecord> batch{item(QStringLiteral("ancient"), QDateTime(QDate(1200, 1, 1), QTime(0, 0), Qt::UTC))};
    t.store->insert(batch);
    t.store->markUnread(std::numeric_limits<qint64>::max());
    EXPECT_EQ(urls([](const ItemRecord &i) { return !i.isRead; }), QStringList{"ancient"});
    t.store->prune(std::numeric_limits<qint64>::max());
    EXPECT_EQ(urls(), QStringList{"ancient"});
}

TEST_F(StoreItems, ReadAndHiddenMarks)
{
    QList<ItemRecord> batch{item(QStringLiteral("1"), t.now), item(QStringLiteral("2"), t.now.addSecs(-1)),
                            item(QStringLiteral("3"), t.now.addSecs(-2))};
    t.store->insert(batch);
    EXPECT_EQ(t.store->hiddenItemCount(), 0);

    t.store->markRead({});
    t.store->setHidden(true, {});
    t.store->markRead({*batch[0].id, *batch[2].id});
    t.store->setHidden(true, {*batch[1].id, *batch[2].id});
    EXPECT_EQ(urls([](const ItemRecord &i) { return i.isRead; }), QStringList({"1", "3"}));
    EXPECT_EQ(urls([](const ItemRecord &i) { return i.isHidden; }), QStringList({"2", "3"}));
    EXPECT_EQ(t.store->hiddenItemCount(), 2);

    t.store->markAllRead();
    t.store->unhideAllItems();
    EXPECT_EQ(urls([](const ItemRecord &i) { return i.isRead; }).size(), 3);
    EXPECT_EQ(t.store->hiddenItemCount(), 0);

    t.store->deleteAllItems();
    EXPECT_EQ(t.store->itemCount(acme), 0);
}

TEST_F(StoreItems, CallersOnSeveralThreadsTakeTurns)
{
    QList<QThread *> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.append(QThread::create([this, thread] {
            for (int i = 0; i < 50; ++i) {
                QList<ItemRecord> batch{item(QStringLiteral("https://t%1/%2").arg(thread).arg(i), t.now)};
                t.store->insert(batch);
                t.store->items(acme, 10);
            }
        }));
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        thread->wait();
        delete thread;
    }
    EXPECT_EQ(t.store->itemCount(acme), 200);
}

TEST_F(StoreItems, RehashGradesEveryItemFromItsTitle)
{
    EXPECT_EQ(t.store->rehash(), 0);
    QList<ItemRecord> batch{item(QStringLiteral("https://a/1"), t.now),
                            item(QStringLiteral("https://a/2"), t.now.addSecs(-1)),
                            item(QStringLiteral("https://b/1"), t.now, other)};
    batch[0].title = QStringLiteral("Acme raises $40M Series B");
    batch[1].title = QStringLiteral("Second quarter results");
    batch[2].title = QStringLiteral("Weekly update");
    batch[2].severity = QStringLiteral("urgent");
    t.store->insert(batch);

    EXPECT_EQ(t.store->rehash(), 3);
    EXPECT_EQ(t.store->items(acme, 10)[0].severity, QStringLiteral("high"));
    EXPECT_EQ(t.store->items(acme, 10)[1].severity, QStringLiteral("notable"));
    EXPECT_EQ(t.store->items(other, 10)[0].severity, QStringLiteral("routine"));
}
