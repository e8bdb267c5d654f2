#include "DiscoveryRun.h"

#include "Addresses.h"
#include "DomainName.h"
#include "FeedProof.h"
#include "LogoDiscovery.h"
#include "NewsSearch.h"
#include "PageFetching.h"
#include "PageTitle.h"
#include "SiteMap.h"

#include <QDeadlineTimer>
#include <QSet>

namespace Discovery {

namespace {

const QStringList sectionPaths{
    QStringLiteral("/newsroom"), QStringLiteral("/news"),      QStringLiteral("/press"),
    QStringLiteral("/press-releases"), QStringLiteral("/blog"), QStringLiteral("/investors"),
    QStringLiteral("/investor-relations"), QStringLiteral("/media"),
};

const QStringList companyPaths{
    QStringLiteral("/contact"), QStringLiteral("/about"), QStringLiteral("/company"), QStringLiteral("/about-us"),
    QStringLiteral("/contact-us"),
};

FoundFeed newsSearch(const QString &name, const QString &domain)
{
    return {SourceKind::googleNews, googleNewsURL(name, domain), QStringLiteral("Google News")};
}

void removeDuplicateUrls(QList<FoundFeed> &feeds)
{
    QSet<QString> seen;
    feeds.removeIf([&](const FoundFeed &feed) {
        if (seen.contains(feed.url))
            return true;
        seen.insert(feed.url);
        return false;
    });
}

// The company pages are read while a page kind is missing or the company's
// LinkedIn or X page is not known for sure.
bool lacksSomething(const LinkHunt &hunt)
{
    const auto isCertain = [&](LinkKind kind) {
        const auto found = hunt.profiles().constFind(kind);
        return found != hunt.profiles().cend() && found->score == 0;
    };
    return !hunt.unresolved().isEmpty() || !isCertain(LinkKind::linkedin) || !isCertain(LinkKind::x);
}

}

QCoro::Task<DiscoveryResult> run(QString typedDomain, QString givenName, std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    const QString domain = normalize(typedDomain);
    DiscoveryResult result{.name = givenName.isEmpty() ? prettyName(domain) : givenName};
    const QUrl home(QStringLiteral("https://") + domain, QUrl::StrictMode);
    if (!home.isValid() || home.host().isEmpty()) {
        result.feeds = {newsSearch(result.name, domain)};
        co_return result;
    }

    QList<FoundFeed> candidates;
    LinkHunt hunt(domain);
    // Awaited results are named before they are tested: GCC 12 mishandles
    // co_await inside a condition.
    const auto homePage = co_await fetchPage(home, deadline);
    if (homePage) {
        if (const auto titled = title(homePage->text))
            result.name = *titled;
        candidates += declared(homePage->text, homePage->url);
        result.logo = logo(homePage->text, homePage->url);
        hunt.feed(*homePage);
    }
    if (!result.logo)
        result.logo = faviconAddress(domain);
    // The search looks for the name the company will carry: the caller's
    // when given, else the one just read.
    result.feeds = {newsSearch(givenName.isEmpty() ? result.name : givenName, domain)};

    const auto sections = co_await fetch(sectionPaths, domain, deadline);
    for (const auto &[path, page] : sections) {
        candidates += declared(page.text, page.url);
        hunt.feed(page);
        // A section page that answered from where it was asked is a
        // candidate itself; one redirected elsewhere is not.
        if (!isMissing(page.text) && tidyPath(page.url.path(QUrl::FullyEncoded)) == path)
            hunt.consider(page.url.toString(QUrl::FullyEncoded), {}, home);
    }

    if (lacksSomething(hunt)) {
        const auto companyPages = co_await fetch(companyPaths, domain, deadline);
        for (const auto &[path, page] : companyPages)
            hunt.feed(page);
        if (!hunt.unresolved().isEmpty()) {
            const QStringList mapped = co_await sitemapURLs(domain, deadline);
            for (const QString &address : mapped)
                hunt.consider(address, {}, home);
        }
    }

    // The chosen pages are checked while the feeds are proved.
    QCoro::Task<QList<FoundLink>> links
        = hunt.resolved([deadline](QString url) { return responds(std::move(url), deadline); });
    removeDuplicateUrls(candidates);
    const QList<FoundFeed> proved = co_await prove(candidates, deadline);
    result.feeds += proved;
    if (result.feeds.size() == 1) {
        const QList<FoundFeed> guessed = co_await probe(domain, deadline);
        result.feeds += guessed;
    }
    removeDuplicateUrls(result.feeds);
    QList<FoundLink> found = co_await links;
    result.links = std::move(found);
    co_return result;
}

}
