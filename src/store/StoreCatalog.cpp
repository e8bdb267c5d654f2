#include "CatalogSeeds.h"
#include "Store.h"

QList<CatalogRecord> Store::catalog()
{
    return read([](Database &database) {
        Statement row =
            database.prepare("SELECT id, domain, name, category, enabled, isCustom, paywall FROM catalog ORDER BY name");
        QList<CatalogRecord> result;
        while (row.step()) {
            result.append({
                .id = row.int64(0),
                .domain = row.text(1),
                .name = row.text(2),
                .category = row.text(3),
                .enabled = row.boolean(4),
                .isCustom = row.boolean(5),
                .paywall = row.text(6),
            });
        }
        return result;
    });
}

void Store::setCatalogEnabled(bool enabled, qint64 id)
{
    write([&](Database &database) {
        database.prepare("UPDATE catalog SET enabled = ? WHERE id = ?").with(enabled, id).run();
    });
}

void Store::setCatalogEnabled(bool enabled, SourceCategory category)
{
    write([&](Database &database) {
        database.prepare("UPDATE catalog SET enabled = ? WHERE category = ?").with(enabled, toText(category)).run();
    });
}

void Store::setCatalogPaywall(Paywall paywall, qint64 id)
{
    write([&](Database &database) {
        database.prepare("UPDATE catalog SET paywall = ? WHERE id = ?").with(toText(paywall), id).run();
    });
}

void Store::setPaywalledEnabled(bool enabled)
{
    write([&](Database &database) {
        database.prepare("UPDATE catalog SET enabled = ? WHERE paywall <> ?").with(enabled, "none").run();
    });
}

bool Store::addCatalogSource(const QString &domain, const QString &name, SourceCategory category, bool enabled,
                             bool isCustom)
{
    return write([&](Database &database) {
        database
            .prepare("INSERT OR IGNORE INTO catalog (domain, name, category, enabled, isCustom) VALUES (?, ?, ?, ?, ?)")
            .with(domain, name, toText(category), enabled, isCustom)
            .run();
        return database.changes() > 0;
    });
}

void Store::fileDiscoveredPublishers(LearnSources policy)
{
    if (policy == LearnSources::off)
        return;
    write([&](Database &database) {
        database
            .prepare("INSERT OR IGNORE INTO catalog (domain, name, category, enabled, isCustom)\n"
                     "SELECT DISTINCT publisher, publisher, ?, ?, 0\nFROM item WHERE publisher != ''")
            .with(toText(SourceCategory::uncategorised), policy == LearnSources::addEnabled)
            .run();
        // Known subscription outlets carry their mark whatever was set by hand.
        for (const CatalogSeeds::PaywallMark &mark : CatalogSeeds::paywalls) {
            const QString paywall = toText(mark.paywall);
            database.prepare("UPDATE catalog SET paywall = ? WHERE domain = ? AND paywall <> ?")
                .with(paywall, mark.domain, paywall)
                .run();
        }
    });
}

void Store::fileCompanySites()
{
    write([](Database &database) {
        const QString company = toText(SourceCategory::company);
        database
            .prepare("INSERT OR IGNORE INTO catalog (domain, name, category, enabled, isCustom)\n"
                     "SELECT domain, name, ?, 1, 0 FROM company")
            .with(company)
            .run();
        // A learned outlet that turns out to be a tracked company's own site.
        database
            .prepare("UPDATE catalog SET enabled = 1, category = ?\nWHERE domain IN (SELECT domain FROM company)\n"
                     "  AND category = ?")
            .with(company, toText(SourceCategory::uncategorised))
            .run();
    });
}

int Store::clearLearnedSources()
{
    return write([](Database &database) {
        database.prepare("DELETE FROM catalog\n WHERE enabled = 0 AND isCustom = 0 AND category = ?")
            .with(toText(SourceCategory::uncategorised))
            .run();
        return database.changes();
    });
}
