// Start-up: building and showing the main window on the offscreen platform.

#include "mainwindow/config_scada.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_MainWindowStartUp(benchmark::State &state)
{
    for (auto _ : state) {
        pelmora::Config_SCADA w;
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.model().settings.Format_Version);
    }
}
BENCHMARK(BM_MainWindowStartUp)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
