#include "Store.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A fresh store with one company and feed, and items for it.
struct Fixture {
    Fixture()
        : store(directory.filePath(QStringLiteral("bench.sqlite")))
    {
        companyId = *store.addCompany(QStringLiteral("Acme"), QStringLiteral("acme.com"), 0, {}, 60, QStringLiteral("high")).id;
        store.addSource(companyId, SourceKind::press, QStringLiteral("https://acme.com/feed"), {});
        sourceId = *store.sources(companyId).first().id;
    }

    QList<ItemRecord> items(int count, int first)
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QList<ItemRecord> result;
        result.reserve(count);
        for (int i = first; i < first + count; ++i) {
            result.append({.sourceId = sourceId, .companyId = companyId,
                           .url = QStringLiteral("https://news.example.com/2024/03/05/acme-story-number-%1").arg(i),
                           .title = QStringLiteral("Acme announces quarterly results for the period number %1").arg(i),
                           .summary = QStringLiteral("A summary of a couple of sentences, as feeds usually give."),
                           .publishedAt = now.addSecs(-i * 60), .discoveredAt = now,
                           .clusterKey = QStringLiteral("acme|quarterly|results"), .severity = QStringLiteral("routine"),
                           .publisher = QStringLiteral("news.example.com")});
        }
        return result;
    }

    QTemporaryDir directory;
    Store store;
    qint64 companyId = 0;
    qint64 sourceId = 0;
};

void insertTenThousandInBatchesOfFifty(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Fixture fixture;
        QList<QList<ItemRecord>> batches;
        for (int first = 0; first < 10000; first += 50)
            batches.append(fixture.items(50, first));
        state.ResumeTiming();
        for (QList<ItemRecord> &batch : batches)
            benchmark::DoNotOptimize(fixture.store.insert(batch));
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(insertTenThousandInBatchesOfFifty)->Unit(benchmark::kMillisecond);

void readNewestFiveThousand(benchmark::State &state)
{
    Fixture fixture;
    for (int first = 0; first < 10000; first += 500) {
        QList<ItemRecord> batch = fixture.items(500, first);
        fixture.store.insert(batch);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture.store.items(fixture.companyId, 5000));
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(readNewestFiveThousand)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
