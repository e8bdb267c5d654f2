#include "LearnSources.h"

QString toText(LearnSources policy)
{
    switch (policy) {
    case LearnSources::addEnabled:
        return QStringLiteral("addEnabled");
    case LearnSources::addDisabled:
        return QStringLiteral("addDisabled");
    case LearnSources::off:
        return QStringLiteral("off");
    }
    Q_UNREACHABLE();
}
