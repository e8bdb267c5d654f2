#pragma once

#include "EnumText.h"

#include <QString>

#include <array>
#include <optional>

// How far back the panel looks. Not persisted: every start shows a day.
enum class TimeWindow { hour, halfDay, day, week, month, all };

inline constexpr std::array allTimeWindows{TimeWindow::hour, TimeWindow::halfDay, TimeWindow::day,
                                           TimeWindow::week, TimeWindow::month,   TimeWindow::all};

QString toText(TimeWindow window);

// The window's reach in seconds; none for all.
std::optional<qint64> lookBackSeconds(TimeWindow window);

inline std::optional<TimeWindow> timeWindowFromText(QStringView text)
{
    return enumFromText(allTimeWindows, text);
}
