#pragma once

#include <QString>

// The command line's report: lines on standard output, in UTF-8.
namespace Console {

void printLine(const QString &line);
void flush();

}
