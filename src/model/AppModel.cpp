#include "AppModel.h"

#include "Age.h"
#include "ModelSettings.h"
#include "Paywall.h"
#include "Scanner.h"
#include "Store.h"
#include "StoreFailures.h"

#include <algorithm>

// Everything one reload reads and builds, published only once all of it is
// in hand, so that a failed read never leaves the views half updated.
struct AppModel::Snapshot {
    QList<CatalogRecord> catalog;
    QHash<qint64, int> collectedPublishersByCompany;
    QList<Publisher> publishers;
    QHash<qint64, QList<Publisher>> publishersByCompany;
    QList<Company> companies;
    QList<SourceRecord> feeds;
    int storedItemCount = 0;
    int feedCount = 0;
    int failingCount = 0;
};

AppModel::AppModel(Store &store, Scanner &scanner, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_scanner(scanner)
    , m_settings(QStringLiteral("pelmor"), QStringLiteral("pelmor"))
    , m_scanIntervalMinutes(ModelSettings::scanIntervalMinutes(m_settings))
    , m_retentionDays(ModelSettings::retentionDays(m_settings))
    , m_hoverReveal(ModelSettings::hoverReveal(m_settings))
    , m_learnSources(ModelSettings::learnSources(m_settings))
{
    connect(&m_timer, &QTimer::timeout, this, qOverload<>(&AppModel::rescan));

    ignoringErrors([&] { m_store.fileCompanySites(); });
    fileDiscoveredPublishers();
    reload();

    if (qEnvironmentVariable("PELMOR_DEMO_POPULATING") == u"1" && !m_companies.isEmpty()) {
        setPopulating(m_companies.first().id, QStringLiteral("Reading 4 feeds"));
        reload();
    }
}

AppModel::~AppModel() = default;

void AppModel::setWindow(TimeWindow window)
{
    if (window == m_window)
        return;
    m_window = window;
    Q_EMIT windowChanged();
    reload();
}

void AppModel::setScanIntervalMinutes(int minutes)
{
    // The same rule as reading it back: no interval below a minute, which
    // would scan without pause.
    minutes = minutes < 1 ? ModelSettings::defaultScanInterval : minutes;
    if (minutes == m_scanIntervalMinutes)
        return;
    m_scanIntervalMinutes = minutes;
    m_settings.setValue(ModelSettings::scanIntervalKey, minutes);
    m_settings.sync();
    Q_EMIT scanIntervalMinutesChanged();
    startTimer();
}

void AppModel::setRetentionDays(int days)
{
    if (days == m_retentionDays)
        return;
    m_retentionDays = days;
    m_settings.setValue(ModelSettings::retentionKey, days);
    m_settings.sync();
    Q_EMIT retentionDaysChanged();
    pruneWithoutReload();
    reload();
}

void AppModel::setHoverReveal(HoverReveal reveal)
{
    if (reveal == m_hoverReveal)
        return;
    m_hoverReveal = reveal;
    m_settings.setValue(ModelSettings::hoverRevealKey, toText(reveal));
    m_settings.sync();
    Q_EMIT hoverRevealChanged();
}

void AppModel::setLearnSources(LearnSources policy)
{
    if (policy == m_learnSources)
        return;
    m_learnSources = policy;
    m_settings.setValue(ModelSettings::learnSourcesKey, toText(policy));
    m_settings.sync();
    Q_EMIT learnSourcesChanged();
    fileDiscoveredPublishers();
    reload();
}

QString AppModel::scanPeriod() const
{
    if (m_scanIntervalMinutes > 59)
        return QString::number(m_scanIntervalMinutes / 60) + u'h';
    return QString::number(m_scanIntervalMinutes) + u'm';
}

int AppModel::clearableSourceCount() const
{
    // Exactly the rows Store::clearLearnedSources deletes, so that the count
    // the settings offer to remove is the count removed.
    const QString uncategorised = toText(SourceCategory::uncategorised);
    return static_cast<int>(std::ranges::count_if(m_catalog, [&](const CatalogRecord &row) {
        return !row.enabled && !row.isCustom && row.category == uncategorised;
    }));
}

PaywalledCoverage AppModel::paywalledCoverage() const
{
    PaywalledCoverage coverage;
    for (const CatalogRecord &row : m_catalog) {
        const Paywall paywall = paywallFromText(row.paywall).value_or(Paywall::none);
        if (paywall == Paywall::none)
            continue;
        ++coverage.total;
        coverage.on += row.enabled ? 1 : 0;
    }
    return coverage;
}

QList<Publisher> AppModel::publishersFor(const Company &company) const
{
    return m_publishersByCompany.value(company.id);
}

int AppModel::feedCountFor(const Company &company) const
{
    return static_cast<int>(std::ranges::count(m_feeds, company.id, &SourceRecord::companyId));
}

QString AppModel::companyName(const SourceRecord &feed) const
{
    const auto company = std::ranges::find(m_companies, feed.companyId, &Company::id);
    return company == m_companies.end() ? QString() : company->name;
}

void AppModel::reload()
{
    try {
        publish(read());
    } catch (const DatabaseError &) {
        publishEmpty();
    }
}

AppModel::Snapshot AppModel::read() const
{
    const QList<CompanyRecord> companies = m_store.companies();
    Snapshot snapshot;
    snapshot.feeds = m_store.sources();
    snapshot.catalog = m_store.catalog();

    QHash<qint64, QList<SourceRecord>> feedsByCompany;
    for (const SourceRecord &feed : std::as_const(snapshot.feeds))
        feedsByCompany[feed.companyId].append(feed);

    QSet<QString> enabledDomains;
    Publisher::Context context{.hidden = m_hiddenPublishers};
    for (const CatalogRecord &row : std::as_const(snapshot.catalog)) {
        if (row.enabled)
            enabledDomains.insert(row.domain);
        if (!context.names.contains(row.domain))
            context.names.insert(row.domain, row.name);
    }
    for (const CompanyRecord &company : companies)
        context.ownedDomains.insert(company.domain);

    const QDateTime now = Age::localNow();
    const std::optional<qint64> lookBack = lookBackSeconds(m_window);
    const QDateTime cutOff = lookBack ? now.addSecs(-*lookBack) : QDateTime();

    QHash<QString, int> allCounts;
    for (const CompanyRecord &company : companies) {
        if (!company.id)
            continue;
        const qint64 id = *company.id;
        QSet<QString> collected;
        QHash<QString, int> counts;
        QList<ItemRecord> items = m_store.items(id, 5000);
        QList<ItemRecord> shown;
        shown.reserve(items.size());
        for (ItemRecord &item : items) {
            if (item.isHidden || (cutOff.isValid() && item.publishedAt <= cutOff))
                continue;
            collected.insert(item.publisher);
            if (!enabledDomains.contains(item.publisher))
                continue;
            ++counts[item.publisher];
            ++snapshot.storedItemCount;
            if (!m_hiddenPublishers.contains(item.publisher))
                shown.append(std::move(item));
        }
        for (auto count = counts.cbegin(); count != counts.cend(); ++count)
            allCounts[count.key()] += count.value();
        snapshot.collectedPublishersByCompany.insert(id, static_cast<int>(collected.size()));
        snapshot.publishersByCompany.insert(id, Publisher::rank(counts, context));
        snapshot.companies.append(
            Company::build(company, feedsByCompany.value(id), shown, m_populating.value(id), now));
    }
    snapshot.publishers = Publisher::rank(allCounts, context);

    for (const SourceRecord &feed : std::as_const(snapshot.feeds)) {
        snapshot.feedCount += feed.enabled ? 1 : 0;
        snapshot.failingCount += feed.failureCount >= 1 ? 1 : 0;
    }
    return snapshot;
}

void AppModel::publish(Snapshot snapshot)
{
    update(m_catalog, std::move(snapshot.catalog), &AppModel::catalogChanged);
    m_collectedPublishersByCompany = std::move(snapshot.collectedPublishersByCompany);
    update(m_publishers, std::move(snapshot.publishers), &AppModel::publishersChanged);
    m_publishersByCompany = std::move(snapshot.publishersByCompany);
    update(m_companies, std::move(snapshot.companies), &AppModel::companiesChanged);
    update(m_feeds, std::move(snapshot.feeds), &AppModel::feedsChanged);
    update(m_storedItemCount, snapshot.storedItemCount, &AppModel::storedItemCountChanged);
    update(m_feedCount, snapshot.feedCount, &AppModel::feedCountChanged);
    update(m_failingCount, snapshot.failingCount, &AppModel::failingCountChanged);
    update(m_topSlots, TopSlot::build(m_companies, m_lastScan), &AppModel::topSlotsChanged);
    update(m_thinCoverageNote, coverageNote(), &AppModel::thinCoverageNoteChanged);
}

void AppModel::publishEmpty()
{
    update(m_companies, {}, &AppModel::companiesChanged);
    update(m_topSlots, {}, &AppModel::topSlotsChanged);
    update(m_publishers, {}, &AppModel::publishersChanged);
    update(m_thinCoverageNote, coverageNote(), &AppModel::thinCoverageNoteChanged);
}

QString AppModel::coverageNote() const
{
    if (m_learnSources != LearnSources::off)
        return {};
    QStringList thin;
    for (const Company &company : m_companies) {
        const auto collected = m_collectedPublishersByCompany.constFind(company.id);
        if (collected == m_collectedPublishersByCompany.cend())
            continue;
        const qsizetype ranked = m_publishersByCompany.value(company.id).size();
        if (ranked <= 2 && ranked < *collected)
            thin.append(company.name);
    }
    if (thin.isEmpty())
        return {};
    QString who = thin.first();
    if (thin.size() > 1) {
        who += QStringLiteral(" and ") + QString::number(thin.size() - 1) + QStringLiteral(" other")
            + (thin.size() == 2 ? QString() : QStringLiteral("s"));
    }
    return QStringLiteral("Few outlets showing for ") + who
        + QStringLiteral(". Learning new sources is off, so items from outlets outside your list are kept but not shown.");
}

void AppModel::setPopulating(qint64 companyId, const std::optional<QString> &status)
{
    if (status)
        m_populating.insert(companyId, *status);
    else
        m_populating.remove(companyId);
    Q_EMIT populatingChanged();
}

void AppModel::fileDiscoveredPublishers()
{
    ignoringErrors([&] { m_store.fileDiscoveredPublishers(m_learnSources); });
}
