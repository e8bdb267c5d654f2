#pragma once

#include "LinkKind.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The company's own pages worth linking: where they usually live and what
// links to them say.
namespace Discovery {

struct PageShape {
    LinkKind kind;
    QStringList paths; // best first
    QStringList words;
};

// Press, blog and investor pages, in the order links are listed.
const QList<PageShape> &pageShapes();

// The section page an address under one of the shape's paths sits in: the
// path up to and including that segment, when at least one segment follows
// it ("/press/2024/launch" gives "/press"). Nothing otherwise.
std::optional<QString> section(QStringView path, const PageShape &shape);

}
