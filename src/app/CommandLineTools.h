#pragma once

#include <QCoroTask>

#include "CompanyRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The command-line mode: `pelmor --word [arguments]` runs one command against
// the database and exits, before any window or model exists.
namespace CommandLineTools {

// When the first argument begins with "--", runs its command (or prints the
// usage text for an unknown word) and ends the process with status 0.
// Otherwise returns, and the panel starts.
void runIfRequested(int argc, char **argv);

// Runs asynchronous work to completion from a command, on an event loop of
// its own.
void wait(const std::function<QCoro::Task<>()> &body);

QString usage();

// "Oxbell 1.4 (build 212, abc123)", or the unbundled line when the marketing
// version or the build number is unknown.
QString versionLine(const QString &marketingVersion, const QString &buildNumber, const QString &commit);

// The handlers, one per command word. Each prints its report on standard
// output; errors become empty reports, never a failure status.
void list();
void version();
void scan();
void items(const QStringList &arguments);
void stories(const QStringList &arguments);
void publishers(const QStringList &arguments);
void sources(const QStringList &arguments);
void rehash();
void unread(const QStringList &arguments);
void add(const QStringList &arguments);
void remove(const QStringList &arguments);
void logos();

// The companies a report covers: all of them, or the one whose domain is the
// first argument once normalised.
QList<CompanyRecord> select(const QStringList &arguments);

}
