#include "LogoDiscovery.h"

#include "Addresses.h"
#include "Markup.h"
#include "PublicAddress.h"

namespace Discovery {

namespace {

std::optional<QString> usable(const std::optional<QString> &href, const QUrl &base)
{
    if (!href)
        return std::nullopt;
    const auto url = absolutize(*href, base);
    if (!url || !isPublicAddress(QUrl(*url)))
        return std::nullopt;
    return url;
}

}

std::optional<QString> logo(QStringView html, const QUrl &base)
{
    QList<Tag> icons;
    for (const Tag &tag : startTags(html, u"link")) {
        if (tag.valueContains(u"rel", u"icon"))
            icons.append(tag);
    }
    for (const Tag &tag : icons) {
        if (!tag.value(u"rel").value_or(QString()).toLower().contains(u"apple-touch-icon"))
            continue;
        if (const auto url = usable(tag.value(u"href"), base))
            return url;
    }
    for (const Tag &tag : icons) {
        if (const auto url = usable(tag.value(u"href"), base))
            return url;
    }
    for (const Tag &tag : startTags(html, u"meta")) {
        if (!tag.hasValue(u"property", u"og:image"))
            continue;
        if (const auto url = usable(tag.value(u"content"), base))
            return url;
    }
    return std::nullopt;
}

QString faviconAddress(const QString &domain)
{
    return QStringLiteral("https://") + domain + QStringLiteral("/favicon.ico");
}

}
