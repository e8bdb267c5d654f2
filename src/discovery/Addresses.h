#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// The web addresses discovery reads, compares and fetches.
namespace Discovery {

// href made absolute against base: an http(s) address with a host, or nothing
// (mail, telephone and script links, data addresses, hrefs that do not
// parse).
std::optional<QString> absolutize(QStringView href, const QUrl &base);

// A path as pages are compared: lower-cased, without a trailing index file
// ("/index.html", "/index.php", "/default.aspx") and without trailing
// slashes; the root is empty text.
QString tidyPath(QStringView path);

// An address as pages are compared: "https://", the lower-cased host, and
// the path without index file and trailing slashes (its case kept).
QString tidy(const QUrl &url);

}
