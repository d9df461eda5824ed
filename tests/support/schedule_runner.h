#pragma once
// Runs a transfer's steps over a ScriptedLine in simulated time, as the
// program's event loop would: a step whenever bytes become readable and
// whenever the step's own wait runs out. A busy machine is played by running
// some steps late (the bytes that came meanwhile are read together).

#include "support/scripted_line.h"

#include <functional>
#include <random>

namespace pelmora::test {

struct StepOutcome {
    bool ended = false;
    qint64 wakeAt = ScriptedLine::kNever; // the step's own next wait runs out then
};

struct RunOutcome {
    bool ended = false; // false: the run stood still or ran past the limit
    qint64 endedAt = 0;
    int steps = 0;
};

struct Lateness {
    std::mt19937 *rng = nullptr; // none: every step on time
    int percent = 0;             // of the steps that run late
    int maxMs = 0;               // how late at most
};

inline RunOutcome runSteps(ScriptedLine &line, const std::function<StepOutcome()> &step, qint64 firstWakeAt,
                           qint64 limit, Lateness late = {})
{
    RunOutcome out;
    qint64 wake = firstWakeAt;
    while (out.steps < 2000000) {
        const qint64 next = qMin(wake, line.nextDelivery());
        if (next == ScriptedLine::kNever || next > limit)
            return out;
        qint64 at = next;
        if (late.rng && late.maxMs > 0 && static_cast<int>((*late.rng)() % 100) < late.percent)
            at += static_cast<qint64>((*late.rng)() % static_cast<unsigned>(late.maxMs + 1));
        line.advanceTo(at);
        const StepOutcome s = step();
        ++out.steps;
        if (s.ended) {
            out.ended = true;
            out.endedAt = line.now();
            return out;
        }
        wake = s.wakeAt;
    }
    return out;
}

} // namespace pelmora::test
