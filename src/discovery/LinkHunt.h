#pragma once

#include "LinkKind.h"
#include "Page.h"

#include <QCoroTask>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <functional>

namespace Discovery {

// A link found for a company.
struct FoundLink {
    LinkKind kind = LinkKind::website;
    QString url;

    friend bool operator==(const FoundLink &, const FoundLink &) = default;
};

// Whether a candidate page answers; Discovery::responds over the network.
using PageCheck = std::function<QCoro::Task<bool>(QString url)>;

// Collects a company's links from the pages one discovery run fetches: its
// own press, blog and investor pages, scored against the usual page shapes,
// and its profiles on social services. A value owned by the run.
class LinkHunt
{
public:
    struct Candidate {
        int score = 0; // for pages higher is better; for profiles a rank, lower is better
        QString url;

        friend bool operator==(const Candidate &, const Candidate &) = default;
    };

    // The hunt for the company at a normalised domain.
    explicit LinkHunt(QString domain);

    // Reads a fetched page: the profiles its structured data names, then its
    // anchors; the page itself then needs no check.
    void feed(const Page &page);

    // Looks at one link: an own-site address is scored as a page, a social
    // profile kept when it is the best of its kind so far.
    void consider(QStringView href, QStringView text, const QUrl &base);

    // Scores an own-site address, and the section page it sits in, against
    // every page shape. label is the link's text, lower-cased.
    void considerPage(const QUrl &url, const QString &host, QStringView label);

    // Keeps a page candidate among the three best of its kind.
    void remember(LinkKind kind, const Candidate &candidate);

    // Whether host is the company's: its domain, with "www." or any other
    // sub-domain.
    [[nodiscard]] bool isOwn(const QString &host) const;

    // The page kinds, in shape order, that have no candidate yet.
    [[nodiscard]] QList<LinkKind> unresolved() const;

    [[nodiscard]] const QMap<LinkKind, Candidate> &profiles() const { return m_profiles; }
    [[nodiscard]] const QMap<LinkKind, QList<Candidate>> &pages() const { return m_pages; }
    [[nodiscard]] const QSet<QString> &confirmed() const { return m_confirmed; }

    // The final links: the website first, then for each page kind its best
    // candidate that answers (fetched pages count as answering; all others
    // are checked at once), then the profiles. The hunt must outlive the
    // task.
    [[nodiscard]] QCoro::Task<QList<FoundLink>> resolved(PageCheck check) const;

private:
    QString m_domain;
    QMap<LinkKind, Candidate> m_profiles;
    QMap<LinkKind, QList<Candidate>> m_pages;
    QSet<QString> m_confirmed;
};

}
