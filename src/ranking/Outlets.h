#pragma once

#include <QString>

// Which outlet an article belongs to.
namespace Ranking {

// The address's host as written, without a leading "www."; empty when the
// text is not an absolute address.
QString domain(const QString &url);

// A short outlet name from one label of a host: the first of two labels;
// of more, the second-to-last, or the one before it when that is a generic
// second level such as "co" in "bbc.co.uk".
QString shortName(const QString &domain);

}
