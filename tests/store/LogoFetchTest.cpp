#include "Logos.h"
#include "QtPrinters.h"
#include "ScopedConnectTo.h"
#include "TestHttpServer.h"

#include <gtest/gtest.h>

namespace {

std::optional<QByteArray> fetch(const QString &address)
{
    return QCoro::waitFor(Logos::fetch(address));
}

TEST(LogoFetch, TakesBodiesOfSuccessfulAnswersLongerThanAPlaceholder)
{
    TestHttpServer server;
    const ScopedConnectTo connectTo(server.connectTo());
    server.route("acme.example", "/exact.png", TestHttpReply::text(QByteArray(100, 'x'), "image/png"));
    server.route("acme.example", "/logo.png", TestHttpReply::text(QByteArray(101, 'x'), "image/png"));
    server.route("acme.example", "/moved.png", TestHttpReply::redirect(302, "/logo.png"));
    server.route("acme.example", "/error.png", TestHttpReply::withStatus(500, QByteArray(200, 'x')));

    EXPECT_EQ(fetch("https://acme.example/exact.png"), std::nullopt);
    EXPECT_EQ(fetch("https://acme.example/logo.png"), QByteArray(101, 'x'));
    EXPECT_EQ(fetch("http://acme.example/moved.png"), QByteArray(101, 'x'));
    EXPECT_EQ(fetch("https://acme.example/error.png"), std::nullopt);
    EXPECT_EQ(fetch("https://acme.example/missing.png"), std::nullopt);
    EXPECT_EQ(server.requests().constFirst().header("User-Agent"), "pelmor/0.1");
}

TEST(LogoFetch, NeverFollowsARedirectIntoTheUsersNetwork)
{
    TestHttpServer server;
    const ScopedConnectTo connectTo(server.connectTo());
    server.route("acme.example", "/logo.png", TestHttpReply::redirect(302, "http://10.0.0.1/logo.png"));
    server.setFallback([](const TestHttpRequest &) { return TestHttpReply::text(QByteArray(200, 'x')); });

    EXPECT_EQ(fetch("https://acme.example/logo.png"), std::nullopt);
    EXPECT_EQ(server.requests().size(), 1);
}

TEST(LogoFetch, OnlyPublicWebAddressesAreAsked)
{
    TestHttpServer server;
    const ScopedConnectTo connectTo(server.connectTo());
    server.setFallback([](const TestHttpRequest &) { return TestHttpReply::text(QByteArray(200, 'x')); });

    const QString addresses[] = {"ftp://acme.example/logo.png", "httpx://acme.example/logo.png", "not an address",
                                 "data:image/png;base64,AAAA", "", "http://localhost/logo.png",
                                 "http://192.168.1.1/logo.png"};
    for (const QString &address : addresses)
        EXPECT_EQ(fetch(address), std::nullopt) << address.toStdString();
    EXPECT_TRUE(server.requests().isEmpty());
}

} // namespace
