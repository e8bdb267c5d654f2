#include <QCoreApplication>

#include <benchmark/benchmark.h>

// Benchmarks of code that runs on Qt's event loop (network clients, the
// model's timers) need an application object around them.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
