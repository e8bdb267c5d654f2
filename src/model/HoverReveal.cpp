#include "HoverReveal.h"

QString toText(HoverReveal reveal)
{
    return reveal == HoverReveal::tooltip ? QStringLiteral("tooltip") : QStringLiteral("scroll");
}
