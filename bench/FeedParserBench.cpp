#include "FeedParser.h"

#include <QByteArray>

#include <benchmark/benchmark.h>
#include <expat.h>

#include <memory>

namespace {

constexpr int itemCount = 20'000;

// Items as news sites write them: a title, a link and guid, a date, an author,
// a category and a paragraph of escaped HTML. About 840 bytes each.
QByteArray rssDocument()
{
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n<channel>\n"
                          "<title>Example News: Business</title>\n<link>https://news.example.com/</link>\n";
    for (int i = 0; i < itemCount; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray url = "https://news.example.com/2024/03/05/acme-announces-results-for-the-quarter-" + n;
        document += "<item>\n<title>Acme Corporation announces results for the quarter, story " + n
            + " &amp; outlook</title>\n<link>" + url + "</link>\n<guid isPermaLink=\"true\">" + url
            + "</guid>\n<pubDate>Tue, 05 Mar 2024 " + QByteArray::number(10 + i % 12) + ":"
            + QByteArray::number(10 + i % 50) + ":00 +0000</pubDate>\n<dc:creator>Jane Reporter</dc:creator>\n"
              "<category>Business</category>\n<description>&lt;p&gt;Acme Corporation said on Tuesday that revenue "
              "rose 12% in the quarter, ahead of analysts&#8217; estimates, as demand for its industrial sensors "
              "held up across Europe and North America. The company raised its outlook for the full year and "
              "announced a buyback.&lt;/p&gt;&lt;p&gt;&lt;a href=\"" + url
            + "\"&gt;Read the full story&lt;/a&gt;&lt;/p&gt;</description>\n</item>\n";
    }
    return document + "</channel>\n</rss>\n";
}

QByteArray atomDocument()
{
    QByteArray document = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\">\n"
                          "<title>Example News: Business</title>\n<id>https://news.example.com/</id>\n";
    for (int i = 0; i < itemCount; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray url = "https://news.example.com/2024/03/05/acme-announces-results-for-the-quarter-" + n;
        const QByteArray time = "2024-03-05T" + QByteArray::number(10 + i % 12) + ":" + QByteArray::number(10 + i % 50)
            + ":00Z";
        document += "<entry>\n<title type=\"html\">Acme Corporation announces results for the quarter, story " + n
            + " &amp;amp; outlook</title>\n<link rel=\"alternate\" type=\"text/html\" href=\"" + url
            + "\"/>\n<id>tag:news.example.com,2024:" + n + "</id>\n<published>" + time + "</published>\n<updated>"
            + time + "</updated>\n<author><name>Jane Reporter</name></author>\n"
                     "<summary type=\"html\">&lt;p&gt;Acme Corporation said on Tuesday that revenue rose 12% in the "
                     "quarter, ahead of analysts&#8217; estimates, as demand for its industrial sensors held up "
                     "across Europe and North America.&lt;/p&gt;&lt;p&gt;&lt;a href=\"" + url
            + "\"&gt;Read the full story&lt;/a&gt;&lt;/p&gt;</summary>\n</entry>\n";
    }
    return document + "</feed>\n";
}

const QByteArray &document(int64_t format)
{
    static const QByteArray rss = rssDocument();
    static const QByteArray atom = atomDocument();
    return format == 0 ? rss : atom;
}

void XMLCALL ignoreStart(void *, const XML_Char *, const XML_Char **) {}
void XMLCALL ignoreEnd(void *, const XML_Char *) {}
void XMLCALL ignoreText(void *, const XML_Char *, int) {}

// The floor: expat reading the same bytes with handlers that do nothing.
void bareExpat(benchmark::State &state)
{
    const QByteArray &data = document(state.range(0));
    for (auto _ : state) {
        const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr),
                                                                                 &XML_ParserFree);
        XML_SetElementHandler(parser.get(), ignoreStart, ignoreEnd);
        XML_SetCharacterDataHandler(parser.get(), ignoreText);
        benchmark::DoNotOptimize(XML_Parse(parser.get(), data.constData(), static_cast<int>(data.size()), 1));
    }
    state.SetBytesProcessed(state.iterations() * data.size());
    state.SetLabel(state.range(0) == 0 ? "RSS" : "Atom");
}
BENCHMARK(bareExpat)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void parse(benchmark::State &state)
{
    const QByteArray &data = document(state.range(0));
    for (auto _ : state) {
        const std::optional<ParsedFeed> feed = FeedParser::parse(data);
        if (!feed || feed->items.size() != itemCount)
            state.SkipWithError("the document did not parse");
        benchmark::DoNotOptimize(feed);
    }
    state.SetBytesProcessed(state.iterations() * data.size());
    state.SetLabel(state.range(0) == 0 ? "RSS" : "Atom");
}
BENCHMARK(parse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
