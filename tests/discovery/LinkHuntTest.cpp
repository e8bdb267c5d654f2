#include "DiscoveryPrinters.h"
#include "LinkHunt.h"
#include "PageShapes.h"

#include <gtest/gtest.h>

namespace {

using Discovery::FoundLink;
using Discovery::LinkHunt;
using Candidate = LinkHunt::Candidate;

const QUrl home("https://acme.example/");

class LinkHuntTest : public testing::Test
{
protected:
    QList<Candidate> pages(LinkKind kind) const { return hunt.pages().value(kind); }
    std::optional<Candidate> profile(LinkKind kind) const
    {
        const auto found = hunt.profiles().constFind(kind);
        return found == hunt.profiles().cend() ? std::nullopt : std::optional(*found);
    }

    LinkHunt hunt{"acme.example"};
};

TEST_F(LinkHuntTest, OwnPagesAreScoredByPathDepthAndLabel)
{
    hunt.consider(u"/newsroom", u"Newsroom", home);
    EXPECT_EQ(pages(LinkKind::press), QList<Candidate>({{22, "https://acme.example/newsroom"}}));

    LinkHunt unlabelled("acme.example");
    unlabelled.consider(u"https://www.acme.example/newsroom/", u"Latest", home);
    EXPECT_EQ(unlabelled.pages().value(LinkKind::press), QList<Candidate>({{17, "https://www.acme.example/newsroom"}}));
}

TEST_F(LinkHuntTest, ArticlesRevealTheirSection)
{
    hunt.consider(u"/news/2024/launch", u"Read the whole story of our launch", home);
    EXPECT_EQ(pages(LinkKind::press),
              QList<Candidate>({{15, "https://acme.example/news"}, {5, "https://acme.example/news/2024/launch"}}));
    EXPECT_EQ(hunt.unresolved(), QList<LinkKind>({LinkKind::blog, LinkKind::ir}));
}

TEST_F(LinkHuntTest, AnInvestorSubDomainIsAnInvestorPage)
{
    hunt.consider(u"https://investors.acme.example/", {}, home);
    EXPECT_EQ(pages(LinkKind::ir), QList<Candidate>({{15, "https://investors.acme.example"}}));
    EXPECT_EQ(hunt.unresolved(), QList<LinkKind>({LinkKind::press, LinkKind::blog}));
}

TEST(LinkHunt, AnInternationalDomainKnowsItsOwnPages)
{
    LinkHunt hunt("bücher.example");
    hunt.consider(u"/newsroom", u"Newsroom", QUrl("https://xn--bcher-kva.example/"));
    EXPECT_TRUE(hunt.isOwn("xn--bcher-kva.example"));
    EXPECT_EQ(hunt.pages().value(LinkKind::press).size(), 1);
}

TEST_F(LinkHuntTest, OtherSitesAndOddLinksAreNoPages)
{
    const QString hrefs[] = {"https://acme.example.evil.example/newsroom", "https://notacme.example/press",
                             "mailto:press@acme.example", "javascript:openNews()"};
    for (const QString &href : hrefs)
        hunt.consider(href, u"Press", home);
    EXPECT_TRUE(hunt.pages().isEmpty());
}

TEST_F(LinkHuntTest, RememberKeepsTheThreeBestOfAKind)
{
    hunt.remember(LinkKind::press, {10, "https://acme.example/a"});
    hunt.remember(LinkKind::press, {15, "https://acme.example/a"});
    hunt.remember(LinkKind::blog, {15, "https://acme.example/b"});
    hunt.remember(LinkKind::blog, {10, "https://acme.example/b"});
    EXPECT_EQ(pages(LinkKind::press), QList<Candidate>({{15, "https://acme.example/a"}}));
    EXPECT_EQ(pages(LinkKind::blog), QList<Candidate>({{15, "https://acme.example/b"}}));

    hunt.remember(LinkKind::press, {12, "https://acme.example/longer"});
    hunt.remember(LinkKind::press, {12, "https://acme.example/c"});
    hunt.remember(LinkKind::press, {9, "https://acme.example/d"});
    EXPECT_EQ(pages(LinkKind::press), QList<Candidate>({{15, "https://acme.example/a"},
                                                        {12, "https://acme.example/c"},
                                                        {12, "https://acme.example/longer"}}));
}

TEST_F(LinkHuntTest, CompanyProfilesOutrankPersonalOnes)
{
    hunt.consider(u"https://www.linkedin.com/in/jane-doe", {}, home);
    EXPECT_EQ(profile(LinkKind::linkedin), Candidate({1, "https://www.linkedin.com/in/jane-doe"}));
    hunt.consider(u"https://www.linkedin.com/company/acme", {}, home);
    hunt.consider(u"https://www.linkedin.com/company/acme-europe", {}, home);
    EXPECT_EQ(profile(LinkKind::linkedin), Candidate({0, "https://www.linkedin.com/company/acme"}));

    hunt.consider(u"https://github.com/acme/rocket", {}, home);
    EXPECT_EQ(profile(LinkKind::github), Candidate({1, "https://github.com/acme"}));
    hunt.consider(u"https://github.com/acme-labs", {}, home);
    EXPECT_EQ(profile(LinkKind::github), Candidate({0, "https://github.com/acme-labs"}));

    hunt.consider(u"https://youtu.be/abc", {}, home);
    EXPECT_EQ(profile(LinkKind::youtube), Candidate({1, "https://youtu.be/abc"}));
    hunt.consider(u"https://www.youtube.com/@acme", {}, home);
    EXPECT_EQ(profile(LinkKind::youtube), Candidate({0, "https://www.youtube.com/@acme"}));
}

TEST_F(LinkHuntTest, ShareAndSignInLinksAreIgnored)
{
    hunt.consider(u"https://www.facebook.com/sharer/sharer.php?u=https://acme.example/", {}, home);
    hunt.consider(u"https://twitter.com/intent/tweet?url=https://acme.example/", {}, home);
    hunt.consider(u"https://x.com/home", {}, home);
    hunt.consider(u"https://www.linkedin.com/login", {}, home);
    EXPECT_TRUE(hunt.profiles().isEmpty());
}

TEST_F(LinkHuntTest, PagesAreFedProfilesFirstThenAnchors)
{
    hunt.feed({R"(<script type="application/ld+json">{"sameAs":["https:\/\/x.com\/acme"]}</script>
                  <a href="https://x.com/acme_support">Support</a> <a href="press/">Press</a>)",
               QUrl("https://acme.example/about")});
    EXPECT_EQ(profile(LinkKind::x), Candidate({0, "https://x.com/acme"}));
    EXPECT_EQ(pages(LinkKind::press), QList<Candidate>({{21, "https://acme.example/press"}}));
    EXPECT_EQ(hunt.confirmed(), QSet<QString>({"https://acme.example/about"}));
}

TEST(PageShapes, SectionsNeedASegmentAfterThem)
{
    const auto &[press, blog, ir] = std::tuple(Discovery::pageShapes()[0], Discovery::pageShapes()[1],
                                                Discovery::pageShapes()[2]);
    EXPECT_EQ(Discovery::section(u"/press", press), std::nullopt);
    EXPECT_EQ(Discovery::section(u"/press/2024/launch", press), "/press");
    EXPECT_EQ(Discovery::section(u"/en/Press/launch", press), "/en/Press");
    EXPECT_EQ(Discovery::section(u"/insights/ai", blog), "/insights");
    EXPECT_EQ(Discovery::section(u"/about/team", ir), std::nullopt);
}

TEST_F(LinkHuntTest, ResolvedListsTheWebsiteAnsweringPagesAndProfiles)
{
    hunt.feed({{}, QUrl("https://acme.example/newsroom")});
    hunt.remember(LinkKind::press, {22, "https://acme.example/newsroom"});
    hunt.remember(LinkKind::press, {10, "https://acme.example/press"});
    hunt.remember(LinkKind::blog, {20, "https://acme.example/newsroom"});
    hunt.remember(LinkKind::blog, {9, "https://acme.example/blog"});
    hunt.remember(LinkKind::ir, {15, "https://acme.example/investors"});
    hunt.consider(u"https://www.linkedin.com/company/acme", {}, home);
    hunt.consider(u"https://github.com/acme", {}, home);

    QStringList checked;
    const auto check = [&checked](QString url) -> QCoro::Task<bool> {
        checked.append(url);
        co_return url.endsWith(u"/blog");
    };
    const QList<FoundLink> links = QCoro::waitFor(hunt.resolved(check));

    EXPECT_EQ(links, QList<FoundLink>({{LinkKind::website, "https://acme.example"},
                                       {LinkKind::press, "https://acme.example/newsroom"},
                                       {LinkKind::blog, "https://acme.example/blog"},
                                       {LinkKind::linkedin, "https://www.linkedin.com/company/acme"},
                                       {LinkKind::github, "https://github.com/acme"}}));
    checked.sort();
    EXPECT_EQ(checked, QStringList({"https://acme.example/blog", "https://acme.example/investors",
                                    "https://acme.example/press"}));
}

TEST(LinkHunt, ResolvedAlwaysGivesTheWebsite)
{
    const LinkHunt hunt("acme.example");
    const auto never = [](QString) -> QCoro::Task<bool> { co_return false; };
    EXPECT_EQ(QCoro::waitFor(hunt.resolved(never)), QList<FoundLink>({{LinkKind::website, "https://acme.example"}}));
}

} // namespace
