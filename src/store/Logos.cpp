#include "Logos.h"

#include "DatabaseError.h"
#include "DatabaseLocation.h"
#include "HttpClient.h"
#include "PublicAddress.h"
#include "UserAgent.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QUrl>

namespace Logos {

namespace {

// Loaded images by file name; an empty value records a file that could not
// be loaded, so views asking on every redraw never probe the disk again.
QMutex lock;
QHash<QString, std::optional<QImage>> cache;

void remember(const QString &name, const std::optional<QImage> &image)
{
    const QMutexLocker locker(&lock);
    cache.insert(name, image);
}

// Names come from company domains and stored rows; one that could reach
// outside the logos directory is never used.
bool isSafe(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..";
}

QString pathOf(const QString &name)
{
    return directory() + u'/' + name;
}

// Logos are fetched apart from discovery, introducing themselves briefly.
HttpClient &logoClient()
{
    // Never destroyed: requests may still be winding down when the process
    // ends.
    // Logo addresses come from pages, so they may not lead into the user's
    // own network, not even through a redirect.
    static HttpClient *const client = new HttpClient(HttpClientSettings{
        .headers = {{"User-Agent", UserAgent::product}},
        .requestTimeout = std::chrono::seconds(10),
        .acceptsAddress = isPublicAddress,
    });
    return *client;
}

// Anything this short is a placeholder or an empty icon.
constexpr qsizetype shortestLogo = 101;

}

QCoro::Task<std::optional<QByteArray>> fetch(QString address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https"))
        co_return std::nullopt;
    // Named first: GCC 12 mishandles some temporaries inside co_await.
    HttpRequest request{.url = url};
    const HttpResult result = co_await logoClient().send(std::move(request));
    if (!result || result->status < 200 || result->status > 299 || result->body.size() < shortestLogo)
        co_return std::nullopt;
    co_return result->body;
}

QString directory()
{
    // Beside the database, so that a database moved by PELMOR_DB never
    // shares (and overwrites) the user's own logos.
    QString base;
    try {
        base = QFileInfo(DatabaseLocation::choose()).absolutePath();
    } catch (const DatabaseError &) {
        base = QDir::tempPath() + QStringLiteral("/pelmor");
    }
    const QString logos = base + QStringLiteral("/logos");
    QDir().mkpath(logos);
    return logos;
}

std::optional<QString> save(const QByteArray &data, const QString &domain)
{
    QImage decoded;
    if (!decoded.loadFromData(data) || decoded.width() < 16)
        return std::nullopt;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !decoded.save(&buffer, "PNG"))
        return std::nullopt;

    const QString name = domain + QStringLiteral(".png");
    if (!isSafe(domain))
        return std::nullopt;
    QFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(png) != png.size())
        return std::nullopt;
    file.close();
    remember(name, decoded);
    return name;
}

std::optional<QImage> image(const QString &name)
{
    if (!isSafe(name))
        return std::nullopt;
    {
        const QMutexLocker locker(&lock);
        const auto found = cache.constFind(name);
        if (found != cache.cend())
            return *found;
    }
    std::optional<QImage> loaded;
    if (QImage fromDisk(pathOf(name)); !fromDisk.isNull())
        loaded = fromDisk;
    remember(name, loaded);
    return loaded;
}

void remove(const QString &name)
{
    if (!isSafe(name))
        return;
    remember(name, std::nullopt);
    QFile::remove(pathOf(name));
}

}
