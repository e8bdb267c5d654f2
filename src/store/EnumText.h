#pragma once

#include <QStringView>

#include <array>
#include <optional>

// The case of an enumeration whose stored text is `text`, looked up through
// the enumeration's own text(case) function; none when no case has it.
template<typename Enum, std::size_t count>
std::optional<Enum> enumFromText(const std::array<Enum, count> &cases, QStringView text)
{
    for (const Enum value : cases) {
        if (QStringView(toText(value)) == text)
            return value;
    }
    return std::nullopt;
}
