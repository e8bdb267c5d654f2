#include "Migrator.h"

#include "Database.h"

#include <QSet>

void Migrator::registerMigration(const QString &identifier, Body body)
{
    m_migrations.push_back({identifier, std::move(body)});
}

QStringList Migrator::identifiers() const
{
    QStringList result;
    for (const Migration &migration : m_migrations)
        result.append(migration.identifier);
    return result;
}

namespace {

// Foreign keys can only be switched outside a transaction; this keeps them
// off for one migration and on again afterwards, whatever happens.
class ForeignKeysSuspended
{
public:
    explicit ForeignKeysSuspended(Database &database)
        : m_database(database)
    {
        m_database.execute("PRAGMA foreign_keys = OFF");
    }
    ~ForeignKeysSuspended()
    {
        try {
            m_database.execute("PRAGMA foreign_keys = ON");
        } catch (const DatabaseError &) {
        }
    }
    ForeignKeysSuspended(const ForeignKeysSuspended &) = delete;
    ForeignKeysSuspended &operator=(const ForeignKeysSuspended &) = delete;

private:
    Database &m_database;
};

}

void Migrator::migrate(Database &database) const
{
    database.execute("CREATE TABLE IF NOT EXISTS migration (identifier TEXT NOT NULL PRIMARY KEY)");

    QSet<QString> applied;
    {
        Statement recorded = database.prepare("SELECT identifier FROM migration");
        while (recorded.step())
            applied.insert(recorded.text(0));
    }

    for (const Migration &migration : m_migrations) {
        if (applied.contains(migration.identifier))
            continue;
        const ForeignKeysSuspended suspended(database);
        Transaction transaction(database);
        migration.body(database);
        if (database.prepare("PRAGMA foreign_key_check").step())
            throw DatabaseError("migration " + migration.identifier.toStdString()
                                + " left a FOREIGN KEY constraint violated");
        database.prepare("INSERT INTO migration (identifier) VALUES (?)").with(migration.identifier).run();
        transaction.commit();
    }
}
