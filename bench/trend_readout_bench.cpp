// The trend readout's wait: the whole readout started from the monitor
// window's command and run by the window's timers through the program's link,
// against the controller simulator over a socat pseudo-terminal pair on an
// emulated 115200-baud line. The counters give the wire time of its requests
// and answers and the ratio of the readout's time to it.

#include "core/model/project_model.h"
#include "link/controller_link.h"
#include "monitors/monitor_widgets.h"
#include "monitors/trend_readout.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_readout.h"
#include "upload/packet_sender.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

namespace {

using namespace pelmora;

void readoutAt115200(benchmark::State &state, ReadoutVariant variant)
{
    test::ControllerSimulator sim;
    test::ReadoutController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    const test::SimulatorLine line(sim, test::Transport::Pty, 1);
    if (!line.ok()) {
        state.SkipWithError(qPrintable(line.error()));
        return;
    }
    ProjectModel m;
    m.monitors.Grafik_COM = 1;
    ControllerLink link;
    ReadoutTimers timers(variant, m, link, nullptr);
    bool finished = false;
    QString failure;
    timers.finished = [&] { finished = true; };
    timers.stoppedByFailures = [&](const QString &text) { failure = text; };

    const int packets = timers.readout.packetCount();
    const double wireSeconds =
        sim.wireMs(static_cast<qsizetype>(packets) * (kReadRequestLength + kReadAnswerLength)) / 1000.0;
    double seconds = 0;
    std::size_t requests = 0;
    for (auto _ : state) {
        finished = false;
        failure.clear();
        const std::size_t before = controller.requested().size();
        QElapsedTimer clock;
        clock.start();
        const TrendReadout::CommandResult started = timers.startOrStop(1);
        if (started.outcome != ReadoutCommand::Started) {
            state.SkipWithError(qPrintable(QStringLiteral("the readout did not start: ") + started.message));
            break;
        }
        const bool ended = test::ControllerSimulator::waitFor(
            [&] { return finished || !failure.isEmpty() || !timers.readout.running(); }, 120000);
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!ended || !finished) {
            timers.stop();
            state.SkipWithError(qPrintable(QStringLiteral("the readout did not end whole: ") + failure));
            break;
        }
        // The last answer's decoding ends the readout; the link is free for the next one.
        test::ControllerSimulator::waitFor([&] { return !timers.readout.running(); }, 5000);
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        requests += controller.requested().size() - before;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["packets"] = packets;
    state.counters["wire_s"] = wireSeconds;
    state.counters["ratio"] = runs > 0 ? seconds / runs / wireSeconds : 0;
    state.counters["requests_again"] = runs > 0 ? (static_cast<double>(requests) - runs * packets) / runs : 0;
}

void BM_OrvoReadoutAt115200(benchmark::State &state) { readoutAt115200(state, ReadoutVariant::Orvo); }
BENCHMARK(BM_OrvoReadoutAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

void BM_TeskReadoutAt115200(benchmark::State &state) { readoutAt115200(state, ReadoutVariant::Tesk); }
BENCHMARK(BM_TeskReadoutAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
