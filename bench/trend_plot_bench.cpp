// One full drawing pass of each monitor window over a full sample store:
// 22 channels x 5001 samples on the Tesk plot, 46 columns x 5001 samples on
// the Orvo plot, each channel moving over its whole scale and every discrete
// column changing often, in both line styles. A pass is what the engineer
// waits for after a readout, a file open, a zoom or a scale change.

#include "monitors/trend_plot.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace pelmora;

// Analog channels move over their whole scale; discrete ones change every few samples.
MonitorTables fullStore(PlotWindow w)
{
    MonitorTables m;
    for (int c = 0; c <= 45; ++c) {
        const bool discrete = w == PlotWindow::Tesk ? c >= 7 : c < 40;
        m.Grafik_Min(c) = 0;
        m.Grafik_Max(c) = discrete ? 1.5f : 100.0f;
        m.Grafik_Color(c) = 0x00FFFFFF & (0x3A5F1D * (c + 1));
        for (int s = 0; s <= 5000; ++s)
            m.Grafik_Data(s, c) =
                discrete
                    ? static_cast<float>((s / (3 + c % 7) + c) % 2)
                    : static_cast<float>(50.0 + 49.0 * std::sin(s * (0.013 + 0.002 * c)) * std::cos(s * 0.0007 * c));
    }
    return m;
}

void BM_FullRedraw(benchmark::State &state, PlotWindow w)
{
    const MonitorTables m = fullStore(w);
    TrendPlot plot(w);
    plot.steps = state.range(0) != 0;
    plot.zoom = static_cast<int>(state.range(1));
    for (auto _ : state) {
        plot.fullRedraw(m);
        benchmark::DoNotOptimize(plot.picture().constBits());
    }
}

void BM_TeskFullRedraw(benchmark::State &state) { BM_FullRedraw(state, PlotWindow::Tesk); }
void BM_OrvoFullRedraw(benchmark::State &state) { BM_FullRedraw(state, PlotWindow::Orvo); }

// Arguments: step style (0 straight, 1 steps), zoom.
BENCHMARK(BM_TeskFullRedraw)->Args({0, 1})->Args({1, 1})->Args({0, 3})->Args({1, 3})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrvoFullRedraw)->Args({1, 3})->Args({0, 3})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the time labels need the font database
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
