#include "WordSplit.h"

#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace Ranking {

namespace {

// Below U+0300, where combining marks begin, only CR LF makes one grapheme
// cluster of two units: text without them, as most headlines are, needs no
// boundary finder.
bool isOneUnitPerCharacter(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
}

bool isStopWord(QStringView word)
{
    static const QSet<QStringView> stopWords{
        u"the",  u"a",    u"an",   u"and",  u"or",   u"of",   u"to",    u"in",   u"for",  u"on",
        u"with", u"at",   u"by",   u"from", u"as",   u"is",   u"are",   u"was",  u"were", u"be",
        u"it",   u"its",  u"that", u"this", u"after", u"into", u"over", u"amid", u"says", u"said",
        u"new",  u"will", u"has",  u"have", u"up",   u"down", u"out",   u"about"};
    return stopWords.contains(word);
}

}

QString lowerCase(const QString &text)
{
    // Most headlines are ASCII, and toLower() spends more time on them in
    // its Unicode tables than splitting and matching take together.
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLower();
    QString lowered = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] >= u'A' && text[i] <= u'Z')
            lowered[i] = QChar(text[i].unicode() + (u'a' - u'A'));
    }
    return lowered;
}

bool isSignificant(QStringView word, qsizetype minimumLength)
{
    // No word has more characters than UTF-16 units.
    return word.size() >= minimumLength && characterCount(word) >= minimumLength && !isStopWord(word);
}

QList<QStringView> significantWords(QStringView lowered, qsizetype minimumLength)
{
    QList<QStringView> kept;
    forEachWord(lowered, [&](QStringView word) {
        if (isSignificant(word, minimumLength))
            kept.append(word);
    });
    return kept;
}

qsizetype characterCount(QStringView text)
{
    if (isOneUnitPerCharacter(text))
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}

QStringView firstCharacters(QStringView text, qsizetype count)
{
    if (isOneUnitPerCharacter(text))
        return text.first(std::min(count, text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype end = 0;
    for (qsizetype n = 0; n < count && end < text.size(); ++n)
        end = finder.toNextBoundary();
    return text.first(end);
}

}
