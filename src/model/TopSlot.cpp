#include "TopSlot.h"

#include "Age.h"

#include <QLocale>
#include <QSet>

#include <optional>

namespace {

struct Reach {
    const char16_t *label;
    qint64 minutes;
};

constexpr Reach reaches[] = {{u"7d", 10080}, {u"24h", 1440}, {u"1h", 60}};

struct Pair {
    const Company *company;
    const Story *story;
};

// Graver first, then carried by more outlets' items, then newer.
bool isBetter(const Story &a, const Story &b)
{
    if (a.severity != b.severity)
        return a.severity < b.severity;
    if (a.sources.size() != b.sources.size())
        return a.sources.size() > b.sources.size();
    return a.ageMinutes < b.ageMinutes;
}

QString trailOf(const Pair &pair)
{
    QSet<QString> domains;
    for (const SourceHit &hit : pair.story->sources)
        domains.insert(hit.domain);
    QString text;
    if (domains.size() >= 2)
        text = u'+' + QString::number(domains.size() - 1) + QStringLiteral(" · ");
    return text + Age::shortForm(pair.story->ageMinutes) + QStringLiteral(" · ") + pair.company->name;
}

QString quietTrail(const QList<Pair> &pairs)
{
    if (pairs.isEmpty())
        return QStringLiteral("nothing yet");
    const Pair *newest = &pairs.first();
    for (const Pair &pair : pairs) {
        if (pair.story->ageMinutes < newest->story->ageMinutes)
            newest = &pair;
    }
    return QStringLiteral("last: ") + newest->company->name;
}

}

QList<TopSlot> TopSlot::build(const QList<Company> &companies, const QDateTime &lastScan)
{
    QList<Pair> pairs;
    for (const Company &company : companies) {
        for (const Story &story : company.stories)
            pairs.append({&company, &story});
    }

    QSet<QString> taken;
    QList<TopSlot> lines;
    for (const Reach &reach : reaches) {
        const QString label = QString::fromUtf16(reach.label);
        std::optional<Pair> best;
        for (const Pair &pair : pairs) {
            if (pair.story->ageMinutes > reach.minutes || taken.contains(pair.story->id))
                continue;
            if (!best || isBetter(*pair.story, *best->story))
                best = pair;
        }
        if (!best) {
            lines.append({.id = label, .window = label, .title = quietLine(lastScan), .trail = quietTrail(pairs),
                          .isQuiet = true});
            continue;
        }
        const Story &story = *best->story;
        taken.insert(story.id);
        lines.append({
            .id = label,
            .window = label,
            .severity = story.severity,
            .title = story.title,
            .source = story.sources.isEmpty() ? QString() : story.sources.first().domain,
            .trail = trailOf(*best),
            .url = story.sources.isEmpty() ? QUrl() : story.sources.first().url,
        });
    }
    return lines;
}

QString TopSlot::quietLine(const QDateTime &lastScan)
{
    if (!lastScan.isValid())
        return QStringLiteral("Nothing scanned yet");
    return QStringLiteral("Quiet since ") + QLocale::system().toString(lastScan.toLocalTime(), QStringLiteral("HH:mm"));
}
