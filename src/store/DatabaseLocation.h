#pragma once

#include <QString>

namespace DatabaseLocation {

// Where the database lives: an explicit path wins; then PELMOR_DB (whose
// directory is created even when an explicit path is given); then
// $XDG_DATA_HOME/pelmor/pelmor.sqlite, its directories created. Throws
// DatabaseError when a directory cannot be made or found.
QString choose(const QString &explicitPath = {});

}
