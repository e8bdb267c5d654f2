#include "FeedParser.h"
#include "FeedTesting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    const char *name;
    QByteArray document;
    std::optional<QString> expected; // of the first item's field under test; none when there is no item
};

// The one item a document yields, or none.
std::optional<ParsedItem> onlyItem(const QByteArray &document)
{
    const std::optional<ParsedFeed> feed = FeedParser::parse(document);
    if (!feed)
        return std::nullopt;
    EXPECT_EQ(feed->items.size(), 1);
    return feed->items.first();
}

template<typename Field>
void expectField(std::initializer_list<Case> cases, Field field)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ParsedItem> item = onlyItem(c.document);
        EXPECT_EQ(item ? std::optional(field(*item)) : std::nullopt, c.expected);
    }
}

QString linkOf(const ParsedItem &item)
{
    return item.link;
}

QString titleOf(const ParsedItem &item)
{
    return item.title;
}

QString summaryOf(const ParsedItem &item)
{
    return item.summary.value_or(u"(none)"_s);
}

} // namespace

TEST(XmlFeed, ReadsAnRssItem)
{
    const std::optional<ParsedFeed> feed = FeedParser::parse(rss(R"(
        <item>
          <title>Acme &amp;lt;b&amp;gt;beats&amp;lt;/b&amp;gt; estimates</title>
          <link>https://news.example.com/acme-beats</link>
          <description><![CDATA[<p>Quarterly <b>revenue</b> rose 12%.</p>]]></description>
          <pubDate>Tue, 05 Mar 2024 14:30:00 GMT</pubDate>
          <source url="https://wire.example.com/rss">Example Wire</source>
        </item>
        <item><title>Second</title><link>https://news.example.com/second</link></item>)"));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title, u"Acme news"_s);
    ASSERT_EQ(feed->items.size(), 2);
    EXPECT_EQ(feed->items[0], (ParsedItem{.title = u"Acme <b>beats</b> estimates"_s,
                                          .link = u"https://news.example.com/acme-beats"_s,
                                          .summary = u"Quarterly revenue rose 12%."_s,
                                          .published = utc(2024, 3, 5, 14, 30),
                                          .sourceName = u"Example Wire"_s,
                                          .sourceURL = u"https://wire.example.com/rss"_s}));
    EXPECT_EQ(feed->items[1], (ParsedItem{.title = u"Second"_s, .link = u"https://news.example.com/second"_s}));
}

TEST(XmlFeed, ReadsAnAtomEntryAndRdfItem)
{
    const std::optional<ParsedFeed> atomFeed = FeedParser::parse(atom(R"(
        <entry>
          <title type="html">Acme &lt;em&gt;ships&lt;/em&gt;</title>
          <link rel="alternate" type="text/html" href="https://blog.acme.com/ships"/>
          <id>tag:acme.com,2024:1</id>
          <updated>2024-03-05T15:30:00+01:00</updated>
          <summary>Shipping now.</summary>
        </entry>)"));
    ASSERT_TRUE(atomFeed);
    EXPECT_EQ(atomFeed->title, u"Acme blog"_s);
    EXPECT_EQ(atomFeed->items, (QList<ParsedItem>{{.title = u"Acme ships"_s,
                                                   .link = u"https://blog.acme.com/ships"_s,
                                                   .summary = u"Shipping now."_s,
                                                   .published = utc(2024, 3, 5, 14, 30)}}));

    const std::optional<ParsedFeed> rdfFeed = FeedParser::parse(R"(<?xml version="1.0"?>
        <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#" xmlns="http://purl.org/rss/1.0/"
                 xmlns:dc="http://purl.org/dc/elements/1.1/">
          <channel rdf:about="https://acme.com/"><title>Acme RDF</title></channel>
          <item rdf:about="https://acme.com/1"><title>One</title><link>https://acme.com/1</link>
            <dc:date>2024-03-05T14:30:00Z</dc:date></item>
        </rdf:RDF>)");
    ASSERT_TRUE(rdfFeed);
    EXPECT_EQ(rdfFeed->title, u"Acme RDF"_s);
    EXPECT_EQ(rdfFeed->items, (QList<ParsedItem>{{.title = u"One"_s, .link = u"https://acme.com/1"_s,
                                                  .published = utc(2024, 3, 5, 14, 30)}}));
}

TEST(XmlFeed, FindsTheLink)
{
    expectField({
        {"a guid that is a web address", rss("<item><title>T</title><guid>https://acme.com/g</guid></item>"),
         u"https://acme.com/g"_s},
        {"a tag: guid", rss("<item><title>T</title><guid>tag:acme.com,2024:1</guid></item>"), std::nullopt},
        {"a numeric guid", rss("<item><title>T</title><guid isPermaLink=\"false\">1234</guid></item>"), std::nullopt},
        {"the link before the guid", rss("<item><title>T</title><guid>https://acme.com/g</guid>"
                                         "<link>https://acme.com/l</link></item>"),
         u"https://acme.com/g"_s},
        {"a link that is not a web address", rss("<item><title>T</title><link>ftp://acme.com/f</link></item>"),
         std::nullopt},
        {"a self link, then one without rel",
         atom(R"(<entry><title>T</title><link rel="self" href="https://acme.com/self"/>
                 <link href="https://acme.com/page"/></entry>)"),
         u"https://acme.com/page"_s},
        {"two alternate links", atom(R"(<entry><title>T</title><link rel="alternate" href="https://acme.com/1"/>
                                        <link rel="alternate" href="https://acme.com/2"/></entry>)"),
         u"https://acme.com/1"_s},
        {"an id before the alternate link", atom(R"(<entry><title>T</title><id>https://acme.com/id</id>
                                                    <link href="https://acme.com/page"/></entry>)"),
         u"https://acme.com/id"_s},
        {"only an enclosure", atom(R"(<entry><title>T</title><link rel="enclosure" href="https://acme.com/a.mp3"/>
                                      </entry>)"),
         std::nullopt},
        {"a prefixed link", rss(R"(<item><title>T</title><atom:link href="https://acme.com/a"/></item>)"),
         std::nullopt},
        // The Kelvin sign lower-cases to "k".
        {"a name lower-cased beyond ASCII",
         rss("<item><title>T</title><LIN\u212A>https://acme.com/k</LIN\u212A></item>"), u"https://acme.com/k"_s},
    }, linkOf);
}

TEST(XmlFeed, CleansTitlesAndDropsEmptyOnes)
{
    expectField({
        {"markup and entities", rss("<item><title> <![CDATA[Acme&#8217;s <i>new</i> plant &hellip;]]> </title>"
                                    "<link>https://acme.com/1</link></item>"),
         u"Acme\u2019s new plant \u2026"_s},
        {"an empty title", rss("<item><title></title><link>https://acme.com/1</link></item>"), std::nullopt},
        {"a title of tags", rss("<item><title>&lt;br/&gt;</title><link>https://acme.com/1</link></item>"),
         std::nullopt},
        {"no title", rss("<item><link>https://acme.com/1</link></item>"), std::nullopt},
        {"a later title replaces", rss("<item><title>First</title><title>Second</title>"
                                       "<link>https://acme.com/1</link></item>"),
         u"Second"_s},
        {"a prefixed title", rss("<item><title>Own</title><media:title>Media</media:title>"
                                 "<link>https://acme.com/1</link></item>"),
         u"Own"_s},
        {"names in any case", "<RSS><Channel><ITEM><Title>Loud</Title><LINK>https://acme.com/1</LINK></ITEM>"
                              "</Channel></RSS>",
         u"Loud"_s},
        {"only the text after the last child",
         rss("<item><title>Lost <b>bold</b> kept</title><link>https://acme.com/1</link></item>"), u"kept"_s},
    }, titleOf);
}

TEST(XmlFeed, TakesTheFirstSummaryCutTo500Characters)
{
    const std::string word = "word ";
    std::string long800;
    while (long800.size() < 800)
        long800 += word;
    const auto item = [](const std::string &inner) {
        return rss("<item><title>T</title><link>https://acme.com/1</link>" + inner + "</item>");
    };
    // 499 letters, then "e" and a combining acute accent: one character.
    const std::string accented = std::string(499, 'a') + "e\xCC\x81" + "tail";
    const std::string emoji = std::string(499, 'a') + "\xF0\x9F\x93\x88" + "tail";

    expectField({
        {"800 characters", item("<description>" + long800 + "</description>"),
         QString::fromStdString(long800.substr(0, 500))},
        {"the first of the group", item("<content:encoded>Full</content:encoded><description>Short</description>"),
         u"Full"_s},
        {"an empty one leaves room", item("<description> </description><summary>Later</summary>"), u"Later"_s},
        {"markup cleaned away", item("<description>&lt;p&gt;&lt;/p&gt;</description><summary>Later</summary>"),
         u""_s},
        {"a letter and its accent", item("<description>" + accented + "</description>"),
         QString::fromUtf8(accented.substr(0, 502))},
        {"a surrogate pair", item("<description>" + emoji + "</description>"),
         QString::fromUtf8(emoji.substr(0, 503))},
        {"none", item(""), u"(none)"_s},
    }, summaryOf);
}

TEST(XmlFeed, TakesTheFirstDateThatParses)
{
    const auto published = [](const char *dates) {
        const std::optional<ParsedItem> item =
            onlyItem(rss(std::string("<item><title>T</title><link>https://acme.com/1</link>") + dates + "</item>"));
        return item ? item->published : std::nullopt;
    };
    EXPECT_EQ(published("<pubDate>last Tuesday</pubDate><dc:date>2024-03-05T14:30:00Z</dc:date>"),
              utc(2024, 3, 5, 14, 30));
    EXPECT_EQ(published("<pubDate>Mon, 04 Mar 2024 10:00:00 +0000</pubDate><dc:date>2024-03-05T14:30:00Z</dc:date>"),
              utc(2024, 3, 4, 10));
    EXPECT_EQ(published("<pubDate>soon</pubDate>"), std::nullopt);
}

TEST(XmlFeed, TakesTheFirstNonEmptyTitleOutsideEntries)
{
    const std::optional<ParsedFeed> feed = FeedParser::parse(rss(
        "<item><title>Entry</title><link>https://acme.com/1</link></item><image><title>Logo</title></image>",
        "<title> </title><description>About</description><title>Acme &amp; Co</title>"));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title, u"Acme & Co"_s);
}

// An Atom source element describes the feed the entry first appeared in:
// its title and links are not the entry's.
TEST(XmlFeed, KeepsTheSourceElementApartFromTheEntry)
{
    const std::optional<ParsedItem> ownFirst = onlyItem(atom(R"(
        <entry>
          <source><id>https://origin.example.com/</id><title>Origin</title>
            <link href="https://origin.example.com/"/></source>
          <title>Own</title><link href="https://acme.com/own"/>
        </entry>)"));
    ASSERT_TRUE(ownFirst);
    EXPECT_EQ(ownFirst->title, u"Own"_s);
    EXPECT_EQ(ownFirst->link, u"https://acme.com/own"_s);
    EXPECT_EQ(ownFirst->sourceName, std::nullopt);

    EXPECT_FALSE(FeedParser::parse(atom(R"(
        <entry><title>Own</title>
          <source><link href="https://origin.example.com/"/><entry><title>X</title></entry></source>
        </entry>)")));

    const std::optional<ParsedItem> rssSource = onlyItem(rss(R"(
        <item><title>T</title><link>https://acme.com/1</link>
          <source url="https://wire.example.com/feed"> Wire &amp; Co </source></item>)"));
    ASSERT_TRUE(rssSource);
    EXPECT_EQ(rssSource->sourceName, u"Wire & Co"_s);
    EXPECT_EQ(rssSource->sourceURL, u"https://wire.example.com/feed"_s);
}

TEST(XmlFeed, ToleratesBlankLinesBeforeTheDeclaration)
{
    const QByteArray feed = rss("<item><title>One</title><link>https://acme.com/1</link></item>");
    for (const QByteArray &prefix : {QByteArray("\n"), QByteArray("\r\n\r\n"), QByteArray(" \t\n")})
        EXPECT_TRUE(FeedParser::parse(QByteArray(prefix + feed))) << prefix.toStdString();
    EXPECT_FALSE(FeedParser::parse(QByteArray("x\n" + feed))) << "only white space is skipped";
}

TEST(XmlFeed, YieldsNothingForDocumentsThatAreNotFeeds)
{
    for (const char *document : {
             "",
             "<rss><channel><title>Empty</title></channel></rss>",
             "<?xml version=\"1.0\"?><urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
             "<url><loc>https://acme.com/</loc></url></urlset>",
             "<!DOCTYPE html><html><head><title>Acme</title></head><body><p>Hi<br></body></html>",
             "<rss><channel><item><title>One</title><link>https://acme.com/1</link></item>"
             "<item><title>Two</title><link>https://acme.com/2</link></item><item><title>Broken</item>"
             "</channel></rss>",
             "<rss><channel><item><title>A&nbsp;B</title><link>https://acme.com/1</link></item></channel></rss>",
         })
        EXPECT_FALSE(FeedParser::parse(document)) << document;
}
