#include "AppModel.h"
#include "Scanner.h"
#include "Store.h"

#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int companyCount = 20;
constexpr int itemsPerCompany = 5000;

// Twenty companies with 5,000 items each over a month, from listed outlets,
// with headlines that group into stories of a few items.
struct Fixture {
    Fixture()
        : store(directory.filePath(QStringLiteral("bench.sqlite")))
        , scanner(store)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory.path());
        const std::array outlets{QStringLiteral("reuters.com"), QStringLiteral("bloomberg.com"), QStringLiteral("wsj.com"),
                                 QStringLiteral("ft.com"),      QStringLiteral("cnbc.com"),      QStringLiteral("techcrunch.com"),
                                 QStringLiteral("forbes.com"),  QStringLiteral("learned.example")};
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int c = 0; c < companyCount; ++c) {
            const QString name = QStringLiteral("Company%1").arg(c);
            const qint64 id = *store.addCompany(name, name.toLower() + QStringLiteral(".com"), 0, {}, 60, QStringLiteral("high")).id;
            store.addSource(id, SourceKind::press, QStringLiteral("https://%1.com/feed").arg(name.toLower()), {});
            companyIds.append(id);
            const qint64 sourceId = *store.sources(id).first().id;
            QList<ItemRecord> items;
            items.reserve(itemsPerCompany);
            for (int i = 0; i < itemsPerCompany; ++i) {
                const int story = i / 3;
                items.append({.sourceId = sourceId, .companyId = id,
                              .url = QStringLiteral("https://%1/%2/%3").arg(outlets[std::size_t(i) % outlets.size()], name).arg(i),
                              .title = QStringLiteral("%1 event %2 draws notice from analysts and customers").arg(name).arg(story),
                              .publishedAt = now.addSecs(-qint64(i) * 500), .discoveredAt = now,
                              .clusterKey = QStringLiteral("%1|event|%2").arg(name).arg(story),
                              .severity = QStringLiteral("routine"),
                              .publisher = outlets[std::size_t(i) % outlets.size()]});
            }
            store.insert(items);
        }
    }

    QTemporaryDir directory;
    Store store;
    Scanner scanner;
    QList<qint64> companyIds;
};

Fixture &fixture()
{
    static Fixture shared;
    return shared;
}

void bareRead(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        for (const qint64 id : std::as_const(f.companyIds))
            benchmark::DoNotOptimize(f.store.items(id, itemsPerCompany));
    }
    state.SetItemsProcessed(state.iterations() * companyCount * itemsPerCompany);
}
BENCHMARK(bareRead)->Unit(benchmark::kMillisecond);

void reload(benchmark::State &state)
{
    Fixture &f = fixture();
    AppModel model(f.store, f.scanner);
    model.setWindow(static_cast<TimeWindow>(state.range(0)));
    for (auto _ : state)
        model.reload();
    state.SetLabel(toText(model.window()).toStdString());
    state.SetItemsProcessed(state.iterations() * companyCount * itemsPerCompany);
}
BENCHMARK(reload)
    ->Arg(static_cast<int>(TimeWindow::all))
    ->Arg(static_cast<int>(TimeWindow::day))
    ->Unit(benchmark::kMillisecond);

}
