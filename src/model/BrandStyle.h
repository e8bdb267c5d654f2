#pragma once

#include <QColor>
#include <QString>

#include <optional>

// The house mark and colour of a well-known outlet's tile.
struct BrandStyle {
    QString mark;
    QColor tint;

    // The style of an outlet whose domain is one of the known seed outlets.
    static std::optional<BrandStyle> known(const QString &domain);
};
