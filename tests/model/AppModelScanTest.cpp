#include "ModelTesting.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QByteArray rss(const QList<std::pair<QString, QDateTime>> &entries)
{
    QString xml = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>Feed</title>";
    for (const auto &[title, date] : entries) {
        xml += "<item><title>" + title + "</title><link>https://reuters.com/" + QString(title).replace(' ', '-')
            + "</link><pubDate>" + QLocale::c().toString(date, "ddd, dd MMM yyyy HH:mm:ss 'GMT'")
            + "</pubDate></item>";
    }
    return (xml + "</channel></rss>").toUtf8();
}

class AppModelScan : public ModelTest
{
protected:
    // Acme with one feed carrying a fresh item and one published 91 days ago.
    qint64 serveAcme(std::chrono::milliseconds delay = 0ms)
    {
        const qint64 acme = addCompany("Acme", "acme.example");
        addFeed(acme, "https://acme.example/feed.xml");
        TestHttpReply reply = TestHttpReply::text(
            rss({{"Acme opens a plant", t.now.addSecs(-600)}, {"Acme of old", t.now.addDays(-91)}}), "application/rss+xml");
        reply.delay = delay;
        server.route("acme.example", "/feed.xml", reply);
        return acme;
    }

    void waitForScans()
    {
        EXPECT_TRUE(waitUntil([&] { return !model().isScanning(); }));
    }

    QStringList storyTitles()
    {
        QStringList titles;
        for (const Company &company : model().companies()) {
            for (const Story &story : company.stories)
                titles.append(story.title);
        }
        return titles;
    }
};

TEST_F(AppModelScan, StartingScansEverythingAtOnceAndSchedulesTheNext)
{
    serveAcme();
    model().setWindow(TimeWindow::all);
    const QDateTime before = QDateTime::currentDateTimeUtc();

    model().startScanning();

    EXPECT_TRUE(model().isScanning());
    EXPECT_NEAR(double(before.secsTo(model().nextScan())), 15 * 60, 2);
    waitForScans();
    EXPECT_TRUE(model().lastScan().isValid());
    EXPECT_NEAR(double(before.secsTo(model().nextScan())), 15 * 60, 5);
    // Retention 90: the item of 91 days ago came in and was pruned.
    EXPECT_EQ(storyTitles(), QStringList({"Acme opens a plant"}));
}

TEST_F(AppModelScan, RetentionZeroKeepsEverything)
{
    const qint64 acme = serveAcme();
    model().setWindow(TimeWindow::all);
    model().setRetentionDays(0);

    QCoro::waitFor(model().scan());

    EXPECT_EQ(storyTitles().size(), 2);
    EXPECT_EQ(t.store->itemCount(acme), 2);
}

TEST_F(AppModelScan, ShorterRetentionPrunesAtOnce)
{
    serveAcme();
    model().setWindow(TimeWindow::all);
    model().setRetentionDays(0);
    QCoro::waitFor(model().scan());
    ASSERT_EQ(storyTitles().size(), 2);

    model().setRetentionDays(90);

    EXPECT_EQ(storyTitles(), QStringList({"Acme opens a plant"}));
}

TEST_F(AppModelScan, ACompanyScanLeavesTheScheduleAlone)
{
    const qint64 acme = serveAcme();

    QCoro::waitFor(model().scan(acme));

    EXPECT_TRUE(model().lastScan().isValid());
    EXPECT_FALSE(model().nextScan().isValid());
    EXPECT_EQ(storyTitles(), QStringList({"Acme opens a plant"}));
}

TEST_F(AppModelScan, ASecondFullScanDuringTheFirstReloadsEarly)
{
    serveAcme(1500ms);
    QSignalSpy scanning(&model(), &AppModel::isScanningChanged);

    model().rescan();
    model().rescan();

    // The second returns from the scanner at once with nothing new: the
    // last scan moves, yet the first is still under way.
    EXPECT_TRUE(waitUntil([&] { return model().lastScan().isValid(); }));
    EXPECT_TRUE(model().isScanning());
    EXPECT_TRUE(storyTitles().isEmpty());

    waitForScans();
    EXPECT_EQ(storyTitles(), QStringList({"Acme opens a plant"}));
    EXPECT_EQ(scanning.count(), 2); // on once, off once
}

}
