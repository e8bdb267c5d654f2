#include "PublicAddress.h"

#include <QHostAddress>

#include <algorithm>

namespace {

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

}

bool isPublicAddress(const QUrl &url)
{
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty())
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
