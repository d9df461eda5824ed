#pragma once
// The eleven steps of the schema upload as a state machine: each tick sends
// one frame (steps 0 to 9) or looks for and judges the controller's reply
// (step 10), and says what the timer and the window are to do next. The
// timer and the link only drive it.
//
// The controller answers the schema once, after the text frame (step 9); a
// controller may also answer every frame. The replies are matched to the
// frames by the exchange rule every transfer keeps (link/exchange.h), and the
// verdict is decided by how many came:
// - replies that came before the text frame had left mean a controller that
//   answers every frame: the schema is written when every frame's reply has
//   come, all good (the last is the text frame's own);
// - otherwise the first reply after the text frame left is the text frame's,
//   unless another follows it within the spacing of the first frames (then the
//   controller answers every frame, late, and all its replies are awaited);
// - bytes that cannot be a reply, a reply cut short, two replies read at once
//   (a reply and its duplicate look the same as two replies, and the frames
//   leave apart, so their replies come apart), more replies than frames, or
//   no reply within the text frame's hold: "Помилка передачі !!!".
// The wait after the text frame (1000 ms serial) goes into its hold; the
// reply is judged as soon as it settles. Replies to frames of an earlier
// transfer are matched to them, never taken for the schema's.

#include "core/model/link_state.h"
#include "core/services.h"
#include "link/controller_link.h"
#include "link/exchange.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace pelmora {

extern const char16_t *const kSchemaPortError;     // "Помилка порту!!!"
extern const char16_t *const kSchemaTransferError; // "Помилка передачі !!!"

class SchemaStepper {
public:
    // The serial link's fixed intervals: the first ticks, and the least waits
    // after the numeric and the text frame.
    static constexpr int kSerialTick = 100;
    static constexpr int kSerialAfterValues = 500;
    static constexpr int kSerialAfterTexts = 1000;
    // A table frame that cannot be sent over TCP is tried again from step 1
    // this many times in all before the upload gives up.
    static constexpr int kTcpTableSendTries = 3;
    // How often the reply step looks for the reply, and how long the reply is.
    static constexpr int kReplyPoll = 10;
    static constexpr int kReplyBytes = 5;

    // A steady clock in milliseconds; tests give one of their own.
    using Clock = std::function<qint64()>;
    explicit SchemaStepper(LinkState &state, Clock clock = {});

    // Starts (or starts over) with the ten checked frames. Schema_Step := 0,
    // Send_Error_Count := 0. baud is the open serial port's speed, from which
    // the waits take the frames' wire time. Returns the timer's first interval.
    int start(const std::array<QByteArray, 10> &frames, int linkKind, int requestPeriod, int baud = 115200);
    bool running() const { return running_; }
    // Ends the run without a further step (the upload is being started over).
    void abandon();

    struct Result {
        int progress = 0;            // the progress bar's value for this tick
        std::optional<int> interval; // the timer's interval from now on, when it changes
        bool finished = false;       // stop the timer, unload the window, enable the settings dialog
        QString message;             // shown (after the timer has stopped) when not empty
        MsgIcon icon = MsgIcon::None;
    };
    // One tick: performs step Schema_Step, then advances it.
    Result tick(LinkIo &io);
    // Bytes have come in: they are taken at once (so that replies that came
    // apart are read apart), and the reply judged when it is due.
    Result bytesArrived(LinkIo &io);

    // The longest wait for the reply after the text frame of this run, in ms.
    int replyWaitLimit() const;
    const Exchange &exchange() const { return ex_; }

    // Time the bytes take on a 115200 baud line (10 bits a byte), whole milliseconds up.
    static int serialWireMs(qsizetype bytes);

private:
    Result end(Result r, bool good, qint64 now);
    // What the run leaves on the link for the next transfer.
    void leave(qint64 now);
    Result awaitReply(Result r, qint64 now);
    // Takes what the link holds: replies to this run's frames are counted.
    void take(LinkIo &io, qint64 now);
    int writtenWait(int step, qsizetype frameBytes) const;

    LinkState &s_;
    Clock clock_;
    std::array<QByteArray, 10> frames_{};
    bool running_ = false;
    bool tcp_ = false;
    int requestPeriod_ = 1;
    int baud_ = 115200;
    int tcpTableFailures_ = 0;
    int firstInterval_ = kSerialTick; // the timer's interval of the first steps
    bool waitedForSure_ = false;      // the header waited for the line to be sure again
    Exchange ex_;
    Exchange::Frame textFrame_ = -1; // the text frame of this run, once sent
    qint64 textSentAt_ = 0;
    int replies_ = 0;         // replies to this run's frames
    int repliesBefore_ = 0;   // ... that came before the text frame had left
    bool allGood_ = true;     // every one of them good
    bool junk_ = false;       // bytes that cannot be a reply came during the run
    qint64 firstAfterAt_ = 0; // when the first reply after the text frame came
};

} // namespace pelmora
