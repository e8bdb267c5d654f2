#pragma once

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
