#include "Console.h"

#include <cstdio>

namespace Console {

void printLine(const QString &line)
{
    const QByteArray utf8 = line.toUtf8() + '\n';
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
}

void flush()
{
    std::fflush(stdout);
}

}
