#include "Publisher.h"

#include "BrandStyle.h"
#include "Outlets.h"

#include <algorithm>
#include <tuple>

namespace {

bool ownedBy(const QString &domain, const QSet<QString> &ownedDomains)
{
    return std::ranges::any_of(ownedDomains, [&](const QString &owned) {
        return domain == owned || (domain.endsWith(owned) && domain.size() > owned.size()
                                   && domain.at(domain.size() - owned.size() - 1) == u'.');
    });
}

}

void Publisher::tally(const QList<ItemRecord> &items, QHash<QString, int> &counts)
{
    for (const ItemRecord &item : items) {
        if (!item.publisher.isEmpty())
            ++counts[item.publisher];
    }
}

QList<Publisher> Publisher::rank(const QHash<QString, int> &counts, const Context &context)
{
    QList<Publisher> publishers;
    publishers.reserve(counts.size());
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        const QString &domain = count.key();
        const QString name = context.names.value(domain);
        const std::optional<BrandStyle> style = BrandStyle::known(domain);
        publishers.append({
            .id = domain,
            .domain = domain,
            .label = name.isEmpty() ? domain : name,
            .mark = style ? style->mark : Ranking::shortName(domain).left(2).toUpper(),
            .tint = style ? style->tint : tintFor(domain),
            .count = count.value(),
            .isOwned = ownedBy(domain, context.ownedDomains),
            .isShown = !context.hidden.contains(domain),
        });
    }
    std::ranges::sort(publishers, [](const Publisher &a, const Publisher &b) {
        return std::tuple(!a.isOwned, !a.isShown, -a.count, a.domain) < std::tuple(!b.isOwned, !b.isShown, -b.count, b.domain);
    });
    return publishers;
}

QList<Publisher> Publisher::rank(const QList<ItemRecord> &items, const Context &context)
{
    QHash<QString, int> counts;
    tally(items, counts);
    return rank(counts, context);
}

QColor Publisher::tintFor(const QString &domain)
{
    int hue = 77;
    if (!domain.isEmpty()) {
        quint64 hash = 0xcbf29ce484222325u;
        for (const char byte : domain.toUtf8()) {
            hash ^= static_cast<quint8>(byte);
            hash *= 0x100000001b3u;
        }
        hue = static_cast<int>(hash % 360);
    }
    return QColor::fromHsvF(static_cast<float>(hue) / 360.0f, 0.45f, 0.62f);
}
