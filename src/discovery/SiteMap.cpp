#include "SiteMap.h"

#include "Markup.h"
#include "PageFetching.h"

#include <QUrl>

#include <vector>

namespace Discovery {

namespace {

// One site cannot make discovery unbounded.
constexpr qsizetype mostAddresses = 4000;
constexpr qsizetype mostChildMaps = 3;

constexpr QStringView preferenceWords[] = {u"page", u"news", u"press", u"blog", u"investor", u"media", u"main",
                                           u"index"};

bool isMap(const QString &location)
{
    return location.contains(u".xml", Qt::CaseInsensitive);
}

bool isPreferred(const QString &location)
{
    const QString lowered = location.toLower();
    return std::ranges::any_of(preferenceWords, [&](QStringView word) { return lowered.contains(word); });
}

// The addresses of the map at url, appended to into as soon as they arrive;
// into outlives the task.
QCoro::Task<> readChild(QStringList &into, QString url, QDeadlineTimer deadline)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid())
        co_return;
    const auto body = co_await fetchData(address, deadline);
    if (body)
        into += siteMapLocations(decode(*body));
}

}

QStringList siteMapLocations(QStringView xml)
{
    QStringList locations;
    for (const QStringView text : textElements(xml, u"loc")) {
        if (const QStringView trimmed = text.trimmed(); !trimmed.isEmpty())
            locations.append(trimmed.toString());
    }
    return locations;
}

QCoro::Task<QStringList> sitemapURLs(QString domain, QDeadlineTimer deadline)
{
    const QUrl map(QStringLiteral("https://") + domain + QStringLiteral("/sitemap.xml"), QUrl::StrictMode);
    const auto body = co_await fetchData(map, deadline);
    if (!body)
        co_return QStringList();
    const QStringList locations = siteMapLocations(decode(*body));
    QStringList children;
    QStringList result;
    for (const QString &location : locations)
        (isMap(location) ? children : result).append(location);
    if (children.isEmpty())
        co_return locations.first(std::min(locations.size(), mostAddresses));

    QStringList preferred;
    std::ranges::copy_if(children, std::back_inserter(preferred), isPreferred);
    if (!preferred.isEmpty())
        children = preferred;
    std::vector<QCoro::Task<>> reads;
    for (const QString &child : children.first(std::min(children.size(), mostChildMaps)))
        reads.push_back(readChild(result, child, deadline));
    for (QCoro::Task<> &read : reads)
        co_await read;
    co_return result.first(std::min(result.size(), mostAddresses));
}

}
