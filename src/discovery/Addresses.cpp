#include "Addresses.h"

namespace Discovery {

namespace {

constexpr QStringView indexFiles[] = {u"/index.html", u"/index.php", u"/default.aspx"};

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

}
