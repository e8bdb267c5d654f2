#include "Story.h"

#include "Age.h"
#include "ItemRecord.h"
#include "Outlets.h"

#include <QSet>

#include <algorithm>

Story Story::from(qint64 companyId, QList<ItemRecord> items, const QDateTime &now)
{
    std::ranges::stable_sort(items, std::greater<>(), &ItemRecord::publishedAt);

    Story story;
    story.severity = Severity::none;
    QSet<QString> outlets;
    for (const ItemRecord &item : items) {
        // An unknown grade counts as routine, so a story is never ungraded.
        story.severity = std::min(story.severity, severityFromText(item.severity).value_or(Severity::routine));
        SourceHit &hit = story.sources.emplaceBack(SourceHit::from(item, now));
        if (!hit.domain.isEmpty())
            outlets.insert(hit.domain);
        if (item.id)
            story.itemIDs.append(*item.id);
    }
    story.isRead = std::ranges::all_of(items, &ItemRecord::isRead);
    if (items.isEmpty())
        return story;

    const ItemRecord &lead = items.first();
    story.id = QString::number(companyId) + u'-' + lead.clusterKey + u'-' + QString::number(lead.id.value_or(0));
    story.title = lead.title;
    story.ageMinutes = Age::minutesSince(lead.publishedAt, now);
    story.meta = Ranking::shortName(story.sources.first().domain);
    if (outlets.size() >= 2)
        story.meta += QStringLiteral(" +") + QString::number(outlets.size() - 1);
    story.meta += QStringLiteral(" · ") + Age::shortForm(story.ageMinutes);
    return story;
}
