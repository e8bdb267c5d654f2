#include "SourceHit.h"

#include "Age.h"
#include "ItemRecord.h"
#include "Outlets.h"

SourceHit SourceHit::from(const ItemRecord &item, const QDateTime &now)
{
    const QUrl url(item.url, QUrl::StrictMode);
    return {
        .id = item.id.value_or(0),
        .domain = item.publisher.isEmpty() ? Ranking::domain(item.url) : item.publisher,
        .time = Age::stamp(item.publishedAt, now),
        .url = url.isValid() && !url.isRelative() ? url : placeholderUrl(),
        .title = item.title,
        .isRead = item.isRead,
    };
}

QUrl SourceHit::placeholderUrl()
{
    return QUrl(QStringLiteral("about:blank"));
}
