#include "TemporaryStore.h"

#include <gtest/gtest.h>

namespace {

class StoreLinks : public testing::Test
{
protected:
    void SetUp() override { companyId = *t.store->addCompany("Acme", "acme.com", 0, {}, 60, "high").id; }

    QStringList stored()
    {
        QStringList result;
        for (const CompanyLink &link : forDisplay(t.store->links(companyId)))
            result.append(link.kind + "|" + link.label + "|" + link.url);
        return result;
    }

    TemporaryStore t;
    qint64 companyId = 0;
};

CompanyLink link(const QString &kind, const QString &label = {}, const QString &url = {})
{
    return {.kind = kind, .label = label, .url = url};
}

} // namespace

TEST_F(StoreLinks, SettingAgainReplacesTheAddressInPlace)
{
    t.store->setLink(companyId, LinkKind::website, {}, "https://acme.com");
    const qint64 id = *t.store->links(companyId).first().id;
    t.store->setLink(companyId, LinkKind::website, {}, "https://www.acme.com");
    const QList<CompanyLink> links = t.store->links(companyId);
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links.first().id, id);
    EXPECT_EQ(links.first().url, "https://www.acme.com");
}

TEST_F(StoreLinks, CustomLinksAreKeptPerLabelAndRemovedByEmptyAddress)
{
    t.store->setLink(companyId, LinkKind::custom, "Careers", "https://acme.com/jobs");
    t.store->setLink(companyId, LinkKind::custom, "Status", "https://status.acme.com");
    t.store->setLink(companyId, LinkKind::x, {}, " \n");
    EXPECT_EQ(stored(), QStringList({"x|| \n", "custom|Careers|https://acme.com/jobs",
                                     "custom|Status|https://status.acme.com"}))
        << "addresses are stored as given";

    t.store->setLink(companyId, LinkKind::custom, "Careers", {});
    t.store->setLink(companyId, LinkKind::github, {}, {});
    EXPECT_EQ(stored(), QStringList({"x|| \n", "custom|Status|https://status.acme.com"}));
}

TEST(CompanyLinks, DisplayOrderAndTitles)
{
    const QList<CompanyLink> links{link("x", {}, "1"),      link("website", {}, "2"), link("custom", "Jobs", "3"),
                                   link("website", {}, "4"), link("press", {}, "5"),  link("myspace", {}, "6"),
                                   link("custom", {}, "7")};
    QStringList shown;
    for (const CompanyLink &each : forDisplay(links))
        shown.append(each.url + ":" + title(each));
    EXPECT_EQ(shown, QStringList({"2:Website", "5:Press", "1:X", "3:Jobs", "6:Link", "7:Link"}));
}

TEST(CompanyLinks, KindTables)
{
    EXPECT_EQ(mark(LinkKind::custom), "·");
    EXPECT_EQ(label(LinkKind::ir), "Investors");
    for (const LinkKind kind : allLinkKinds) {
        const bool discoverable = std::ranges::find(LinkKinds::discoverable, kind) != LinkKinds::discoverable.end();
        EXPECT_EQ(!hosts(kind).isEmpty(), discoverable) << toText(kind).toStdString();
        EXPECT_EQ(linkKindFromText(toText(kind)), kind);
    }
}
