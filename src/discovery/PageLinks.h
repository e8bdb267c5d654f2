#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The links a page gives: its anchors, and the profiles its structured data
// names.
namespace Discovery {

struct Anchor {
    QString href; // as written, possibly empty
    QString text; // the start of the link's text, markup removed

    friend bool operator==(const Anchor &, const Anchor &) = default;
};

// Every anchor with a quoted href, in document order.
QList<Anchor> anchors(QStringView html);

// The http(s) addresses listed under "sameAs" in the page's JSON-LD, in
// order, escaped slashes restored.
QStringList sameAsAddresses(QStringView html);

}
