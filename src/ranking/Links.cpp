#include "Links.h"

#include "UrlText.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace Ranking {

namespace {

bool isTracking(const QString &name)
{
    static constexpr std::array<QStringView, 7> names{u"fbclid", u"gclid", u"mc_cid", u"mc_eid",
                                                      u"ref",    u"source", u"cmpid"};
    const QString lowered = name.toLower();
    return lowered.startsWith(u"utm_") || std::find(names.begin(), names.end(), lowered) != names.end();
}

// The service's host or one of its sub-domains; a link that merely names it
// in its path or query is somebody else's.
bool isGoogleNews(QStringView host)
{
    const QStringView service(newsSearchHost);
    return host.compare(service, Qt::CaseInsensitive) == 0
        || (host.endsWith(service, Qt::CaseInsensitive) && host.at(host.size() - service.size() - 1) == u'.');
}

}

QString canonicalize(const QString &url)
{
    const std::optional<UrlText> parts = UrlText::parse(url);
    if (!parts)
        return url;

    QString canonical = parts->head.toString();
    canonical += parts->path.size() > 1 && parts->path.endsWith(u'/') ? parts->path.chopped(1) : parts->path;
    QStringList kept;
    for (const QueryParameter &parameter : queryParameters(parts->query.value_or(QStringView()))) {
        if (!isTracking(parameter.name))
            kept.append(parameter.text.toString());
    }
    if (!kept.isEmpty())
        canonical += u'?' + kept.join(u'&');
    return canonical;
}

QString unwrapGoogleNews(const QString &link)
{
    const std::optional<UrlText> parts = UrlText::parse(link);
    if (!parts || !isGoogleNews(parts->host) || !parts->query)
        return link;

    const QList<QueryParameter> parameters = queryParameters(*parts->query);
    const auto target = std::find_if(parameters.begin(), parameters.end(),
                                     [](const QueryParameter &parameter) { return parameter.name == u"url"; });
    if (target == parameters.end() || !target->value || target->value->isEmpty())
        return link;
    return percentDecoded(*target->value);
}

}
