#include "CatalogSeeds.h"
#include "Database.h"
#include "ScopedEnvironment.h"
#include "Store.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList column(const QString &path, const char *sql)
{
    Database database(path);
    Statement row = database.prepare(sql);
    QStringList values;
    while (row.step())
        values.append(row.text(0));
    return values;
}

} // namespace

TEST(StoreOpening, EnvironmentPathCreatesItsDirectory)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("a/b/c/test.sqlite"));
    const ScopedEnvironment database("PELMOR_DB", path);
    const Store store;
    EXPECT_EQ(store.path(), path);
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST(StoreOpening, DefaultPathIsInTheUsersDataDirectory)
{
    QTemporaryDir directory;
    const ScopedEnvironment dataHome("XDG_DATA_HOME", directory.filePath(QStringLiteral("share")));
    const ScopedEnvironment noDatabase("PELMOR_DB", std::nullopt);
    const Store store;
    EXPECT_EQ(store.path(), directory.filePath(QStringLiteral("share/pelmor/pelmor.sqlite")));
    EXPECT_TRUE(QFileInfo::exists(store.path()));
}

TEST(StoreOpening, ExplicitPathWinsButTheEnvironmentDirectoryIsStillMade)
{
    QTemporaryDir directory;
    const ScopedEnvironment database("PELMOR_DB", directory.filePath(QStringLiteral("env/test.sqlite")));
    const Store store(directory.filePath(QStringLiteral("explicit.sqlite")));
    EXPECT_EQ(store.path(), directory.filePath(QStringLiteral("explicit.sqlite")));
    EXPECT_TRUE(QFileInfo(directory.filePath(QStringLiteral("env"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(directory.filePath(QStringLiteral("env/test.sqlite"))));
}

TEST(StoreOpening, FreshFileHasEveryMigrationAndTheSeededCatalog)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("fresh.sqlite"));
    { const Store store(path); }

    EXPECT_EQ(column(path, "SELECT identifier FROM migration ORDER BY rowid"),
              QStringList({"v1", "v2-publisher", "v3-simhash", "v4-drop-simhash", "v5-catalog", "v12-paywall",
                           "v6-logo", "v7-drop-social", "v10-hidden", "v11-relative-logos", "v9-links",
                           "v8-enable-sources"}));

    QStringList seededDomains;
    for (const CatalogSeeds::Outlet &outlet : CatalogSeeds::outlets)
        seededDomains.append(QString::fromLatin1(outlet.domain));
    EXPECT_EQ(column(path, "SELECT domain FROM catalog ORDER BY id"), seededDomains);
    EXPECT_EQ(column(path, "SELECT id FROM catalog WHERE enabled = 1 AND isCustom = 0").size(), 71);
    EXPECT_EQ(column(path, "SELECT id FROM catalog ORDER BY id").last(), QStringLiteral("71"));
    EXPECT_EQ(column(path, "SELECT paywall FROM catalog WHERE paywall = 'hard'").size(), 9);
    EXPECT_EQ(column(path, "SELECT paywall FROM catalog WHERE paywall = 'metered'").size(), 13);
    EXPECT_EQ(column(path, "SELECT DISTINCT category FROM catalog ORDER BY id"),
              QStringList({"Wires", "National", "Trade", "Aggregators"}));
}

TEST(StoreOpening, SeedListsHoldWhatTheCatalogPromises)
{
    QSet<QString> domains;
    for (const CatalogSeeds::Outlet &outlet : CatalogSeeds::outlets)
        domains.insert(QString::fromLatin1(outlet.domain));
    EXPECT_EQ(domains.size(), 71) << "seed domains are unique";

    int seededMarks = 0;
    QSet<QString> marked;
    for (const CatalogSeeds::PaywallMark &mark : CatalogSeeds::paywalls) {
        marked.insert(QString::fromLatin1(mark.domain));
        EXPECT_NE(mark.paywall, Paywall::none);
        seededMarks += domains.contains(QString::fromLatin1(mark.domain)) ? 1 : 0;
    }
    EXPECT_EQ(marked.size(), 52);
    EXPECT_EQ(seededMarks, 22);
}

TEST(StoreOpening, AFileThatIsNotADatabaseIsReportedAndLeftAlone)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("notes.sqlite"));
    const QByteArray contents(4096, 'x');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();

    try {
        const Store store(path);
        FAIL() << "opened a file that is not a database";
    } catch (const DatabaseError &error) {
        EXPECT_STREQ(error.what(), "file is not a database");
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), contents);
}

TEST(StoreOpening, AnUncreatableDirectoryFailsTheOpen)
{
    QTemporaryDir directory;
    QFile blocker(directory.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ScopedEnvironment database("PELMOR_DB", directory.filePath(QStringLiteral("file/sub/test.sqlite")));
    EXPECT_THROW(Store(), DatabaseError);
}
