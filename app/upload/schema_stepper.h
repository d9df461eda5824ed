#pragma once
// The eleven steps of the schema upload as a state machine: each tick sends
// one frame (steps 0 to 9) or looks for and judges the controller's single
// reply (step 10), and says what the timer and the window are to do next. The
// timer and the link only drive it.
//
// The reply is the answer to the text frame (step 9): whatever was received
// before that frame went out (a late reply of an earlier upload, answers to
// the other frames) is dropped unread. After the text frame the reply step
// looks for the reply every few milliseconds and judges it as soon as its
// five bytes are in; the fixed wait after the text frame is only the longest
// wait. The wait after the numeric frame (step 8) keeps its full length.

#include "core/model/link_state.h"
#include "core/services.h"
#include "link/controller_link.h"

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
    // While the text frame has not all left, the reply step waits at most
    // this many times its longest wait before it judges anyway.
    static constexpr int kReplyPostponeLimit = 30;
    // How often the reply step looks for the reply, and how long the reply is.
    static constexpr int kReplyPoll = 10;
    static constexpr int kReplyBytes = 5;

    // A steady clock in milliseconds; tests give one of their own.
    using Clock = std::function<qint64()>;
    explicit SchemaStepper(LinkState &state, Clock clock = {});

    // Starts (or starts over) with the ten checked frames. Schema_Step := 0,
    // Send_Error_Count := 0. baud is the open serial port's speed, from which
    // the waits after the numeric and text frames take the frames' wire time.
    // Returns the timer's first interval.
    int start(const std::array<QByteArray, 10> &frames, int linkKind, int requestPeriod, int baud = 115200);
    bool running() const { return running_; }
    // Ends the run without a further step (the upload is being started over).
    void abandon() { running_ = false; }

    struct Result {
        int progress = 0;            // the progress bar's value for this tick
        std::optional<int> interval; // the timer's interval from now on, when it changes
        bool finished = false;       // stop the timer, unload the window, enable the settings dialog
        QString message;             // shown (after the timer has stopped) when not empty
        MsgIcon icon = MsgIcon::None;
    };
    // One tick: performs step Schema_Step, then advances it.
    Result tick(LinkIo &io);

    // The longest wait for the reply after the text frame of this run, in ms.
    int replyWaitLimit() const { return replyWait_; }

    // Time the bytes take on a 115200 baud line (10 bits a byte), whole milliseconds up.
    static int serialWireMs(qsizetype bytes);

private:
    Result end(Result r, const QString &message, MsgIcon icon);
    Result awaitReply(Result r, LinkIo &io);
    int interval(int fixedSerial, qsizetype frameBytes, qsizetype areaBytes) const;

    LinkState &s_;
    Clock clock_;
    std::array<QByteArray, 10> frames_{};
    bool running_ = false;
    bool tcp_ = false;
    int requestPeriod_ = 1;
    int baud_ = 115200;
    int tcpTableFailures_ = 0;
    // The reply step: what has come since the text frame left, the longest
    // wait, when the text frame was sent and when the wait started.
    QByteArray reply_;
    int replyWait_ = 0;
    qint64 sentAt_ = 0;
    qint64 waitFrom_ = 0;
};

} // namespace pelmora
