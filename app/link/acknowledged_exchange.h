#pragma once
// A run of items, each sent as a frame that the controller must answer good
// before the next item goes: the page and mechanism packets (a five-byte
// reply each) and the trend readout's requests (a 255-byte answer each). The
// replies are matched to the frames by the exchange rule (link/exchange.h);
// on top of it this keeps these rules:
// - An item's verdict is the reply to its last copy. A good verdict sends the
//   next item (or ends the run, done, after the last); a bad or missing one
//   sends the same item again at once.
// - Bad verdicts: a reply the caller judges bad; a reply cut short; bytes that
//   cannot be a reply (junk, a flood, more replies than frames out) coming
//   while the last copy awaits its verdict, even when its own reply was good;
//   the last copy declared lost by the exchange rule.
// - A garbled reply (its checksum wrong, cut short, or bytes that cannot be a
//   reply) leaves the line unsure (link/exchange.h): the copy goes again only
//   once every frame sent so far has passed its hold.
// - failureLimit bad verdicts in a row end the run (given up).
// - A frame leaves only while no frame is held (link/exchange.h): every copy
//   sent before has been answered or has passed its hold and is declared
//   lost. So one frame at most is out, no new item leaves while a copy of an
//   earlier one is out, and a reply that comes late, within the hold, is
//   still the verdict of the copy it answers.
// - The port is read before anything is judged missing: every step starts by
//   taking what the link holds.
// - Every run ends: no item accepted for boundMs() gives the run up. With each
//   bad verdict coming at most a hold plus a reply's gap after its copy left,
//   and the next copy leaving at most a hold after that, the failure limit
//   ends a run within that bound; the bound only guards against what the
//   rules above do not foresee. It grows as the holds grow with the delays
//   seen.
//
// The caller drives it: a step when its timer runs out (at the wakeAt of the
// last step at the latest) and whenever bytes come in.

#include "core/model/link_state.h"
#include "link/controller_link.h"
#include "link/controller_reply.h"
#include "link/exchange.h"

#include <QByteArray>
#include <functional>
#include <optional>

namespace pelmora {

class AcknowledgedExchange {
public:
    struct Rules {
        int items = 0;
        int replyBytes = 5;
        int failureLimit = 8;
        qsizetype largestFrame = 0;
        int longestWrittenWaitMs = 0;
        std::function<QByteArray(int item)> frame; // the frame of an item, the same each time it goes
        std::function<ReplyVerdict(QByteArrayView reply)> judge;
        // The written wait of the next frame: bad verdicts in a row so far, and
        // whether any item has been accepted in this run.
        std::function<int(int badInARow, bool anyAccepted)> writtenWait;
    };

    enum class Bad {
        None,
        Status,    // the reply said the frame was rejected
        Checksum,  // the reply's checksum is wrong
        NotAReply, // bytes that cannot be a reply, or a reply cut short, came while the copy awaited its verdict
        Missing,   // the copy was declared lost, or could not be sent
    };
    enum class End { None, Done, GaveUp, PortFailure };

    struct Step {
        bool stepped = false; // false: not running
        int sent = -1;        // the item whose frame was handed to the link in this step
        bool again = false;   // ... a copy of an item that went before
        bool sendFailed = false;
        int accepted = -1;   // the item whose last copy was answered good in this step
        QByteArray reply;    // that reply
        Bad bad = Bad::None; // the bad verdict of this step
        End end = End::None;
        qint64 wakeAt = Exchange::kNever; // the next step, at the latest
    };

    // Starts a run over the link's speed (0: TCP) with what earlier runs left
    // on the link (frames that may still be answered, the line unsure until
    // a time). Nothing is sent until the first step.
    void start(Rules rules, int baud, const LinkState &left, qint64 now);
    // What the run leaves on the link for the next one.
    void leave(LinkState &link, qint64 now) const;
    // A step: the link is read and what came judged; then an item is sent when one is due.
    Step step(LinkIo &io, qint64 now);
    // Ends the run without a further step.
    void stop() { running_ = false; }

    bool running() const { return running_; }
    int item() const { return item_; }
    int badInARow() const { return badInARow_; }
    int badVerdicts() const { return badTotal_; }
    // The written wait of the copy out now.
    int writtenWait() const { return written_; }
    // When the copy out now is declared lost if unanswered (kNever: none is out).
    qint64 lostAt() const;
    // No item accepted for this long gives the run up.
    qint64 boundMs() const;
    const Exchange &exchange() const { return ex_; }

private:
    Step send(LinkIo &io, Step s, qint64 now, bool again);
    Step sendWhenFree(LinkIo &io, Step s, qint64 now, bool again);
    bool maySend(qint64 now) const;
    Step judged(LinkIo &io, Step s, qint64 now, Bad bad, const QByteArray &reply);
    qint64 wakeAt(qint64 now) const;

    Rules rules_;
    Exchange ex_;
    bool running_ = false;
    bool anySent_ = false;
    bool anyAccepted_ = false;
    int item_ = 0;
    int badInARow_ = 0;
    int badTotal_ = 0;
    int written_ = 0;
    Exchange::Frame last_ = -1; // the copy out now; -1 when it could not be sent
    bool awaiting_ = false;     // the copy out now awaits its verdict
    bool sendDue_ = false;      // a frame waits for the line to be free and sure
    bool dueAgain_ = false;     // ... a copy of an item that went before
    qint64 missingAt_ = 0;      // a copy that could not be sent counts as missing then
    qint64 progressAt_ = 0;     // the start, or the last item accepted
};

} // namespace pelmora
