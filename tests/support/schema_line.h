#pragma once
// The schema upload's step machine on a ScriptedLine: ten frames (the step in
// their first byte), a controller that answers the schema once after the text
// frame, answers every frame, or never answers, and the run driven as the
// upload's timer drives it.

#include "link/controller_reply.h"
#include "support/scripted_line.h"
#include "upload/schema_stepper.h"

#include <QByteArray>
#include <array>

namespace pelmora::test {

// The ten frames of a schema with areas of these sizes: each frame's first byte is its step.
inline std::array<QByteArray, 10> tenSchemaFrames(int valueArea = 40, int textArea = 3000)
{
    std::array<QByteArray, 10> f;
    for (int i = 0; i <= 9; ++i)
        f[static_cast<std::size_t>(i)] = QByteArray(i == 8   ? valueArea + 5
                                                    : i == 9 ? textArea + 5
                                                             : 8,
                                                    static_cast<char>(i));
    return f;
}

enum class SchemaAnswers {
    Once,  // after the text frame (step 9) only
    Every, // every frame
    Never,
};

// Frames that are no schema frame (a first byte above 9) are answered as packets are.
inline ScriptedLine::Setup schemaLine(int baud, SchemaAnswers answers, std::function<ReplyPlan(int)> plan = {},
                                      std::uint32_t seed = 1)
{
    ScriptedLine::Setup s;
    s.baud = baud;
    s.holdMs = kLeastHoldMs;
    s.reply = [answers](const QByteArray &frame, int) {
        const int step = static_cast<std::uint8_t>(frame.at(0));
        const bool answered =
            step > 9 || answers == SchemaAnswers::Every || (answers == SchemaAnswers::Once && step == 9);
        return answered ? controllerReply(1, 'B', 0) : QByteArray();
    };
    s.rejecting = [](const QByteArray &, int) { return controllerReply(1, 'B', 1); };
    s.plan = std::move(plan);
    s.seed = seed;
    return s;
}

struct SchemaRun {
    SchemaStepper::Result result;
    qint64 endedAt = 0;
};

// Starts the stepper and runs it as the upload's timer and the link drive it:
// a tick at the intervals it asks for, and a look at the link whenever bytes
// come, until it ends (or an hour of simulated time has passed).
inline SchemaRun runSchema(SchemaStepper &stepper, ScriptedLine &line, const std::array<QByteArray, 10> &frames,
                           int kind, int period, int baud)
{
    SchemaRun run;
    int interval = stepper.start(frames, kind, period, baud);
    qint64 tickAt = line.now() + interval;
    const qint64 limit = line.now() + 60 * 60 * 1000;
    while (!run.result.finished && line.now() < limit) {
        const qint64 delivery = line.nextDelivery();
        if (delivery < tickAt) {
            line.advanceTo(delivery);
            run.result = stepper.bytesArrived(line);
            continue;
        }
        line.advanceTo(tickAt);
        run.result = stepper.tick(line);
        if (run.result.interval)
            interval = *run.result.interval;
        tickAt = line.now() + interval;
        if (!stepper.running() && !run.result.finished)
            break;
    }
    run.endedAt = line.now();
    return run;
}

} // namespace pelmora::test
