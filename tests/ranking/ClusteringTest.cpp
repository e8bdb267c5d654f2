#include "Clustering.h"
#include "QtPrinters.h"
#include "Words.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

struct Headline {
    int id = 0;
    QString title;
    QDateTime at;
};

const QDateTime noon(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC);

QList<QList<int>> ids(const QList<QList<Headline>> &stories)
{
    QList<QList<int>> result;
    for (const QList<Headline> &story : stories) {
        QList<int> &members = result.emplaceBack();
        for (const Headline &item : story)
            members.append(item.id);
    }
    return result;
}

QList<QList<int>> clustered(const QList<Headline> &items, std::chrono::seconds span = Ranking::storySpan)
{
    return ids(Ranking::cluster(items, &Headline::title, &Headline::at, span));
}

// The grouping done the plain way: every item against the first item of
// every story started before it.
QList<QList<int>> straightforward(QList<Headline> items, std::chrono::seconds span)
{
    std::stable_sort(items.begin(), items.end(), [](const Headline &a, const Headline &b) { return a.at > b.at; });
    struct Story {
        QSet<QString> lead;
        QDateTime at;
        QList<Headline> members;
    };
    QList<Story> stories;
    for (const Headline &item : std::as_const(items)) {
        const QSet<QString> tokens = Ranking::tokens(item.title);
        const auto joins = [&](const Story &story) {
            const auto shared = static_cast<double>(QSet(tokens).intersect(story.lead).size());
            const auto together = static_cast<double>(QSet(tokens).unite(story.lead).size());
            return std::chrono::milliseconds(qAbs(story.at.msecsTo(item.at))) < span && shared >= 3
                && shared / together >= 0.35;
        };
        const auto story = std::find_if(stories.begin(), stories.end(), joins);
        if (story != stories.end())
            story->members.append(item);
        else
            stories.append({tokens, item.at, {item}});
    }
    QList<QList<Headline>> result;
    for (const Story &story : std::as_const(stories))
        result.append(story.members);
    return ids(result);
}

} // namespace

TEST(Clustering, TimeAndSharedTokensDecideWhetherTwoItemsAreOneStory)
{
    // The first item's five tokens against the second's: three shared of
    // eight in all is 0.375, enough; three of nine is 0.333, not.
    const QString lead = "Alpha bravo charlie delta echo";
    const std::tuple<QString, std::chrono::milliseconds, bool> cases[] = {
        {"alpha bravo charlie foxtrot golf hotel", 71h, true},
        {"alpha bravo charlie foxtrot golf hotel", 72h - 1ms, true},
        {"alpha bravo charlie foxtrot golf hotel", 72h, false},
        {"alpha bravo charlie foxtrot golf hotel", -71h, true},
        {"alpha bravo charlie foxtrot golf hotel", -72h, false},
        {"alpha bravo charlie foxtrot golf hotel india", 1h, false},
        {"alpha bravo foxtrot golf hotel", 1h, false},
        {"The alpha, the bravo and the charlie", 0h, true},
        {"alpha bravo charlie", 0h, true},
        {"alpha bravo", 0h, false},
    };
    for (const auto &[title, before, together] : cases) {
        const QList<Headline> items{{1, lead, noon}, {2, title, noon.addMSecs(-before.count())}};
        const auto [newer, older] = before.count() >= 0 ? std::pair(1, 2) : std::pair(2, 1);
        const QList<QList<int>> expected = together ? QList<QList<int>>{{newer, older}}
                                                    : QList<QList<int>>{{newer}, {older}};
        EXPECT_EQ(clustered(items), expected) << title.toStdString() << ", " << before.count() << " ms earlier";
    }
}

TEST(Clustering, ASimilarityOfExactlyPointThirtyFiveIsEnough)
{
    // Words w1 to w20 in the titles of both items, 7 of them shared: 7/20.
    const auto words = [](int first, int last) {
        QStringList title;
        for (int n = first; n <= last; ++n)
            title.append(QStringLiteral("w%1").arg(n, 2, 10, QLatin1Char('0')));
        return title.join(u' ');
    };
    const QList<Headline> items{{1, words(1, 13), noon}, {2, words(7, 20), noon}};
    EXPECT_EQ(clustered(items), (QList<QList<int>>{{1, 2}}));
    const QList<Headline> oneMore{{1, words(1, 14), noon}, {2, words(8, 21), noon}};
    EXPECT_EQ(clustered(oneMore), (QList<QList<int>>{{1}, {2}}));
}

TEST(Clustering, StoriesAreOrderedByTheirNewestItem)
{
    const QList<Headline> items{
        {1, "Acme opens a plant in Ohio", noon.addSecs(-7200)},
        {2, "Beta recalls its batteries worldwide", noon},
        {3, "Acme plant in Ohio opens today", noon.addSecs(-3600)},
        {4, "Beta batteries recalls worldwide", noon.addSecs(-3600)},
    };
    EXPECT_EQ(clustered(items), (QList<QList<int>>{{2, 4}, {3, 1}}));
}

TEST(Clustering, EqualDatesKeepTheirOrder)
{
    const QList<Headline> items{{1, "alpha bravo charlie", noon}, {2, "charlie bravo alpha", noon}};
    EXPECT_EQ(clustered(items), (QList<QList<int>>{{1, 2}}));
    EXPECT_EQ(clustered({items[1], items[0]}), (QList<QList<int>>{{2, 1}}));
}

TEST(Clustering, AnItemJoinsTheFirstQualifyingStoryNotTheMostSimilar)
{
    const QList<Headline> items{
        {1, "alpha bravo charlie delta echo", noon},
        {2, "alpha bravo foxtrot golf hotel", noon.addSecs(-60)},
        {3, "alpha bravo charlie foxtrot golf", noon.addSecs(-120)},
    };
    EXPECT_EQ(clustered(items), (QList<QList<int>>{{1, 3}, {2}}));
}

TEST(Clustering, AnItemIsComparedWithTheFirstMemberOnly)
{
    const QList<Headline> items{
        {1, "alpha bravo charlie delta", noon},
        {2, "alpha bravo charlie echo foxtrot", noon.addSecs(-60)},
        {3, "alpha echo foxtrot golf", noon.addSecs(-120)},
    };
    EXPECT_EQ(clustered(items), (QList<QList<int>>{{1, 2}, {3}}));
}

TEST(Clustering, AnyAccessorsServe)
{
    EXPECT_TRUE(clustered({}).isEmpty());
    const QList<std::pair<QString, qint64>> items{{"alpha bravo charlie", 0}, {"alpha bravo charlie", 10}};
    const auto stories = Ranking::cluster(
        items, [](const auto &item) { return item.first; },
        [](const auto &item) { return QDateTime::fromSecsSinceEpoch(item.second, Qt::UTC); }, 10s);
    EXPECT_EQ(stories, (QList<QList<std::pair<QString, qint64>>>{{items[1]}, {items[0]}}));
}

TEST(Clustering, GroupsExactlyAsTheStraightforwardWay)
{
    // Few words, so that most titles share three; whole hours, so that many
    // items share a date or lie exactly a span apart.
    const QStringList words{"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india"};
    const QStringList fillers{"the", "of", "says", "up", "ok", "Alpha"};
    for (quint32 seed = 1; seed <= 500; ++seed) {
        QRandomGenerator random(seed);
        const int vocabulary = random.bounded(4, int(words.size()) + 1);
        const int spanHours = random.bounded(0, 6);
        QList<Headline> items;
        for (int id = random.bounded(80); id > 0; --id) {
            QStringList title;
            for (int n = random.bounded(1, 9); n > 0; --n)
                title.append(random.bounded(5) ? words.at(random.bounded(vocabulary)) : fillers.at(random.bounded(6)));
            items.append({id, title.join(u' '), noon.addSecs(-3600 * random.bounded(4 * spanHours + 4))});
        }
        const std::chrono::hours span(spanHours);
        ASSERT_EQ(clustered(items, span), straightforward(items, span)) << "seed " << seed;
    }
}
