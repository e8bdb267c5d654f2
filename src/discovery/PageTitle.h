#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What a page's title element says about the company and about the page.
namespace Discovery {

// The company name a page's title gives: the first piece of the title, split
// at the usual separators (" | ", " – ", ": " …), that is not a generic word
// such as "Home"; white space trimmed and collapsed. Nothing for a page
// without a title, or a name longer than 60 characters.
std::optional<QString> title(QStringView html);

// Whether a page looks like a not-found page that answered with success: its
// whole title mentions "404" or "not found".
bool isMissing(QStringView html);

}
