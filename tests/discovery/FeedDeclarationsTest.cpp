#include "DiscoveryPrinters.h"
#include "FeedDeclarations.h"

#include <gtest/gtest.h>

namespace {

using Discovery::DeclaredFeed;
using Discovery::FoundFeed;

TEST(FeedDeclarations, AlternateLinksOfFeedTypesAreDeclaredFeeds)
{
    const std::pair<QString, QList<DeclaredFeed>> cases[] = {
        {R"(<link rel="alternate" type="application/rss+xml" title="Acme News" href="/feed.xml">)",
         {{"/feed.xml", "Acme News"}}},
        {R"(<LINK REL=alternate TYPE='application/atom+xml' HREF='/atom'>)", {{"/atom", "Feed"}}},
        {R"(<link href="/feed.json" type="application/feed+json" rel="alternate">)", {{"/feed.json", "Feed"}}},
        {R"(<link rel="alternate" type="application/json+feed" href="/f.json" title="">)", {{"/f.json", "Feed"}}},
        {R"(<link rel="alternate" type="application/rss+xml" hreflang="de" href="/de/feed">)", {}},
        {R"(<link rel="alternate" type="text/html" href="/fr/">)", {}},
        {R"(<link rel="alternate" href="/feed.xml">)", {}},
        {R"(<link rel="alternate" type="application/rss+xml">)", {}},
        {R"(<link rel="alternate" type="application/rss+xml" href="/Blog/Comments/Feed/">)", {}},
        {R"(<link rel="stylesheet" type="text/css" href="/rss.css">)", {}},
        {"<link rel=\"alternate\"\n      type=\"application/rss+xml\"\n      href=\"/a\">"
         "<link rel=\"alternate\" type=\"application/rss+xml\" href=\"/b\" title=\"B\">",
         {{"/a", "Feed"}, {"/b", "B"}}},
    };
    for (const auto &[html, feeds] : cases)
        EXPECT_EQ(Discovery::declaredFeeds(html), feeds) << html.toStdString();
}

TEST(FeedDeclarations, DeclaredFeedsAreMadeAbsoluteAndClassified)
{
    const QString html = R"(
        <link rel="alternate" type="application/rss+xml" title="Newsroom" href="feed.xml">
        <link rel="alternate" type="application/rss+xml" title="Engineering Blog" href="https://blog.acme.example/rss">
        <link rel="alternate" type="application/rss+xml" title="Mail us" href="mailto:press@acme.example">
        <link rel="alternate" type="application/rss+xml" title="Investors" href="//ir.acme.example/feed">)";
    const QList<FoundFeed> expected{
        {SourceKind::press, "https://www.acme.example/news/feed.xml", "Newsroom"},
        {SourceKind::blog, "https://blog.acme.example/rss", "Engineering Blog"},
        {SourceKind::ir, "https://ir.acme.example/feed", "Investors"},
    };
    EXPECT_EQ(Discovery::declared(html, QUrl("https://www.acme.example/news/")), expected);
}

TEST(FeedDeclarations, KindsFollowAddressAndTitle)
{
    const std::tuple<QString, QString, SourceKind> cases[] = {
        {"https://acme.example/blog/feed", "Feed", SourceKind::blog},
        {"https://acme.example/ir/blog", "Feed", SourceKind::blog},
        {"https://acme.example/feed", "Investor news", SourceKind::ir},
        {"https://acme.example/IR/rss", "Feed", SourceKind::ir},
        {"https://status.acme.example/history.rss", "Feed", SourceKind::status},
        {"https://acme.example/feed", "Acme News", SourceKind::press},
    };
    for (const auto &[url, title, kind] : cases)
        EXPECT_EQ(Discovery::kind(url, title), kind) << url.toStdString();
}

} // namespace
