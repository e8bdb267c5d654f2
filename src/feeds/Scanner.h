#pragma once

#include "HttpClient.h"
#include "ScanReport.h"
#include "SourceRecord.h"

#include <QCoroTask>
#include <QDateTime>
#include <QHash>

#include <chrono>
#include <optional>

class Store;
struct ItemRecord;
struct ParsedItem;

// Polls feeds politely: at most five in flight per scan, one request per host
// every 1.2 seconds (also across scans), conditional requests so unchanged
// feeds cost a 304. Every outcome ends on the feed's row.
//
// Lives on one thread; its coroutines interleave only while they wait on the
// network or a timer.
class Scanner
{
public:
    explicit Scanner(Store &store);
    Scanner(const Scanner &) = delete;
    Scanner &operator=(const Scanner &) = delete;

    // The scanner over the shared store, created on first use.
    static Scanner &shared();

    // Scans the enabled feeds of every company; zeros at once while such a
    // scan is already running.
    QCoro::Task<ScanReport> scanAll();
    // Scans one company's enabled feeds, beside any running full scan.
    QCoro::Task<ScanReport> scan(qint64 companyId);

    // The item an entry of the feed becomes, or nothing for an entry without
    // a web address or dated a day or more ahead of now.
    static std::optional<ItemRecord> record(const ParsedItem &entry, const SourceRecord &source, const QDateTime &now);

    static constexpr std::chrono::milliseconds hostInterval{1200};
    static constexpr int maxConcurrent = 5;

private:
    struct Outcome {
        int inserted = 0;
        bool failed = false;
    };

    QCoro::Task<ScanReport> run(std::optional<qint64> companyId);
    QCoro::Task<Outcome> scanFeed(SourceRecord source);
    QCoro::Task<> waitForHost(const QString &host);
    // Records a fetch's outcome; a failure to record it changes nothing.
    void recordFetch(const SourceRecord &source, const std::optional<QString> &etag,
                     const std::optional<QString> &lastModified, const std::optional<QString> &error);

    Store &m_store;
    HttpClient m_session;
    // The last request to each host, or the reserved time of the next one.
    QHash<QString, QDateTime> m_lastRequestByHost;
    bool m_isScanningAll = false;
};
