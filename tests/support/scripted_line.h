#pragma once
// A controller behind a line in simulated time, for checking the exchange of
// every transfer over thousands of schedules without the wall clock. The test
// moves the clock; frames sent cross the line at its speed, the controller
// answers each frame it takes as the schedule says (when, if ever, and what),
// and the replies cross back in order. Every frame and what was answered to
// it is recorded: the truth against which a transfer's verdicts are checked.

#include "link/controller_link.h"

#include <QByteArray>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace pelmora::test {

// The least time the program keeps a frame answerable after it has left: a
// reply that ends later may be lost, and a frame may go while an earlier one
// has been out that long. Stated here rather than taken from the program, so
// that a change of it there shows in the tests.
inline constexpr int kLeastHoldMs = 2000;

// What the controller does with one frame it took.
struct ReplyPlan {
    enum class Fault {
        None,
        Lost,      // no reply
        BadStatus, // a reply that rejects the frame
        BadCrc,    // a reply with a wrong checksum
        CutShort,  // only the first `bytes` bytes of the reply
        Twice,     // the reply, and the same again right after it
        Junk,      // `bytes` random bytes in place of the reply
        Flood,     // `bytes` random bytes, in chunks, in place of the reply
        Split,     // the first `bytes` bytes, the rest `gapMs` later
    };
    Fault fault = Fault::None;
    int delayMs = 0; // from the frame's arrival to the reply's first byte leaving the controller
    int bytes = 0;
    int gapMs = 0;
    // How long the frame stays in the port before it starts to leave (flow
    // control holding the output); kStuck: it never leaves, nor does anything
    // handed over after it.
    int heldMs = 0;
    static constexpr int kStuck = -1;
};
const char *faultName(ReplyPlan::Fault f);

class ScriptedLine : public LinkIo {
public:
    static constexpr qint64 kNever = std::numeric_limits<qint64>::max();

    struct Setup {
        int baud = 0;     // the speed the program knows the line by; 0: TCP (no wire time)
        int lineBaud = 0; // the speed frames really cross at (a slower gateway); 0: `baud`
        // Replies coming later than this after their frame left (as the program
        // reckons it) count as lost: they are not delivered.
        int holdMs = 0;
        // The controller's good reply (or answer) to a frame; empty: it does not answer that frame.
        std::function<QByteArray(const QByteArray &frame, int index)> reply;
        // The reply's rejecting form (a bad status), and its length for cut-short faults.
        std::function<QByteArray(const QByteArray &frame, int index)> rejecting;
        // The schedule: what is done with the frame taken index-th (from 0).
        std::function<ReplyPlan(int index)> plan;
        std::uint32_t seed = 1; // for junk and flood bytes
    };
    explicit ScriptedLine(Setup setup);

    // The simulated clock, in ms.
    qint64 now() const { return now_; }
    // Replies later than this after their frame left count as lost (0: none does).
    void setHoldMs(int ms) { s_.holdMs = ms; }
    int holdMs() const { return s_.holdMs; }
    // Moves the clock on: replies due by then become readable.
    void advanceTo(qint64 t);
    // When the next bytes become readable; kNever when none are on the way.
    qint64 nextDelivery() const;
    // Bytes from elsewhere (an earlier exchange, noise on the line) that
    // become readable at `at`, whatever the controller does; or `afterMs`
    // after the frame taken index-th (from 0) is handed over.
    void inject(qint64 at, const QByteArray &bytes);
    void injectAfter(int index, int afterMs, const QByteArray &bytes);

    bool send(const QByteArray &bytes) override;
    std::optional<QByteArray> read() override;
    // The bytes handed over that have not all left the port: a frame on its
    // way out at the line's speed, and frames whose output is held.
    qint64 pendingOutput() override;

    bool sendFails = false;        // every send fails from now on
    std::vector<int> failingSends; // the sends (counted from 0, failed ones too) that fail
    bool readFails = false;

    // The truth of every frame taken.
    struct Taken {
        QByteArray frame;
        qint64 sentAt = 0;
        qint64 leftAt = 0;     // as the program reckons it
        qint64 leftPortAt = 0; // when it has really left the port; kNever: it never does
        qint64 arrivedAt = 0;  // at the controller; kNever: it never arrives
        ReplyPlan plan;
        bool replied = false; // some reply was delivered for it
        bool good = false;    // that reply was a whole good one
        qint64 replyEndsAt = kNever;
    };
    const std::vector<Taken> &taken() const { return taken_; }

private:
    struct Delivery {
        qint64 at = 0;
        QByteArray bytes;
    };
    void schedule(qint64 at, const QByteArray &bytes);
    int wire(qsizetype bytes, int baud) const;

    Setup s_;
    qint64 now_ = 0;
    qint64 ourLineFree_ = 0;  // when the program reckons its line is free
    qint64 portFree_ = 0;     // when the port has really sent all it was handed; kNever: stuck
    qint64 realLineFree_ = 0; // when frames have really crossed
    qint64 replyLineFree_ = 0;
    std::deque<Delivery> inbound_;
    QByteArray readable_;
    std::vector<Taken> taken_;
    struct Stray {
        int index = 0;
        int afterMs = 0;
        QByteArray bytes;
    };
    std::vector<Stray> strays_; // injected after frames not taken yet
    int sends_ = 0;
    std::mt19937 rng_;
};

} // namespace pelmora::test
