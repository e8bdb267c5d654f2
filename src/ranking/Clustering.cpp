#include "Clustering.h"

#include "WordSplit.h"

#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <numeric>
#include <span>
#include <utility>

namespace Ranking {

namespace {

constexpr qsizetype minimumShared = 3;
constexpr double minimumSimilarity = 0.35;

// A title's tokens as ascending small integers, so that two titles compare
// as integer lists.
using TokenIds = std::span<const qsizetype>;

// The tokens of every title, interned, in one array.
class Vocabulary
{
public:
    explicit Vocabulary(const QList<QString> &titles)
    {
        QList<QString> lowered;
        lowered.reserve(titles.size());
        for (const QString &title : titles)
            lowered.append(lowerCase(title));

        // Each distinct word is judged once: its token id, or -1 when it is
        // no token.
        QHash<QStringView, qsizetype> ids; // views into lowered
        m_ends.reserve(titles.size());
        for (const QString &text : std::as_const(lowered)) {
            const qsizetype start = m_ids.size();
            forEachWord(text, [&](QStringView word) {
                auto id = ids.constFind(word);
                if (id == ids.cend())
                    id = ids.insert(word, isSignificant(word, tokenLength) ? m_tokenCount++ : -1);
                if (*id >= 0)
                    m_ids.append(*id);
            });
            std::sort(m_ids.begin() + start, m_ids.end());
            m_ids.erase(std::unique(m_ids.begin() + start, m_ids.end()), m_ids.end());
            m_ends.append(m_ids.size());
        }
    }

    TokenIds tokens(qsizetype title) const
    {
        const qsizetype start = title == 0 ? 0 : m_ends.at(title - 1);
        return TokenIds(m_ids.constData() + start, m_ids.constData() + m_ends.at(title));
    }

    qsizetype tokenCount() const { return m_tokenCount; }

private:
    QList<qsizetype> m_ids;
    QList<qsizetype> m_ends; // of each title's ids
    qsizetype m_tokenCount = 0;
};

bool sameStory(qsizetype shared, qsizetype size, qsizetype leadSize)
{
    return shared >= minimumShared
        && static_cast<double>(shared) / static_cast<double>(size + leadSize - shared) >= minimumSimilarity;
}

// The stories started so far, and for every token the stories whose lead
// holds it, in the order they were started.
class Stories
{
public:
    explicit Stories(qsizetype tokenCount)
        : m_byToken(tokenCount)
    {
    }

    // The first story that an item of these tokens and this time joins, or
    // -1. Items must come newest first.
    qsizetype find(TokenIds tokens, qint64 at, qint64 span)
    {
        // Stories start newest first, so those a span or more ahead of this
        // item form a prefix, which only grows as the items get older.
        while (m_inSpan < m_stories.size() && m_stories.at(m_inSpan).at - at >= span)
            ++m_inSpan;
        const auto size = static_cast<qsizetype>(tokens.size());
        if (size < minimumShared)
            return -1;

        struct Run {
            qsizetype token;
            std::span<const qsizetype> stories;
        };
        QVarLengthArray<Run, 16> runs;
        for (const qsizetype token : tokens)
            runs.append({token, storiesInSpan(token)});
        std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.stories.size() < b.stories.size(); });

        // A story that shares three tokens shares one with all but the two
        // commonest: only their lists are read, counting what each story
        // shares; the commonest two are looked up in the few leads found.
        const qsizetype read = size - (minimumShared - 1);
        m_found.clear();
        for (qsizetype i = 0; i < read; ++i) {
            for (const qsizetype story : runs.at(i).stories) {
                if (m_shared[story] == 0)
                    m_found.append(story);
                ++m_shared[story];
            }
        }
        qsizetype first = -1;
        for (const qsizetype story : std::as_const(m_found)) {
            qsizetype shared = std::exchange(m_shared[story], 0);
            const TokenIds lead = m_stories.at(story).lead;
            const auto leadSize = static_cast<qsizetype>(lead.size());
            // Most stories found share one word, too few even with both
            // commonest: their leads are not searched.
            if ((first >= 0 && story > first) || !sameStory(shared + size - read, size, leadSize))
                continue;
            for (qsizetype i = read; i < size; ++i)
                shared += std::binary_search(lead.begin(), lead.end(), runs.at(i).token) ? 1 : 0;
            if (sameStory(shared, size, leadSize))
                first = story;
        }
        return first;
    }

    void start(TokenIds tokens, qint64 at, qsizetype position)
    {
        for (const qsizetype token : tokens)
            m_byToken[token].stories.append(m_stories.size());
        m_stories.append({tokens, at, {position}});
        m_shared.append(0);
    }

    void join(qsizetype story, qsizetype position) { m_stories[story].members.append(position); }

    QList<QList<qsizetype>> members() const
    {
        QList<QList<qsizetype>> result;
        result.reserve(m_stories.size());
        for (const Story &story : m_stories)
            result.append(story.members);
        return result;
    }

private:
    struct Story {
        TokenIds lead; // the first item's tokens
        qint64 at; // the first item's time
        QList<qsizetype> members;
    };
    struct Postings {
        QList<qsizetype> stories;
        qsizetype firstInSpan = 0; // moves on with m_inSpan, never back
    };

    std::span<const qsizetype> storiesInSpan(qsizetype token)
    {
        Postings &postings = m_byToken[token];
        const qsizetype *stories = postings.stories.constData();
        while (postings.firstInSpan < postings.stories.size() && stories[postings.firstInSpan] < m_inSpan)
            ++postings.firstInSpan;
        return std::span(stories + postings.firstInSpan, stories + postings.stories.size());
    }

    QList<Story> m_stories;
    QList<Postings> m_byToken;
    qsizetype m_inSpan = 0; // the first story less than a span ahead
    // Scratch of find(): tokens shared with each story (zero between calls),
    // and the stories counted.
    QList<qsizetype> m_shared;
    QList<qsizetype> m_found;
};

}

QList<QList<qsizetype>> clusterPositions(const QList<QString> &titles, const QList<QDateTime> &dates,
                                         std::chrono::seconds span)
{
    Q_ASSERT(titles.size() == dates.size());
    const Vocabulary vocabulary(titles);
    QList<qint64> times;
    times.reserve(dates.size());
    for (const QDateTime &date : dates)
        times.append(date.toMSecsSinceEpoch());

    QList<qsizetype> order(titles.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return times.at(a) > times.at(b); });

    const qint64 spanMs = std::chrono::milliseconds(span).count();
    Stories stories(vocabulary.tokenCount());
    for (const qsizetype position : std::as_const(order)) {
        const TokenIds tokens = vocabulary.tokens(position);
        const qint64 at = times.at(position);
        const qsizetype story = stories.find(tokens, at, spanMs);
        if (story >= 0)
            stories.join(story, position);
        else
            stories.start(tokens, at, position);
    }
    return stories.members();
}

}
