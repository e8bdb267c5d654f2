#include "DiscoveryPrinters.h"
#include "FeedDeclarations.h"
#include "LinkHunt.h"
#include "LogoDiscovery.h"
#include "PageLinks.h"
#include "PageTitle.h"
#include "SiteMap.h"

#include <gtest/gtest.h>

namespace {

// Pages built to make backtracking patterns take quadratic time, each
// followed by one ordinary declaration of every kind that must still be read.
// Reading them is linear; a quadratic reader would not finish in any useful
// time (the bench measures the real speed).
const QString ordinaryTail = R"(>
    <title>Acme</title>
    <link rel="alternate" type="application/rss+xml" href="/feed.xml">
    <link rel="icon" href="/icon.png">
    <a href="/newsroom">Newsroom</a>
    <script type="application/ld+json">{"sameAs": ["https://x.com/acme"]}</script>
    <loc>https://acme.example/page</loc>)";

QString repeated(const QString &piece)
{
    return piece.repeated(100'000);
}

TEST(HostileMarkup, IsReadInOnePassWithOrdinaryResults)
{
    const QString hostile[] = {
        repeated("<link "),
        repeated("<link rel=alternate type=rss href="),
        repeated("<link rel=rel=icon"),
        repeated("<a href=\""),
        repeated("<a "),
        repeated("<title>"),
        repeated("<loc>"),
        repeated("<meta property=og:image "),
        repeated("\"sameAs\":["),
        repeated("\"sameAs\": \""),
        repeated("href=\""),
    };
    const QUrl base("https://acme.example/");
    for (const QString &prefix : hostile) {
        // The hostile run closes at the ">" that begins the tail, as one tag.
        const QString html = prefix + ordinaryTail;
        SCOPED_TRACE(prefix.left(40).toStdString());

        EXPECT_EQ(Discovery::declaredFeeds(html).constLast().href, "/feed.xml");
        EXPECT_TRUE(Discovery::logo(html, base).has_value());
        EXPECT_EQ(Discovery::anchors(html).constLast(), Discovery::Anchor({"/newsroom", "Newsroom"}));
        EXPECT_EQ(Discovery::sameAsAddresses(html).constLast(), "https://x.com/acme");
        EXPECT_EQ(Discovery::siteMapLocations(html).constLast(), "https://acme.example/page");
        Discovery::isMissing(html);
        Discovery::title(html);
        Discovery::LinkHunt hunt("acme.example");
        hunt.feed({html, base});
        EXPECT_FALSE(hunt.pages().value(LinkKind::press).isEmpty());
    }
}

TEST(HostileMarkup, UnclosedMarkupYieldsNothing)
{
    const QString unclosed[] = {
        repeated("<link rel=\"alternate\" type=\"application/rss+xml\" href=\"/f\" "),
        repeated("<a href=\"/x\" "),
        repeated("<title>x"),
    };
    for (const QString &html : unclosed) {
        EXPECT_TRUE(Discovery::declaredFeeds(html).isEmpty());
        EXPECT_TRUE(Discovery::anchors(html).isEmpty());
        EXPECT_EQ(Discovery::title(html), std::nullopt);
    }
}

} // namespace
