#pragma once

#include <QString>
#include <QStringView>

// How an over-long headline shows itself whole: scrolling while hovered, or
// in a tooltip. Kept as a user setting under its case name.
enum class HoverReveal { scroll, tooltip };

QString toText(HoverReveal reveal);

// "tooltip" is the only other choice; anything else scrolls.
inline HoverReveal hoverRevealFromText(QStringView text)
{
    return text == u"tooltip" ? HoverReveal::tooltip : HoverReveal::scroll;
}
