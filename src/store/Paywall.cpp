#include "Paywall.h"

QString toText(Paywall paywall)
{
    switch (paywall) {
    case Paywall::none:
        return QStringLiteral("none");
    case Paywall::metered:
        return QStringLiteral("metered");
    case Paywall::hard:
        return QStringLiteral("hard");
    }
    Q_UNREACHABLE();
}

QString label(Paywall paywall)
{
    switch (paywall) {
    case Paywall::none:
        return QStringLiteral("Free");
    case Paywall::metered:
        return QStringLiteral("Metered");
    case Paywall::hard:
        return QStringLiteral("Subscription");
    }
    Q_UNREACHABLE();
}

QString explanation(Paywall paywall)
{
    switch (paywall) {
    case Paywall::none:
        return QStringLiteral("Free to read.");
    case Paywall::metered:
        return QStringLiteral("A few articles free, then it asks you to subscribe.");
    case Paywall::hard:
        return QStringLiteral("Needs a subscription to read.");
    }
    Q_UNREACHABLE();
}
