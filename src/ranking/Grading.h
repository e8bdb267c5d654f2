#pragma once

#include "Severity.h"

#include <QString>

namespace Ranking {

// A title's grade from fixed keyword lists, tried in the order high, routine,
// notable; routine when none hits. A term of one word must be a whole word
// of the title, a phrase only a part of its text ("series a" hits "series
// about"). Never none.
Severity severity(const QString &title);

}
