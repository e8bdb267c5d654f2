// Commands that change the set of tracked companies or their logos.

#include "CommandLineTools.h"

#include "Console.h"
#include "DiscoveryRun.h"
#include "DomainName.h"
#include "Logos.h"
#include "Store.h"
#include "StoreFailures.h"

#include <array>

namespace CommandLineTools {

namespace {

// Company tints, handed out in turn.
constexpr std::array<int, 6> tints{0x1F7A6B, 0x6B4FBF, 0xC2622C, 0x3E7C3E, 0x2B5FA8, 0xA83E45};

int nextTint(Store &store)
{
    const qsizetype count = orEmpty([&] { return store.companies(); }).size();
    return tints[static_cast<std::size_t>(count) % tints.size()];
}

// Stores what discovery found under the company, which is added unless its
// domain is already tracked; returns it.
CompanyRecord storeFound(Store &store, const QString &domain, const QString &name, const Discovery::DiscoveryResult &found)
{
    const CompanyRecord company
        = store.addCompany(name.isEmpty() ? found.name : name, domain, nextTint(store), {}, 60, QStringLiteral("high"));
    for (const Discovery::FoundFeed &feed : found.feeds)
        store.addSource(*company.id, feed.kind, feed.url, feed.title);
    for (const Discovery::FoundLink &link : found.links)
        store.setLink(*company.id, link.kind, {}, link.url.trimmed());
    return company;
}

void printAdded(const CompanyRecord &company, const QString &domain, const Discovery::DiscoveryResult &found)
{
    Console::printLine(QStringLiteral("added ") + company.name + QStringLiteral(" [") + domain
                       + QStringLiteral("] with ") + QString::number(found.feeds.size()) + QStringLiteral(" feeds:"));
    for (const Discovery::FoundFeed &feed : found.feeds)
        Console::printLine(QStringLiteral("  ") + toText(feed.kind) + QStringLiteral("  ") + feed.url);
    for (const Discovery::FoundLink &link : found.links)
        Console::printLine(QStringLiteral("  link ") + toText(link.kind) + QStringLiteral("  ") + link.url);
}

// The logo discovery finds for a company, stored; the line that says how it
// went.
QCoro::Task<QString> fetchLogo(CompanyRecord company)
{
    const Discovery::DiscoveryResult found = co_await Discovery::run(company.domain, company.name);
    if (!found.logo)
        co_return company.name + QStringLiteral(": no logo found");
    const auto image = co_await Logos::fetch(*found.logo);
    if (!image)
        co_return company.name + QStringLiteral(": no logo found");
    const auto file = Logos::save(*image, company.domain);
    if (!file)
        co_return company.name + QStringLiteral(": not an image");
    ignoringErrors([&] { Store::shared().setLogoPath(*file, *company.id); });
    co_return company.name + QStringLiteral(": ") + *found.logo;
}

}

void add(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        Console::printLine(QStringLiteral("usage: pelmor --add <domain> [name]"));
        return;
    }
    const QString domain = Discovery::normalize(arguments.first());
    if (!Discovery::isValidDomain(domain)) {
        Console::printLine(QStringLiteral("could not add: a full domain such as example.com is needed"));
        return;
    }
    const QString name = arguments.mid(1).join(u' ');
    Discovery::DiscoveryResult found;
    wait([&]() -> QCoro::Task<> { found = co_await Discovery::run(domain, name); });

    try {
        const CompanyRecord company = storeFound(Store::shared(), domain, name, found);
        printAdded(company, domain, found);
    } catch (const DatabaseError &error) {
        Console::printLine(QStringLiteral("could not add: ") + QString::fromUtf8(error.what()));
    }
}

void logos()
{
    for (const CompanyRecord &company : orEmpty([] { return Store::shared().companies(); })) {
        if (!company.id || !company.logoPath.isEmpty())
            continue;
        QString line;
        wait([&]() -> QCoro::Task<> { line = co_await fetchLogo(company); });
        Console::printLine(line);
    }
}

void remove(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        Console::printLine(QStringLiteral("usage: pelmor --remove <domain>"));
        return;
    }
    const QString domain = Discovery::normalize(arguments.first());
    const QList<CompanyRecord> companies = orEmpty([] { return Store::shared().companies(); });
    const auto company = std::ranges::find(companies, domain, &CompanyRecord::domain);
    if (company == companies.end()) {
        Console::printLine(QStringLiteral("no company for ") + domain);
        return;
    }
    ignoringErrors([&] { Store::shared().removeCompany(*company->id, company->domain); });
    Logos::remove(company->logoPath);
    Console::printLine(QStringLiteral("removed ") + company->name);
}

}
