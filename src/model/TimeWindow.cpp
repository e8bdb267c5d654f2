#include "TimeWindow.h"

QString toText(TimeWindow window)
{
    switch (window) {
    case TimeWindow::hour:
        return QStringLiteral("hour");
    case TimeWindow::halfDay:
        return QStringLiteral("halfDay");
    case TimeWindow::day:
        return QStringLiteral("day");
    case TimeWindow::week:
        return QStringLiteral("week");
    case TimeWindow::month:
        return QStringLiteral("month");
    case TimeWindow::all:
        return QStringLiteral("all");
    }
    return {};
}

std::optional<qint64> lookBackSeconds(TimeWindow window)
{
    switch (window) {
    case TimeWindow::hour:
        return 3600;
    case TimeWindow::halfDay:
        return 43200;
    case TimeWindow::day:
        return 86400;
    case TimeWindow::week:
        return 604800;
    case TimeWindow::month:
        return 2592000;
    case TimeWindow::all:
        break;
    }
    return std::nullopt;
}
