#include "UrlText.h"

#include <QUrl>

namespace Ranking {

std::optional<UrlText> UrlText::parse(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return std::nullopt;

    // A strictly valid address with a host reads "scheme://authority", then
    // the path, "?query" and "#fragment"; none of "/?#" can occur earlier.
    const QStringView whole(text);
    const qsizetype authority = whole.indexOf(u':') + 3;
    qsizetype fragment = whole.indexOf(u'#', authority);
    if (fragment < 0)
        fragment = whole.size();
    const qsizetype question = whole.first(fragment).indexOf(u'?', authority);
    const qsizetype pathEnd = question < 0 ? fragment : question;
    qsizetype authorityEnd = authority;
    while (authorityEnd < pathEnd && whole[authorityEnd] != u'/')
        ++authorityEnd;

    QStringView host = whole.sliced(authority, authorityEnd - authority);
    host = host.sliced(host.lastIndexOf(u'@') + 1);
    const qsizetype port = host.startsWith(u'[') ? host.indexOf(u"]:") + 1 : host.indexOf(u':');
    if (port > 0)
        host.truncate(port);

    UrlText parts{.head = whole.first(authorityEnd),
                  .host = host,
                  .path = whole.sliced(authorityEnd, pathEnd - authorityEnd),
                  .query = std::nullopt};
    if (question >= 0)
        parts.query = whole.sliced(question + 1, fragment - question - 1);
    return parts;
}

QList<QueryParameter> queryParameters(QStringView query)
{
    QList<QueryParameter> parameters;
    for (const QStringView piece : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = piece.indexOf(u'=');
        QueryParameter &parameter = parameters.emplaceBack();
        parameter.text = piece;
        parameter.name = percentDecoded(equals < 0 ? piece : piece.first(equals));
        if (equals >= 0)
            parameter.value = piece.sliced(equals + 1);
    }
    return parameters;
}

QString percentDecoded(QStringView text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

}
