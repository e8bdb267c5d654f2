#include "DomainName.h"
#include "NewsSearch.h"
#include "Patterns.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(Naming, NormalizeReducesTypedTextToAHost)
{
    const std::pair<QString, QString> cases[] = {
        {"  HTTPS://WWW.Acme.COM/about/us \n", "acme.com"},
        {"http://acme.com", "acme.com"},
        {"https://http://acme.com", "acme.com"},
        {"www.www.acme.com", "www.acme.com"},
        {"acme.com:8443/path", "acme.com:8443"},
        {"acme.com?x=1", "acme.com?x=1"},
        {" Acme ", "acme"},
        {"ÉCOLE.fr", "école.fr"},
        {"", ""},
    };
    for (const auto &[typed, host] : cases)
        EXPECT_EQ(Discovery::normalize(typed), host) << typed.toStdString();
}

TEST(Naming, ValidDomains)
{
    const std::pair<QString, bool> cases[] = {
        {"a.co", true}, {"https://www.acme.com/", true}, {"a.c", false},   {".acme.com", false},
        {"acme.", false}, {"ac me.com", false},         {"acme", false}, {"", false},
    };
    for (const auto &[typed, valid] : cases)
        EXPECT_EQ(Discovery::isValidDomain(typed), valid) << typed.toStdString();
}

TEST(Naming, PrettyNameCapitalisesTheFirstLabel)
{
    const std::pair<QString, QString> cases[] = {
        {"acme.co.uk", "Acme"}, {"openAI.com", "OpenAI"}, {"localhost", "Localhost"},
        {"ßeta.de", "SSeta"},   {"", ""},                  {"𝒶bc.com", "𝒶bc"},
    };
    for (const auto &[domain, name] : cases)
        EXPECT_EQ(Discovery::prettyName(domain), name) << domain.toStdString();
}

TEST(Naming, NewsSearchAddress)
{
    const QString tail = "&hl=en-US&gl=US&ceid=US:en";
    const QString head = "https://news.google.com/rss/search?q=";
    const std::tuple<QString, QString, QString> cases[] = {
        {"Acme", "acme.com", "Acme%20OR%20acme.com"},
        {"", "acme.com", "acme.com"},
        {"", "", ""},
        {"Café \"Noir\" #1 100%", "", "Caf%C3%A9%20%22Noir%22%20%231%20100%25"},
        // Left bare, these would end the query early or read as spaces.
        {"AT&T", "att.com", "AT%26T%20OR%20att.com"},
        {"C++ Labs", "", "C%2B%2B%20Labs"},
        {"Q&A: why?", "", "Q%26A:%20why?"},
    };
    for (const auto &[name, domain, query] : cases)
        EXPECT_EQ(Discovery::googleNewsURL(name, domain), head + query + tail) << name.toStdString();
}

TEST(Naming, MatchesTakeTheFirstGroupOrTheWholeMatch)
{
    EXPECT_EQ(Discovery::matches("<TITLE>([^<]*)</title>", "<title>A</title><Title>B</TITLE>"), QStringList({"A", "B"}));
    EXPECT_EQ(Discovery::matches("ab+", "xABBBy ab"), QStringList({"ABBB", "ab"}));
    EXPECT_EQ(Discovery::matches("(unclosed", "(unclosed"), QStringList());
    EXPECT_EQ(Discovery::matches("x", ""), QStringList());
    EXPECT_EQ(Discovery::matches("(a)|b", "b a"), QStringList{"a"}) << "a match without its group gives nothing";
}
