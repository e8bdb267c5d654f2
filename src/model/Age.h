#pragma once

#include <QString>

// How long ago something happened, as the panel and reports write it.
namespace Age {

// "now" under a minute (and for times ahead), then minutes, hours or days:
// "59m", "1h", "23h", "1d".
QString shortForm(qint64 minutes);

}
