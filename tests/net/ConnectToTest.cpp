#include "ConnectTo.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

static void PrintTo(const ConnectTo::Target &target, std::ostream *out)
{
    *out << target.address.toStdString() << ':' << target.port;
}

namespace {

using Target = ConnectTo::Target;

TEST(ConnectToTest, ParsesEntries)
{
    const struct {
        QString text;
        QString host;
        std::optional<Target> expected;
    } cases[] = {
        {"a.example=127.0.0.1:8080", "a.example", Target{"127.0.0.1", 8080}},
        {"a.example=127.0.0.1:8080", "b.example", std::nullopt},
        {" A.Example = 127.0.0.2:80 ", "a.example", Target{"127.0.0.2", 80}},
        {"a.example=127.0.0.2:80", "A.EXAMPLE", Target{"127.0.0.2", 80}},
        {"a.example=[::1]:8080", "a.example", Target{"::1", 8080}},
        {"a.example=127.0.0.1:81,a.example=127.0.0.1:82", "a.example", Target{"127.0.0.1", 82}},
        {"*=127.0.0.1:9000", "any.example", Target{"127.0.0.1", 9000}},
        {"*=127.0.0.1:9000,a.example=127.0.0.2:9001", "a.example", Target{"127.0.0.2", 9001}},
        {"a.example=127.0.0.2:9001,*=127.0.0.1:9000", "a.example", Target{"127.0.0.2", 9001}},
        {"a.example=127.0.0.2:9001,*=127.0.0.1:9000", "b.example", Target{"127.0.0.1", 9000}},
        {"nonsense,b.example=127.0.0.1:81", "b.example", Target{"127.0.0.1", 81}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ConnectTo::parse(c.text).target(c.host), c.expected) << c.text.toStdString() << " for " << c.host.toStdString();
}

TEST(ConnectToTest, SkipsMalformedEntries)
{
    const QString malformed[] = {
        "",
        "a.example",
        "a.example=127.0.0.1",
        "a.example=127.0.0.1:",
        "a.example=127.0.0.1:0",
        "a.example=127.0.0.1:65536",
        "a.example=127.0.0.1:http",
        "a.example=:8080",
        "=127.0.0.1:8080",
        ",,",
    };
    for (const QString &text : malformed)
        EXPECT_TRUE(ConnectTo::parse(text).isEmpty()) << text.toStdString();
}

TEST(ConnectToTest, RoutesMappedHostsToPlainHttp)
{
    const ConnectTo connectTo = ConnectTo::parse(u"a.example=127.0.0.1:8080");
    const struct {
        QString url;
        QString routed;
    } cases[] = {
        {"https://a.example/feed?page=2", "http://127.0.0.1:8080/feed?page=2"},
        {"http://a.example:8443/", "http://127.0.0.1:8080/"},
        {"https://user@a.example/p#top", "http://127.0.0.1:8080/p"},
        {"https://b.example/feed", "https://b.example/feed"},
        {"ftp://a.example/file", "ftp://a.example/file"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(connectTo.route(QUrl(c.url)), QUrl(c.routed)) << c.url.toStdString();
}

} // namespace
