#include "NewsSearch.h"

#include "Links.h"

#include <QStringList>

namespace Discovery {

namespace {

// Percent-encodes the search terms for the query. Query punctuation stays
// readable, but "&" and "+" are encoded: left alone, "AT&T" would end the
// query after "AT" and "C++" would be read as "C" and two spaces.
QString encodeTerms(const QString &terms)
{
    QString encoded;
    for (const char byte : terms.toUtf8()) {
        const auto c = static_cast<unsigned char>(byte);
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || QByteArrayView("-._~!$'()*,;=:@/?").contains(static_cast<char>(c));
        if (kept)
            encoded += QLatin1Char(static_cast<char>(c));
        else
            encoded += u'%' + QString::number(c, 16).toUpper().rightJustified(2, u'0');
    }
    return encoded;
}

}

QString googleNewsURL(const QString &name, const QString &domain)
{
    QStringList terms;
    for (const QString &term : {name, domain}) {
        if (!term.isEmpty())
            terms.append(term);
    }
    return QStringLiteral("https://") + QStringView(Ranking::newsSearchHost) + QStringLiteral("/rss/search?q=")
        + encodeTerms(terms.join(QStringLiteral(" OR "))) + QStringLiteral("&hl=en-US&gl=US&ceid=US:en");
}

}
