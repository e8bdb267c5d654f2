#pragma once

#include <QString>
#include <QStringList>

namespace Discovery {

// Every non-overlapping, case-insensitive match of `pattern` in `text`, in
// order: capture group 1 when the pattern has a group, else the whole match.
// A pattern that does not compile matches nothing.
QStringList matches(const QString &pattern, const QString &text);

}
