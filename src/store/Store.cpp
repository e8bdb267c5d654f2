#include "Store.h"

#include "DatabaseLocation.h"
#include "Grading.h"
#include "Migrator.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr auto companyColumns = "id, name, domain, tint, aliases, cadenceMinutes, notifyLevel, createdAt, logoPath";

CompanyRecord companyFrom(const Statement &row)
{
    return {
        .id = row.int64(0),
        .name = row.text(1),
        .domain = row.text(2),
        .tint = row.integer(3),
        .aliases = row.text(4),
        .cadenceMinutes = row.integer(5),
        .notifyLevel = row.text(6),
        .logoPath = row.text(8),
        .createdAt = row.date(7),
    };
}

SourceRecord sourceFrom(const Statement &row)
{
    return {
        .id = row.int64(0),
        .companyId = row.int64(1),
        .kind = row.text(2),
        .url = row.text(3),
        .title = row.text(4),
        .enabled = row.boolean(5),
        .etag = row.optionalText(6),
        .lastModified = row.optionalText(7),
        .lastFetchAt = row.optionalDate(8),
        .lastError = row.optionalText(9),
        .failureCount = row.integer(10),
    };
}

ItemRecord itemFrom(const Statement &row)
{
    return {
        .id = row.int64(0),
        .sourceId = row.int64(1),
        .companyId = row.int64(2),
        .url = row.text(3),
        .title = row.text(4),
        .summary = row.optionalText(5),
        .publishedAt = row.date(6),
        .discoveredAt = row.date(7),
        .clusterKey = row.text(8),
        .severity = row.text(9),
        .publisher = row.text(11),
        .isHidden = row.boolean(12),
        .isRead = row.boolean(10),
    };
}

// "prefix ?, ?, …)" with one parameter per identifier.
std::string withIdentifierList(std::string prefix, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        prefix += i == 0 ? "?" : ", ?";
    return prefix + ")";
}

} // namespace

Store::Store(const QString &path)
    : m_path(DatabaseLocation::choose(path))
    , m_database(std::make_unique<Database>(m_path))
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
    m_database->execute("PRAGMA foreign_keys = ON");
    migrator().migrate(*m_database);
}

Store::~Store() = default;

Store &Store::shared()
{
    // Opened once and kept until the process ends.
    static Store *const store = [] {
        try {
            return new Store();
        } catch (const DatabaseError &error) {
            std::fprintf(stderr, "could not open the database: %s\n", error.what());
            std::exit(EXIT_FAILURE);
        }
    }();
    return *store;
}

void Store::setClock(Clock clock)
{
    const std::lock_guard lock(m_mutex);
    m_clock = std::move(clock);
}

QDateTime Store::cutOff(qint64 count, qint64 unitSeconds) const
{
    const QDateTime now = m_clock();
    const QDateTime earliest(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime latest(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC);
    if (count > earliest.secsTo(now) / unitSeconds)
        return earliest;
    if (count < -(now.secsTo(latest) / unitSeconds))
        return latest;
    return now.addSecs(-count * unitSeconds);
}

// Companies

QList<CompanyRecord> Store::companies()
{
    return read([](Database &database) {
        QList<CompanyRecord> result;
        Statement row = database.prepare(std::string("SELECT ") + companyColumns + " FROM company ORDER BY name");
        while (row.step())
            result.append(companyFrom(row));
        return result;
    });
}

CompanyRecord Store::addCompany(const QString &name, const QString &domain, int tint, const QString &aliases,
                                int cadenceMinutes, const QString &notifyLevel)
{
    return write([&](Database &database) {
        CompanyRecord company{
            .name = name,
            .domain = domain,
            .tint = tint,
            .aliases = aliases,
            .cadenceMinutes = cadenceMinutes,
            .notifyLevel = notifyLevel,
            .createdAt = m_clock(),
        };
        database
            .prepare("INSERT OR IGNORE INTO company "
                     "(name, domain, tint, aliases, cadenceMinutes, notifyLevel, createdAt, logoPath) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
            .with(company.name, company.domain, company.tint, company.aliases, company.cadenceMinutes,
                  company.notifyLevel, company.createdAt, company.logoPath)
            .run();
        if (database.changes() > 0) {
            company.id = database.lastInsertId();
            return company;
        }
        Statement existing =
            database.prepare(std::string("SELECT ") + companyColumns + " FROM company WHERE domain = ?");
        existing.with(domain);
        if (!existing.step())
            throw DatabaseError("the company with domain " + domain.toStdString() + " vanished");
        return companyFrom(existing);
    });
}

void Store::updateCompany(qint64 id, const QString &name, int tint, const QString &aliases)
{
    write([&](Database &database) {
        database.prepare("UPDATE company\nSET name = ?, tint = ?, aliases = ?\nWHERE id = ?")
            .with(name, tint, aliases, id)
            .run();
        database.prepare("UPDATE catalog SET name = ?\nWHERE domain = (SELECT domain FROM company WHERE id = ?)")
            .with(name, id)
            .run();
    });
}

void Store::setLogoPath(const QString &path, qint64 companyId)
{
    write([&](Database &database) {
        database.prepare("UPDATE company SET logoPath = ? WHERE id = ?").with(path, companyId).run();
    });
}

void Store::removeCompany(qint64 id, const QString &domain)
{
    write([&](Database &database) {
        database.prepare("DELETE FROM catalog WHERE domain = ? AND category = ?")
            .with(domain, toText(SourceCategory::company))
            .run();
        database.prepare("DELETE FROM company WHERE id = ?").with(id).run();
    });
}

// Feeds

QList<SourceRecord> Store::sources(std::optional<qint64> companyId)
{
    return read([&](Database &database) {
        constexpr auto select = "SELECT id, companyId, kind, url, title, enabled, etag, lastModified, "
                                "lastFetchAt, lastError, failureCount FROM source";
        Statement row = companyId ? database.prepare(std::string(select) + " WHERE companyId = ?")
                                  : database.prepare(select);
        if (companyId)
            row.with(*companyId);
        QList<SourceRecord> result;
        while (row.step())
            result.append(sourceFrom(row));
        return result;
    });
}

void Store::addSource(qint64 companyId, SourceKind kind, const QString &url, const QString &title)
{
    write([&](Database &database) {
        database
            .prepare("INSERT OR IGNORE INTO source "
                     "(companyId, kind, url, title, enabled, etag, lastModified, lastFetchAt, lastError, failureCount) "
                     "VALUES (?, ?, ?, ?, 1, NULL, NULL, NULL, NULL, 0)")
            .with(companyId, toText(kind), url, title)
            .run();
    });
}

void Store::updateFeed(qint64 id, SourceKind kind, const QString &url, const QString &title)
{
    write([&](Database &database) {
        database
            .prepare("UPDATE source\n   SET kind = ?, url = ?, title = ?,\n       etag = NULL, lastModified = NULL,\n"
                     "       lastError = NULL, failureCount = 0\n WHERE id = ?")
            .with(toText(kind), url, title, id)
            .run();
    });
}

void Store::setSourceEnabled(bool enabled, qint64 id)
{
    write([&](Database &database) {
        database.prepare("UPDATE source SET enabled = ? WHERE id = ?").with(enabled, id).run();
    });
}

void Store::retry(qint64 sourceId)
{
    write([&](Database &database) {
        database
            .prepare("UPDATE source\nSET failureCount = 0, lastError = NULL, enabled = 1,\n"
                     "    etag = NULL, lastModified = NULL\nWHERE id = ?")
            .with(sourceId)
            .run();
    });
}

void Store::recordFetch(qint64 sourceId, const std::optional<QString> &etag,
                        const std::optional<QString> &lastModified, const std::optional<QString> &error)
{
    write([&](Database &database) {
        if (error) {
            // Every expression sees the row as it was, so the eighth failure
            // in a row switches the feed off in the same statement.
            database
                .prepare("UPDATE source\nSET failureCount = failureCount + 1,\n    lastError = ?,\n"
                         "    lastFetchAt = ?,\n"
                         "    enabled = CASE WHEN failureCount + 1 >= 8 THEN 0 ELSE enabled END\nWHERE id = ?")
                .with(*error, m_clock(), sourceId)
                .run();
        } else {
            database
                .prepare("UPDATE source\nSET failureCount = 0, lastError = NULL, lastFetchAt = ?,\n"
                         "    etag = ?, lastModified = ?\nWHERE id = ?")
                .with(m_clock(), etag, lastModified, sourceId)
                .run();
        }
    });
}

// Items

QList<ItemRecord> Store::items(qint64 companyId, int limit)
{
    return read([&](Database &database) {
        Statement row = database.prepare(
            "SELECT id, sourceId, companyId, url, title, summary, publishedAt, discoveredAt, clusterKey, "
            "severity, isRead, publisher, isHidden FROM item WHERE companyId = ? ORDER BY publishedAt DESC LIMIT ?");
        row.with(companyId, limit);
        QList<ItemRecord> result;
        while (row.step())
            result.append(itemFrom(row));
        return result;
    });
}

qint64 Store::itemCount(qint64 companyId)
{
    return read([&](Database &database) {
        Statement row = database.prepare("SELECT COUNT(*) FROM item WHERE companyId = ?");
        row.with(companyId);
        return row.step() ? row.int64(0) : 0;
    });
}

int Store::insert(QList<ItemRecord> &items)
{
    QList<std::pair<qsizetype, qint64>> stored;
    write([&](Database &database) {
        for (qsizetype i = 0; i < items.size(); ++i) {
            const ItemRecord &item = items[i];
            Statement existing = database.prepare("SELECT COUNT(*) FROM item WHERE url = ?");
            existing.with(item.url);
            if (existing.step() && existing.int64(0) > 0)
                continue;
            database
                .prepare("INSERT INTO item (sourceId, companyId, url, title, summary, publishedAt, discoveredAt, "
                         "clusterKey, severity, isRead, publisher, isHidden) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .with(item.sourceId, item.companyId, item.url, item.title, item.summary, item.publishedAt,
                      item.discoveredAt, item.clusterKey, item.severity, item.isRead, item.publisher, item.isHidden)
                .run();
            stored.append({i, database.lastInsertId()});
        }
    });
    // Only a committed batch has identifiers to hand back.
    for (const auto &[index, id] : stored)
        items[index].id = id;
    return static_cast<int>(stored.size());
}

void Store::markRead(const QList<qint64> &itemIds)
{
    if (itemIds.isEmpty())
        return;
    write([&](Database &database) {
        Statement update = database.prepareOnce(withIdentifierList("UPDATE item SET isRead = 1 WHERE id IN (", itemIds.size()));
        int index = 0;
        for (const qint64 id : itemIds)
            update.bind(++index, id);
        update.run();
    });
}

void Store::markUnread(qint64 withinHours)
{
    write([&](Database &database) {
        database.prepare("UPDATE item SET isRead = 0 WHERE publishedAt > ?").with(cutOff(withinHours, 3600)).run();
    });
}

void Store::markAllRead()
{
    write([](Database &database) { database.execute("UPDATE item SET isRead = 1"); });
}

void Store::setHidden(bool hidden, const QList<qint64> &itemIds)
{
    if (itemIds.isEmpty())
        return;
    write([&](Database &database) {
        Statement update =
            database.prepareOnce(withIdentifierList("UPDATE item SET isHidden = ? WHERE id IN (", itemIds.size()));
        update.bind(1, hidden);
        int index = 1;
        for (const qint64 id : itemIds)
            update.bind(++index, id);
        update.run();
    });
}

void Store::unhideAllItems()
{
    write([](Database &database) { database.execute("UPDATE item SET isHidden = 0"); });
}

qint64 Store::hiddenItemCount()
{
    return read([](Database &database) {
        Statement row = database.prepare("SELECT COUNT(*) FROM item WHERE isHidden = 1");
        return row.step() ? row.int64(0) : 0;
    });
}

void Store::prune(qint64 olderThanDays)
{
    write([&](Database &database) {
        database.prepare("DELETE FROM item WHERE publishedAt < ?").with(cutOff(olderThanDays, 86400)).run();
    });
}

void Store::deleteAllItems()
{
    write([](Database &database) { database.execute("DELETE FROM item"); });
}

int Store::rehash()
{
    return write([](Database &database) {
        QList<std::pair<qint64, QString>> items;
        {
            Statement row = database.prepare("SELECT id, title FROM item");
            while (row.step())
                items.append({row.int64(0), row.text(1)});
        }
        for (const auto &[id, title] : items) {
            database.prepare("UPDATE item SET severity = ? WHERE id = ?")
                .with(toText(Ranking::severity(title)), id)
                .run();
        }
        return static_cast<int>(items.size());
    });
}
