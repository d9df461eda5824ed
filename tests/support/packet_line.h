#pragma once
// A packet sender on a ScriptedLine: the packets (row and number in their
// first two bytes), the controller's five-byte replies, and the truth checks
// that every schedule of the page and mechanism uploads must pass.

#include "link/controller_reply.h"
#include "support/last_copies.h"
#include "support/schedule_runner.h"
#include "support/scripted_line.h"
#include "upload/packet_sender.h"

#include <QByteArray>
#include <memory>
#include <string>
#include <vector>

namespace pelmora::test {

// Packet k of row r: its row and number in its first bytes, padded to `size`.
inline QByteArray numberedPacket(int row, int number, int size = 1034)
{
    QByteArray p(qMax(2, size), '\0');
    p[0] = static_cast<char>(row);
    p[1] = static_cast<char>(number);
    return p;
}

inline PacketSender::Rows numberedRows(const std::vector<int> &counts, int size = 1034)
{
    PacketSender::Rows rows;
    for (std::size_t r = 0; r < counts.size(); ++r) {
        rows.emplace_back();
        for (int k = 1; k <= counts[r]; ++k)
            rows.back().push_back(numberedPacket(static_cast<int>(r), k, size));
    }
    return rows;
}

inline QByteArray goodReply() { return controllerReply(1, 0x43, 0); }
inline QByteArray rejectingReply() { return controllerReply(1, 0x43, 1); }

// The line's setup for packets: every frame answered, good or rejecting.
inline ScriptedLine::Setup packetLine(int baud, std::function<ReplyPlan(int)> plan, int lineBaud = 0,
                                      std::uint32_t seed = 1)
{
    ScriptedLine::Setup s;
    s.baud = baud;
    s.lineBaud = lineBaud;
    s.reply = [](const QByteArray &, int) { return goodReply(); };
    s.rejecting = [](const QByteArray &, int) { return rejectingReply(); };
    s.plan = std::move(plan);
    s.seed = seed;
    return s;
}

// Runs a packet sender over the line from its start to its end (or the
// limit), as the page upload's timer and arrivals drive it, keeping the
// steps that sent or ended. `afterEachStep` runs after every step.
struct SenderRun {
    RunOutcome outcome;
    std::vector<PacketSender::Result> steps;
    PacketSender::Result last;
};

inline SenderRun runSender(PacketSender &sender, ScriptedLine &line, PacketSender::Rows rows, int linkKind, int period,
                           int baud, qint64 limitMs = 10 * 60 * 1000, Lateness late = {},
                           const std::function<void()> &afterEachStep = {})
{
    SenderRun run;
    sender.start(std::move(rows), linkKind, period, baud);
    // A reply later than the least hold of a frame is lost in the line's truth as well.
    if (line.holdMs() == 0)
        line.setHoldMs(kLeastHoldMs);
    // The first packet goes as soon as the menu handler returns.
    const auto step = [&]() {
        const PacketSender::Result r = sender.tick(line);
        if (r.sent || r.end != PacketSender::End::None)
            run.steps.push_back(r);
        if (afterEachStep)
            afterEachStep();
        run.last = r;
        StepOutcome s;
        s.ended = r.end != PacketSender::End::None || !r.stepped;
        s.wakeAt = line.now() + r.nextStepMs;
        return s;
    };
    run.outcome = runSteps(line, step, line.now(), line.now() + limitMs, late);
    return run;
}

// Whether every packet of the rows went out and its last copy was answered
// good by the controller: the only ground on which "written" may be said.
inline bool everyLastCopyGood(const ScriptedLine &line, const PacketSender::Rows &rows, std::string *why = nullptr)
{
    using Taken = ScriptedLine::Taken;
    const std::vector<QByteArray> packets = packetsOf(rows);
    const std::optional<std::size_t> bad = firstNotWritten(packets, line.taken(), &Taken::frame, &Taken::good);
    if (bad && why) {
        const QByteArray &packet = packets[*bad];
        const Taken *last = lastCopyOf(line.taken(), packet, &Taken::frame);
        *why =
            "packet " + std::to_string(packet.at(0)) + "/" + std::to_string(packet.at(1)) +
            (last ? std::string(": last copy answered ") + faultName(last->plan.fault) : std::string(": never sent"));
    }
    return !bad;
}

} // namespace pelmora::test
