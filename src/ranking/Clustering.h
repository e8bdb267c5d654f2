#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <chrono>
#include <functional>

// Which articles tell the same story.
namespace Ranking {

// How far apart the items of one story may lie in time.
inline constexpr std::chrono::seconds storySpan = std::chrono::hours(72);

// Stories of items given by their titles and dates (one each per item), as
// lists of positions into those lists; see cluster().
QList<QList<qsizetype>> clusterPositions(const QList<QString> &titles, const QList<QDateTime> &dates,
                                         std::chrono::seconds span);

// Groups items into stories. Items are taken newest first (equal dates in
// the given order), and each joins the first story started before it whose
// first item is less than span away and shares at least three tokens with
// it, at least 0.35 of the tokens of both together; otherwise it starts a
// story. Stories come in the order they were started, which is newest first,
// and list their items in the order they joined.
//
// title and date are anything std::invoke can call on an item, such as
// &ItemRecord::title.
template<typename Item, typename TitleOf, typename DateOf>
QList<QList<Item>> cluster(const QList<Item> &items, TitleOf title, DateOf date, std::chrono::seconds span)
{
    QList<QString> titles;
    QList<QDateTime> dates;
    titles.reserve(items.size());
    dates.reserve(items.size());
    for (const Item &item : items) {
        titles.append(std::invoke(title, item));
        dates.append(std::invoke(date, item));
    }

    const QList<QList<qsizetype>> positions = clusterPositions(titles, dates, span);
    QList<QList<Item>> stories;
    stories.reserve(positions.size());
    for (const QList<qsizetype> &story : positions) {
        QList<Item> &members = stories.emplaceBack();
        members.reserve(story.size());
        for (const qsizetype position : story)
            members.append(items.at(position));
    }
    return stories;
}

}
