#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class Database;

// An ordered list of schema migrations, each recorded by its identifier once
// applied, so that it never runs twice.
class Migrator
{
public:
    using Body = std::function<void(Database &)>;

    void registerMigration(const QString &identifier, Body body);

    // Applies, in registration order, every migration not yet recorded. Each
    // runs in a transaction of its own with foreign keys suspended and is
    // checked for foreign-key violations before it commits. Recorded
    // identifiers the list does not know are left alone. Throws DatabaseError.
    void migrate(Database &database) const;

    [[nodiscard]] QStringList identifiers() const;

private:
    struct Migration {
        QString identifier;
        Body body;
    };
    std::vector<Migration> m_migrations;
};

// The store's migrations, in the order they are applied.
Migrator migrator();
void registerCatalogMigrations(Migrator &migrator);
void registerLinkMigrations(Migrator &migrator);
