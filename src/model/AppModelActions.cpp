// What the panel's forms and switches ask for: each writes through the store,
// reloads, and scans the company when its feeds may have changed.

#include "AppModel.h"

#include "DiscoveryRun.h"
#include "DomainName.h"
#include "StoreFailures.h"
#include "Logos.h"
#include "Store.h"
#include "TileColours.h"

#include <QPointer>

#include <algorithm>

QString AppModel::readingStatus(qsizetype feedCount)
{
    if (feedCount == 1)
        return QStringLiteral("Reading 1 feed");
    return QStringLiteral("Reading ") + QString::number(feedCount) + QStringLiteral(" feeds");
}

void AppModel::addCompany(const CompanyDraft &draft)
{
    const QString domain = Discovery::normalize(draft.domain);
    if (domain.isEmpty())
        return;
    populate(draft, domain, TileColours::forNew(m_companies.size()));
}

QCoro::Task<> AppModel::populate(CompanyDraft draft, QString domain, QColor tint)
{
    const QPointer<AppModel> self(this);
    const QString guessedName = draft.name.isEmpty() ? Discovery::prettyName(domain) : draft.name;

    // A domain already tracked comes back as it is stored, and is filled
    // again below: discovery runs anew and what it finds is merged in.
    CompanyRecord company;
    try {
        company = m_store.addCompany(guessedName, domain, TileColours::stored(tint), draft.aliases, 60,
                                     QStringLiteral("high"));
    } catch (const DatabaseError &) {
        co_return;
    }
    const qint64 id = *company.id;
    ignoringErrors([&] { m_store.fileCompanySites(); });
    setPopulating(id, QStringLiteral("Looking for feeds"));
    reload();

    const Discovery::DiscoveryResult found = co_await Discovery::run(domain, draft.name);
    if (!self)
        co_return;

    // The site's own name replaces the guess, never a name the user typed,
    // and never the name, colour or aliases of a company tracked before.
    if (draft.name.isEmpty() && !found.name.isEmpty() && found.name != guessedName && company.name == guessedName)
        ignoringErrors([&] { m_store.updateCompany(id, found.name, company.tint, company.aliases); });
    for (const Discovery::FoundFeed &feed : found.feeds)
        ignoringErrors([&] { m_store.addSource(id, feed.kind, feed.url, feed.title); });
    for (const Discovery::FoundLink &link : found.links)
        ignoringErrors([&] { m_store.setLink(id, link.kind, {}, link.url.trimmed()); });
    // The user's own links go last, so that they win over discovered ones.
    QList<LinkDraft> typedLinks;
    std::ranges::copy_if(draft.links, std::back_inserter(typedLinks), [](const LinkDraft &link) {
        return std::ranges::any_of(link.url, [](QChar c) { return c != u' ' && c != u'\t'; });
    });
    apply(typedLinks, id);

    qsizetype feedCount = 0;
    ignoringErrors([&] { feedCount = m_store.sources(id).size(); });
    setPopulating(id, readingStatus(feedCount));
    reload();

    if (found.logo) {
        const bool adopted = co_await adoptLogo(*found.logo, id, domain);
        Q_UNUSED(adopted)
        if (!self)
            co_return;
    }
    co_await scan(id);
    if (!self)
        co_return;
    setPopulating(id, std::nullopt);
    reload();
}

void AppModel::updateCompany(const Company &company, const QString &name, const QString &aliases,
                             const QColor &tint, const QList<LinkDraft> &links)
{
    const QString newName = name.isEmpty() ? company.name : name;
    ignoringErrors([&] { m_store.updateCompany(company.id, newName, TileColours::stored(tint), aliases); });
    apply(links, company.id);
    reload();
    rescan(company.id);
}

void AppModel::apply(const QList<LinkDraft> &drafts, qint64 companyId)
{
    for (const LinkDraft &draft : drafts) {
        const QString label = draft.kind == LinkKind::custom ? draft.label : QString();
        ignoringErrors([&] { m_store.setLink(companyId, draft.kind, label, draft.url.trimmed()); });
    }
}

QCoro::Task<bool> AppModel::adoptLogo(QString address, qint64 companyId, QString domain)
{
    const QPointer<AppModel> self(this);
    const std::optional<QByteArray> data = co_await Logos::fetch(address);
    if (!data || !self)
        co_return false;
    const std::optional<QString> file = Logos::save(*data, domain);
    if (!file)
        co_return false;
    ignoringErrors([&] { m_store.setLogoPath(*file, companyId); });
    reload();
    co_return true;
}

std::optional<CompanyRecord> AppModel::record(const Company &company)
{
    const QList<CompanyRecord> rows = orEmpty([&] { return m_store.companies(); });
    const auto row = std::ranges::find(rows, std::optional(company.id), &CompanyRecord::id);
    if (row == rows.end())
        return std::nullopt;
    return *row;
}

void AppModel::addFeed(qint64 companyId, SourceKind kind, const QString &url, const QString &title)
{
    ignoringErrors([&] { m_store.addSource(companyId, kind, url, title); });
    reload();
    rescan(companyId);
}

void AppModel::updateFeed(qint64 id, qint64 companyId, SourceKind kind, const QString &url, const QString &title)
{
    ignoringErrors([&] { m_store.updateFeed(id, kind, url, title); });
    reload();
    rescan(companyId);
}

void AppModel::retry(const SourceRecord &feed)
{
    if (!feed.id)
        return;
    ignoringErrors([&] { m_store.retry(*feed.id); });
    reload();
    rescan(feed.companyId);
}

void AppModel::setFeedEnabled(const SourceRecord &feed, bool enabled)
{
    if (!feed.id)
        return;
    ignoringErrors([&] { m_store.setSourceEnabled(enabled, *feed.id); });
    reload();
}

void AppModel::addCustomSource(const QString &domain, const QString &name, SourceCategory category)
{
    const QString normalized = Discovery::normalize(domain);
    if (normalized.isEmpty())
        return;
    ignoringErrors([&] {
        m_store.addCatalogSource(normalized, name.isEmpty() ? normalized : name, category, true, true);
    });
    reload();
}

void AppModel::toggleDisplay(const Publisher &publisher)
{
    if (!m_hiddenPublishers.remove(publisher.id))
        m_hiddenPublishers.insert(publisher.id);
    Q_EMIT hiddenPublishersChanged();
    reload();
}

void AppModel::setDisplayed(bool shown, const QList<Publisher> &publishers)
{
    for (const Publisher &publisher : publishers) {
        if (shown)
            m_hiddenPublishers.remove(publisher.id);
        else
            m_hiddenPublishers.insert(publisher.id);
    }
    Q_EMIT hiddenPublishersChanged();
    reload();
}
