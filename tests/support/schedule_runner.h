#pragma once
// Runs a transfer's steps over a ScriptedLine in simulated time, as the
// program's event loop would: a step whenever bytes become readable and
// whenever the step's own wait runs out. A busy machine is played by running
// some steps late (the bytes that came meanwhile are read together).

#include "support/scripted_line.h"

#include <QByteArray>
#include <functional>
#include <random>
#include <string>

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

// Watches a run of items sent one at a time, each accepted on a good reply to
// its last copy (the packet sender, the trend readout), against the truth of
// the ScriptedLine it runs over. After every step:
// - one frame out: no frame was handed over while an earlier one, of this
//   run or of one before on the same line, was out: its whole reply had not
//   come, and it had left less than the least hold before;
// - an item accepted at T had its latest copy answered good, the whole reply
//   in by T;
// and at the end: the run ended, and never went longer than `stillCapMs`
// without an item accepted.
class ExchangeWatch {
public:
    // frameOf(item): the frame an item is sent as, the same for every copy.
    ExchangeWatch(const ScriptedLine &line, std::function<QByteArray(int item)> frameOf, qint64 stillCapMs)
        : line_(line), frameOf_(std::move(frameOf)), stillCap_(stillCapMs), progressAt_(line.now())
    {}

    // Steps running late on a busy machine: `percent` of them, up to `maxMs`
    // late, drawn from `seed`. None when percent is 0.
    Lateness lateness(std::uint32_t seed, int percent, int maxMs)
    {
        rng_.seed(seed);
        Lateness late;
        if (percent > 0) {
            late.rng = &rng_;
            late.percent = percent;
            late.maxMs = maxMs;
        }
        return late;
    }

    // After every step of the run; `accepted`: the items accepted so far.
    void afterStep(int accepted)
    {
        const qint64 now = line_.now();
        const auto &taken = line_.taken();
        for (; checked_ < taken.size(); ++checked_)
            checkOneOut(checked_);
        // The time up to an acceptance went by without one.
        longestStill_ = qMax(longestStill_, now - progressAt_);
        for (; accepted_ < accepted; ++accepted_) {
            checkAccepted(accepted_, now);
            progressAt_ = now;
        }
    }

    // What the run broke, once it is over; empty when it kept everything.
    std::string failure(const RunOutcome &run) const
    {
        if (!broken_.empty())
            return broken_;
        if (!run.ended)
            return "(c) the run did not end";
        const qint64 still = qMax(longestStill_, run.endedAt - progressAt_);
        if (still > stillCap_)
            return "(c) " + std::to_string(still) + " ms without an item accepted, over " + std::to_string(stillCap_);
        return {};
    }

private:
    void fail(std::string what)
    {
        if (broken_.empty())
            broken_ = std::move(what);
    }

    void checkOneOut(std::size_t n)
    {
        const auto &taken = line_.taken();
        const ScriptedLine::Taken &next = taken[n];
        // Frames leave in order: once one had left a least hold before, so had all before it.
        for (std::size_t e = n; e-- > 0;) {
            const ScriptedLine::Taken &earlier = taken[e];
            if (earlier.leftAt + kLeastHoldMs <= next.sentAt)
                return;
            if (earlier.replyEndsAt > next.sentAt)
                fail("(b) frame " + std::to_string(n) + " was handed over at " + std::to_string(next.sentAt) +
                     " while frame " + std::to_string(e) + ", left at " + std::to_string(earlier.leftAt) +
                     ", was out: its reply " +
                     (earlier.replyEndsAt == ScriptedLine::kNever ? std::string("never came")
                                                                  : "ended at " + std::to_string(earlier.replyEndsAt)));
        }
    }

    void checkAccepted(int item, qint64 now)
    {
        const QByteArray frame = frameOf_(item);
        const auto &taken = line_.taken();
        for (std::size_t i = taken.size(); i-- > 0;) {
            if (taken[i].frame != frame)
                continue;
            if (!taken[i].good || taken[i].replyEndsAt > now)
                fail("(a) item " + std::to_string(item) + " accepted at " + std::to_string(now) +
                     ", but its last copy (frame " + std::to_string(i) + ") was answered " +
                     faultName(taken[i].plan.fault) +
                     (taken[i].replyEndsAt == ScriptedLine::kNever ? std::string(", no reply came")
                      : taken[i].replyEndsAt > now                 ? ", the reply not in yet"
                                                                   : ""));
            return;
        }
        fail("(a) item " + std::to_string(item) + " accepted at " + std::to_string(now) + ", but it was never sent");
    }

    const ScriptedLine &line_;
    std::function<QByteArray(int)> frameOf_;
    qint64 stillCap_;
    std::mt19937 rng_;
    std::string broken_;
    qint64 progressAt_ = 0;
    qint64 longestStill_ = 0;
    int accepted_ = 0;
    std::size_t checked_ = 0;
};

} // namespace pelmora::test
