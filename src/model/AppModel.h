#pragma once

#include "CatalogRecord.h"
#include "Company.h"
#include "Drafts.h"
#include "HoverReveal.h"
#include "LearnSources.h"
#include "Publisher.h"
#include "SourceCategory.h"
#include "SourceKind.h"
#include "SourceRecord.h"
#include "TimeWindow.h"
#include "TopSlot.h"

#include <QCoroTask>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QSettings>
#include <QTimer>

#include <optional>

class Scanner;
class Store;

// How many paywalled outlets are switched on, of how many.
struct PaywalledCoverage {
    Q_GADGET
    Q_PROPERTY(int on MEMBER on CONSTANT)
    Q_PROPERTY(int total MEMBER total CONSTANT)

public:
    int on = 0;
    int total = 0;

    friend bool operator==(const PaywalledCoverage &, const PaywalledCoverage &) = default;
};

// The state the panel draws, rebuilt from the database by reload() after
// every change, with the user's settings, the scan schedule and every action
// the panel offers. Lives on the main thread; scans and discovery suspend off
// it and come back to it before touching anything here.
class AppModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<Company> companies READ companies NOTIFY companiesChanged)
    Q_PROPERTY(QList<TopSlot> topSlots READ topSlots NOTIFY topSlotsChanged)
    Q_PROPERTY(int feedCount READ feedCount NOTIFY feedCountChanged)
    Q_PROPERTY(int failingCount READ failingCount NOTIFY failingCountChanged)
    Q_PROPERTY(int storedItemCount READ storedItemCount NOTIFY storedItemCountChanged)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY isScanningChanged)
    Q_PROPERTY(Populating populating READ populating NOTIFY populatingChanged)
    Q_PROPERTY(QDateTime lastScan READ lastScan NOTIFY lastScanChanged)
    Q_PROPERTY(QDateTime nextScan READ nextScan NOTIFY nextScanChanged)
    Q_PROPERTY(QList<Publisher> publishers READ publishers NOTIFY publishersChanged)
    Q_PROPERTY(QList<SourceRecord> feeds READ feeds NOTIFY feedsChanged)
    Q_PROPERTY(QList<CatalogRecord> catalog READ catalog NOTIFY catalogChanged)
    Q_PROPERTY(QSet<QString> hiddenPublishers READ hiddenPublishers NOTIFY hiddenPublishersChanged)
    Q_PROPERTY(TimeWindow window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(int scanIntervalMinutes READ scanIntervalMinutes WRITE setScanIntervalMinutes NOTIFY scanIntervalMinutesChanged)
    Q_PROPERTY(int retentionDays READ retentionDays WRITE setRetentionDays NOTIFY retentionDaysChanged)
    Q_PROPERTY(HoverReveal hoverReveal READ hoverReveal WRITE setHoverReveal NOTIFY hoverRevealChanged)
    Q_PROPERTY(LearnSources learnSources READ learnSources WRITE setLearnSources NOTIFY learnSourcesChanged)
    Q_PROPERTY(QString thinCoverageNote READ thinCoverageNote NOTIFY thinCoverageNoteChanged)
    Q_PROPERTY(QString scanPeriod READ scanPeriod NOTIFY scanIntervalMinutesChanged)
    Q_PROPERTY(int clearableSourceCount READ clearableSourceCount NOTIFY catalogChanged)
    Q_PROPERTY(PaywalledCoverage paywalledCoverage READ paywalledCoverage NOTIFY catalogChanged)

public:
    using Populating = QMap<qint64, QString>;

    // Files the tracked companies' sites and the outlets seen so far, then
    // reads everything. Scanning waits for startScanning().
    AppModel(Store &store, Scanner &scanner, QObject *parent = nullptr);
    ~AppModel() override;

    [[nodiscard]] const QList<Company> &companies() const { return m_companies; }
    [[nodiscard]] const QList<TopSlot> &topSlots() const { return m_topSlots; }
    [[nodiscard]] int feedCount() const { return m_feedCount; }
    [[nodiscard]] int failingCount() const { return m_failingCount; }
    [[nodiscard]] int storedItemCount() const { return m_storedItemCount; }
    [[nodiscard]] bool isScanning() const { return m_activeScans > 0; }
    [[nodiscard]] const Populating &populating() const { return m_populating; }
    [[nodiscard]] QDateTime lastScan() const { return m_lastScan; }
    [[nodiscard]] QDateTime nextScan() const { return m_nextScan; }
    [[nodiscard]] const QList<Publisher> &publishers() const { return m_publishers; }
    [[nodiscard]] const QList<SourceRecord> &feeds() const { return m_feeds; }
    [[nodiscard]] const QList<CatalogRecord> &catalog() const { return m_catalog; }
    [[nodiscard]] const QSet<QString> &hiddenPublishers() const { return m_hiddenPublishers; }
    [[nodiscard]] QString thinCoverageNote() const { return m_thinCoverageNote; }

    // Settings: the window lasts as long as the program, the rest is kept.
    [[nodiscard]] TimeWindow window() const { return m_window; }
    void setWindow(TimeWindow window);
    [[nodiscard]] int scanIntervalMinutes() const { return m_scanIntervalMinutes; }
    void setScanIntervalMinutes(int minutes);
    [[nodiscard]] int retentionDays() const { return m_retentionDays; }
    void setRetentionDays(int days);
    [[nodiscard]] HoverReveal hoverReveal() const { return m_hoverReveal; }
    void setHoverReveal(HoverReveal reveal);
    [[nodiscard]] LearnSources learnSources() const { return m_learnSources; }
    void setLearnSources(LearnSources policy);

    // The scan interval as the title bar writes it: "15m", "2h".
    [[nodiscard]] QString scanPeriod() const;
    // Learned outlets that are switched off: what clearing them would remove.
    [[nodiscard]] int clearableSourceCount() const;
    [[nodiscard]] PaywalledCoverage paywalledCoverage() const;

    // The source bar's outlets for one company; publishers() for all.
    Q_INVOKABLE QList<Publisher> publishersFor(const Company &company) const;
    // The company's feeds, enabled or not.
    Q_INVOKABLE int feedCountFor(const Company &company) const;
    // The name of the company a feed belongs to, or empty text.
    QString companyName(const SourceRecord &feed) const;

    // Rebuilds every list from the database. A failed read empties the
    // companies, top slots and publishers and leaves the rest as it was.
    Q_INVOKABLE void reload();

    // Scanning: one full scan now, then one every interval.
    Q_INVOKABLE void startScanning();
    void startTimer();
    // Scans one company, or every company; then files new outlets, prunes
    // old items and reloads.
    QCoro::Task<> scan(std::optional<qint64> companyId = std::nullopt);
    // A full scan, not waited for: the menu's and title bar's rescan.
    Q_INVOKABLE void rescan();
    // Deletes the items older than the retention, unless it is off.
    void pruneWithoutReload();

    // Editing. Store errors are ignored: the panel shows what reload finds.
    Q_INVOKABLE void addCompany(const CompanyDraft &draft);
    Q_INVOKABLE void updateCompany(const Company &company, const QString &name, const QString &aliases,
                                   const QColor &tint, const QList<LinkDraft> &links);
    void apply(const QList<LinkDraft> &drafts, qint64 companyId);
    QCoro::Task<bool> adoptLogo(QString address, qint64 companyId, QString domain);
    std::optional<CompanyRecord> record(const Company &company);
    void addFeed(qint64 companyId, SourceKind kind, const QString &url, const QString &title);
    void updateFeed(qint64 id, qint64 companyId, SourceKind kind, const QString &url, const QString &title);
    void retry(const SourceRecord &feed);
    void setFeedEnabled(const SourceRecord &feed, bool enabled);
    void addCustomSource(const QString &domain, const QString &name, SourceCategory category);
    Q_INVOKABLE void toggleDisplay(const Publisher &publisher);
    Q_INVOKABLE void setDisplayed(bool shown, const QList<Publisher> &publishers);

    // The status of a company whose feeds are first being read.
    static QString readingStatus(qsizetype feedCount);

Q_SIGNALS:
    void companiesChanged();
    void topSlotsChanged();
    void feedCountChanged();
    void failingCountChanged();
    void storedItemCountChanged();
    void isScanningChanged();
    void populatingChanged();
    void lastScanChanged();
    void nextScanChanged();
    void publishersChanged();
    void feedsChanged();
    void catalogChanged();
    void hiddenPublishersChanged();
    void windowChanged();
    void scanIntervalMinutesChanged();
    void retentionDaysChanged();
    void hoverRevealChanged();
    void learnSourcesChanged();
    void thinCoverageNoteChanged();

private:
    struct Snapshot;

    Snapshot read() const;
    void publish(Snapshot snapshot);
    void publishEmpty();
    // The note under the list when learning is off and companies show few
    // of the outlets their items came from.
    QString coverageNote() const;

    // Sets a published field and tells the views, when it changed.
    template<typename T>
    void update(T &field, T value, void (AppModel::*changed)())
    {
        if (field == value)
            return;
        field = std::move(value);
        Q_EMIT(this->*changed)();
    }

    void setPopulating(qint64 companyId, const std::optional<QString> &status);
    void countScan(int step);
    void fileDiscoveredPublishers();
    QCoro::Task<> populate(CompanyDraft draft, QString domain, QColor tint);
    // Starts a scan of one company without waiting for it.
    void rescan(qint64 companyId);

    Store &m_store;
    Scanner &m_scanner;
    QSettings m_settings;
    QTimer m_timer;

    QList<Company> m_companies;
    QList<TopSlot> m_topSlots;
    int m_feedCount = 0;
    int m_failingCount = 0;
    int m_storedItemCount = 0;
    int m_activeScans = 0;
    Populating m_populating;
    QDateTime m_lastScan;
    QDateTime m_nextScan;
    QList<Publisher> m_publishers;
    QHash<qint64, QList<Publisher>> m_publishersByCompany;
    QHash<qint64, int> m_collectedPublishersByCompany;
    QList<SourceRecord> m_feeds;
    QList<CatalogRecord> m_catalog;
    QSet<QString> m_hiddenPublishers;
    QString m_thinCoverageNote;

    TimeWindow m_window = TimeWindow::day;
    int m_scanIntervalMinutes;
    int m_retentionDays;
    HoverReveal m_hoverReveal;
    LearnSources m_learnSources;
};
