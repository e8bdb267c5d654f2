// Discovery's speed: a whole run against a local fixture site (no network
// latency, so the time is discovery's own), and reading large and hostile
// pages.

#include "ConnectTo.h"
#include "DiscoveryRun.h"
#include "FeedDeclarations.h"
#include "FixtureSites.h"
#include "LinkHunt.h"
#include "LogoDiscovery.h"
#include "PageLinks.h"
#include "PageTitle.h"


#include <benchmark/benchmark.h>

namespace {

void discoveryRun(benchmark::State &state)
{
    TestHttpServer server;
    FixtureSites::serveNewsroomSite(server);
    ConnectTo::setCurrent(ConnectTo::parse(server.connectTo()));
    for (auto _ : state)
        benchmark::DoNotOptimize(QCoro::waitFor(Discovery::run(QStringLiteral("acme.example"), {})));
    state.counters["requests/run"] = benchmark::Counter(static_cast<double>(server.requests().size())
                                                        / static_cast<double>(state.iterations()));
    ConnectTo::setCurrent({});
}
BENCHMARK(discoveryRun)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 2 MB page of 20,000 anchors: site navigation, articles, social profiles
// and share buttons, as a long archive page has them.
QString anchorPage()
{
    QString html = QStringLiteral("<html><head><title>Archive | Acme</title></head><body>\n");
    const QString kinds[] = {
        QStringLiteral("<a class=\"story-link\" href=\"/newsroom/2024/story-%1\">Acme ships the %1th robot arm to a customer in Ohio</a>\n"),
        QStringLiteral("<a href=\"https://www.linkedin.com/company/acme-%1\" rel=\"noopener\">Acme on LinkedIn</a>\n"),
        QStringLiteral("<a href=\"https://www.facebook.com/sharer/sharer.php?u=https%3A%2F%2Facme.example%2F%1\">Share</a>\n"),
        QStringLiteral("<a href=\"/blog/posts/%1?utm_source=archive&amp;utm_medium=web\">Notes from the lab, part %1</a>\n"),
    };
    for (int i = 0; i < 20'000; ++i)
        html += kinds[i % 4].arg(i);
    return html + QStringLiteral("</body></html>\n");
}

void anchorsAndHunt(benchmark::State &state)
{
    const QString html = anchorPage();
    const QUrl base(QStringLiteral("https://acme.example/newsroom/archive"));
    for (auto _ : state) {
        Discovery::LinkHunt hunt(QStringLiteral("acme.example"));
        hunt.feed({html, base});
        benchmark::DoNotOptimize(hunt.pages());
    }
    state.counters["anchors"] = static_cast<double>(Discovery::anchors(html).size());
    state.counters["page MB"] = static_cast<double>(html.size()) / 1e6;
    state.SetBytesProcessed(state.iterations() * html.size() * 2);
}
BENCHMARK(anchorsAndHunt)->Unit(benchmark::kMillisecond);

// 16 MiB of unclosed tags closed by one ">" at the very end, the shape that
// makes the usual tag patterns backtrack, read by every page reader of a run.
void hostilePage(benchmark::State &state)
{
    const QString unit = QStringLiteral("<link rel=alternate <a href=\"x <title>");
    const QString html = unit.repeated(16 * 1024 * 1024 / unit.size()) + u'>';
    const QUrl base(QStringLiteral("https://acme.example/"));
    for (auto _ : state) {
        Discovery::LinkHunt hunt(QStringLiteral("acme.example"));
        hunt.feed({html, base});
        benchmark::DoNotOptimize(Discovery::declared(html, base));
        benchmark::DoNotOptimize(Discovery::logo(html, base));
        benchmark::DoNotOptimize(Discovery::title(html));
        benchmark::DoNotOptimize(Discovery::isMissing(html));
    }
    state.SetBytesProcessed(state.iterations() * html.size() * 2);
}
BENCHMARK(hostilePage)->Unit(benchmark::kMillisecond);

} // namespace
