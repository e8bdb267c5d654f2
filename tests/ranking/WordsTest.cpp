#include "QtPrinters.h"
#include "Words.h"

#include <gtest/gtest.h>

namespace {

QStringList sorted(const QSet<QString> &set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

}

TEST(Words, TokensAreSignificantWordsOfThreeCharactersOrMore)
{
    const std::pair<QString, QStringList> cases[] = {
        {"Acme's CEO says: new AI chip is up, out and about!", {"acme", "ceo", "chip"}},
        {"ACME acme Acme", {"acme"}},
        {"Q3 2024 results—beat", {"2024", "beat", "results"}},
        {"e-mail, co-op & U.S. rules", {"mail", "rules"}},
        // Letters, marks and numbers of any script are parts of words.
        {"Zürich: Société Générale", {"générale", "société", "zürich"}},
        {"東京証券取引所 上場", {"東京証券取引所"}},
        {"Продажи выросли на 5%", {"выросли", "продажи"}},
        {"rocket🚀launch", {"launch", "rocket"}},
        {"", {}},
        {"?!… — ", {}},
    };
    for (const auto &[title, words] : cases)
        EXPECT_EQ(sorted(Ranking::tokens(title)), words) << title.toStdString();
}

TEST(Words, LengthsCountCharactersAsReadersDo)
{
    // Each of these words has more UTF-16 units than characters: accents
    // written as combining marks, letters outside the basic plane, vowel signs.
    const std::pair<QString, QStringList> tokenCases[] = {
        {QStringLiteral("e\u0301e\u0301 e\u0301te\u0301"), {QStringLiteral("e\u0301te\u0301")}},
        {QString::fromUcs4(U"\U0001D4B6\U0001D4B7 \U0001D4B6\U0001D4B7\U0001D4B8"),
         {QString::fromUcs4(U"\U0001D4B6\U0001D4B7\U0001D4B8")}},
        {"नई भारत नीति", {"भारत"}},
    };
    for (const auto &[title, words] : tokenCases)
        EXPECT_EQ(sorted(Ranking::tokens(title)), words) << title.toStdString();

    const std::pair<QString, QString> keyCases[] = {
        {QStringLiteral("cafe\u0301 bars"), QStringLiteral("bars-cafe\u0301")},
        {QStringLiteral("vi\u0301a rue"), QStringLiteral("vi\u0301a rue")},
        {QStringLiteral("e\u0301 ").repeated(25), QStringLiteral("e\u0301 ").repeated(20)},
        {QStringLiteral("a\r\n").repeated(25), QStringLiteral("a\r\n").repeated(20)},
    };
    for (const auto &[title, key] : keyCases)
        EXPECT_EQ(Ranking::clusterKey(title), key) << title.toStdString();
}

TEST(Words, ClusterKeyJoinsTheFiveLongestWordsInTextOrder)
{
    const std::pair<QString, QString> cases[] = {
        {"Quantum startup launches faster processor for enterprise customers worldwide",
         "customers-enterprise-launches-processor-worldwide"},
        // Equal lengths: the later words in text order win.
        {"bbbb aaaa dddd cccc eeee ffff", "bbbb-cccc-dddd-eeee-ffff"},
        {"Acme ACME acme beta", "acme-beta"},
        {"The Acme deal, says Wall Street", "acme-deal-street-wall"},
        {"Über große Pläne", "große-pläne-über"},
        // Nothing of four characters: the first forty characters, lower-cased.
        {"Is it up? Yes it is", "is it up? yes it is"},
        {"AZ ZA @[ `{ by", "az za @[ `{ by"},
        {"ÉTÉ À LA UNE", "été à la une"},
        {"Why? Why not. And yet, how far can it go? And who can say? Not me", "why? why not. and yet, how far can it go"},
        {"", ""},
    };
    for (const auto &[title, key] : cases)
        EXPECT_EQ(Ranking::clusterKey(title), key) << title.toStdString();
}
