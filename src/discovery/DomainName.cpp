#include "DomainName.h"

namespace Discovery {

QString normalize(const QString &text)
{
    QString host = text.trimmed().toLower();
    if (host.startsWith(u"https://"))
        host.remove(0, 8);
    if (host.startsWith(u"http://"))
        host.remove(0, 7);
    if (host.startsWith(u"www."))
        host.remove(0, 4);
    const qsizetype slash = host.indexOf(u'/');
    if (slash >= 0)
        host.truncate(slash);
    return host;
}

QString prettyName(const QString &domain)
{
    const QString label = domain.section(u'.', 0, 0);
    if (label.isEmpty())
        return label;
    // The first character may be a surrogate pair, and its capital may be
    // longer than one character.
    const qsizetype first = label.at(0).isHighSurrogate() && label.size() > 1 ? 2 : 1;
    return label.first(first).toUpper() + label.sliced(first);
}

bool isValidDomain(const QString &text)
{
    const QString domain = normalize(text);
    return domain.contains(u'.') && !domain.contains(u' ') && domain.size() >= 4 && !domain.startsWith(u'.')
        && !domain.endsWith(u'.');
}

}
