#include "CommandLineTools.h"
#include "PelmorProcess.h"
#include "Store.h"
#include "Version.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CommandLine : public testing::Test
{
protected:
    PelmorRun run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PELMOR_DB"), path);
        environment.insert(QStringLiteral("XDG_DATA_HOME"), directory.filePath(QStringLiteral("share")));
        return runPelmor(arguments, environment);
    }

    QTemporaryDir directory;
    QString path = directory.filePath(QStringLiteral("db/pelmor.sqlite"));
};

} // namespace

TEST_F(CommandLine, UnknownWordsPrintTheUsageText)
{
    for (const QString &word : {QStringLiteral("--"), QStringLiteral("--help"), QStringLiteral("--LIST")}) {
        const PelmorRun result = run({word});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, CommandLineTools::usage() + u'\n') << word.toStdString();
        EXPECT_EQ(result.out.count(u'\n'), 13);
        EXPECT_FALSE(QFileInfo::exists(path)) << "the usage text never opens the database";
    }
    EXPECT_EQ(CommandLineTools::usage().split(u'\n')[1],
              QStringLiteral("  pelmor --add <domain> [name]   add a company and discover its feeds"));
}

TEST_F(CommandLine, VersionComesFromTheBuild)
{
    const PelmorRun result = run({QStringLiteral("--version")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, CommandLineTools::versionLine(QString::fromLatin1(Version::marketingVersion),
                                                        QString::fromLatin1(Version::buildNumber),
                                                        QString::fromLatin1(Version::commit))
                              + u'\n');
    if (QByteArrayView(Version::buildNumber).isEmpty())
        GTEST_SKIP() << "built outside a git checkout";
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Oxbell \\d+\\.\\d+\\.\\d+ \\(build \\d+(, [0-9a-f]+)?\\)\\n$"))
                    .match(result.out)
                    .hasMatch())
        << result.out.toStdString();
}

TEST(VersionLine, NamesWhatTheBuildKnows)
{
    using CommandLineTools::versionLine;
    EXPECT_EQ(versionLine(QStringLiteral("1.4"), QStringLiteral("212"), {}), QStringLiteral("Oxbell 1.4 (build 212)"));
    EXPECT_EQ(versionLine(QStringLiteral("1.4"), QStringLiteral("212"), QStringLiteral("abc123")),
              QStringLiteral("Oxbell 1.4 (build 212, abc123)"));
    EXPECT_EQ(versionLine({}, QStringLiteral("212"), QStringLiteral("abc123")), QStringLiteral("Oxbell (unbundled build)"));
    EXPECT_EQ(versionLine(QStringLiteral("1.4"), {}, {}), QStringLiteral("Oxbell (unbundled build)"));
}

TEST_F(CommandLine, ListOnAnEmptyDatabasePrintsNothingAndCreatesTheFile)
{
    const PelmorRun result = run({QStringLiteral("--list"), QStringLiteral("ignored"), QStringLiteral("words")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, QString());
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(CommandLine, ListShowsCompaniesFeedsAndTheirHealth)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        Store store(path);
        const qint64 beta = *store.addCompany(QStringLiteral("beta"), QStringLiteral("beta.io"), 0, {}, 60, QStringLiteral("high")).id;
        const qint64 acme = *store.addCompany(QStringLiteral("Acme"), QStringLiteral("acme.com"), 0, {}, 60, QStringLiteral("high")).id;
        store.addSource(acme, SourceKind::googleNews, QStringLiteral("https://news.google.com/rss/search?q=Acme"), {});
        const qint64 feed = *store.sources(acme).first().id;
        for (int i = 0; i < 8; ++i)
            store.recordFetch(feed, std::nullopt, std::nullopt, QStringLiteral("HTTP 503"));
        store.addSource(beta, SourceKind::press, QStringLiteral("https://beta.io/press.xml"), {});
        QList<ItemRecord> items;
        for (int i = 0; i < 3; ++i) {
            items.append({.sourceId = feed, .companyId = acme, .url = QStringLiteral("https://acme.com/%1").arg(i),
                          .title = QStringLiteral("T"), .publishedAt = QDateTime::currentDateTimeUtc(),
                          .discoveredAt = QDateTime::currentDateTimeUtc(), .clusterKey = QStringLiteral("k"),
                          .severity = QStringLiteral("none")});
        }
        store.insert(items);
    }
    const PelmorRun result = run({QStringLiteral("--list")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, QStringLiteral("Acme  [acme.com]  3 items\n"
                                         "  [x] google_news  https://news.google.com/rss/search?q=Acme  ! HTTP 503\n"
                                         "beta  [beta.io]  0 items\n"
                                         "  [ ] press        https://beta.io/press.xml\n"));
}

TEST_F(CommandLine, AnUnreadableDatabaseIsFatalAndLeftAlone)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, '\x7f'));
    file.close();

    const PelmorRun result = run({QStringLiteral("--list")});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(result.out, QString());
    EXPECT_EQ(result.err, QStringLiteral("could not open the database: file is not a database\n"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(2048, '\x7f'));
}

TEST_F(CommandLine, ADatabaseDirectoryThatCannotBeMadeIsFatal)
{
    QFile blocker(directory.filePath(QStringLiteral("db")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const PelmorRun result = run({QStringLiteral("--list")});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("could not open the database: "))) << result.err.toStdString();
}
