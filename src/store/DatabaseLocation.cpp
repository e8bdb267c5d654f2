#include "DatabaseLocation.h"

#include "DatabaseError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DatabaseLocation {

namespace {

void makeDirectory(const QString &path)
{
    if (!QDir().mkpath(path))
        throw DatabaseError("could not create the directory " + path.toStdString());
}

}

QString choose(const QString &explicitPath)
{
    const bool fromEnvironment = qEnvironmentVariableIsSet("PELMOR_DB");
    const QString environmentPath = qEnvironmentVariable("PELMOR_DB");
    if (fromEnvironment)
        makeDirectory(QFileInfo(environmentPath).absolutePath());
    if (!explicitPath.isEmpty())
        return explicitPath;
    if (fromEnvironment)
        return environmentPath;

    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        throw DatabaseError("could not locate the user's data directory");
    const QString directory = dataHome + QStringLiteral("/pelmor");
    makeDirectory(directory);
    return directory + QStringLiteral("/pelmor.sqlite");
}

}
