#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// How titles are cut into words, shared by tokens, story keys and grading.
namespace Ranking {

// The shortest words that tokens() and clusterKey() keep.
inline constexpr qsizetype tokenLength = 3;
inline constexpr qsizetype keyWordLength = 4;

// The text in lower case, as QString::toLower() gives it.
QString lowerCase(const QString &text);

// Letters, marks and numbers of any script make words; all else parts them.
inline bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

// Calls take(word) with each piece of a lower-cased text between characters
// that are not letters, marks or numbers of any script, empty pieces left
// out. No list is built: clustering splits thousands of titles at a time.
template<typename Take>
void forEachWord(QStringView lowered, Take take)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i < lowered.size();) {
        char32_t c = lowered[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < lowered.size() && lowered[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(lowered[i], lowered[i + 1]);
            width = 2;
        }
        const bool inWord = isWordCharacter(c);
        if (inWord && start < 0) {
            start = i;
        } else if (!inWord && start >= 0) {
            take(lowered.sliced(start, i - start));
            start = -1;
        }
        i += width;
    }
    if (start >= 0)
        take(lowered.sliced(start));
}

// Whether a word is at least minimumLength characters long and no stop
// word ("the", "says", "about" and the like).
bool isSignificant(QStringView word, qsizetype minimumLength);

// The words of a lower-cased text that are significant.
QList<QStringView> significantWords(QStringView lowered, qsizetype minimumLength);

// Length as a reader counts it, in grapheme clusters: "é" written as "e"
// and a combining accent is one character.
qsizetype characterCount(QStringView text);

// The text up to its count-th grapheme cluster.
QStringView firstCharacters(QStringView text, qsizetype count);

}
