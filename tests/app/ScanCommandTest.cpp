#include "PelmorProcess.h"
#include "Store.h"
#include "TestHttpServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// --scan runs the real program against a loopback site reached through
// PELMOR_DEBUG_CONNECT_TO.
TEST(ScanCommand, FetchesEveryEnabledFeedOnce)
{
    QTemporaryDir directory;
    const QString path = directory.filePath("pelmor.sqlite");
    {
        Store store(path);
        const qint64 acme = *store.addCompany("Acme", "acme.com", 0, {}, 60, "high").id;
        store.addSource(acme, SourceKind::press, "https://acme.com/feed.xml", {});
        store.addSource(acme, SourceKind::blog, "https://blog.acme.com/gone", {});
        store.addSource(acme, SourceKind::blog, "https://blog.acme.com/off", {});
        for (const SourceRecord &feed : store.sources(acme)) {
            if (feed.url.endsWith("/off"))
                store.setSourceEnabled(false, *feed.id);
        }
    }
    TestHttpServer server;
    server.route("acme.com", "/feed.xml",
                 TestHttpReply::text("<rss><channel><item><title>Acme ships</title><link>https://acme.com/a</link>"
                                     "</item><item><title>Acme hires</title><link>https://acme.com/b</link></item>"
                                     "</channel></rss>"));
    server.route("blog.acme.com", "/gone", TestHttpReply::withStatus(410));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PELMOR_DB", path);
    environment.insert("PELMOR_DEBUG_CONNECT_TO", server.connectTo());
    const PelmorRun result = runPelmor({"--scan"}, environment);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "checked 2 sources, 1 failed, 2 new items\n");
    EXPECT_EQ(server.requests().size(), 2);

    const PelmorRun list = runPelmor({"--list"}, environment);
    EXPECT_TRUE(list.out.contains("https://blog.acme.com/gone  ! HTTP 410")) << list.out.toStdString();
}
