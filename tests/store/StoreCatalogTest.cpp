#include "TemporaryStore.h"

#include <gtest/gtest.h>

namespace {

class StoreCatalog : public testing::Test
{
protected:
    void SetUp() override
    {
        const CompanyRecord acme = t.store->addCompany("Acme", "acme.com", 0, {}, 60, "high");
        companyId = *acme.id;
        t.store->addSource(companyId, SourceKind::press, "https://acme.com/feed", {});
        sourceId = *t.store->sources(companyId).first().id;
    }

    // Items from these outlets, as scans leave them behind.
    void itemsFrom(const QStringList &publishers)
    {
        QList<ItemRecord> items;
        for (const QString &publisher : publishers) {
            items.append({.sourceId = sourceId, .companyId = companyId,
                          .url = "https://" + publisher + "/" + QString::number(items.size()), .title = "T",
                          .publishedAt = t.now, .discoveredAt = t.now, .clusterKey = "k", .severity = "none",
                          .publisher = publisher});
        }
        t.store->insert(items);
    }

    std::optional<CatalogRecord> row(const QString &domain)
    {
        for (const CatalogRecord &record : t.store->catalog()) {
            if (record.domain == domain)
                return record;
        }
        return std::nullopt;
    }

    TemporaryStore t;
    qint64 companyId = 0;
    qint64 sourceId = 0;
};

} // namespace

TEST_F(StoreCatalog, FilingUnderEachPolicy)
{
    itemsFrom({"outlet.example", "", "thetimes.co.uk", "reuters.com"});

    t.store->fileDiscoveredPublishers(LearnSources::off);
    EXPECT_EQ(t.store->catalog().size(), 71);

    t.store->fileDiscoveredPublishers(LearnSources::addDisabled);
    EXPECT_EQ(t.store->catalog().size(), 73) << "the empty publisher and the seeded one add nothing";
    EXPECT_EQ(row("thetimes.co.uk"), (CatalogRecord{.id = 73, .domain = "thetimes.co.uk", .name = "thetimes.co.uk",
                                                    .category = "Uncategorised", .enabled = false,
                                                    .isCustom = false, .paywall = "hard"}));
    EXPECT_FALSE(row("outlet.example")->enabled);
    EXPECT_EQ(row("reuters.com")->category, "Wires");

    itemsFrom({"another.example"});
    t.store->fileDiscoveredPublishers(LearnSources::addEnabled);
    EXPECT_TRUE(row("another.example")->enabled);
    EXPECT_FALSE(row("outlet.example")->enabled) << "existing rows are not touched";
}

TEST_F(StoreCatalog, FilingPutsTheListedPaywallMarkBack)
{
    const qint64 wsj = *row("wsj.com")->id;
    t.store->setCatalogPaywall(Paywall::none, wsj);
    EXPECT_EQ(row("wsj.com")->paywall, "none");
    t.store->fileDiscoveredPublishers(LearnSources::off);
    EXPECT_EQ(row("wsj.com")->paywall, "none");
    t.store->fileDiscoveredPublishers(LearnSources::addDisabled);
    EXPECT_EQ(row("wsj.com")->paywall, "hard");
}

TEST_F(StoreCatalog, ACompanySiteLearnedEarlierMovesToTheCompanyItself)
{
    itemsFrom({"acme.com"});
    t.store->fileDiscoveredPublishers(LearnSources::addDisabled);
    t.store->fileCompanySites();
    EXPECT_EQ(row("acme.com"), (CatalogRecord{.id = 72, .domain = "acme.com", .name = "acme.com",
                                              .category = "The company itself", .enabled = true}));

    t.store->addCompany("Reuters", "reuters.com", 0, {}, 60, "high");
    t.store->setCatalogEnabled(false, *row("reuters.com")->id);
    t.store->fileCompanySites();
    EXPECT_EQ(row("reuters.com")->category, "Wires") << "a seeded outlet keeps its category and switch";
    EXPECT_FALSE(row("reuters.com")->enabled);
}

TEST_F(StoreCatalog, FilingCompanySitesAddsThemEnabledUnderTheirName)
{
    t.store->fileCompanySites();
    EXPECT_EQ(row("acme.com"), (CatalogRecord{.id = 72, .domain = "acme.com", .name = "Acme",
                                              .category = "The company itself", .enabled = true}));
    t.store->removeCompany(companyId, "acme.com");
    EXPECT_FALSE(row("acme.com").has_value());
}

TEST_F(StoreCatalog, ClearingForgetsOnlySwitchedOffLearnedOutlets)
{
    itemsFrom({"one.example", "two.example", "three.example", "kept.example"});
    t.store->fileDiscoveredPublishers(LearnSources::addDisabled);
    t.store->setCatalogEnabled(true, *row("kept.example")->id);
    EXPECT_TRUE(t.store->addCatalogSource("custom.example", "Custom", SourceCategory::uncategorised, false, true));
    EXPECT_EQ(t.store->clearLearnedSources(), 3);
    EXPECT_TRUE(row("kept.example") && row("custom.example"));
    EXPECT_EQ(t.store->catalog().size(), 73);
}

TEST_F(StoreCatalog, AddingAKnownDomainChangesNothing)
{
    EXPECT_FALSE(t.store->addCatalogSource("reuters.com", "Other", SourceCategory::trade, false, true));
    EXPECT_EQ(row("reuters.com")->name, "Reuters");
    EXPECT_TRUE(row("reuters.com")->enabled);
}

TEST_F(StoreCatalog, SwitchingGroups)
{
    t.store->setPaywalledEnabled(false);
    int off = 0;
    for (const CatalogRecord &record : t.store->catalog())
        off += record.enabled ? 0 : 1;
    EXPECT_EQ(off, 22);

    t.store->setCatalogEnabled(false, SourceCategory::aggregator);
    EXPECT_FALSE(row("news.google.com")->enabled);
    EXPECT_FALSE(row("finance.yahoo.com")->enabled);
    EXPECT_TRUE(row("reuters.com")->enabled);
}

TEST_F(StoreCatalog, IsOrderedByNameBytewise)
{
    itemsFrom({"aaa.example"});
    t.store->fileDiscoveredPublishers(LearnSources::addEnabled);
    const QList<CatalogRecord> catalog = t.store->catalog();
    EXPECT_EQ(catalog.first().name, "9to5Mac");
    EXPECT_EQ(catalog.last().name, "aaa.example") << "lower-case learned names after every capital";
}
