#include "BrandStyle.h"

#include "CatalogSeeds.h"

#include <QHash>

#include <algorithm>

namespace {

struct KnownStyle {
    const char *seedName; // the seed outlet whose domain keys the style
    const char *mark;
    QRgb colour;
};

constexpr KnownStyle knownStyles[] = {
    {"Associated Press", "AP", 0xFF322E},
    {"AP News", "AP", 0xFF322E},
    {"Reuters", "RE", 0xFF8000},
    {"Bloomberg", "BB", 0x3C4149},
    {"The Wall Street Journal", "WSJ", 0x4A5058},
    {"Financial Times", "FT", 0xFCD0B1},
    {"The New York Times", "NYT", 0x2B2B2B},
    {"CNBC", "CN", 0x005594},
    {"Google News", "G", 0x4285F4},
    {"TechCrunch", "TC", 0x0A8A3F},
    {"The Verge", "TV", 0x5100FF},
    {"WIRED", "W", 0x1A1A1A},
    {"Forbes", "FB", 0x0F4C81},
    {"Barron's", "BA", 0x1E4C7A},
    {"MarketBeat", "MB", 0x1B6CA8},
    {"PR Newswire", "PR", 0x0B5FA5},
    {"Business Wire", "BW", 0x00539B},
    {"SEC EDGAR", "SEC", 0x3E7C3E},
};

// Keyed by the seed catalog's domains, so that the styles follow the seeds.
QHash<QString, BrandStyle> stylesByDomain()
{
    QHash<QString, BrandStyle> styles;
    for (const KnownStyle &style : knownStyles) {
        const auto seed = std::ranges::find_if(CatalogSeeds::outlets, [&](const CatalogSeeds::Outlet &outlet) {
            return qstrcmp(outlet.name, style.seedName) == 0;
        });
        Q_ASSERT(seed != CatalogSeeds::outlets.end());
        styles.insert(QString::fromUtf8(seed->domain),
                      {QString::fromLatin1(style.mark), QColor::fromRgb(style.colour)});
    }
    return styles;
}

}

std::optional<BrandStyle> BrandStyle::known(const QString &domain)
{
    static const QHash<QString, BrandStyle> styles = stylesByDomain();
    const auto style = styles.constFind(domain);
    if (style == styles.cend())
        return std::nullopt;
    return *style;
}
