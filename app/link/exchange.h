#pragma once
// How every transfer matches the controller's replies to the frames it sent.
//
// A reply carries no frame number. The controller answers every frame it takes
// once, in the order the frames came; a reply can be told from another only by
// its place in the byte stream and the time it came. So the frames that are
// out and not yet answered are held in the order they left, and every complete
// reply is matched to the oldest of them.
//
// What is assumed of the line, and what follows from it:
// - A reply comes within its frame's hold, counted from the frame's leaving,
//   or it never comes: a later one counts as lost. The hold is the lost-wait:
//   a frame unanswered when it has passed is declared lost, and it can be
//   answered until then. It is never shorter than kHoldMs, nor than twice the
//   frame's written wait plus its own and its reply's wire time and
//   kReplyMarginMs; and it grows with the delays replies have been seen to
//   take (twice the longest, plus the frame's wire time and the margin), so a
//   controller or a line that gets slower is followed. A reply matched in a
//   read that leaves the line unsure (see below), or found garbled, counts
//   as no delay: noise late in a hold looks like a late reply, and each burst
//   would double the holds after it.
// - Replies follow each other whole, so the byte stream is cut into replies
//   by their length. Whatever breaks that (bytes while no held frame has left
//   or beyond what the held frames can be answered with, a reply whose bytes
//   stop for the gap before it is complete, a reply its transfer finds
//   garbled) may have shifted where replies begin, and a reply shifted onto a
//   later frame than its own would be taken for that frame's. So such bytes
//   make the line unsure (unsure()): every frame out is given up, and until
//   every frame sent so far has passed its hold nothing that comes is matched.
//   After that the stream starts afresh.
// Under these, a reply is never matched to a frame that left after the frame
// it answers (a lost reply only makes later replies match earlier frames than
// their own), so a reply matched to the newest frame is that frame's own. A
// transfer that sends a frame only while none is held (link/acknowledged_
// exchange.h) has at most one frame out, and a duplicate reply is then always
// more than the held frames can be answered with.
//
// Frames of an earlier run on the same link that may still be answered, and
// the time until which the line is unsure, are handed over (stillHeld and
// unsureUntil, then begin) and matched first.
//
// The time is any steady clock in milliseconds (linkClockMs() in the program,
// a virtual clock in tests); the class keeps no clock and does no I/O.

#include "core/model/link_state.h"

#include <QByteArray>
#include <QByteArrayView>
#include <limits>
#include <vector>

namespace pelmora {

// The steady clock, in milliseconds, that every transfer on the link uses.
qint64 linkClockMs();

class Exchange {
public:
    static constexpr int kHoldMs = 2000;         // the least time a frame stays answerable
    static constexpr int kLongestHoldMs = 60000; // holds never grow past this
    static constexpr int kReplyMarginMs = 50;    // beyond wire times, for the controller to answer
    static constexpr int kReplyGapMs = 50; // a reply whose bytes stop this long (plus its wire time) was cut short
    static constexpr qint64 kNever = std::numeric_limits<qint64>::max();

    struct Setup {
        int baud = 0;       // the line's speed, 10 bits a byte; 0: no wire time (TCP)
        int replyBytes = 5; // the length of a reply
    };

    // Starts a run: nothing of this run is out. `earlier` are frames of an
    // earlier run that may still be answered; they are matched first. The
    // line is unsure until `unsureUntil`, as an earlier run left it.
    void begin(const Setup &setup, const std::vector<HeldFrame> &earlier = {}, qint64 unsureUntil = 0);

    // Frames are numbered from 0 in the order they were sent in this run.
    using Frame = int;

    // A frame of `bytes` was handed to the link at `now`; `writtenWaitMs` is
    // the wait the protocol gives its reply.
    Frame sent(qsizetype bytes, int writtenWaitMs, qint64 now);

    struct Arrival {
        enum class Kind {
            Reply,     // a complete reply, matched to `frame`
            NotAReply, // bytes that no held frame can take, or a reply cut short: the line is now unsure
        };
        Kind kind = Kind::NotAReply;
        Frame frame = -1; // this run's frame; -1 for an earlier run's, or for no frame
        QByteArray bytes;
    };
    // Bytes read from the link at `now`. `leaving`: the link still has bytes to
    // send, so the newest frame has not all left. Time passing is taken first.
    // While the line is unsure the bytes are dropped.
    std::vector<Arrival> take(QByteArrayView bytes, bool leaving, qint64 now);
    // Time passing: a reply whose bytes stopped for the gap was cut short.
    std::vector<Arrival> elapse(qint64 now);
    // A reply was found garbled, or bytes came that cannot be a reply: the
    // line is unsure until every frame sent so far has passed its hold.
    void unsure(qint64 now);
    bool unsureAt(qint64 now) const { return now < unsureUntil_; }
    qint64 unsureUntil() const { return unsureUntil_; }

    bool answered(Frame f) const;
    // When the frame counts as lost if still unanswered; it takes no reply after that.
    qint64 lostAt(Frame f) const;
    bool lost(Frame f, qint64 now) const { return !answered(f) && now >= lostAt(f); }
    // When it has all left for the controller.
    qint64 leftAt(Frame f) const;
    // The frame needs no reply any more and takes none.
    void settle(Frame f);
    int frameCount() const { return static_cast<int>(frames_.size()) - earlier_; }

    // Whether a frame of any run is held (unanswered, its hold not passed) at `now`.
    bool anyHeld(qint64 now) const { return oldestHeld(now) >= 0; }
    // When the last frame held at `now` stops being held; kNever when none is.
    qint64 heldUntil(qint64 now) const;

    // When time alone will change something here: the end of the gap of a
    // reply under way; kNever when nothing waits on time.
    qint64 nextChange() const;

    // The hold a frame of these bytes and this written wait would get now, from its leaving.
    int holdMs(qsizetype bytes, int writtenWaitMs) const;
    // The least hold of any frame: kHoldMs. A reply later than that may be lost.
    static constexpr int leastHoldMs() { return kHoldMs; }
    // The longest delay seen from a frame's leaving to its reply's end.
    int longestDelayMs() const { return delay_; }
    int wireMs(qsizetype bytes) const;
    int replyBytes() const { return setup_.replyBytes; }

    // Frames of any run that may still be answered after `now`, oldest first,
    // for the next run on the link.
    std::vector<HeldFrame> stillHeld(qint64 now) const;

private:
    struct Slot {
        qint64 sentAt = 0;
        qint64 leftAt = 0;
        qint64 expiresAt = 0;
        int replyBytes = 5;
        bool answered = false;
    };
    const Slot &slot(Frame f) const;
    // The oldest slot that can take a reply arriving at `at`; -1 when none.
    int oldestHeld(qint64 at) const;
    bool heldAt(int slot, qint64 at) const;
    Arrival match(int slot, QByteArray bytes, qint64 at);
    int gapMs(int replyBytes) const;
    void advanceOpen();

    Setup setup_;
    std::vector<Slot> frames_; // earlier runs' frames first, then this run's
    int earlier_ = 0;
    int firstOpen_ = 0;   // slots before it are answered
    qint64 lineFree_ = 0; // when the line has sent everything handed to it
    int delay_ = 0;
    int delayBeforeTake_ = 0; // delay_ before the latest take, given back when it leaves the line unsure
    QByteArray partial_;      // bytes of a reply under way
    int partialSlot_ = -1;
    qint64 lastByteAt_ = 0;
    qint64 unsureUntil_ = 0;
};

} // namespace pelmora
