#pragma once

#include "CatalogRecord.h"
#include "CompanyLink.h"
#include "CompanyRecord.h"
#include "Database.h"
#include "ItemRecord.h"
#include "LearnSources.h"
#include "Paywall.h"
#include "SourceCategory.h"
#include "SourceKind.h"
#include "SourceRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// The one way to the database: a single connection on which every access
// runs in turn (callers on other threads wait), with foreign keys on. Every
// operation that writes is one transaction. Failures throw DatabaseError
// with SQLite's description.
class Store
{
public:
    // Opens the database at `path`, or where PELMOR_DB says, or at
    // $XDG_DATA_HOME/pelmor/pelmor.sqlite, creating the directory and the
    // file as needed, and applies pending migrations.
    explicit Store(const QString &path = {});
    ~Store();

    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    // The process-wide store, opened on first use. A database that cannot be
    // opened ends the process with a message on standard error.
    static Store &shared();

    [[nodiscard]] QString path() const { return m_path; }

    // The time writes stamp and cut-offs count from; tests replace it.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock);

    // Companies
    QList<CompanyRecord> companies();
    // Stores a new company, or returns the stored one with that domain as it is.
    CompanyRecord addCompany(const QString &name, const QString &domain, int tint, const QString &aliases,
                             int cadenceMinutes, const QString &notifyLevel);
    void updateCompany(qint64 id, const QString &name, int tint, const QString &aliases);
    void setLogoPath(const QString &path, qint64 companyId);
    // Deletes the company with its feeds, items, links and its own catalog row.
    void removeCompany(qint64 id, const QString &domain);

    // Feeds
    // One company's feeds, or every feed; in no particular order.
    QList<SourceRecord> sources(std::optional<qint64> companyId = std::nullopt);
    // Adds an enabled feed; an address the company already has is left alone.
    void addSource(qint64 companyId, SourceKind kind, const QString &url, const QString &title);
    void updateFeed(qint64 id, SourceKind kind, const QString &url, const QString &title);
    void setSourceEnabled(bool enabled, qint64 id);
    void retry(qint64 sourceId);
    // Records one fetch: a failure counts up (the eighth in a row switches the
    // feed off), a success resets the count and replaces the validators.
    void recordFetch(qint64 sourceId, const std::optional<QString> &etag, const std::optional<QString> &lastModified,
                     const std::optional<QString> &error);

    // Items
    // A company's items, hidden ones included, newest first.
    QList<ItemRecord> items(qint64 companyId, int limit);
    qint64 itemCount(qint64 companyId);
    // Stores the items whose url no stored item has, writing their new ids
    // back; returns how many were stored. All or nothing.
    int insert(QList<ItemRecord> &items);
    void markRead(const QList<qint64> &itemIds);
    void markUnread(qint64 withinHours);
    void markAllRead();
    void setHidden(bool hidden, const QList<qint64> &itemIds);
    void unhideAllItems();
    qint64 hiddenItemCount();
    // Deletes the items published more than `olderThanDays` days ago.
    void prune(qint64 olderThanDays);
    void deleteAllItems();
    // Grades every stored item again from its title; returns how many.
    int rehash();

    // Catalog: the master list of outlets
    // Every outlet, ordered by name bytewise.
    QList<CatalogRecord> catalog();
    void setCatalogEnabled(bool enabled, qint64 id);
    // Switches a whole category.
    void setCatalogEnabled(bool enabled, SourceCategory category);
    void setCatalogPaywall(Paywall paywall, qint64 id);
    // Switches every paywalled outlet, metered and hard alike.
    void setPaywalledEnabled(bool enabled);
    // False when the domain is already in the catalog, which stays as it was.
    bool addCatalogSource(const QString &domain, const QString &name, SourceCategory category, bool enabled,
                          bool isCustom);
    // Adds the outlets items name that the catalog lacks, as the policy says,
    // and puts the known paywall marks back.
    void fileDiscoveredPublishers(LearnSources policy);
    // Files the tracked companies' own sites under "The company itself".
    void fileCompanySites();
    // Forgets learned outlets that are switched off; returns how many.
    int clearLearnedSources();

    // Links
    // A company's links, in no particular order.
    QList<CompanyLink> links(qint64 companyId);
    // Sets, replaces or (with an empty url) removes the company's one link of
    // that kind and label. The url is stored as given.
    void setLink(qint64 companyId, LinkKind kind, const QString &label, const QString &url);

private:
    template<typename Body>
    auto read(Body &&body)
    {
        const std::lock_guard lock(m_mutex);
        return body(*m_database);
    }

    template<typename Body>
    auto write(Body &&body)
    {
        const std::lock_guard lock(m_mutex);
        Transaction transaction(*m_database);
        if constexpr (std::is_void_v<decltype(body(*m_database))>) {
            body(*m_database);
            transaction.commit();
        } else {
            auto result = body(*m_database);
            transaction.commit();
            return result;
        }
    }

    // The current time less count × unitSeconds, never earlier than the first
    // representable date, so that huge windows cannot overflow.
    QDateTime cutOff(qint64 count, qint64 unitSeconds) const;

    QString m_path;
    std::mutex m_mutex;
    std::unique_ptr<Database> m_database;
    Clock m_clock;
};
