#include "PageLinks.h"

#include "Markup.h"
#include "Patterns.h"
#include "MarkupText.h"

namespace Discovery {

namespace {

// How much of a link's text is read: enough for a label, bounded so that a
// page of unclosed anchors stays cheap.
constexpr qsizetype anchorTextLength = 200;

// The href an anchor's start tag holds: the last href="…" (or '…') in it, as
// a greedy "<a\s[^>]*href=…" would find.
std::optional<QString> anchorHref(const Tag &tag)
{
    const QStringView text = tag.text();
    std::optional<QString> found;
    for (qsizetype at = text.indexOf(u"href=", 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(u"href=", at + 1, Qt::CaseInsensitive)) {
        const qsizetype start = at + 6;
        if (start > text.size() || (text[start - 1] != u'"' && text[start - 1] != u'\''))
            continue;
        qsizetype end = start;
        while (end < text.size() && text[end] != u'"' && text[end] != u'\'')
            ++end;
        if (end == text.size())
            break;
        found = text.sliced(start, end - start).toString();
    }
    return found;
}

// The JSON value after each "sameAs" key: an array up to its first "]" or a
// string, as the page writes them.
QList<QStringView> sameAsValues(QStringView html)
{
    QList<QStringView> values;
    constexpr QStringView key = u"\"sameAs\"";
    // Once a closing "]" or quote is missing, it is missing for every later
    // key too.
    bool arraysEnd = true;
    bool stringsEnd = true;
    for (qsizetype at = html.indexOf(key, 0, Qt::CaseInsensitive); at >= 0;) {
        qsizetype next = at + key.size();
        while (next < html.size() && html[next].isSpace())
            ++next;
        if (next < html.size() && html[next] == u':') {
            ++next;
            while (next < html.size() && html[next].isSpace())
                ++next;
        } else {
            next = -1;
        }
        qsizetype end = -1;
        if (next >= 0 && next < html.size()) {
            if (html[next] == u'[' && arraysEnd) {
                end = html.indexOf(u']', next);
                arraysEnd = end >= 0;
            } else if (html[next] == u'"' && stringsEnd) {
                end = html.indexOf(u'"', next + 1);
                stringsEnd = end >= 0;
            }
        }
        if (end >= 0) {
            values.append(html.sliced(next, end + 1 - next));
            at = html.indexOf(key, end + 1, Qt::CaseInsensitive);
        } else {
            at = html.indexOf(key, at + 1, Qt::CaseInsensitive);
        }
    }
    return values;
}

}

QList<Anchor> anchors(QStringView html)
{
    QList<Anchor> found;
    for (const Tag &tag : startTags(html, u"a")) {
        const auto href = anchorHref(tag);
        if (!href)
            continue;
        const qsizetype textStart = tag.text().data() - html.data() + tag.text().size();
        QStringView snippet = html.sliced(textStart).first(std::min(anchorTextLength, html.size() - textStart));
        if (const qsizetype close = snippet.indexOf(u"</a>", 0, Qt::CaseInsensitive); close >= 0)
            snippet.truncate(close);
        found.append({*href, MarkupText::clean(snippet.toString())});
    }
    return found;
}

QStringList sameAsAddresses(QStringView html)
{
    QStringList addresses;
    for (const QStringView value : sameAsValues(html)) {
        QString unescaped = value.toString();
        unescaped.replace(QStringLiteral("\\/"), QStringLiteral("/"));
        addresses += matches(QStringLiteral("https?://[^\"\\s,]+"), unescaped);
    }
    return addresses;
}

}
