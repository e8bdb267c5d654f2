// The read-only reports: recent items, stories, publishers and the catalog.

#include "CommandLineTools.h"

#include "Age.h"
#include "Clustering.h"
#include "Console.h"
#include "DomainName.h"
#include "Store.h"
#include "StoreFailures.h"

#include <QHash>

#include <algorithm>

namespace CommandLineTools {

QList<CompanyRecord> select(const QStringList &arguments)
{
    QList<CompanyRecord> companies = orEmpty([] { return Store::shared().companies(); });
    if (arguments.isEmpty())
        return companies;
    const QString domain = Discovery::normalize(arguments.first());
    companies.removeIf([&](const CompanyRecord &company) { return company.domain != domain; });
    return companies;
}

void items(const QStringList &arguments)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const CompanyRecord &company : select(arguments)) {
        Console::printLine(u'\n' + company.name);
        for (const ItemRecord &item : orEmpty([&] { return Store::shared().items(*company.id, 12); })) {
            const QString age = Age::shortForm(item.publishedAt.secsTo(now) / 60);
            Console::printLine(QStringLiteral("  ") + age.leftJustified(5) + u' ' + item.severity.left(1) + u' '
                               + item.title);
            Console::printLine(QStringLiteral("        ") + item.url);
        }
    }
}

void stories(const QStringList &arguments)
{
    for (const CompanyRecord &company : select(arguments)) {
        const QList<ItemRecord> items = orEmpty([&] { return Store::shared().items(*company.id, 5000); });
        QList<QList<ItemRecord>> stories =
            Ranking::cluster(items, &ItemRecord::title, &ItemRecord::publishedAt, Ranking::storySpan);
        std::ranges::stable_sort(stories, std::greater{}, [](const QList<ItemRecord> &story) { return story.size(); });

        // Each story's distinct publishers, sorted; an empty one sorts first.
        const auto publishersOf = [](const QList<ItemRecord> &story) {
            QStringList publishers;
            for (const ItemRecord &item : story)
                publishers.append(item.publisher);
            publishers.sort();
            publishers.removeDuplicates();
            return publishers;
        };
        const auto widelyCarried = std::ranges::count_if(
            stories, [&](const QList<ItemRecord> &story) { return publishersOf(story).size() > 1; });
        Console::printLine(u'\n' + company.name + QStringLiteral(": ") + QString::number(items.size())
                           + QStringLiteral(" items → ") + QString::number(stories.size()) + QStringLiteral(" stories, ")
                           + QString::number(widelyCarried) + QStringLiteral(" carried by more than one publisher"));

        for (const QList<ItemRecord> &story : stories.first(std::min<qsizetype>(stories.size(), 6))) {
            if (story.size() < 2)
                continue;
            // The newest item names the story; the first of equals wins.
            const ItemRecord &lead = *std::ranges::max_element(
                story, [](const ItemRecord &a, const ItemRecord &b) { return a.publishedAt < b.publishedAt; });
            Console::printLine(QStringLiteral("  [") + QString::number(story.size()) + QStringLiteral("] ") + lead.title);
            Console::printLine(QStringLiteral("      ") + publishersOf(story).join(QStringLiteral(", ")));
        }
    }
}

void publishers(const QStringList &arguments)
{
    QHash<QString, qint64> counts;
    qint64 total = 0;
    for (const CompanyRecord &company : select(arguments)) {
        for (const ItemRecord &item : orEmpty([&] { return Store::shared().items(*company.id, 5000); })) {
            if (!item.publisher.isEmpty()) {
                ++counts[item.publisher];
                ++total;
            }
        }
    }

    QStringList ownedDomains;
    for (const CompanyRecord &company : orEmpty([] { return Store::shared().companies(); }))
        ownedDomains.append(company.domain);
    const auto isOwned = [&](const QString &publisher) {
        return std::ranges::any_of(ownedDomains, [&](const QString &domain) {
            return publisher == domain || publisher.endsWith(u'.' + domain);
        });
    };

    struct Row {
        QString domain;
        qint64 count;
        bool owned;
    };
    QList<Row> rows;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        rows.append({it.key(), it.value(), isOwned(it.key())});
    // Owned outlets first, then the busiest; the domain only makes ties stable.
    std::ranges::sort(rows, [](const Row &a, const Row &b) {
        return std::tie(b.owned, b.count, a.domain) < std::tie(a.owned, a.count, b.domain);
    });

    Console::printLine(QString::number(rows.size()) + QStringLiteral(" publishers across ") + QString::number(total)
                       + QStringLiteral(" items"));
    for (const Row &row : rows.first(std::min<qsizetype>(rows.size(), 30))) {
        // Counts are padded to four characters but never cut.
        Console::printLine(QStringLiteral("  ") + (row.owned ? u'*' : u' ') + u' '
                           + QString::number(row.count).leftJustified(4) + u' ' + row.domain);
    }
}

void sources(const QStringList &arguments)
{
    const QList<CatalogRecord> catalog = orEmpty([] { return Store::shared().catalog(); });
    const auto enabledCount = [](const QList<CatalogRecord> &rows) {
        return std::ranges::count_if(rows, &CatalogRecord::enabled);
    };
    Console::printLine(QString::number(enabledCount(catalog)) + QStringLiteral(" of ") + QString::number(catalog.size())
                       + QStringLiteral(" sources on"));

    const QString filter = arguments.value(0);
    for (const SourceCategory category : allSourceCategories) {
        // The catalog comes ordered by name, and filtering keeps that order.
        QList<CatalogRecord> rows;
        for (const CatalogRecord &record : catalog) {
            if (sourceCategoryFromText(record.category).value_or(SourceCategory::uncategorised) == category)
                rows.append(record);
        }
        QList<CatalogRecord> shown = rows;
        if (filter == u"on")
            shown.removeIf([](const CatalogRecord &record) { return !record.enabled; });
        else if (filter == u"off")
            shown.removeIf([](const CatalogRecord &record) { return record.enabled; });
        if (shown.isEmpty())
            continue;

        Console::printLine(u'\n' + toText(category) + QStringLiteral("  ") + QString::number(enabledCount(rows)) + u'/'
                           + QString::number(rows.size()));
        for (const CatalogRecord &record : shown.first(std::min<qsizetype>(shown.size(), 40))) {
            Console::printLine(QStringLiteral("  [") + (record.enabled ? u'x' : u' ') + QStringLiteral("] ")
                               + record.name + QStringLiteral("  ·  ") + record.domain);
        }
        if (shown.size() > 40)
            Console::printLine(QStringLiteral("  … ") + QString::number(shown.size() - 40) + QStringLiteral(" more"));
    }
}

}
