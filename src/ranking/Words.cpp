#include "Words.h"

#include "WordSplit.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>

namespace Ranking {

QSet<QString> tokens(const QString &title)
{
    const QString lowered = lowerCase(title);
    QSet<QString> result;
    for (const QStringView word : significantWords(lowered, tokenLength))
        result.insert(word.toString());
    return result;
}

QString clusterKey(const QString &title)
{
    static constexpr qsizetype keyWords = 5;
    static constexpr qsizetype fallbackLength = 40;

    const QString lowered = lowerCase(title);
    QList<std::pair<qsizetype, QStringView>> ranked;
    for (const QStringView word : significantWords(lowered, keyWordLength))
        ranked.append({characterCount(word), word});
    if (ranked.isEmpty())
        return firstCharacters(lowered, fallbackLength).toString();

    // Longest first, equal lengths in descending text order.
    std::sort(ranked.begin(), ranked.end(), std::greater<>());
    ranked.erase(std::unique(ranked.begin(), ranked.end()), ranked.end());
    QStringList chosen;
    for (qsizetype i = 0; i < std::min(keyWords, ranked.size()); ++i)
        chosen.append(ranked.at(i).second.toString());
    chosen.sort();
    return chosen.join(u'-');
}

}
