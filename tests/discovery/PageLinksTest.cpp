#include "DiscoveryPrinters.h"
#include "PageLinks.h"

#include <gtest/gtest.h>

namespace {

using Discovery::Anchor;

TEST(PageLinks, AnchorsGiveTheirHrefAndTheStartOfTheirText)
{
    const std::pair<QString, QList<Anchor>> cases[] = {
        {R"(<a href="/newsroom">News<b>room</b></a>)", {{"/newsroom", "Newsroom"}}},
        {R"(<A class="nav" HREF='/press'>  Press  </A>)", {{"/press", "  Press  "}}},
        {"<a\nhref=\"/ir\">Investors &amp; shareholders</a>", {{"/ir", "Investors & shareholders"}}},
        {R"(<a href="">Top</a><a name="anchor">No link</a>)", {{"", "Top"}}},
        {R"(<a data-track-href="/t" href="/blog">Blog</a>)", {{"/blog", "Blog"}}},
        {R"(<abbr title="x">X</abbr><area href="/map"><a href=/unquoted>U</a>)", {}},
        {"<a href=\"/long\">" + QString(300, 'x') + "</a>", {{"/long", QString(200, 'x')}}},
        {R"(<a href="/a">A <a href="/b">B</a>)", {{"/a", "A B"}, {"/b", "B"}}},
    };
    for (const auto &[html, anchors] : cases)
        EXPECT_EQ(Discovery::anchors(html), anchors) << html.toStdString();
}

TEST(PageLinks, SameAsListsGiveProfileAddresses)
{
    const QString html = R"(<script type="application/ld+json">
        {"@type": "Organization", "name": "Acme",
         "sameAs" : [ "https:\/\/www.linkedin.com\/company\/acme", "https://x.com/acme",
                      "mailto:press@acme.example" ]}
        </script>
        <script type="application/ld+json">{"@type":"Person","SAMEAS":"http://github.com/acme-bot"}</script>
        <script>var broken = {"sameAs": 12};</script>)";
    EXPECT_EQ(Discovery::sameAsAddresses(html),
              QStringList({"https://www.linkedin.com/company/acme", "https://x.com/acme", "http://github.com/acme-bot"}));
}

} // namespace
