// A full scan by the real program: 100 companies, each with one feed of 100
// items on a host of its own, served from a loopback server.

#include "Store.h"
#include "TestHttpServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int feedCount = 100;
constexpr int itemsPerFeed = 100;

QByteArray feedFor(const QByteArray &host)
{
    QByteArray xml = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>" + host + "</title>";
    for (int i = 0; i < itemsPerFeed; ++i) {
        const QByteArray n = QByteArray::number(i);
        xml += "<item><title>" + host + " announces result number " + n + " for the quarter</title><link>https://"
            + host + "/news/" + n + "</link><description>Details of announcement " + n
            + ".</description><pubDate>Tue, 05 Mar 2024 14:30:00 GMT</pubDate></item>";
    }
    return xml + "</channel></rss>";
}

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void fullScanOfOneHundredFeeds(benchmark::State &state)
{
    TestHttpServer server;
    server.setFallback([](const TestHttpRequest &request) { return TestHttpReply::text(feedFor(request.host)); });

    QTemporaryDir directory;
    const QString prepared = directory.filePath("prepared.sqlite");
    {
        Store store(prepared);
        for (int i = 1; i <= feedCount; ++i) {
            const QString host = QString("site%1.example").arg(i);
            const qint64 id = *store.addCompany(host, host, 0, {}, 60, "high").id;
            store.addSource(id, SourceKind::press, "https://" + host + "/feed.xml", {});
        }
    }

    int stored = 0;
    double cpu = 0;
    qint64 wallMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = directory.filePath("scan.sqlite");
        QFile::remove(path);
        QFile::copy(prepared, path);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PELMOR_DB", path);
        environment.insert("PELMOR_DEBUG_CONNECT_TO", server.connectTo());
        QProcess pelmor;
        pelmor.setProcessEnvironment(environment);
        const double cpuBefore = childCpuSeconds();
        state.ResumeTiming();

        QElapsedTimer wall;
        wall.start();
        pelmor.start(PELMOR_BINARY, {"--scan"});
        pelmor.waitForFinished(-1);
        wallMs += wall.elapsed();

        state.PauseTiming();
        cpu += childCpuSeconds() - cpuBefore;
        const QByteArray out = pelmor.readAllStandardOutput();
        if (!out.startsWith("checked 100 sources, 0 failed, 10000 new items"))
            state.SkipWithError(out.constData());
        stored += feedCount * itemsPerFeed;
        state.ResumeTiming();
    }
    state.counters["cpu_us_per_item"] = cpu * 1e6 / stored;
    // Feeds go out in fixed batches of five: twenty batches per scan.
    state.counters["wall_ms_per_batch"] =
        static_cast<double>(wallMs) / static_cast<double>(state.iterations() * (feedCount / 5));
}
BENCHMARK(fullScanOfOneHundredFeeds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}
