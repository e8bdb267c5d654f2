#include "TileColours.h"

namespace TileColours {

QColor forNew(qsizetype companyCount)
{
    return all[static_cast<std::size_t>(companyCount) % all.size()];
}

int stored(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    if (!rgb.isValid())
        return 0;
    // The 8-bit channels, exact where float arithmetic would turn 31 into 30.
    return rgb.red() * 65536 + rgb.green() * 256 + rgb.blue();
}

}
