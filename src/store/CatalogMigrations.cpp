#include "CatalogSeeds.h"
#include "Database.h"
#include "Migrator.h"

void registerCatalogMigrations(Migrator &migrator)
{
    migrator.registerMigration(QStringLiteral("v5-catalog"), [](Database &database) {
        database.execute(R"(
            CREATE TABLE catalog (
                id INTEGER PRIMARY KEY AUTOINCREMENT,
                domain TEXT NOT NULL UNIQUE,
                name TEXT NOT NULL,
                category TEXT NOT NULL,
                enabled BOOLEAN NOT NULL DEFAULT 0,
                isCustom BOOLEAN NOT NULL DEFAULT 0
            )
        )");
        for (const CatalogSeeds::Outlet &outlet : CatalogSeeds::outlets) {
            database
                .prepare("INSERT OR IGNORE INTO catalog (domain, name, category, enabled, isCustom) "
                         "VALUES (?, ?, ?, 1, 0)")
                .with(outlet.domain, outlet.name, toText(outlet.category))
                .run();
        }
    });
    migrator.registerMigration(QStringLiteral("v12-paywall"), [](Database &database) {
        database.execute("ALTER TABLE catalog ADD COLUMN paywall TEXT NOT NULL DEFAULT 'none'");
        for (const CatalogSeeds::PaywallMark &mark : CatalogSeeds::paywalls)
            database.prepare("UPDATE catalog SET paywall = ? WHERE domain = ?").with(toText(mark.paywall), mark.domain).run();
    });
}
