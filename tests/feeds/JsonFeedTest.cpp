#include "FeedParser.h"
#include "FeedTesting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(JsonFeed, ReadsItemsAsTheyAre)
{
    const QByteArray summary800 = QByteArray("<b>") + QByteArray(800, 'x') + "</b>";
    const std::optional<ParsedFeed> feed = FeedParser::parse(QByteArray(R"({
        "version": "https://jsonfeed.org/version/1.1",
        "title": "Acme JSON",
        "items": [
            {"id": "1", "url": "https://acme.com/1", "title": "<b>One</b> &amp; more",
             "summary": ")" + summary800 + R"(", "content_text": "Body",
             "date_published": "2024-03-05T14:30:00Z"},
            {"id": "2", "url": "https://acme.com/2", "content_text": "Only the body", "date_published": "later"},
            {"id": "3", "title": "No address"},
            {"id": "4", "url": "", "title": "Empty address"},
            {"id": "5", "url": "https://acme.com/5", "title": ""}
        ]})"));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title, u"Acme JSON"_s);
    EXPECT_EQ(feed->items, (QList<ParsedItem>{
                               {.title = u"<b>One</b> &amp; more"_s, .link = u"https://acme.com/1"_s,
                                .summary = QString::fromLatin1(summary800), .published = utc(2024, 3, 5, 14, 30)},
                               {.title = u"https://acme.com/2"_s, .link = u"https://acme.com/2"_s,
                                .summary = u"Only the body"_s},
                               {.title = u"https://acme.com/5"_s, .link = u"https://acme.com/5"_s},
                           }));
}

TEST(JsonFeed, TakesAnUntitledFeedAndAByteOrderMark)
{
    const std::optional<ParsedFeed> feed =
        FeedParser::parse("\xEF\xBB\xBF{\"title\": 7, \"items\": [{\"url\": \"https://acme.com/1\"}]}");
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title, QString());
    EXPECT_EQ(feed->items.size(), 1);
}

TEST(JsonFeed, YieldsNothingWithoutUsableItems)
{
    for (const char *document : {
             R"({"items": [{"title": "No url"}, {"url": 5}]})",
             R"({"items": []})",
             R"({"items": {"url": "https://acme.com/1"}})",
             R"({"items": [{"url": "https://acme.com/1"}, "stray"]})",
             R"([{"url": "https://acme.com/1"}])",
             R"({"items": [{"url": "https://acme.com/1"}])",
             R"("https://acme.com/1")",
         })
        EXPECT_FALSE(FeedParser::parse(document)) << document;
}
