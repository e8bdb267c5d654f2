#pragma once

#include "LinkKind.h"

#include <QList>
#include <QString>

#include <optional>

// One of a company's web or social links: a row of the link table. A company
// has at most one link per kind and label.
struct CompanyLink {
    std::optional<qint64> id; // none until stored
    qint64 companyId = 0;
    QString kind; // a LinkKind text
    QString label; // empty but for custom links
    QString url;

    friend bool operator==(const CompanyLink &, const CompanyLink &) = default;
};

// The link's kind, a text naming no kind counting as custom.
LinkKind kindOf(const CompanyLink &link);

// What a link card calls the link: a custom link's own label, else its kind's.
QString title(const CompanyLink &link);

// The links as cards show them: the first of each kind and label, ordered by
// kind, keeping the given order within a kind.
QList<CompanyLink> forDisplay(const QList<CompanyLink> &links);
