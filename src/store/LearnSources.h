#pragma once

#include "EnumText.h"

#include <QString>

#include <array>

// What filing does with outlets seen in items that the catalog lacks. Kept as
// a user setting under its case name; anything else reads as off.
enum class LearnSources { addEnabled, addDisabled, off };

inline constexpr std::array allLearnSources{LearnSources::addEnabled, LearnSources::addDisabled, LearnSources::off};

QString toText(LearnSources policy);

inline LearnSources learnSourcesFromText(QStringView text)
{
    return enumFromText(allLearnSources, text).value_or(LearnSources::off);
}
