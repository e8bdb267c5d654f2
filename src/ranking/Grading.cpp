#include "Grading.h"

#include "WordSplit.h"

#include <QSet>

#include <algorithm>
#include <span>

namespace Ranking {

namespace {

constexpr QStringView highTerms[] = {
    u"acquires", u"acquired",  u"acquisition", u"merger",        u"merges",     u"raises",     u"series a",
    u"series b", u"series c",  u"series d",    u"series e",      u"ipo",        u"layoffs",    u"lays off",
    u"cuts",     u"lawsuit",   u"sues",        u"subpoena",      u"recall",     u"recalls",    u"breach",
    u"hacked",   u"resigns",   u"steps down",  u"names ceo",     u"appoints ceo", u"bankruptcy", u"chapter 11",
    u"sec",      u"investigation", u"fined",   u"settlement",    u"delisted",   u"guidance cut"};
constexpr QStringView routineTerms[] = {u"webinar", u"blog",  u"tips",    u"celebrates", u"sponsors", u"podcast",
                                        u"newsletter", u"recap", u"roundup", u"how to",     u"guide"};
constexpr QStringView notableTerms[] = {
    u"launches", u"launch",  u"partners", u"partnership", u"expands",  u"opens",   u"appoints", u"names",
    u"awarded",  u"wins",    u"unveils",  u"introduces",  u"earnings", u"results", u"quarterly", u"filing",
    u"acquires stake"};

struct KeywordList {
    Severity grade;
    std::span<const QStringView> terms;

    // A phrase hits anywhere in the text, a single word only as a whole word.
    bool hits(QStringView lowered, const QSet<QStringView> &words) const
    {
        return std::any_of(terms.begin(), terms.end(), [&](QStringView term) {
            return term.contains(u' ') ? lowered.contains(term) : words.contains(term);
        });
    }
};

// In the order they are tried: a title with the word "acquires" is high
// although "acquires stake" is notable, and "Company launches webinar" is
// routine.
constexpr KeywordList keywordLists[] = {
    {Severity::high, highTerms},
    {Severity::routine, routineTerms},
    {Severity::notable, notableTerms},
};

}

Severity severity(const QString &title)
{
    const QString lowered = lowerCase(title);
    QSet<QStringView> words;
    forEachWord(lowered, [&words](QStringView word) { words.insert(word); });
    for (const KeywordList &list : keywordLists) {
        if (list.hits(lowered, words))
            return list.grade;
    }
    return Severity::routine;
}

}
