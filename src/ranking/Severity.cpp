#include "Severity.h"

#include <algorithm>

QString toText(Severity severity)
{
    switch (severity) {
    case Severity::high:
        return QStringLiteral("high");
    case Severity::notable:
        return QStringLiteral("notable");
    case Severity::routine:
        return QStringLiteral("routine");
    case Severity::none:
        return QStringLiteral("none");
    }
    Q_UNREACHABLE();
}

std::optional<Severity> severityFromText(QStringView text)
{
    const auto found = std::find_if(allSeverities.begin(), allSeverities.end(),
                                    [text](Severity severity) { return toText(severity) == text; });
    return found == allSeverities.end() ? std::nullopt : std::optional(*found);
}
