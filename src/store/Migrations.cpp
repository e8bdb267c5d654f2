#include "Migrator.h"

#include "Database.h"

namespace {

void execute(Migrator &migrator, const char *identifier, const char *sql)
{
    migrator.registerMigration(QString::fromLatin1(identifier), [sql](Database &database) {
        database.execute(sql);
    });
}

}

Migrator migrator()
{
    Migrator migrator;
    execute(migrator, "v1", R"(
        CREATE TABLE company (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            name TEXT NOT NULL,
            domain TEXT NOT NULL UNIQUE,
            tint INTEGER NOT NULL,
            aliases TEXT NOT NULL DEFAULT '',
            cadenceMinutes INTEGER NOT NULL DEFAULT 60,
            notifyLevel TEXT NOT NULL DEFAULT 'high',
            createdAt DATETIME NOT NULL
        );
        CREATE TABLE source (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            companyId INTEGER NOT NULL REFERENCES company(id) ON DELETE CASCADE,
            kind TEXT NOT NULL,
            url TEXT NOT NULL,
            title TEXT NOT NULL DEFAULT '',
            enabled BOOLEAN NOT NULL DEFAULT 1,
            etag TEXT,
            lastModified TEXT,
            lastFetchAt DATETIME,
            lastError TEXT,
            failureCount INTEGER NOT NULL DEFAULT 0,
            UNIQUE (companyId, url)
        );
        CREATE INDEX source_on_companyId ON source(companyId);
        CREATE TABLE item (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            sourceId INTEGER NOT NULL REFERENCES source(id) ON DELETE CASCADE,
            companyId INTEGER NOT NULL REFERENCES company(id) ON DELETE CASCADE,
            url TEXT NOT NULL UNIQUE,
            title TEXT NOT NULL,
            summary TEXT,
            publishedAt DATETIME NOT NULL,
            discoveredAt DATETIME NOT NULL,
            clusterKey TEXT NOT NULL,
            severity TEXT NOT NULL,
            isRead BOOLEAN NOT NULL DEFAULT 0
        );
        CREATE INDEX item_on_sourceId ON item(sourceId);
        CREATE INDEX item_on_companyId ON item(companyId);
        CREATE INDEX item_cluster ON item(companyId, clusterKey);
        CREATE INDEX item_published ON item(publishedAt);
    )");
    execute(migrator, "v2-publisher", "ALTER TABLE item ADD COLUMN publisher TEXT NOT NULL DEFAULT ''");
    execute(migrator, "v3-simhash", "ALTER TABLE item ADD COLUMN simhash INTEGER NOT NULL DEFAULT 0");
    execute(migrator, "v4-drop-simhash", "ALTER TABLE item DROP COLUMN simhash");
    registerCatalogMigrations(migrator);
    execute(migrator, "v6-logo", "ALTER TABLE company ADD COLUMN logoPath TEXT NOT NULL DEFAULT ''");
    execute(migrator, "v7-drop-social", R"(
        DELETE FROM source WHERE kind IN ('social', 'linkedin');
        DELETE FROM catalog WHERE category = 'Social';
    )");
    execute(migrator, "v10-hidden", "ALTER TABLE item ADD COLUMN isHidden BOOLEAN NOT NULL DEFAULT 0");
    // Logos used to be stored by absolute path; keep only the file name.
    execute(migrator, "v11-relative-logos",
            "UPDATE company\n"
            "   SET logoPath = substr(\n"
            "         logoPath,\n"
            "         length(rtrim(logoPath, replace(logoPath, '/', ''))) + 1\n"
            "       )\n"
            " WHERE logoPath LIKE '%/%'");
    registerLinkMigrations(migrator);
    execute(migrator, "v8-enable-sources", "UPDATE catalog SET enabled = 1");
    return migrator;
}

void registerLinkMigrations(Migrator &migrator)
{
    execute(migrator, "v9-links", R"(
        CREATE TABLE link (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            companyId INTEGER NOT NULL REFERENCES company(id) ON DELETE CASCADE,
            kind TEXT NOT NULL,
            label TEXT NOT NULL DEFAULT '',
            url TEXT NOT NULL,
            UNIQUE (companyId, kind, label)
        );
        CREATE INDEX link_on_companyId ON link(companyId);
    )");
}
