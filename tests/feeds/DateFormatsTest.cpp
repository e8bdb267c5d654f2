#include "DateFormats.h"
#include "DateShortcut.h"
#include "FeedTesting.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    const char16_t *text;
    std::optional<QDateTime> expected;
};

const QDateTime halfPastTwo = utc(2024, 3, 5, 14, 30);

void expectDates(std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(DateFormats::parse(text), c.expected) << text.toStdString();
        EXPECT_EQ(DateFormats::parseWithPatterns(text), c.expected) << text.toStdString();
    }
}

} // namespace

TEST(DateFormats, ReadsRfc822Dates)
{
    expectDates({
        {u"Tue, 05 Mar 2024 14:30:00 +0000", halfPastTwo},
        {u"Tue, 05 Mar 2024 14:30:00 GMT", halfPastTwo},
        {u"Tue, 05 Mar 2024 15:30:00 +0100", halfPastTwo},
        {u"Tue, 05 Mar 2024 09:30:00 EST", halfPastTwo},
        {u"Tue, 05 Mar 2024 14:30 +0000", halfPastTwo},
        {u"Tue, 5 Mar 2024 14:30:00 UT", halfPastTwo},
        // Lenient: a wrong weekday is ignored.
        {u"Fri, 05 Mar 2024 14:30:00 GMT", halfPastTwo},
        {u"\n  Tue, 05 Mar 2024 14:30:00 GMT \t", halfPastTwo},
    });
}

TEST(DateFormats, ReadsIso8601Dates)
{
    expectDates({
        {u"2024-03-05T14:30:00Z", halfPastTwo},
        {u"2024-03-05T16:30:00+02:00", halfPastTwo},
        {u"2024-03-05T14:30:00.250Z", utc(2024, 3, 5, 14, 30, 0, 250)},
        {u"2024-03-05T13:30:00.123456-01:00", utc(2024, 3, 5, 14, 30, 0, 123)},
        {u"2024-03-05T14:30:00", halfPastTwo},
        {u"2024-03-05 14:30:00", halfPastTwo},
        {u"2024-03-05", utc(2024, 3, 5)},
        {u"2024-02-29", utc(2024, 2, 29)},
    });
}

TEST(DateFormats, TakesOnlyPatternsThatReadTheWholeText)
{
    expectDates({
        // "yyyy-MM-dd" alone would read the 5th and drop the time and zone.
        {u"2024-03-05T23:30:00-05:00", utc(2024, 3, 6, 4, 30)},
        // No pattern has a fraction without a zone.
        {u"2024-03-05T14:30:00.123", std::nullopt},
        // Lenient reading takes the space for the "T" and keeps the zone.
        {u"2024-03-05 19:30:00 +0500", halfPastTwo},
        {u"Tue, 05 Mar 2024 14:30:00 GMT (Pacific)", std::nullopt},
    });
}

TEST(DateFormats, WidensTwoDigitYearsAsWritten)
{
    expectDates({
        {u"Tue, 05 Mar 24 14:30:00 GMT", halfPastTwo},
        {u"Sun, 05 Mar 95 14:30:00 +0000", utc(1995, 3, 5, 14, 30)},
        // The year as written counts, not the year in UTC.
        {u"Sun, 01 Jan 50 00:30:00 +0100", utc(1949, 12, 31, 23, 30)},
        {u"Fri, 31 Dec 49 23:30:00 -0100", utc(2050, 1, 1, 0, 30)},
        {u"0024-03-05", utc(2024, 3, 5)},
        {u"Tue, 05 Mar 00 14:30:00 GMT", utc(2000, 3, 5, 14, 30)},
        {u"Tue, 05 Mar 0100 14:30:00 GMT", utc(100, 3, 5, 14, 30)},
    });
}

TEST(DateFormats, RejectsWhatNoPatternReads)
{
    expectDates({
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"yesterday", std::nullopt},
        {u"05 Mar 2024 14:30:00 GMT", std::nullopt},
        {u"Tue, 05 Mar 2024 14:30:00 CET", std::nullopt},
        {u"10000-01-01", std::nullopt},
        // Out of range: not rolled over into the next month or year.
        {u"2024-13-45", std::nullopt},
        {u"2023-02-29", std::nullopt},
        {u"Tue, 31 Apr 2024 14:30:00 +0000", std::nullopt},
        {u"Tue, 05 Mar 2024 24:00:00 +0000", std::nullopt},
    });
}

TEST(DateFormats, ShortcutAcceptsTheCommonShapes)
{
    for (const char16_t *text : {u"Tue, 05 Mar 2024 14:30:00 +0000", u"Tue, 5 Mar 2024 14:30:00 GMT",
                                 u"Tue, 05 Mar 2024 14:30 -0800", u"2024-03-05T14:30:00Z",
                                 u"2024-03-05T14:30:00.123456+05:30", u"2024-03-05T14:30:00", u"2024-03-05 14:30:00",
                                 u"2024-03-05"})
        EXPECT_TRUE(DateShortcut::parse(QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
}

// The shortcut must give the patterns' answer on every text it accepts. The
// texts are drawn near and across the edges of every field.
TEST(DateFormats, ShortcutAgreesWithThePatterns)
{
    std::mt19937 random(20240305);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    const auto digits = [&pick](int width, int low, int high) {
        return QStringLiteral("%1").arg(pick(low, high), width, 10, QLatin1Char('0'));
    };
    const std::array<QString, 8> weekdays{u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s,
                                          u"Fri"_s, u"Sat"_s, u"Sun"_s, u"Tus"_s};
    const std::array<QString, 13> months{u"Jan"_s, u"Feb"_s, u"Mar"_s, u"Apr"_s, u"May"_s, u"Jun"_s, u"Jul"_s,
                                         u"Aug"_s, u"Sep"_s, u"Oct"_s, u"Nov"_s, u"Dec"_s, u"Mai"_s};
    const std::array<QString, 7> zoneNames{u"GMT"_s, u"UT"_s, u"UTC"_s, u"Z"_s, u"EST"_s, u"PDT"_s, u"gmt"_s};
    const auto year = [&] { return pick(0, 3) == 0 ? digits(4, 0, 9999) : digits(4, 1990, 2030); };
    const auto clock = [&](bool seconds) {
        return QString(digits(2, 0, 25) + u':' + digits(2, 0, 61) + (seconds ? u':' + digits(2, 0, 61) : QString()));
    };
    const auto offset = [&](QStringView separator) {
        return QString((pick(0, 1) ? u"+"_s : u"-"_s) + digits(2, 0, 25) + separator + digits(2, 0, 61));
    };

    int accepted = 0;
    constexpr int count = 20000;
    for (int i = 0; i < count; ++i) {
        QString text;
        if (pick(0, 1) == 0) {
            const QString day = pick(0, 3) == 0 ? QString::number(pick(0, 9)) : digits(2, 0, 32);
            const QString time = clock(pick(0, 4) != 0);
            const QString zone = pick(0, 1) ? zoneNames[size_t(pick(0, 6))] : offset(pick(0, 5) ? u"" : u":");
            text = weekdays[size_t(pick(0, 7))] + u", " + day + u' ' + months[size_t(pick(0, 12))] + u' ' + year()
                + u' ' + time + u' ' + zone;
        } else {
            text = year() + u'-' + digits(2, 0, 13) + u'-' + digits(2, 0, 32);
            switch (pick(0, 4)) {
            case 0:
                break;
            case 1:
                text += u' ' + clock(true);
                break;
            default: {
                text += u'T' + clock(true);
                if (pick(0, 1))
                    text += u'.' + QString::number(pick(0, 999999999)).left(pick(1, 10));
                const int zone = pick(0, 3);
                text += zone == 0 ? u""_s : zone == 1 ? u"Z"_s : offset(zone == 2 ? u":" : u"");
            }
            }
        }
        if (const std::optional<QDateTime> quick = DateShortcut::parse(text)) {
            ++accepted;
            ASSERT_EQ(quick, DateFormats::parseWithPatterns(text)) << text.toStdString();
        }
    }
    // Enough of the draws are valid for the comparison to mean something.
    EXPECT_GT(accepted, count / 4);
}

TEST(DateFormats, ParsesFromSeveralThreadsAtOnce)
{
    const std::array<std::pair<QString, QDateTime>, 4> dates{{
        {u"Tue, 05 Mar 2024 09:30:00 EST"_s, halfPastTwo},
        {u"Tue, 05 Mar 24 14:30:00 GMT"_s, halfPastTwo},
        {u"2024-03-05T14:30:00-00:00"_s, halfPastTwo},
        {u"2024-3-5"_s, utc(2024, 3, 5)},
    }};
    std::array<int, 4> mismatches{};
    std::vector<std::thread> threads;
    for (int &mismatch : mismatches) {
        threads.emplace_back([&dates, &mismatch] {
            for (int round = 0; round < 300; ++round) {
                for (const auto &[text, expected] : dates)
                    mismatch += DateFormats::parseWithPatterns(text) != expected;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, (std::array<int, 4>{}));
}
