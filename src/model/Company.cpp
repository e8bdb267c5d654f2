#include "Company.h"

#include "Age.h"
#include "Clustering.h"

#include <algorithm>

Company Company::build(const CompanyRecord &company, const QList<SourceRecord> &sources,
                       const QList<ItemRecord> &items, const QString &status, const QDateTime &now)
{
    Company built{
        .id = company.id.value_or(0),
        .name = company.name,
        .domain = company.domain,
        .tint = colour(company.tint),
        .logoPath = company.logoPath,
        .status = status,
    };

    const auto clusters = Ranking::cluster(items, &ItemRecord::title, &ItemRecord::publishedAt, Ranking::storySpan);
    built.stories.reserve(clusters.size());
    for (const QList<ItemRecord> &cluster : clusters)
        built.stories.append(Story::from(built.id, cluster, now));
    std::ranges::stable_sort(built.stories, [](const Story &a, const Story &b) {
        return a.severity != b.severity ? a.severity < b.severity : a.ageMinutes < b.ageMinutes;
    });
    if (!built.stories.isEmpty())
        built.severity = built.stories.first().severity;

    const auto latest = std::ranges::max_element(items, {}, &ItemRecord::publishedAt);
    if (latest != items.end())
        built.lastUpdatedMinutes = Age::minutesSince(latest->publishedAt, now);

    for (const SourceRecord &source : sources) {
        built.feedCount += source.enabled ? 1 : 0;
        built.failingFeeds += source.failureCount >= 1 ? 1 : 0;
    }
    return built;
}

QColor Company::colour(int tint)
{
    return QColor::fromRgb(static_cast<QRgb>(tint) & 0xFFFFFFu);
}
