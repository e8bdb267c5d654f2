#include "LinkHunt.h"

#include "Addresses.h"
#include "PageLinks.h"
#include "PageShapes.h"
#include "Profiles.h"

#include <algorithm>
#include <vector>

namespace Discovery {

namespace {

// Links with longer texts are sentences, not labels.
constexpr qsizetype longestLabel = 40;
constexpr qsizetype candidatesPerKind = 3;

QStringView singular(QStringView word)
{
    return word.endsWith(u's') ? word.chopped(1) : word;
}

// The best score of path P (tidied) against a shape, or nothing when no path
// of the shape matches. sub is the first label of a company sub-domain.
std::optional<int> score(const QString &path, const std::optional<QString> &sub, bool hit, const PageShape &shape)
{
    const QList<QStringView> segments = QStringView(path).split(u'/', Qt::SkipEmptyParts);
    const auto depth = static_cast<int>(std::max<qsizetype>(segments.size() - 1, 0));
    std::optional<int> best;
    for (qsizetype i = 0; i < shape.paths.size(); ++i) {
        const QString &p = shape.paths[i];
        const QStringView name = QStringView(p).sliced(1);
        int base = 0;
        if (path == p || (sub && singular(*sub) == singular(name)))
            base = 12;
        else if (segments.contains(name))
            base = 6;
        else if (path.startsWith(p + u'/'))
            base = 4;
        else
            continue;
        const int value = static_cast<int>(shape.paths.size() - i) + base - 2 * depth + (hit ? 5 : 0);
        best = std::max(best.value_or(value), value);
    }
    return best;
}

}

LinkHunt::LinkHunt(QString domain)
    // Hosts are read from addresses in their ASCII form ("xn--…"), so the
    // company's domain is compared in that form too.
    : m_domain(QString::fromLatin1(QUrl::toAce(domain)))
{
    if (m_domain.isEmpty())
        m_domain = std::move(domain);
}

void LinkHunt::feed(const Page &page)
{
    for (const QString &address : sameAsAddresses(page.text))
        consider(address, {}, page.url);
    for (const Anchor &anchor : anchors(page.text))
        consider(anchor.href, anchor.text, page.url);
    m_confirmed.insert(tidy(page.url));
}

void LinkHunt::consider(QStringView href, QStringView text, const QUrl &base)
{
    const auto address = absolutize(href, base);
    if (!address)
        return;
    const QUrl url(*address);
    const QString host = url.host(QUrl::FullyEncoded).toLower();
    if (!url.isValid() || host.isEmpty())
        return;
    if (isOwn(host)) {
        considerPage(url, host, text.toString().toLower());
        return;
    }
    if (isSharing(*address))
        return;
    for (const LinkKind kind : LinkKinds::discoverable) {
        const QStringList patterns = hosts(kind);
        if (std::ranges::none_of(patterns, [&](const QString &pattern) { return owns(pattern, url, host); }))
            continue;
        const auto found = profile(kind, url, host);
        if (!found)
            continue;
        const auto existing = m_profiles.constFind(kind);
        if (existing == m_profiles.cend() || existing->score > found->rank)
            m_profiles.insert(kind, {found->rank, found->url});
        return;
    }
}

void LinkHunt::considerPage(const QUrl &url, const QString &host, QStringView label)
{
    const std::optional<QString> sub = host == m_domain || host == QStringLiteral("www.") + m_domain
        ? std::nullopt
        : std::optional(host.section(u'.', 0, 0));
    const bool labelFits = label.size() <= longestLabel;
    const QString path = url.path(QUrl::FullyEncoded);
    for (const PageShape &shape : pageShapes()) {
        const bool hit = labelFits
            && std::ranges::any_of(shape.words, [&](const QString &word) { return label.contains(word); });
        if (const auto best = score(tidyPath(path), sub, hit, shape))
            remember(shape.kind, {*best, tidy(url)});
        if (const auto sectionPath = section(path, shape)) {
            const QUrl sectionUrl(QStringLiteral("https://") + host + *sectionPath);
            if (const auto best = score(sectionPath->toLower(), sub, hit, shape))
                remember(shape.kind, {*best, tidy(sectionUrl)});
        }
    }
}

void LinkHunt::remember(LinkKind kind, const Candidate &candidate)
{
    QList<Candidate> &list = m_pages[kind];
    const auto same = std::ranges::find(list, candidate.url, &Candidate::url);
    if (same != list.end()) {
        if (same->score >= candidate.score)
            return;
        list.erase(same);
    }
    list.append(candidate);
    std::ranges::stable_sort(list, [](const Candidate &a, const Candidate &b) {
        return a.score != b.score ? a.score > b.score : a.url.size() < b.url.size();
    });
    if (list.size() > candidatesPerKind)
        list.resize(candidatesPerKind);
}

bool LinkHunt::isOwn(const QString &host) const
{
    return host == m_domain || host == QStringLiteral("www.") + m_domain || host.endsWith(u'.' + m_domain);
}

QList<LinkKind> LinkHunt::unresolved() const
{
    QList<LinkKind> kinds;
    for (const PageShape &shape : pageShapes()) {
        if (!m_pages.contains(shape.kind))
            kinds.append(shape.kind);
    }
    return kinds;
}

QCoro::Task<QList<FoundLink>> LinkHunt::resolved(PageCheck check) const
{
    QStringList unchecked;
    for (const QList<Candidate> &candidates : m_pages) {
        for (const Candidate &candidate : candidates) {
            if (!m_confirmed.contains(candidate.url) && !unchecked.contains(candidate.url))
                unchecked.append(candidate.url);
        }
    }
    // All checks are in flight before the first is awaited.
    std::vector<QCoro::Task<bool>> checks;
    checks.reserve(static_cast<std::size_t>(unchecked.size()));
    for (const QString &url : unchecked)
        checks.push_back(check(url));
    QSet<QString> verified = m_confirmed;
    for (qsizetype i = 0; i < unchecked.size(); ++i) {
        const bool answers = co_await checks[static_cast<std::size_t>(i)];
        if (answers)
            verified.insert(unchecked[i]);
    }

    const QString website = QStringLiteral("https://") + m_domain;
    QList<FoundLink> links{{LinkKind::website, website}};
    QSet<QString> used{website};
    for (const PageShape &shape : pageShapes()) {
        for (const Candidate &candidate : m_pages.value(shape.kind)) {
            if (verified.contains(candidate.url) && !used.contains(candidate.url)) {
                links.append({shape.kind, candidate.url});
                used.insert(candidate.url);
                break;
            }
        }
    }
    for (const LinkKind kind : LinkKinds::discoverable) {
        const auto found = m_profiles.constFind(kind);
        if (found != m_profiles.cend() && !used.contains(found->url)) {
            links.append({kind, found->url});
            used.insert(found->url);
        }
    }
    co_return links;
}

}
