#include "FeedDeclarations.h"

#include "Addresses.h"
#include "Markup.h"

namespace Discovery {

namespace {

bool isFeedType(const QString &type)
{
    const QString lowered = type.toLower();
    return lowered.contains(u"rss") || lowered.contains(u"atom") || lowered.contains(u"feed+json")
        || lowered.contains(u"json+feed");
}

}

QList<DeclaredFeed> declaredFeeds(QStringView html)
{
    QList<DeclaredFeed> feeds;
    for (const Tag &tag : startTags(html, u"link")) {
        if (!tag.valueStartsWith(u"rel", u"alternate") || tag.value(u"hreflang"))
            continue;
        const auto type = tag.value(u"type");
        const auto href = tag.value(u"href");
        if (!type || !isFeedType(*type) || !href || href->contains(u"/comments/feed", Qt::CaseInsensitive))
            continue;
        feeds.append({*href, tag.value(u"title").value_or(QStringLiteral("Feed"))});
    }
    return feeds;
}

QList<FoundFeed> declared(QStringView html, const QUrl &base)
{
    QList<FoundFeed> feeds;
    for (const DeclaredFeed &feed : declaredFeeds(html)) {
        if (const auto url = absolutize(feed.href, base))
            feeds.append({kind(*url, feed.title), *url, feed.title});
    }
    return feeds;
}

SourceKind kind(QStringView url, QStringView title)
{
    const QString text = (url + u' ' + title).toLower();
    if (text.contains(u"blog"))
        return SourceKind::blog;
    if (text.contains(u"investor") || text.contains(u"/ir"))
        return SourceKind::ir;
    if (text.contains(u"status"))
        return SourceKind::status;
    return SourceKind::press;
}

}
