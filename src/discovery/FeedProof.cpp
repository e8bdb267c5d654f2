#include "FeedProof.h"

#include "FeedParser.h"
#include "PageFetching.h"

#include <vector>

namespace Discovery {

namespace {

// Shorter answers are placeholders, never feeds.
constexpr qsizetype shortestFeed = 65;

// Appends candidate to proved once it proves to be a feed; proved outlives
// the check.
QCoro::Task<> proveInto(QList<FoundFeed> &proved, FoundFeed candidate, QDeadlineTimer deadline)
{
    const bool found = co_await isFeed(candidate.url, deadline);
    if (found)
        proved.append(std::move(candidate));
}

}

const QList<std::pair<QString, SourceKind>> &probes()
{
    static const QList<std::pair<QString, SourceKind>> paths{
        {QStringLiteral("/feed"), SourceKind::press},
        {QStringLiteral("/rss"), SourceKind::press},
        {QStringLiteral("/feed.xml"), SourceKind::press},
        {QStringLiteral("/rss.xml"), SourceKind::press},
        {QStringLiteral("/atom.xml"), SourceKind::press},
        {QStringLiteral("/index.xml"), SourceKind::press},
        {QStringLiteral("/blog/feed"), SourceKind::blog},
        {QStringLiteral("/blog/rss"), SourceKind::blog},
        {QStringLiteral("/blog/feed.xml"), SourceKind::blog},
        {QStringLiteral("/news/feed"), SourceKind::press},
        {QStringLiteral("/news/rss"), SourceKind::press},
        {QStringLiteral("/press/feed"), SourceKind::press},
        {QStringLiteral("/newsroom/feed"), SourceKind::press},
        {QStringLiteral("/newsroom/rss"), SourceKind::press},
        {QStringLiteral("/investors/feed"), SourceKind::ir},
        {QStringLiteral("/investor-relations/feed"), SourceKind::ir},
    };
    return paths;
}

QCoro::Task<bool> isFeed(QString url, QDeadlineTimer deadline)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid())
        co_return false;
    const auto body = co_await fetchData(address, deadline);
    co_return body && body->size() >= shortestFeed && FeedParser::parse(*body).has_value();
}

QCoro::Task<QList<FoundFeed>> prove(QList<FoundFeed> candidates, QDeadlineTimer deadline)
{
    QList<FoundFeed> proved;
    std::vector<QCoro::Task<>> checks;
    checks.reserve(static_cast<std::size_t>(candidates.size()));
    for (FoundFeed &candidate : candidates)
        checks.push_back(proveInto(proved, std::move(candidate), deadline));
    for (QCoro::Task<> &check : checks)
        co_await check;
    co_return proved;
}

QCoro::Task<QList<FoundFeed>> probe(QString domain, QDeadlineTimer deadline)
{
    QList<FoundFeed> guesses;
    for (const auto &[path, kind] : probes())
        guesses.append({kind, QStringLiteral("https://") + domain + path, toText(kind)});
    QList<FoundFeed> found = co_await prove(std::move(guesses), deadline);
    co_return found;
}

}
