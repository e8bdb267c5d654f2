#include "Outlets.h"

#include "UrlText.h"


#include <algorithm>
#include <array>

namespace Ranking {

QString domain(const QString &url)
{
    const std::optional<UrlText> parts = UrlText::parse(url);
    if (!parts)
        return {};
    return (parts->host.startsWith(u"www.") ? parts->host.sliced(4) : parts->host).toString();
}

QString shortName(const QString &domain)
{
    static constexpr std::array<QStringView, 6> secondLevels{u"co", u"com", u"org", u"net", u"gov", u"ac"};
    const QList<QStringView> labels = QStringView(domain).split(u'.', Qt::SkipEmptyParts);
    if (labels.size() < 2)
        return domain;
    if (labels.size() == 2)
        return labels.first().toString();
    const QStringView secondToLast = labels.at(labels.size() - 2);
    const bool generic = std::find(secondLevels.begin(), secondLevels.end(), secondToLast) != secondLevels.end();
    return labels.at(labels.size() - (generic ? 3 : 2)).toString();
}

}
