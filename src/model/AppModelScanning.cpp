// The scan schedule and what follows every scan: filing, pruning, reloading.

#include "AppModel.h"

#include "StoreFailures.h"
#include "Scanner.h"
#include "Store.h"

#include <QPointer>

#include <chrono>
#include <limits>

void AppModel::startScanning()
{
    rescan();
    startTimer();
}

void AppModel::startTimer()
{
    // QTimer counts in int milliseconds: an interval of more than 24 days
    // waits the longest it can rather than overflowing into a busy timer.
    const std::chrono::milliseconds interval = std::chrono::minutes(m_scanIntervalMinutes);
    m_timer.start(std::min(interval, std::chrono::milliseconds(std::numeric_limits<int>::max())));
    update(m_nextScan, QDateTime::currentDateTimeUtc().addSecs(qint64(m_scanIntervalMinutes) * 60),
           &AppModel::nextScanChanged);
}

void AppModel::rescan()
{
    scan();
}

void AppModel::rescan(qint64 companyId)
{
    scan(companyId);
}

QCoro::Task<> AppModel::scan(std::optional<qint64> companyId)
{
    // The model may be gone by the time the scanner is done.
    const QPointer<AppModel> self(this);
    countScan(+1);
    QCoro::Task<ScanReport> scanning = companyId ? m_scanner.scan(*companyId) : m_scanner.scanAll();
    co_await scanning;
    if (!self)
        co_return;

    const QDateTime now = QDateTime::currentDateTimeUtc();
    update(m_lastScan, now, &AppModel::lastScanChanged);
    if (!companyId)
        update(m_nextScan, now.addSecs(qint64(m_scanIntervalMinutes) * 60), &AppModel::nextScanChanged);
    fileDiscoveredPublishers();
    pruneWithoutReload();
    reload();
    countScan(-1);
}

void AppModel::countScan(int step)
{
    const bool wasScanning = isScanning();
    m_activeScans += step;
    if (isScanning() != wasScanning)
        Q_EMIT isScanningChanged();
}

void AppModel::pruneWithoutReload()
{
    if (m_retentionDays > 0)
        ignoringErrors([&] { m_store.prune(m_retentionDays); });
}
