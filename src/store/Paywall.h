#pragma once

#include "EnumText.h"

#include <QString>

#include <array>

// How an outlet's articles can be read. An outlet is paywalled unless none.
enum class Paywall { none, metered, hard };

inline constexpr std::array allPaywalls{Paywall::none, Paywall::metered, Paywall::hard};

// The stored text.
QString toText(Paywall paywall);
// What a picker shows, and the sentence that explains it.
QString label(Paywall paywall);
QString explanation(Paywall paywall);

inline std::optional<Paywall> paywallFromText(QStringView text)
{
    return enumFromText(allPaywalls, text);
}
