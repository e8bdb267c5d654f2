#pragma once

#include "DiscoveryResult.h"

#include <QCoroTask>
#include <QString>

#include <chrono>

namespace Discovery {

// How long a run may take, however slow the site.
inline constexpr std::chrono::milliseconds runTimeLimit = std::chrono::minutes(2);

// Everything needed to start watching a company, from the domain the user
// typed: a name, its feeds (the news search first), a logo address and its
// links. Reads the home page, then the usual section pages, then, while
// links are missing, the company pages and the site map; proves the declared
// feeds, guesses feed paths when none proves, and checks the chosen pages,
// all within the time limit: a run that reaches it ends with what it has.
// Never fails; stores nothing.
QCoro::Task<DiscoveryResult> run(QString domain, QString name, std::chrono::milliseconds limit = runTimeLimit);

}
