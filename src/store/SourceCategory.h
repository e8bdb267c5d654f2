#pragma once

#include "EnumText.h"

#include <QString>

#include <array>

// An outlet's group in the catalog. Its stored text is also its label.
enum class SourceCategory { company, wire, national, trade, aggregator, uncategorised };

inline constexpr std::array allSourceCategories{SourceCategory::company,  SourceCategory::wire,
                                                SourceCategory::national, SourceCategory::trade,
                                                SourceCategory::aggregator, SourceCategory::uncategorised};

QString toText(SourceCategory category);

inline std::optional<SourceCategory> sourceCategoryFromText(QStringView text)
{
    return enumFromText(allSourceCategories, text);
}
