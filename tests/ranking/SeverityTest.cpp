#include "Grading.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

void PrintTo(Severity severity, std::ostream *out)
{
    *out << toText(severity).toStdString();
}

TEST(Severity, TextIsTheCaseName)
{
    const std::pair<Severity, QString> cases[] = {
        {Severity::high, "high"}, {Severity::notable, "notable"}, {Severity::routine, "routine"}, {Severity::none, "none"}};
    for (const auto &[severity, text] : cases) {
        EXPECT_EQ(toText(severity), text);
        EXPECT_EQ(severityFromText(text), severity);
    }
    const QString unknown[] = {"urgent", "High", " high", ""};
    for (const QString &text : unknown)
        EXPECT_EQ(severityFromText(text), std::nullopt) << text.toStdString();
}

TEST(Severity, CasesAreInOrderOfImportance)
{
    EXPECT_LT(Severity::high, Severity::notable);
    EXPECT_LT(Severity::notable, Severity::routine);
    EXPECT_LT(Severity::routine, Severity::none);
}

TEST(Severity, TitlesAreGradedByTheFirstKeywordListThatHits)
{
    const std::pair<QString, Severity> cases[] = {
        {"Company raises $40M Series B", Severity::high},
        {"Acme LAYS OFF 200", Severity::high},
        {"SEC opens probe into Acme", Severity::high},
        {"Chapter 11 filing", Severity::high},
        {"Acme acquires stake in Beta", Severity::high},
        {"Acme names CEO", Severity::high},
        {"Acme's ceo-resigns", Severity::high},
        // A phrase hits inside words: "series a" in "series about".
        {"A podcast series about growth", Severity::high},
        {"Company launches webinar series", Severity::routine},
        {"How to migrate your data", Severity::routine},
        {"Weekly update", Severity::routine},
        {"", Severity::routine},
        {"?!—…", Severity::routine},
        {"Second quarter results", Severity::notable},
        {"Acme reacquires stake in Beta", Severity::notable},
        {"Acme names new CFO", Severity::notable},
        {"Acme launch: Widget 2", Severity::notable},
        // Single words hit only as whole words.
        {"Blogger relaunches brand", Severity::routine},
        {"Unsecured cutscenes", Severity::routine},
    };
    for (const auto &[title, severity] : cases)
        EXPECT_EQ(Ranking::severity(title), severity) << title.toStdString();
}
