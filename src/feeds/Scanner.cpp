#include "Scanner.h"

#include "FeedParser.h"
#include "Grading.h"
#include "Links.h"
#include "Outlets.h"
#include "Store.h"
#include "UserAgent.h"
#include "Words.h"

#include <QCoroTimer>

#include <vector>

using namespace std::chrono_literals;

namespace {

HttpClientSettings sessionSettings()
{
    return {
        .headers = {{"User-Agent", UserAgent::full},
                    {"Accept", "application/rss+xml, application/atom+xml, application/xml, text/xml, "
                               "application/json;q=0.9, */*;q=0.8"}},
        .idleTimeout = 20s,
    };
}

// Only absolute web addresses can be fetched; anything else is recorded on
// the feed so that the user learns why it never updates.
bool isFetchable(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
}

std::optional<QString> headerText(const HttpResponse &response, QByteArrayView name)
{
    const std::optional<QByteArray> value = response.header(name);
    return value ? std::optional(QString::fromLatin1(*value)) : std::nullopt;
}

}

Scanner::Scanner(Store &store)
    : m_store(store)
    , m_session(sessionSettings())
{
}

Scanner &Scanner::shared()
{
    // Never destroyed: its network session must not outlive the application
    // object, which goes first at exit.
    static Scanner *const scanner = new Scanner(Store::shared());
    return *scanner;
}

QCoro::Task<ScanReport> Scanner::scanAll()
{
    return run(std::nullopt);
}

QCoro::Task<ScanReport> Scanner::scan(qint64 companyId)
{
    return run(companyId);
}

QCoro::Task<ScanReport> Scanner::run(std::optional<qint64> companyId)
{
    const bool all = !companyId;
    if (all) {
        if (m_isScanningAll)
            co_return ScanReport{};
        m_isScanningAll = true;
    }

    QList<SourceRecord> feeds;
    try {
        feeds = m_store.sources(companyId);
    } catch (const DatabaseError &) {
    }
    feeds.removeIf([](const SourceRecord &feed) { return !feed.enabled; });

    // Fixed batches, not a sliding window: a slow feed holds back the next
    // batch, which bounds what any scan keeps open.
    ScanReport report;
    for (qsizetype first = 0; first < feeds.size(); first += maxConcurrent) {
        std::vector<QCoro::Task<Outcome>> batch;
        for (const SourceRecord &feed : feeds.mid(first, maxConcurrent))
            batch.push_back(scanFeed(feed));
        for (QCoro::Task<Outcome> &task : batch) {
            const Outcome outcome = co_await task;
            report.newItems += outcome.inserted;
            report.scanned += 1;
            report.failed += outcome.failed ? 1 : 0;
        }
    }

    if (all)
        m_isScanningAll = false;
    co_return report;
}

QCoro::Task<> Scanner::waitForHost(const QString &host)
{
    if (host.isEmpty())
        co_return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto last = m_lastRequestByHost.constFind(host);
    if (last != m_lastRequestByHost.cend() && last->msecsTo(now) < hostInterval.count()) {
        // Reserve the next slot before sleeping, so feeds on one host queue
        // up 1.2 seconds apart in the order they arrived.
        const QDateTime slot = last->addMSecs(hostInterval.count());
        m_lastRequestByHost.insert(host, slot);
        co_await QCoro::sleepFor(std::chrono::milliseconds(now.msecsTo(slot)));
        co_return;
    }
    m_lastRequestByHost.insert(host, now);
}

QCoro::Task<Scanner::Outcome> Scanner::scanFeed(SourceRecord source)
{
    const QUrl url(source.url, QUrl::StrictMode);
    if (!source.id)
        co_return Outcome{.failed = true};
    if (!isFetchable(url)) {
        recordFetch(source, std::nullopt, std::nullopt, QStringLiteral("unsupported URL"));
        co_return Outcome{.failed = true};
    }

    co_await waitForHost(url.host());

    HttpRequest request{.url = url, .timeout = 60s};
    if (source.etag)
        request.headers.append({"If-None-Match", source.etag->toLatin1()});
    if (source.lastModified)
        request.headers.append({"If-Modified-Since", source.lastModified->toLatin1()});
    const HttpResult result = co_await m_session.send(request);

    if (!result) {
        recordFetch(source, std::nullopt, std::nullopt, result.error().description);
        co_return Outcome{.failed = true};
    }
    if (result->status == 304) {
        recordFetch(source, source.etag, source.lastModified, std::nullopt);
        co_return Outcome{};
    }
    if (result->status < 200 || result->status > 299) {
        recordFetch(source, std::nullopt, std::nullopt, QStringLiteral("HTTP ") + QString::number(result->status));
        co_return Outcome{.failed = true};
    }
    const std::optional<ParsedFeed> feed = FeedParser::parse(result->body);
    if (!feed) {
        recordFetch(source, std::nullopt, std::nullopt, QStringLiteral("unparseable"));
        co_return Outcome{.failed = true};
    }

    const QDateTime now = QDateTime::currentDateTimeUtc();
    QList<ItemRecord> items;
    for (const ParsedItem &entry : feed->items) {
        if (std::optional<ItemRecord> item = record(entry, source, now))
            items.append(std::move(*item));
    }
    int inserted = 0;
    try {
        if (!items.isEmpty())
            inserted = m_store.insert(items);
    } catch (const DatabaseError &error) {
        recordFetch(source, std::nullopt, std::nullopt, QString::fromUtf8(error.what()));
        co_return Outcome{.failed = true};
    }
    recordFetch(source, headerText(*result, "ETag"), headerText(*result, "Last-Modified"), std::nullopt);
    co_return Outcome{.inserted = inserted};
}

void Scanner::recordFetch(const SourceRecord &source, const std::optional<QString> &etag,
                          const std::optional<QString> &lastModified, const std::optional<QString> &error)
{
    try {
        m_store.recordFetch(*source.id, etag, lastModified, error);
    } catch (const DatabaseError &) {
    }
}

std::optional<ItemRecord> Scanner::record(const ParsedItem &entry, const SourceRecord &source, const QDateTime &now)
{
    if (!source.id)
        return std::nullopt;
    const QString url = Ranking::canonicalize(Ranking::unwrapGoogleNews(entry.link));
    if (!url.startsWith(u"http"))
        return std::nullopt;
    const QString publisher = entry.sourceURL ? Ranking::domain(*entry.sourceURL) : Ranking::domain(url);

    // News-search results carry their outlet's name after the headline.
    QString title = entry.title;
    if (entry.sourceName && !entry.sourceName->isEmpty()) {
        const QString suffix = QStringLiteral(" - ") + *entry.sourceName;
        if (title.endsWith(suffix) && title.size() > suffix.size())
            title.chop(suffix.size());
    }

    const QDateTime publishedAt = entry.published.value_or(now);
    if (publishedAt >= now.addSecs(86400))
        return std::nullopt;

    return ItemRecord{
        .sourceId = *source.id,
        .companyId = source.companyId,
        .url = url,
        .title = title,
        .summary = entry.summary,
        .publishedAt = publishedAt,
        .discoveredAt = now,
        .clusterKey = Ranking::clusterKey(title),
        .severity = toText(Ranking::severity(title)),
        .publisher = publisher,
    };
}
