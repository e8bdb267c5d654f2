#pragma once

#include "HoverReveal.h"
#include "LearnSources.h"

#include <QSettings>
#include <QString>

// The user's settings as the model keeps them, each read by its own rule so
// that a missing or mangled value falls back to a sensible one.
namespace ModelSettings {

inline const QString scanIntervalKey = QStringLiteral("scanIntervalMinutes");
inline const QString retentionKey = QStringLiteral("retentionDays");
inline const QString hoverRevealKey = QStringLiteral("hoverReveal");
inline const QString learnSourcesKey = QStringLiteral("learnSources");

inline constexpr int defaultScanInterval = 15;
inline constexpr int defaultRetention = 90;

// Minutes between scans; anything below a minute, or none, gives 15.
int scanIntervalMinutes(const QSettings &settings);
// Days items are kept; a stored integer as it is (0 and below keep all),
// anything else 90.
int retentionDays(const QSettings &settings);
HoverReveal hoverReveal(const QSettings &settings);
LearnSources learnSources(const QSettings &settings);

}
