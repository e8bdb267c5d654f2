#include "SourceCategory.h"

QString toText(SourceCategory category)
{
    switch (category) {
    case SourceCategory::company:
        return QStringLiteral("The company itself");
    case SourceCategory::wire:
        return QStringLiteral("Wires");
    case SourceCategory::national:
        return QStringLiteral("National");
    case SourceCategory::trade:
        return QStringLiteral("Trade");
    case SourceCategory::aggregator:
        return QStringLiteral("Aggregators");
    case SourceCategory::uncategorised:
        return QStringLiteral("Uncategorised");
    }
    Q_UNREACHABLE();
}
