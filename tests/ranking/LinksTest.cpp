#include "Links.h"
#include "Outlets.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(Links, CanonicalizeDropsTrackingAndKeepsEverythingElseAsWritten)
{
    const std::pair<QString, QString> cases[] = {
        {"https://a.com/p?utm_source=x&id=7&UTM_Medium=y#top", "https://a.com/p?id=7"},
        {"https://a.com/p?utm_source=x&fbclid=1&GCLID=2&mc_cid=3&mc_eid=4&ref=5&source=6&cmpid=7", "https://a.com/p"},
        {"https://a.com/p?", "https://a.com/p"},
        {"https://a.com/p?&&", "https://a.com/p"},
        {"https://a.com/p?b=2&&a=1", "https://a.com/p?b=2&a=1"},
        {"https://a.com/p?utm%5Fsource=x&q=1", "https://a.com/p?q=1"},
        // Values keep their bytes: no decoding, no re-encoding of "+" or "%20".
        {"https://a.com/p?q=a+b%20c&flag&x=%2F", "https://a.com/p?q=a+b%20c&flag&x=%2F"},
        {"https://a.com/p?referrer=1&sources=2", "https://a.com/p?referrer=1&sources=2"},
        {"https://a.com/p//", "https://a.com/p/"},
        {"https://a.com/", "https://a.com/"},
        {"https://a.com", "https://a.com"},
        {"https://a.com/p/?ref=home", "https://a.com/p"},
        {"HTTPS://News.Example.COM/Story/", "HTTPS://News.Example.COM/Story"},
        {"https://user:pw@Example.com:8443/a/#x", "https://user:pw@Example.com:8443/a"},
        {"https://a.com?utm_x=1#f", "https://a.com"},
        {"https://a.com/café/", "https://a.com/café"},
    };
    for (const auto &[url, canonical] : cases)
        EXPECT_EQ(Ranking::canonicalize(url), canonical) << url.toStdString();
}

TEST(Links, TextThatIsNoAbsoluteAddressIsLeftAlone)
{
    const QString texts[] = {"not a url", "", "/relative/path?utm_source=x", "mailto:a@b.com",
                             "file:///tmp/x/", "https://a.com/a b/", "https://a.com/p?q=%zz#f",
                             " https://a.com/p/"};
    for (const QString &text : texts) {
        EXPECT_EQ(Ranking::canonicalize(text), text) << text.toStdString();
        EXPECT_EQ(Ranking::unwrapGoogleNews(text), text) << text.toStdString();
        EXPECT_EQ(Ranking::domain(text), QString()) << text.toStdString();
    }
}

TEST(Links, UnwrapGoogleNewsTakesTheFirstUrlParameterOfItsLinksOnly)
{
    const std::pair<QString, QString> cases[] = {
        {"https://news.google.com/url?sa=t&url=https%3A%2F%2Facme.com%2Fa%3Fb%3D1&ct=ga", "https://acme.com/a?b=1"},
        {"https://NEWS.Google.com/url?url=https://acme.com/a+b", "https://acme.com/a+b"},
        {"https://uk.news.google.com/x?url=https://acme.com/", "https://acme.com/"},
        {"https://news.google.com/x?url=https://first.com/&url=https://second.com/", "https://first.com/"},
        // Unchanged: the name is case-sensitive, the first one is empty, or there is none.
        {"https://news.google.com/x?URL=https://acme.com/", "https://news.google.com/x?URL=https://acme.com/"},
        {"https://news.google.com/x?url=&url=https://acme.com/", "https://news.google.com/x?url=&url=https://acme.com/"},
        {"https://news.google.com/rss/articles/CBMiK2h0?oc=5", "https://news.google.com/rss/articles/CBMiK2h0?oc=5"},
        // Only the host counts, not the text mentioning it.
        {"https://evil.com/news.google.com?url=https://x.com/", "https://evil.com/news.google.com?url=https://x.com/"},
        {"https://evil.com/r?next=news.google.com&url=https://x.com/",
         "https://evil.com/r?next=news.google.com&url=https://x.com/"},
        {"https://news.google.com.evil.com/?url=https://x.com/", "https://news.google.com.evil.com/?url=https://x.com/"},
        {"https://fakenews.google.com/?url=https://x.com/", "https://fakenews.google.com/?url=https://x.com/"},
    };
    for (const auto &[link, unwrapped] : cases)
        EXPECT_EQ(Ranking::unwrapGoogleNews(link), unwrapped) << link.toStdString();
}

TEST(Outlets, DomainIsTheHostAsWrittenWithoutWww)
{
    const std::pair<QString, QString> cases[] = {
        {"https://www.reuters.com/a", "reuters.com"},
        {"https://www2.reuters.com/a", "www2.reuters.com"},
        {"https://m.reuters.com", "m.reuters.com"},
        {"https://News.Example.COM/a", "News.Example.COM"},
        {"https://user@www.acme.com:8080/x?y#z", "acme.com"},
        {"https://acme.com?q=1", "acme.com"},
        {"https://bücher.de/x", "bücher.de"},
    };
    for (const auto &[url, domain] : cases)
        EXPECT_EQ(Ranking::domain(url), domain) << url.toStdString();
}

TEST(Outlets, ShortNameTakesOneLabel)
{
    const std::pair<QString, QString> cases[] = {
        {"localhost", "localhost"},
        {"", ""},
        {"reuters.com", "reuters"},
        {"bbc.co.uk", "bbc"},
        {"news.bbc.co.uk", "bbc"},
        {"agency.gov.au", "agency"},
        {"abc.net.au", "abc"},
        {"news.reuters.com", "reuters"},
        {"feeds.example.de", "example"},
        {"a..b.", "a"},
    };
    for (const auto &[domain, name] : cases)
        EXPECT_EQ(Ranking::shortName(domain), name) << domain.toStdString();
}
