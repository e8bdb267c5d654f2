#include "ModelSettings.h"

namespace ModelSettings {

int scanIntervalMinutes(const QSettings &settings)
{
    const int minutes = settings.value(scanIntervalKey).toInt();
    return minutes < 1 ? defaultScanInterval : minutes;
}

int retentionDays(const QSettings &settings)
{
    bool isInteger = false;
    const int days = settings.value(retentionKey).toInt(&isInteger);
    return isInteger ? days : defaultRetention;
}

HoverReveal hoverReveal(const QSettings &settings)
{
    return hoverRevealFromText(settings.value(hoverRevealKey).toString());
}

LearnSources learnSources(const QSettings &settings)
{
    return learnSourcesFromText(settings.value(learnSourcesKey).toString());
}

}
