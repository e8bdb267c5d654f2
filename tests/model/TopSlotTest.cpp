#include "ModelTesting.h"
#include "TopSlot.h"

#include <gtest/gtest.h>

namespace {

Story story(const QString &id, Severity severity, qint64 ageMinutes, const QStringList &domains)
{
    Story made{.id = id, .title = id, .severity = severity, .ageMinutes = ageMinutes};
    for (const QString &domain : domains)
        made.sources.append({.domain = domain, .url = QUrl("https://" + domain + "/" + id)});
    return made;
}

Company company(const QString &name, const QList<Story> &stories)
{
    return {.name = name, .stories = stories};
}

QStringList titles(const QList<TopSlot> &lines)
{
    QStringList list;
    for (const TopSlot &line : lines)
        list.append(line.title);
    return list;
}

TEST(TopSlotTest, FillsTheWidestReachFirst)
{
    const QString quiet = "Nothing scanned yet";
    const struct {
        const char *what;
        QList<Company> companies;
        QStringList titles;
    } cases[] = {
        {"nothing at all", {}, {quiet, quiet, quiet}},
        {"one story half an hour old", {company("Acme", {story("fresh", Severity::routine, 30, {"wsj.com"})})},
         {"fresh", quiet, quiet}},
        {"an old high and a recent notable",
         {company("Acme", {story("old", Severity::high, 3 * 1440, {"ft.com"}), story("recent", Severity::notable, 10, {"ft.com"})})},
         {"old", "recent", quiet}},
        {"equal high stories: more hits win",
         {company("Acme", {story("three", Severity::high, 20, {"a.com", "b.com", "c.com"})}),
          company("Bolt", {story("five", Severity::high, 20, {"a.com", "b.com", "c.com", "d.com", "e.com"})})},
         {"five", "three", quiet}},
        {"nothing within a week", {company("Acme", {story("ancient", Severity::high, 20000, {"ft.com"})})},
         {quiet, quiet, quiet}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(titles(TopSlot::build(c.companies, {})), c.titles) << c.what;
}

TEST(TopSlotTest, TrailsNameOutletsAgeAndCompany)
{
    const QList<Company> companies{
        company("Acme", {story("one outlet", Severity::high, 120, {"wsj.com", "wsj.com"})}),
        company("Bolt", {story("three outlets", Severity::notable, 30, {"wsj.com", "ft.com", ""})}),
    };
    const QList<TopSlot> lines = TopSlot::build(companies, {});
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].window, "7d");
    EXPECT_EQ(lines[0].trail, "2h · Acme");
    EXPECT_EQ(lines[0].source, "wsj.com");
    EXPECT_EQ(lines[0].url, QUrl("https://wsj.com/one outlet"));
    EXPECT_EQ(lines[0].severity, Severity::high);
    EXPECT_EQ(lines[1].trail, "+2 · 30m · Bolt");
    EXPECT_TRUE(lines[2].isQuiet);
    EXPECT_EQ(lines[2].severity, Severity::none);
    EXPECT_EQ(lines[2].trail, "last: Bolt");
    EXPECT_TRUE(lines[2].url.isEmpty());
}

TEST(TopSlotTest, QuietLinesSayWhenTheLastScanWas)
{
    const QDateTime lastScan = QDateTime::currentDateTime();
    EXPECT_EQ(TopSlot::quietLine({}), "Nothing scanned yet");
    EXPECT_EQ(TopSlot::quietLine(lastScan), "Quiet since " + QLocale::system().toString(lastScan, "HH:mm"));
    EXPECT_EQ(TopSlot::build({}, {}).first().trail, "nothing yet");
}

}
