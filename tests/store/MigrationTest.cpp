#include "Database.h"
#include "Migrator.h"
#include "Store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Migration : public testing::Test
{
protected:
    // A file on which every migration ran, then rewound so that the given
    // identifiers look never applied: as a file an older program left.
    void makeOlderFile(const char *rewind)
    {
        { const Store store(path); }
        Database database(path);
        database.execute(rewind);
    }

    QStringList column(const char *sql)
    {
        Database database(path);
        Statement row = database.prepare(sql);
        QStringList values;
        while (row.step())
            values.append(row.text(0));
        return values;
    }

    QTemporaryDir directory;
    QString path = directory.filePath(QStringLiteral("pelmor.sqlite"));
};

} // namespace

TEST_F(Migration, AnOlderFileGetsOnlyTheMissingMigrationsInOrder)
{
    makeOlderFile(R"(
        DROP TABLE link;
        DELETE FROM migration WHERE identifier IN ('v9-links', 'v8-enable-sources');
        UPDATE catalog SET enabled = 0 WHERE id <= 10;
    )");
    // Re-running any earlier migration would fail (tables and columns exist).
    { const Store store(path); }
    EXPECT_EQ(column("SELECT identifier FROM migration ORDER BY rowid").mid(10),
              QStringList({"v9-links", "v8-enable-sources"}));
    EXPECT_EQ(column("SELECT name FROM sqlite_master WHERE name = 'link'"), QStringList{"link"});
    EXPECT_TRUE(column("SELECT id FROM catalog WHERE enabled = 0").isEmpty());
}

TEST_F(Migration, LogoPathsAreCutToTheirFileName)
{
    makeOlderFile(R"(
        DROP TABLE link;
        DELETE FROM migration WHERE identifier IN ('v11-relative-logos', 'v9-links', 'v8-enable-sources');
        INSERT INTO company (name, domain, tint, createdAt, logoPath) VALUES
            ('A', 'a.com', 0, '2024-01-01 00:00:00.000', '/home/user/.local/share/pelmor/logos/a.com.png'),
            ('B', 'b.com', 0, '2024-01-01 00:00:00.000', 'b.com.png'),
            ('C', 'c.com', 0, '2024-01-01 00:00:00.000', 'logos/c.png'),
            ('D', 'd.com', 0, '2024-01-01 00:00:00.000', ''),
            ('E', 'e.com', 0, '2024-01-01 00:00:00.000', 'odd/');
    )");
    { const Store store(path); }
    EXPECT_EQ(column("SELECT logoPath FROM company ORDER BY name"),
              QStringList({"a.com.png", "b.com.png", "c.png", "", ""}));
}

TEST_F(Migration, UnknownRecordedMigrationsAreKept)
{
    makeOlderFile("INSERT INTO migration (identifier) VALUES ('v99-from-the-future')");
    { const Store store(path); }
    EXPECT_TRUE(column("SELECT identifier FROM migration").contains(QStringLiteral("v99-from-the-future")));
}

TEST_F(Migration, AFailingMigrationRollsBackAndLeavesEarlierOnesApplied)
{
    Migrator migrator;
    migrator.registerMigration(QStringLiteral("first"), [](Database &database) {
        database.execute("CREATE TABLE parent (id INTEGER PRIMARY KEY)");
    });
    migrator.registerMigration(QStringLiteral("broken"), [](Database &database) {
        database.execute("CREATE TABLE half (id INTEGER)");
        database.execute("INSERT INTO nowhere VALUES (1)");
    });
    Database database(path);
    EXPECT_THROW(migrator.migrate(database), DatabaseError);
    EXPECT_EQ(column("SELECT identifier FROM migration"), QStringList{"first"});
    EXPECT_TRUE(column("SELECT name FROM sqlite_master WHERE name = 'half'").isEmpty());
}

TEST_F(Migration, AForeignKeyViolationFailsTheMigration)
{
    Migrator migrator;
    migrator.registerMigration(QStringLiteral("orphans"), [](Database &database) {
        database.execute(R"(
            CREATE TABLE parent (id INTEGER PRIMARY KEY);
            CREATE TABLE child (parentId INTEGER REFERENCES parent(id));
            INSERT INTO child VALUES (42);
        )");
    });
    Database database(path);
    database.execute("PRAGMA foreign_keys = ON");
    EXPECT_THROW(migrator.migrate(database), DatabaseError);
    EXPECT_TRUE(column("SELECT identifier FROM migration").isEmpty());
    EXPECT_TRUE(column("SELECT name FROM sqlite_master WHERE name = 'child'").isEmpty());
    Statement foreignKeys = database.prepare("PRAGMA foreign_keys");
    ASSERT_TRUE(foreignKeys.step());
    EXPECT_EQ(foreignKeys.int64(0), 1) << "foreign keys are on again";
}
