#pragma once

#include "QtPrinters.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of the built program, as a user would start it.
struct PelmorRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline PelmorRun runPelmor(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PELMOR_BINARY), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
