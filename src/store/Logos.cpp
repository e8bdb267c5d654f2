#include "Logos.h"

#include "DatabaseError.h"
#include "DatabaseLocation.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

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
