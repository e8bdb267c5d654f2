#include "Database.h"
#include "TemporaryStore.h"

#include <gtest/gtest.h>

namespace {

class StoreCompanies : public testing::Test
{
protected:
    CompanyRecord add(const QString &name, const QString &domain, int tint = 0x336699)
    {
        return t.store->addCompany(name, domain, tint, {}, 60, QStringLiteral("high"));
    }

    qint64 count(const char *sql)
    {
        Database database(t.path());
        Statement row = database.prepare(sql);
        return row.step() ? row.int64(0) : -1;
    }

    TemporaryStore t;
};

} // namespace

TEST_F(StoreCompanies, AddingStoresTheRecordAndWritesItsIdBack)
{
    const CompanyRecord acme = t.store->addCompany(QStringLiteral("Acme"), QStringLiteral("acme.com"), 0x112233,
                                                   QStringLiteral("Acme Corp"), 60, QStringLiteral("high"));
    ASSERT_TRUE(acme.id.has_value());
    EXPECT_EQ(acme.createdAt, t.now);
    EXPECT_EQ(t.store->companies(), QList<CompanyRecord>{acme});
}

TEST_F(StoreCompanies, AddingAKnownDomainReturnsTheStoredCompanyUnchanged)
{
    const CompanyRecord first = add(QStringLiteral("Acme"), QStringLiteral("acme.com"), 0x112233);
    t.now = t.now.addDays(1);
    const CompanyRecord again = add(QStringLiteral("Other"), QStringLiteral("acme.com"), 0x445566);
    EXPECT_EQ(again, first);
    EXPECT_EQ(t.store->companies().size(), 1);
}

TEST_F(StoreCompanies, AreOrderedByNameBytewise)
{
    add(QStringLiteral("beta"), QStringLiteral("beta.com"));
    add(QStringLiteral("Zeta"), QStringLiteral("zeta.com"));
    add(QStringLiteral("Alpha"), QStringLiteral("alpha.com"));
    QStringList names;
    for (const CompanyRecord &company : t.store->companies())
        names.append(company.name);
    EXPECT_EQ(names, QStringList({"Alpha", "Zeta", "beta"}));
}

TEST_F(StoreCompanies, RenamingAlsoRenamesTheCatalogRowOfTheDomain)
{
    const CompanyRecord reuters = add(QStringLiteral("Reuters"), QStringLiteral("reuters.com"));
    t.store->updateCompany(*reuters.id, QStringLiteral("Thomson Reuters"), 0x010203, QStringLiteral("TR"));
    const CompanyRecord stored = t.store->companies().first();
    EXPECT_EQ(stored.name, QStringLiteral("Thomson Reuters"));
    EXPECT_EQ(stored.tint, 0x010203);
    EXPECT_EQ(stored.aliases, QStringLiteral("TR"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM catalog WHERE domain = 'reuters.com' AND name = 'Thomson Reuters'"), 1);
}

TEST_F(StoreCompanies, RemovingCascadesToFeedsItemsLinksAndItsOwnCatalogRow)
{
    const CompanyRecord acme = add(QStringLiteral("Acme"), QStringLiteral("acme.com"));
    const CompanyRecord reuters = add(QStringLiteral("Reuters"), QStringLiteral("reuters.com"));
    t.store->addSource(*acme.id, SourceKind::press, QStringLiteral("https://acme.com/feed"), {});
    t.store->addSource(*reuters.id, SourceKind::press, QStringLiteral("https://reuters.com/feed"), {});
    {
        Database database(t.path());
        database.execute(R"(
            INSERT INTO catalog (domain, name, category, enabled) VALUES ('acme.com', 'Acme', 'The company itself', 1);
            INSERT INTO link (companyId, kind, url) VALUES (1, 'website', 'https://acme.com');
            INSERT INTO item (sourceId, companyId, url, title, publishedAt, discoveredAt, clusterKey, severity)
                VALUES (1, 1, 'https://acme.com/a', 'A', '2024-01-01 00:00:00.000', '2024-01-01 00:00:00.000', 'a', 'none');
        )");
    }
    t.store->removeCompany(*acme.id, acme.domain);
    t.store->removeCompany(*reuters.id, reuters.domain);
    EXPECT_EQ(count("SELECT COUNT(*) FROM source"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM item"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM link"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM catalog WHERE domain = 'acme.com'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM catalog WHERE domain = 'reuters.com'"), 1)
        << "a seeded outlet with the company's domain stays";
}

TEST_F(StoreCompanies, LogoPathIsStored)
{
    const CompanyRecord acme = add(QStringLiteral("Acme"), QStringLiteral("acme.com"));
    t.store->setLogoPath(QStringLiteral("acme.com.png"), *acme.id);
    EXPECT_EQ(t.store->companies().first().logoPath, QStringLiteral("acme.com.png"));
}
