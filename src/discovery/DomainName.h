#pragma once

#include <QString>

// What the user types for a company, reduced to the host it is tracked by.
namespace Discovery {

// A typed domain or address as a bare lower-case host: no scheme, no leading
// "www.", nothing from the first "/" on. Ports, queries without a slash and
// inner spaces stay, for isValidDomain to judge.
QString normalize(const QString &text);

// A display name guessed from a normalised domain: its first label, with an
// initial capital.
QString prettyName(const QString &domain);

// Whether the typed text names a full domain: a dot, no space, at least four
// characters, and no dot at either end.
bool isValidDomain(const QString &text);

}
