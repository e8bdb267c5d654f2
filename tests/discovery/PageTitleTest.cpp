#include "PageTitle.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString page(const QString &title)
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body></body></html>";
}

TEST(PageTitle, NamesTheCompanyFromTheFirstSpecificPiece)
{
    const std::pair<QString, std::optional<QString>> cases[] = {
        {page("Welcome | Acme"), "Acme"},
        {page("HOME"), "HOME"},
        {page("Home | Index"), "Home"},
        {page("Acme: home"), "Acme"},
        {page("Acme \u2013 Rockets"), "Acme"},
        {page("Official Site \u2014 Acme \u00B7 Rockets"), "Acme"},
        {page("Start \u00BB Acme"), "Acme"},
        {page("Acme \\ Rockets / Lasers - Robots"), "Acme"},
        {page("Acme-Robotics"), "Acme-Robotics"},
        {page("Tom &amp; Jerry&#8217;s | Home"), "Tom & Jerry\u2019s"},
        {"<TITLE lang=\"en\">Acme</TITLE>", "Acme"},
        {page(QString(60, 'x')), QString(60, 'x')},
        {page(QString(61, 'x')), std::nullopt},
        {page(QString(59, 'x') + "🚀"), QString(59, 'x') + "🚀"},
        {page(""), std::nullopt},
        {page(" | "), "|"},
        {"<html><body>no title</body></html>", std::nullopt},
        {"<title>Acme <b>Rockets</b></title>", std::nullopt},
    };
    for (const auto &[html, name] : cases)
        EXPECT_EQ(Discovery::title(html), name) << html.toStdString();
}

TEST(PageTitle, TitlesSpreadOverLinesGiveTidyNames)
{
    const std::pair<QString, std::optional<QString>> cases[] = {
        {page("\n    Acme Robotics\n    | Home\n  "), "Acme Robotics"},
        {page("Acme\n\tRobotics"), "Acme Robotics"},
        {page("Home\n|\nAcme   Robotics"), "Acme Robotics"},
        {page("Acme &amp;\n  Sons"), "Acme & Sons"},
        {page(" \n\t "), std::nullopt},
    };
    for (const auto &[html, name] : cases)
        EXPECT_EQ(Discovery::title(html), name) << html.toStdString();
}

TEST(PageTitle, MissingPagesAreJudgedByTheWholeTitle)
{
    const std::pair<QString, bool> cases[] = {
        {page("Acme | Page not found"), true},
        {page("404 | Acme"), true},
        {page("Not Found"), true},
        {page("Acme\nnot\n found"), true},
        {page("Acme | Newsroom"), false},
        {page(""), false},
        {"<html><body>404</body></html>", false},
    };
    for (const auto &[html, missing] : cases)
        EXPECT_EQ(Discovery::isMissing(html), missing) << html.toStdString();
}

} // namespace
