#include "Markup.h"

namespace Discovery {

namespace {

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// The position just after the first "name=" at or after `from`, or -1.
qsizetype nextAssignment(QStringView tag, QStringView name, qsizetype from)
{
    for (qsizetype at = tag.indexOf(name, from, Qt::CaseInsensitive); at >= 0;
         at = tag.indexOf(name, at + 1, Qt::CaseInsensitive)) {
        const qsizetype equals = at + name.size();
        if (equals < tag.size() && tag[equals] == u'=')
            return equals + 1;
    }
    return -1;
}

// The value after an assignment, quoted or not: past an optional quote, up to
// the next quote or the end of the tag (its ">" excluded).
QStringView looseValue(QStringView tag, qsizetype start)
{
    if (start < tag.size() && isQuote(tag[start]))
        ++start;
    qsizetype end = start;
    while (end < tag.size() && !isQuote(tag[end]) && tag[end] != u'>')
        ++end;
    return tag.sliced(start, end - start);
}

// The next "<" + name followed by a blank (or, when bare tags count, by
// ">") at or after `from`; -1 when there is none.
qsizetype nextStartTag(QStringView html, QStringView name, qsizetype from, bool bare)
{
    for (qsizetype at = html.indexOf(u'<', from); at >= 0; at = html.indexOf(u'<', at + 1)) {
        const qsizetype after = at + 1 + name.size();
        if (after >= html.size())
            return -1;
        if (html.sliced(at + 1, name.size()).compare(name, Qt::CaseInsensitive) == 0
            && (html[after].isSpace() || (bare && html[after] == u'>')))
            return at;
    }
    return -1;
}

}

std::optional<QString> Tag::value(QStringView name) const
{
    for (qsizetype at = nextAssignment(m_text, name, 0); at >= 0; at = nextAssignment(m_text, name, at)) {
        if (at >= m_text.size() || !isQuote(m_text[at]))
            continue;
        const qsizetype start = at + 1;
        qsizetype end = start;
        while (end < m_text.size() && !isQuote(m_text[end]))
            ++end;
        if (end == m_text.size())
            return std::nullopt; // no closing quote anywhere further on
        if (end > start)
            return m_text.sliced(start, end - start).toString();
    }
    return std::nullopt;
}

bool Tag::hasValue(QStringView name, QStringView word) const
{
    for (qsizetype at = nextAssignment(m_text, name, 0); at >= 0; at = nextAssignment(m_text, name, at)) {
        const qsizetype end = at + 1 + word.size();
        if (end < m_text.size() && isQuote(m_text[at]) && isQuote(m_text[end])
            && m_text.sliced(at + 1, word.size()).compare(word, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool Tag::valueStartsWith(QStringView name, QStringView word) const
{
    for (qsizetype at = nextAssignment(m_text, name, 0); at >= 0; at = nextAssignment(m_text, name, at)) {
        const qsizetype start = at < m_text.size() && isQuote(m_text[at]) ? at + 1 : at;
        if (m_text.sliced(start).startsWith(word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool Tag::valueContains(QStringView name, QStringView word) const
{
    for (qsizetype at = nextAssignment(m_text, name, 0); at >= 0;) {
        const QStringView value = looseValue(m_text, at);
        if (value.contains(word, Qt::CaseInsensitive))
            return true;
        // An assignment inside this value has a value that is part of it, so
        // it cannot hold the word either.
        at = nextAssignment(m_text, name, value.data() - m_text.data() + value.size());
    }
    return false;
}

QList<Tag> startTags(QStringView html, QStringView name)
{
    QList<Tag> tags;
    for (qsizetype start = nextStartTag(html, name, 0, false); start >= 0;) {
        const qsizetype close = html.indexOf(u'>', start);
        if (close < 0)
            break;
        tags.append(Tag(html.sliced(start, close + 1 - start)));
        start = nextStartTag(html, name, close + 1, false);
    }
    return tags;
}

QList<QStringView> textElements(QStringView html, QStringView name)
{
    const QString closing = QStringLiteral("</") + name + u'>';
    QList<QStringView> texts;
    for (qsizetype start = nextStartTag(html, name, 0, true); start >= 0;) {
        const qsizetype textStart = html.indexOf(u'>', start) + 1;
        if (textStart == 0)
            break;
        const qsizetype textEnd = html.indexOf(u'<', textStart);
        if (textEnd < 0)
            break;
        if (html.sliced(textEnd).startsWith(closing, Qt::CaseInsensitive)) {
            texts.append(html.sliced(textStart, textEnd - textStart));
            start = nextStartTag(html, name, textEnd + closing.size(), true);
        } else {
            // Any start tag before textEnd would end at the same "<" and fail
            // the same way.
            start = nextStartTag(html, name, textEnd, true);
        }
    }
    return texts;
}

}
