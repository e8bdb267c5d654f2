#include "CommandLineTools.h"

#include "Console.h"
#include "Store.h"
#include "StoreFailures.h"
#include "Version.h"

#include <QCoreApplication>

#include <cstdlib>
#include <utility>

namespace CommandLineTools {

namespace {

using Handler = void (*)(const QStringList &arguments);

void printUsage(const QStringList &)
{
    Console::printLine(usage());
}

// Every command word and its handler.
constexpr std::pair<const char *, Handler> commands[] = {
    {"--list", [](const QStringList &) { list(); }},
    {"--add", add},
    {"--remove", remove},
    {"--scan", [](const QStringList &) { scan(); }},
    {"--items", items},
    {"--rehash", [](const QStringList &) { rehash(); }},
    {"--unread", unread},
    {"--logos", [](const QStringList &) { logos(); }},
    {"--stories", stories},
    {"--publishers", publishers},
    {"--sources", sources},
    {"--version", [](const QStringList &) { version(); }},
};

} // namespace

QString usage()
{
    return QStringLiteral("usage:\n"
                          "  pelmor --add <domain> [name]   add a company and discover its feeds\n"
                          "  pelmor --remove <domain>       remove a company and everything under it\n"
                          "  pelmor --list                  companies and their sources\n"
                          "  pelmor --scan                  fetch every enabled source once\n"
                          "  pelmor --items [domain]        most recent items\n"
                          "  pelmor --stories [domain]      items grouped into stories\n"
                          "  pelmor --publishers [domain]   outlets seen, as the source bar orders them\n"
                          "  pelmor --sources [on|off]      the master source list by category\n"
                          "  pelmor --rehash                recompute severities\n"
                          "  pelmor --unread [hours]        mark recent items unread again\n"
                          "  pelmor --logos                 fetch logos for companies missing one\n"
                          "  pelmor --version               marketing version, build number and commit");
}

void runIfRequested(int argc, char **argv)
{
    if (argc < 2 || !QByteArrayView(argv[1]).startsWith("--"))
        return;

    // Asynchronous commands run their work on this application's event loop.
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(2);

    Handler handler = printUsage;
    for (const auto &[word, commandHandler] : commands) {
        if (QByteArrayView(argv[1]) == word)
            handler = commandHandler;
    }
    handler(arguments);

    Console::flush();
    std::exit(EXIT_SUCCESS);
}

void wait(const std::function<QCoro::Task<>()> &body)
{
    QCoro::waitFor(body());
}

QString versionLine(const QString &marketingVersion, const QString &buildNumber, const QString &commit)
{
    if (marketingVersion.isEmpty() || buildNumber.isEmpty())
        return QStringLiteral("Oxbell (unbundled build)");
    QString line = QStringLiteral("Oxbell ") + marketingVersion + QStringLiteral(" (build ") + buildNumber;
    if (!commit.isEmpty())
        line += QStringLiteral(", ") + commit;
    return line + u')';
}

void version()
{
    Console::printLine(versionLine(QString::fromLatin1(Version::marketingVersion),
                                   QString::fromLatin1(Version::buildNumber), QString::fromLatin1(Version::commit)));
}

void list()
{
    Store &store = Store::shared();
    for (const CompanyRecord &company : orEmpty([&] { return store.companies(); })) {
        const QList<SourceRecord> feeds = orEmpty([&] { return store.sources(company.id); });
        const qsizetype itemCount = orEmpty([&] { return store.items(*company.id, 5000); }).size();
        Console::printLine(company.name + QStringLiteral("  [") + company.domain + QStringLiteral("]  ")
                           + QString::number(itemCount) + QStringLiteral(" items"));
        for (const SourceRecord &feed : feeds) {
            QString line = QStringLiteral("  [") + (feed.enabled ? u' ' : u'x') + QStringLiteral("] ")
                + feed.kind.leftJustified(12, u' ', true) + u' ' + feed.url;
            if (feed.lastError)
                line += QStringLiteral("  ! ") + *feed.lastError;
            Console::printLine(line);
        }
    }
}

}
