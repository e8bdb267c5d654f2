#include "FixtureSites.h"
#include "Logos.h"
#include "PelmorProcess.h"
#include "ScopedEnvironment.h"
#include "Store.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray png(int width)
{
    QImage image(width, width, QImage::Format_ARGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// --add and --logos run as the user would start them, against company sites
// served on loopback through PELMOR_DEBUG_CONNECT_TO.
class DiscoveryCommands : public testing::Test
{
protected:
    PelmorRun run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PELMOR_DB", path);
        environment.insert("PELMOR_DEBUG_CONNECT_TO", server.connectTo());
        return runPelmor(arguments, environment);
    }

    QList<QByteArray> requestedHosts() const
    {
        QList<QByteArray> hosts;
        for (const TestHttpRequest &request : server.requests())
            hosts.append(request.host);
        return hosts;
    }

    QTemporaryDir directory;
    QString path = directory.filePath("pelmor.sqlite");
    ScopedEnvironment database{"PELMOR_DB", path};
    TestHttpServer server;
};

TEST_F(DiscoveryCommands, AddStoresTheCompanyWithWhatItsSiteOffers)
{
    FixtureSites::serveNewsroomSite(server);

    const PelmorRun added = run({"--add", "https://www.acme.example/en/"});

    EXPECT_EQ(added.out, "added Acme Robotics [acme.example] with 2 feeds:\n"
                         "  google_news  https://news.google.com/rss/search?q=Acme%20Robotics%20OR%20acme.example&hl=en-US&gl=US&ceid=US:en\n"
                         "  press  https://acme.example/newsroom/feed.xml\n"
                         "  link website  https://acme.example\n"
                         "  link press  https://acme.example/newsroom\n"
                         "  link blog  https://acme.example/blog\n"
                         "  link ir  https://investors.acme.example\n"
                         "  link linkedin  https://www.linkedin.com/company/acme-robotics\n"
                         "  link x  https://x.com/acmerobotics\n"
                         "  link youtube  https://www.youtube.com/@acmerobotics\n"
                         "  link github  https://github.com/acme-robotics\n");
    EXPECT_EQ(added.exitCode, 0);
    // The home page, eight section pages (and the hop of /press back home),
    // two feed proofs and a check of each unfetched candidate page (two
    // newsroom articles and the investor site): no company pages, site map
    // or probes.
    QList<QByteArray> lines;
    for (const TestHttpRequest &request : server.requests())
        lines.append(request.method + ' ' + request.host + request.target);
    EXPECT_EQ(server.requests().size(), 15) << lines.join('\n').toStdString();

    Store store(path);
    const QList<CompanyRecord> companies = store.companies();
    ASSERT_EQ(companies.size(), 1);
    EXPECT_EQ(companies[0].name, "Acme Robotics");
    EXPECT_EQ(companies[0].domain, "acme.example");
    EXPECT_EQ(companies[0].tint, 0x1F7A6B);
    EXPECT_EQ(companies[0].logoPath, "");
    EXPECT_EQ(store.sources(companies[0].id).size(), 2);
    EXPECT_EQ(store.links(*companies[0].id).size(), 8);
}

TEST_F(DiscoveryCommands, AddingATrackedDomainAgainMergesIntoIt)
{
    FixtureSites::serveQuietSite(server);
    {
        Store store(path);
        store.addCompany("Other", "other.example", 0, {}, 60, "high");
    }

    EXPECT_EQ(run({"--add", "quiet.example", "Quiet", "Sensors"}).out.section('\n', 0, 0),
              "added Quiet Sensors [quiet.example] with 2 feeds:");
    const PelmorRun again = run({"--add", "QUIET.example", "Renamed"});

    EXPECT_EQ(again.out.section('\n', 0, 0), "added Quiet Sensors [quiet.example] with 2 feeds:");
    Store store(path);
    const QList<CompanyRecord> companies = store.companies();
    const auto quiet = std::ranges::find(companies, QString("quiet.example"), &CompanyRecord::domain);
    EXPECT_EQ(quiet->tint, 0x6B4FBF);
    QStringList feeds;
    for (const SourceRecord &feed : store.sources(quiet->id))
        feeds.append(feed.url);
    feeds.sort();
    // The second search feed is for the name given the second time.
    EXPECT_EQ(feeds, QStringList({"https://news.google.com/rss/search?q=Quiet%20Sensors%20OR%20quiet.example&hl=en-US&gl=US&ceid=US:en",
                                  "https://news.google.com/rss/search?q=Renamed%20OR%20quiet.example&hl=en-US&gl=US&ceid=US:en",
                                  "https://quiet.example/rss"}));
    EXPECT_EQ(store.links(*quiet->id).size(), 4);
}

TEST_F(DiscoveryCommands, AddNeedsAFullDomain)
{
    EXPECT_EQ(run({"--add"}).out, "usage: pelmor --add <domain> [name]\n");
    for (const QString &typed : {QString("acme"), QString("https://a.c/"), QString("acme .example")})
        EXPECT_EQ(run({"--add", typed}).out, "could not add: a full domain such as example.com is needed\n");
    EXPECT_TRUE(Store(path).companies().isEmpty());
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(DiscoveryCommands, LogosAreFetchedForCompaniesWithoutOne)
{
    FixtureSites::serveNewsroomSite(server);
    FixtureSites::serveQuietSite(server);
    server.route("acme.example", "/apple-touch-icon.png", TestHttpReply::text(png(180), "image/png"));
    server.route("broken.example", "/favicon.ico", FixtureSites::html("<html>" + QByteArray(200, ' ') + "</html>"));
    {
        Store store(path);
        store.addCompany("Acme", "acme.example", 0, {}, 60, "high");
        store.addCompany("Broken", "broken.example", 0, {}, 60, "high");
        store.addCompany("Quiet", "quiet.example", 0, {}, 60, "high");
        const CompanyRecord done = store.addCompany("Done", "done.example", 0, {}, 60, "high");
        store.setLogoPath("done.example.png", *done.id);
    }

    const PelmorRun logos = run({"--logos"});

    EXPECT_EQ(logos.out, "Acme: https://acme.example/apple-touch-icon.png\n"
                         "Broken: not an image\n"
                         "Quiet: no logo found\n");
    EXPECT_FALSE(requestedHosts().contains("done.example"));
    Store store(path);
    QStringList files;
    for (const CompanyRecord &company : store.companies())
        files.append(company.logoPath);
    EXPECT_EQ(files, QStringList({"acme.example.png", "", "done.example.png", ""}));
    const QImage saved(QFileInfo(path).absolutePath() + "/logos/acme.example.png");
    EXPECT_EQ(saved.width(), 180);
}

} // namespace
