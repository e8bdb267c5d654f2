#include "LogoDiscovery.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(LogoDiscovery, PrefersTouchIconsThenIconsThenTheSharingImage)
{
    const QUrl base("https://www.acme.example/en/");
    const std::pair<QString, std::optional<QString>> cases[] = {
        {R"(<link rel="shortcut icon" href="/favicon.ico"><link rel="apple-touch-icon" sizes="180x180" href="/touch.png">)",
         "https://www.acme.example/touch.png"},
        {R"(<link rel="apple-touch-icon"><link rel="mask-icon" href="/mask.svg" color="#000">)",
         "https://www.acme.example/mask.svg"},
        {R"(<link rel=icon href="data:image/png;base64,AAAA"><link rel="icon" href="icon.png">)",
         "https://www.acme.example/en/icon.png"},
        {R"(<meta property="og:image" content="img/share.png"><meta property="og:title" content="Acme">)",
         "https://www.acme.example/en/img/share.png"},
        {R"(<meta name="twitter:image" content="/t.png"><meta property='og:image' content='/og.png'>)",
         "https://www.acme.example/og.png"},
        {R"(<link rel="icon" href="//cdn.acme.example/i.png">)", "https://cdn.acme.example/i.png"},
        {R"(<link rel="stylesheet" href="/site.css"><meta property="og:image:alt" content="/x.png">)", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[html, logo] : cases)
        EXPECT_EQ(Discovery::logo(html, base), logo) << html.toStdString();
}

TEST(LogoDiscovery, NeverPointsAtTheUsersOwnNetwork)
{
    const QString html = R"(<link rel="apple-touch-icon" href="http://192.168.1.1/admin.png">
        <link rel="icon" href="http://localhost:8080/icon.png">
        <meta property="og:image" content="http://169.254.169.254/latest/meta-data/">)";
    EXPECT_EQ(Discovery::logo(html, QUrl("https://acme.example/")), std::nullopt);
}

TEST(LogoDiscovery, FallsBackToTheFavicon)
{
    EXPECT_EQ(Discovery::faviconAddress("acme.example"), "https://acme.example/favicon.ico");
}

} // namespace
