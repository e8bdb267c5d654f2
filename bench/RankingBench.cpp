#include "Clustering.h"
#include "Grading.h"
#include "Words.h"

#include <QRandomGenerator>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

struct Headline {
    QString title;
    QDateTime publishedAt;
};

// Headlines as a company's feeds bring them over a month: most events told
// by one to six outlets in their own words and order, the company's name in
// nearly every title.
QList<Headline> headlines(int count)
{
    static const QStringList words = QStringLiteral(
        "launches partnership quarterly revenue growth cloud platform security breach lawsuit settlement "
        "acquisition startup funding round series investors valuation billion million record profit loss "
        "earnings forecast guidance shares stock market analysts expect beats misses layoffs workers union "
        "strike factory plant expansion europe asia china india germany france britain texas ohio california "
        "chip processor battery electric vehicle software update outage customers users data privacy "
        "regulators antitrust probe fine court ruling appeal patent dispute rival competitor merger deal "
        "talks board chief executive officer resigns appoints hires president strategy restructuring cuts "
        "costs prices inflation demand supply chain shortage recall safety defect model release version "
        "feature subscription service streaming advertising sales holiday season retail stores online "
        "shopping delivery drones robots artificial intelligence research laboratory university grant "
        "contract government defense pentagon energy solar wind nuclear power grid climate emissions target")
                                         .split(u' ');
    static const QStringList fillers{QStringLiteral("the"), QStringLiteral("after"), QStringLiteral("says"),
                                     QStringLiteral("to"),  QStringLiteral("in"),    QStringLiteral("as")};
    constexpr qint64 month = 30 * 24 * 3600;

    QRandomGenerator random(2024);
    const auto pick = [&](const QStringList &list) { return list.at(random.bounded(int(list.size()))); };
    const QDateTime now(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC);
    QList<Headline> result;
    result.reserve(count);
    while (result.size() < count) {
        QStringList event;
        for (int n = random.bounded(5, 9); n > 0; --n)
            event.append(pick(words));
        const QDateTime at = now.addSecs(-random.bounded(month));
        for (int outlet = random.bounded(1, 7); outlet > 0 && result.size() < count; --outlet) {
            QStringList title{QStringLiteral("Acme")};
            for (const QString &word : std::as_const(event)) {
                if (random.bounded(4))
                    title.insert(random.bounded(int(title.size()) + 1), word);
            }
            for (int n = random.bounded(3); n > 0; --n)
                title.append(random.bounded(2) ? pick(words) : pick(fillers));
            title.first()[0] = title.first()[0].toUpper();
            result.append({title.join(u' '), at.addSecs(random.bounded(6 * 3600))});
        }
    }
    return result;
}

void clusterOverAMonth(benchmark::State &state)
{
    const QList<Headline> items = headlines(int(state.range(0)));
    qsizetype stories = 0;
    for (auto _ : state) {
        const auto clusters = Ranking::cluster(items, &Headline::title, &Headline::publishedAt, Ranking::storySpan);
        stories = clusters.size();
        benchmark::DoNotOptimize(clusters);
    }
    state.counters["stories"] = double(stories);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(clusterOverAMonth)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// One title after another, as the scanner grades and keys new items.
template<typename Function>
void perTitle(benchmark::State &state, Function function)
{
    const QList<Headline> items = headlines(5000);
    qsizetype next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(function(items.at(next).title));
        next = (next + 1) % items.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(perTitle, severity, Ranking::severity);
BENCHMARK_CAPTURE(perTitle, clusterKey, Ranking::clusterKey);
BENCHMARK_CAPTURE(perTitle, tokens, Ranking::tokens);

}

BENCHMARK_MAIN();
