#pragma once

#include <QColor>

#include <array>

// The colours a company's tile can take; new companies get them in turn.
namespace TileColours {

// Teal, violet, orange, green, blue, red.
inline const std::array<QColor, 6> all{QColor(31, 122, 107), QColor(107, 79, 191), QColor(194, 98, 44),
                                       QColor(62, 124, 62),  QColor(43, 95, 168),  QColor(168, 62, 69)};

// The colour of the company added after `companyCount` others.
QColor forNew(qsizetype companyCount);

// A colour as the company row stores it, 0xRRGGBB in sRGB; a colour that
// cannot be converted stores as black.
int stored(const QColor &colour);

}
