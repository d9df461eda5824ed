#pragma once
// The eleven steps of the schema upload as a state machine: each tick sends
// one frame (steps 0 to 9) or reads and judges the controller's single reply
// (step 10), and says what the timer and the window are to do next. The timer
// and the link only drive it.

#include "core/model/link_state.h"
#include "core/services.h"
#include "upload/controller_link.h"

#include <QByteArray>
#include <QString>
#include <array>
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
    // Ticks the reply step waits for queued output to leave before it judges anyway.
    static constexpr int kReplyPostponeLimit = 30;

    explicit SchemaStepper(LinkState &state) : s_(state) {}

    // Starts (or starts over) with the ten checked frames. Schema_Step := 0,
    // Send_Error_Count := 0. Returns the timer's first interval.
    int start(const std::array<QByteArray, 10> &frames, int linkKind, int requestPeriod);
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

    // Time the bytes take on a 115200 baud line (10 bits a byte), whole milliseconds up.
    static int serialWireMs(qsizetype bytes);

private:
    Result end(Result r, const QString &message, MsgIcon icon);
    int interval(int fixedSerial, qsizetype frameBytes, qsizetype areaBytes) const;

    LinkState &s_;
    std::array<QByteArray, 10> frames_{};
    bool running_ = false;
    bool tcp_ = false;
    int requestPeriod_ = 1;
    int tcpTableFailures_ = 0;
    int postponed_ = 0;
};

} // namespace pelmora
