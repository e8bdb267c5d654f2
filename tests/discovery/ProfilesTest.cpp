#include "DiscoveryPrinters.h"
#include "Profiles.h"

#include <gtest/gtest.h>

namespace {

using Discovery::Profile;

std::optional<Profile> profileOf(LinkKind kind, const QString &address)
{
    const QUrl url(address);
    return Discovery::profile(kind, url, url.host());
}

TEST(Profiles, EachServiceReducesItsAddressesToACanonicalProfile)
{
    const std::tuple<LinkKind, QString, std::optional<Profile>> cases[] = {
        {LinkKind::linkedin, "https://www.linkedin.com/company/Acme/about/", Profile{"https://www.linkedin.com/company/Acme", 0}},
        {LinkKind::linkedin, "https://uk.linkedin.com/School/acme-u", Profile{"https://www.linkedin.com/school/acme-u", 0}},
        {LinkKind::linkedin, "https://linkedin.com/showcase/acme-labs", Profile{"https://www.linkedin.com/showcase/acme-labs", 0}},
        {LinkKind::linkedin, "https://linkedin.com/in/jane-doe", Profile{"https://www.linkedin.com/in/jane-doe", 1}},
        {LinkKind::linkedin, "https://www.linkedin.com/company", std::nullopt},
        {LinkKind::linkedin, "https://www.linkedin.com/feed/update", std::nullopt},
        {LinkKind::x, "https://twitter.com/AcmeCorp?lang=en", Profile{"https://x.com/AcmeCorp", 0}},
        {LinkKind::x, "https://x.com/acme/status/1", Profile{"https://x.com/acme", 0}},
        {LinkKind::x, "https://x.com/home", std::nullopt},
        {LinkKind::x, "https://x.com/i/flow/login", std::nullopt},
        {LinkKind::x, "https://x.com/", std::nullopt},
        {LinkKind::facebook, "https://www.facebook.com/pages/Acme/12345", Profile{"https://www.facebook.com/pages/Acme/12345", 0}},
        {LinkKind::facebook, "https://facebook.com/profile.php?id=42", Profile{"https://www.facebook.com/profile.php?id=42", 0}},
        {LinkKind::facebook, "https://facebook.com/profile.php", std::nullopt},
        {LinkKind::facebook, "https://facebook.com/pages/Acme", std::nullopt},
        {LinkKind::facebook, "https://facebook.com/tr?id=1", std::nullopt},
        {LinkKind::facebook, "https://m.facebook.com/acme/", Profile{"https://www.facebook.com/acme", 0}},
        {LinkKind::instagram, "https://instagram.com/acme/", Profile{"https://www.instagram.com/acme", 0}},
        {LinkKind::instagram, "https://www.instagram.com/p/Cxyz/", std::nullopt},
        {LinkKind::youtube, "https://youtu.be/dQw4w9WgXcQ?t=4", Profile{"https://youtu.be/dQw4w9WgXcQ", 1}},
        {LinkKind::youtube, "https://www.youtube.com/@Acme", Profile{"https://www.youtube.com/@Acme", 0}},
        {LinkKind::youtube, "https://youtube.com/Channel/UC123/videos", Profile{"https://www.youtube.com/channel/UC123", 0}},
        {LinkKind::youtube, "https://youtube.com/c", std::nullopt},
        {LinkKind::youtube, "https://m.youtube.com/watch?v=abc", Profile{"https://www.youtube.com/watch?v=abc", 1}},
        {LinkKind::youtube, "https://youtube.com/playlist", std::nullopt},
        {LinkKind::youtube, "https://youtube.com/feed/trending", std::nullopt},
        {LinkKind::github, "https://github.com/acme/rocket", Profile{"https://github.com/acme", 1}},
        {LinkKind::github, "https://github.com/acme", Profile{"https://github.com/acme", 0}},
        {LinkKind::github, "https://github.com/orgs/acme/people", Profile{"https://github.com/acme", 0}},
        {LinkKind::github, "https://github.com/orgs", std::nullopt},
        {LinkKind::github, "https://github.com/features/actions", std::nullopt},
        {LinkKind::crunchbase, "https://www.crunchbase.com/organization/acme/people", Profile{"https://www.crunchbase.com/organization/acme", 0}},
        {LinkKind::crunchbase, "https://crunchbase.com/person/jane", std::nullopt},
        {LinkKind::website, "https://acme.example/about", std::nullopt},
    };
    for (const auto &[kind, address, expected] : cases)
        EXPECT_EQ(profileOf(kind, address), expected) << address.toStdString();
}

TEST(Profiles, ServiceHostsMatchWholeLabels)
{
    const std::tuple<QString, QString, bool> cases[] = {
        {"github.com/", "https://github.com/acme", true},
        {"github.com/", "https://gist.github.com/acme", true},
        {"github.com/", "https://notgithub.com/acme", false},
        {"linkedin.com/company/", "https://www.linkedin.com/company/acme", true},
        {"linkedin.com/company/", "https://www.linkedin.com/in/jane", false},
        {"crunchbase.com/organization/", "https://www.crunchbase.com/organization", true},
        {"x.com/", "https://box.com/acme", false},
    };
    for (const auto &[pattern, address, owned] : cases) {
        const QUrl url(address);
        EXPECT_EQ(Discovery::owns(pattern, url, url.host()), owned) << pattern.toStdString() << " " << address.toStdString();
    }
}

TEST(Profiles, ShareAndSignInAddressesAreNoProfiles)
{
    const std::pair<QString, bool> cases[] = {
        {"https://www.facebook.com/sharer/sharer.php?u=https%3A%2F%2Facme.example", true},
        {"https://twitter.com/intent/tweet?text=Launch", true},
        {"https://www.linkedin.com/shareArticle?mini=true", true},
        {"https://pinterest.com/pin/create/button/", true},
        {"https://github.com/login?return_to=%2Facme", true},
        {"https://www.linkedin.com/company/acme", false},
        {"https://x.com/acme", false},
    };
    for (const auto &[address, sharing] : cases)
        EXPECT_EQ(Discovery::isSharing(address), sharing) << address.toStdString();
}

} // namespace
