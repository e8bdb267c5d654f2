#include "PublicAddress.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(PublicAddress, OnlyPublicWebAddressesAreFetched)
{
    const std::pair<QString, bool> cases[] = {
        {"https://acme.example/feed", true},
        {"http://news.acme.example:8080/", true},
        {"https://8.8.8.8/", true},
        {"https://[2606:4700::1111]/", true},
        {"https://acme.example.localhost.example/", true},
        {"http://localhost/", false},
        {"http://LOCALHOST./admin", false},
        {"http://printer.localhost/", false},
        {"http://127.0.0.1:8080/", false},
        {"http://127.1/", false},
        {"http://2130706433/", false},
        {"http://10.1.2.3/", false},
        {"http://172.16.0.1/", false},
        {"http://192.168.1.1/", false},
        {"http://169.254.169.254/latest/meta-data", false},
        {"http://0.0.0.0/", false},
        {"http://[::1]/", false},
        {"http://[::]/", false},
        {"http://[fe80::1]/", false},
        {"http://[fd00::1]/", false},
        {"http://[::ffff:127.0.0.1]/", false},
        {"ftp://acme.example/", false},
        {"https:///path", false},
    };
    for (const auto &[url, isPublic] : cases)
        EXPECT_EQ(isPublicAddress(QUrl(url)), isPublic) << url.toStdString();
}
