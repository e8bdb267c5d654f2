#include "Addresses.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(Addresses, AbsolutizeKeepsOnlyWebAddresses)
{
    const QUrl base("https://acme.example/news/index.html");
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"/press", "https://acme.example/press"},
        {"feed.xml", "https://acme.example/news/feed.xml"},
        {"../about?x=1#team", "https://acme.example/about?x=1#team"},
        {"//cdn.acme.example/icon.png", "https://cdn.acme.example/icon.png"},
        {" \n https://other.example/x \t", "https://other.example/x"},
        {"HTTP://Acme.Example/X", "http://acme.example/X"},
        {"/caf\u00E9 menu", "https://acme.example/caf%C3%A9%20menu"},
        {"mailto:press@acme.example", std::nullopt},
        {"tel:+15550100", std::nullopt},
        {"javascript:void(0)", std::nullopt},
        {"data:image/png;base64,iVBORw0KGgo=", std::nullopt},
        {"ftp://acme.example/file", std::nullopt},
        {"http:relative", std::nullopt},
        {"", std::nullopt},
        {" \n ", std::nullopt},
    };
    for (const auto &[href, absolute] : cases)
        EXPECT_EQ(Discovery::absolutize(href, base), absolute) << href.toStdString();
    EXPECT_EQ(Discovery::absolutize(u"acme.example/press", QUrl()), "https://acme.example/press");
}

TEST(Addresses, TidyPathsCompareAsPages)
{
    const std::pair<QString, QString> cases[] = {
        {"/News/Index.HTML", "/news"},
        {"/news/index.html/", "/news/index.html"},
        {"/ir/index.php", "/ir"},
        {"/Default.aspx", ""},
        {"/press//", "/press"},
        {"/", ""},
        {"", ""},
    };
    for (const auto &[path, tidy] : cases)
        EXPECT_EQ(Discovery::tidyPath(path), tidy) << path.toStdString();
}

TEST(Addresses, TidyAddressesKeepHostAndPathOnly)
{
    const std::pair<QString, QString> cases[] = {
        {"http://WWW.Acme.Example:8080/News/Index.html?page=2#top", "https://www.acme.example/News"},
        {"https://acme.example/", "https://acme.example"},
        {"https://acme.example", "https://acme.example"},
        {"https://acme.example/Blog/", "https://acme.example/Blog"},
    };
    for (const auto &[url, tidy] : cases)
        EXPECT_EQ(Discovery::tidy(QUrl(url)), tidy) << url.toStdString();
}

} // namespace
