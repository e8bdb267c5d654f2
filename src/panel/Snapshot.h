#pragma once

#include <QString>

class QQuickWindow;

// Saves the first frame a window draws as a PNG and quits the application,
// so that panel states can be looked at without a display.
namespace Snapshot {

void saveFirstFrame(QQuickWindow *window, const QString &path);

}
