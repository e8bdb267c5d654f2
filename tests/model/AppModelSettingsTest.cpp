#include "ModelTesting.h"

#include <gtest/gtest.h>

namespace {

using AppModelSettings = ModelTest;

TEST_F(AppModelSettings, StoredValuesReadByTheirRules)
{
    const struct {
        const char *what;
        QHash<QString, QVariant> stored;
        int interval;
        int retention;
        HoverReveal reveal;
        LearnSources learn;
    } cases[] = {
        {"nothing stored", {}, 15, 90, HoverReveal::scroll, LearnSources::off},
        {"an interval of 0", {{"scanIntervalMinutes", 0}}, 15, 90, HoverReveal::scroll, LearnSources::off},
        {"a negative interval", {{"scanIntervalMinutes", -4}}, 15, 90, HoverReveal::scroll, LearnSources::off},
        {"everything set",
         {{"scanIntervalMinutes", 60}, {"retentionDays", 30}, {"hoverReveal", "tooltip"}, {"learnSources", "addEnabled"}},
         60, 30, HoverReveal::tooltip, LearnSources::addEnabled},
        {"retention 0 keeps everything", {{"retentionDays", 0}}, 15, 0, HoverReveal::scroll, LearnSources::off},
        {"texts that name nothing",
         {{"scanIntervalMinutes", "often"}, {"retentionDays", "long"}, {"hoverReveal", "Tooltip"}, {"learnSources", "on"}},
         15, 90, HoverReveal::scroll, LearnSources::off},
        {"the other policy", {{"learnSources", "addDisabled"}}, 15, 90, HoverReveal::scroll, LearnSources::addDisabled},
    };
    for (const auto &c : cases) {
        QSettings stored = settings();
        stored.clear();
        for (auto value = c.stored.cbegin(); value != c.stored.cend(); ++value)
            stored.setValue(value.key(), value.value());
        stored.sync();

        AppModel model(*t.store, scanner);
        EXPECT_EQ(model.scanIntervalMinutes(), c.interval) << c.what;
        EXPECT_EQ(model.retentionDays(), c.retention) << c.what;
        EXPECT_EQ(model.hoverReveal(), c.reveal) << c.what;
        EXPECT_EQ(model.learnSources(), c.learn) << c.what;
    }
}

TEST_F(AppModelSettings, ChangesAreKeptForTheNextStart)
{
    model().setScanIntervalMinutes(60);
    model().setRetentionDays(0);
    model().setHoverReveal(HoverReveal::tooltip);
    model().setLearnSources(LearnSources::addDisabled);

    const QSettings stored = settings();
    EXPECT_EQ(stored.value("scanIntervalMinutes").toInt(), 60);
    EXPECT_EQ(stored.value("retentionDays").toInt(), 0);
    EXPECT_EQ(stored.value("hoverReveal").toString(), "tooltip");
    EXPECT_EQ(stored.value("learnSources").toString(), "addDisabled");
}

TEST_F(AppModelSettings, ScanPeriodInMinutesUpToAnHour)
{
    const struct {
        int minutes;
        QString period;
    } cases[] = {{15, "15m"}, {59, "59m"}, {60, "1h"}, {90, "1h"}, {120, "2h"}};
    for (const auto &c : cases) {
        model().setScanIntervalMinutes(c.minutes);
        EXPECT_EQ(model().scanPeriod(), c.period) << c.minutes;
    }
}

TEST_F(AppModelSettings, ANewIntervalRestartsTheScheduleWithoutScanning)
{
    EXPECT_FALSE(model().nextScan().isValid());
    const QDateTime before = QDateTime::currentDateTimeUtc();
    model().setScanIntervalMinutes(60);
    EXPECT_NEAR(double(before.secsTo(model().nextScan())), 3600, 2);
    EXPECT_FALSE(model().isScanning());
    EXPECT_FALSE(model().lastScan().isValid());

    // An interval below a minute would scan without pause; it reads as 15.
    model().setScanIntervalMinutes(0);
    EXPECT_EQ(model().scanIntervalMinutes(), 15);
    EXPECT_EQ(settings().value("scanIntervalMinutes").toInt(), 15);
}

TEST_F(AppModelSettings, LearningOnFilesTheOutletsItemsNamed)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    addItem(acme, "Acme in a small paper", "smallpaper.example", 10);
    ASSERT_TRUE(model().companies().first().stories.isEmpty());

    model().setLearnSources(LearnSources::addEnabled);

    EXPECT_EQ(model().companies().first().stories.size(), 1);
    EXPECT_EQ(model().publishers().first().domain, "smallpaper.example");
}

}
