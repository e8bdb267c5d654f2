#include "Addresses.h"

#include <QHostAddress>

namespace Discovery {

namespace {

constexpr QStringView indexFiles[] = {u"/index.html", u"/index.php", u"/default.aspx"};

// Addresses that reach the user's own machine or network. Qt counts private
// ranges as global, so they are named here.
bool isOwnNetwork(QHostAddress address)
{
    bool mapped = false;
    if (const quint32 ipv4 = address.toIPv4Address(&mapped); mapped)
        address = QHostAddress(ipv4);
    static const QList<std::pair<QHostAddress, int>> privateRanges{
        QHostAddress::parseSubnet(QStringLiteral("0.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("fc00::/7")),
    };
    return !address.isGlobal() || std::ranges::any_of(privateRanges, [&](const auto &range) {
        return address.isInSubnet(range);
    });
}

bool isWeb(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

QStringView withoutIndexFile(QStringView path)
{
    for (const QStringView suffix : indexFiles) {
        if (path.endsWith(suffix, Qt::CaseInsensitive))
            path.chop(suffix.size());
    }
    return path;
}

QStringView withoutTrailingSlashes(QStringView path)
{
    while (path.endsWith(u'/'))
        path.chop(1);
    return path;
}

}

std::optional<QString> absolutize(QStringView href, const QUrl &base)
{
    const QString trimmed = href.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl reference(trimmed);
    if (!reference.isValid())
        return std::nullopt;
    QUrl url = base.resolved(reference);
    if (url.scheme().isEmpty())
        url = QUrl(QStringLiteral("https://") + trimmed);
    if (!url.isValid() || !isWeb(url))
        return std::nullopt;
    return url.toString(QUrl::FullyEncoded);
}

QString tidyPath(QStringView path)
{
    return withoutTrailingSlashes(withoutIndexFile(path.toString().toLower())).toString();
}

QString tidy(const QUrl &url)
{
    const QString path = url.path(QUrl::FullyEncoded);
    return QStringLiteral("https://") + url.host(QUrl::FullyEncoded).toLower()
        + withoutTrailingSlashes(withoutIndexFile(path));
}

bool isPublic(const QUrl &url)
{
    if (!url.isValid() || !isWeb(url))
        return false;
    QString host = url.host(QUrl::FullyEncoded).toLower();
    while (host.endsWith(u'.'))
        host.chop(1);
    if (host == u"localhost" || host.endsWith(u".localhost"))
        return false;
    // No top-level domain begins with a digit: a host whose last label does
    // is an address in one of the many spellings resolvers accept
    // ("127.1", "2130706433"), public only when it reads as a global one.
    const QString lastLabel = host.section(u'.', -1);
    if (url.host().contains(u':') || (!lastLabel.isEmpty() && lastLabel.front().isDigit())) {
        const QHostAddress address(host);
        return !address.isNull() && !isOwnNetwork(address);
    }
    return true;
}

}
