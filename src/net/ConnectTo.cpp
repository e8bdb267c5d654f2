#include "ConnectTo.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

std::optional<ConnectTo::Target> parseTarget(QStringView text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0)
        return std::nullopt;
    QStringView address = text.first(colon).trimmed();
    if (address.startsWith(u'[') && address.endsWith(u']'))
        address = address.sliced(1, address.size() - 2);
    bool ok = false;
    const uint port = text.sliced(colon + 1).trimmed().toUInt(&ok);
    if (address.isEmpty() || !ok || port == 0 || port > 65535)
        return std::nullopt;
    return ConnectTo::Target{address.toString(), static_cast<quint16>(port)};
}

struct Shared {
    QMutex mutex;
    ConnectTo connectTo = ConnectTo::parse(qEnvironmentVariable("PELMOR_DEBUG_CONNECT_TO"));
};

Shared &shared()
{
    static Shared instance;
    return instance;
}

} // namespace

ConnectTo ConnectTo::parse(QStringView text)
{
    ConnectTo connectTo;
    for (const QStringView entry : text.split(u',')) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString host = entry.first(equals).trimmed().toString().toLower();
        const auto target = parseTarget(entry.sliced(equals + 1));
        if (!host.isEmpty() && target)
            connectTo.m_targets.insert(host, *target);
    }
    return connectTo;
}

std::optional<ConnectTo::Target> ConnectTo::target(const QString &host) const
{
    auto found = m_targets.constFind(host.toLower());
    if (found == m_targets.cend())
        found = m_targets.constFind(QStringLiteral("*"));
    if (found == m_targets.cend())
        return std::nullopt;
    return *found;
}

QUrl ConnectTo::route(const QUrl &url) const
{
    if (url.scheme() != u"http" && url.scheme() != u"https")
        return url;
    const auto mapped = target(url.host());
    if (!mapped)
        return url;
    QUrl routed = url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment);
    routed.setScheme(QStringLiteral("http"));
    routed.setHost(mapped->address);
    routed.setPort(mapped->port);
    return routed;
}

ConnectTo ConnectTo::current()
{
    QMutexLocker locker(&shared().mutex);
    return shared().connectTo;
}

void ConnectTo::setCurrent(const ConnectTo &connectTo)
{
    QMutexLocker locker(&shared().mutex);
    shared().connectTo = connectTo;
}
