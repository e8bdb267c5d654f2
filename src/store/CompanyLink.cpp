#include "CompanyLink.h"

#include <QSet>

#include <algorithm>

LinkKind kindOf(const CompanyLink &link)
{
    return linkKindFromText(link.kind).value_or(LinkKind::custom);
}

QString title(const CompanyLink &link)
{
    const LinkKind kind = kindOf(link);
    if (kind == LinkKind::custom && !link.label.isEmpty())
        return link.label;
    return label(kind);
}

QList<CompanyLink> forDisplay(const QList<CompanyLink> &links)
{
    QList<CompanyLink> result;
    QSet<QString> seen;
    for (const CompanyLink &link : links) {
        if (!seen.contains(link.kind + u'|' + link.label)) {
            seen.insert(link.kind + u'|' + link.label);
            result.append(link);
        }
    }
    std::ranges::stable_sort(result, {}, [](const CompanyLink &link) { return static_cast<int>(kindOf(link)); });
    return result;
}
