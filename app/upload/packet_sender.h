#pragma once
// The acknowledged packet sender: a queue of ready-made packets (rows of up to
// 32 framed packets each) sent one at a time, each packet judged on the
// controller's own reply to it before the next one leaves. A bad reply is
// answered by the same packet again (the last packet of a row and of the
// queue included); eight bad replies in a row give the transfer up.
//
// The replies carry no packet number, so every exchange keeps one rule:
// - bytes that come before a packet has completely left (still queued on our
//   side) cannot answer it and are dropped;
// - after a missed or bad reply the line must be quiet for a guard interval
//   before the packet goes again; whatever came meanwhile is dropped;
// - the controller answers every frame once and in order, so when a packet
//   went out more than once its later copies' replies are still on the way
//   after the first good one: the line must be quiet for the guard interval
//   before the next packet leaves (or the transfer is reported done);
// - the wait for a reply is never shorter than the link's written interval
//   (50 ms serial; TCP 500 ms, then the request period, plus 100 ms for every
//   bad reply in a row), than the packet's and its reply's wire time at the
//   open port's speed plus a margin, nor than the longest delay a reply has
//   been seen to take in this transfer.
// The guard interval is the wait in force plus the reply's wire time: a reply
// that is still on its way after the line has been quiet that long came later
// than any reply of the transfer so far, and than the wait the packet was given.
//
// A step is taken when a reply is complete (bytesArrived) or when the timer
// that bounds the wait or the guard runs out (tick). The page upload
// (SCADA_Timer) and the mechanism upload (MECH_Timer) each drive one sender
// with their own packets; the timer and the link only drive it, and the caller
// shows what each step reports. A step keeps no pointer to the link it was given.

#include "core/model/link_state.h"
#include "core/services.h"
#include "link/controller_link.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace pelmora {

extern const char16_t *const kAckChecksumError; // "Помилка контрольної суми підтвердження!!!"
extern const char16_t *const kAckStatusError; // "Помилка контрольної суми запису даних!!!"
extern const char16_t *const kNoAnswerPortError; // "Немає відповіді. Помилка порту!!!"

class PacketSender {
public:
    static constexpr int kSerialInterval = 50;    // the serial link's written interval
    static constexpr int kTcpFirstInterval = 500; // TCP until the first good reply
    static constexpr int kTcpBadReplyStep = 100;  // added for every bad reply in a row on TCP
    static constexpr int kReplyMargin = 50;       // beyond a packet's wire time, for the controller to answer
    static constexpr int kSerialBaud = 115200;    // the serial link's usual speed; 10 bits a byte
    static constexpr int kBadRepliesToGiveUp = 8;
    static constexpr int kReplyBytes = 5;
    static constexpr int kProgressMaximum = 8; // the progress bar's range while packets are sent

    // A steady clock in milliseconds; tests may give one of their own.
    using Clock = std::function<qint64()>;
    explicit PacketSender(LinkState &state, Clock clock = {});

    using Rows = std::vector<std::vector<QByteArray>>;
    // Starts (or starts over) with the queue: row r's packets in sending order.
    // baud is the open serial port's speed (ignored over TCP, where no wire
    // time is known). Send_Error_Count := 0. Returns the wait before the first step.
    int start(Rows rows, int linkKind, int requestPeriod, int baud = kSerialBaud);
    bool running() const { return running_; }
    // Ends the run without a further step.
    void abandon() { running_ = false; }

    enum class End {
        None,
        Done,        // every packet acknowledged
        GaveUp,      // eight bad replies in a row: `message` says which kind the last was
        PortFailure, // the reply could not be read, or the first packet not sent
    };

    // What a step reports for the progress window and the timer.
    struct Result {
        bool stepped = false;  // false: nothing happened (bytes still incomplete, or not running)
        int progress = 0;      // progress bar value, 0..kProgressMaximum: the row being sent
        int errors = 0;        // Err_Write_Scada: bad replies since the start
        int interval = 0;      // T_msec, and the timer's wait from this step on
        bool sent = false;     // a packet left in this step
        bool guarding = false; // the line must stay quiet for `interval` before the next packet
        // When a row has just gone out: Num_Paket_SCADA, the rows done (the
        // row count + 1 on the closing step).
        std::optional<int> rowsDone;
        End end = End::None;
        QString message; // shown after the timer has stopped, when not empty
        MsgIcon icon = MsgIcon::None;
    };

    // The timer ran out: the wait for a reply (a missed reply), or the guard
    // interval (the packet goes), or the first packet is due.
    Result tick(LinkIo &io);
    // Bytes have come in: a step when the reply to the packet in flight is
    // complete; during a guard interval the bytes are dropped and the guard starts again.
    Result bytesArrived(LinkIo &io);

    // The position: the row and the 1-based packet the next step sends.
    int Send_Band() const { return band_; }
    int Send_Packet() const { return packet_; }
    int Packet_Count(int row) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int errors() const { return errors_; }
    int interval() const { return interval_; }
    // The longest delay seen from a packet's leaving to its reply's end, in ms.
    int replyDelay() const { return delay_; }

    // Time the bytes take on a line of `baud` (10 bits a byte), in whole milliseconds up; 0 without a speed.

private:
    enum class Phase { First, Awaiting, Guard };
    Result judge(LinkIo &io, qint64 now);
    // Sends the next packet (again: the one in flight once more), or ends when none is left.
    Result sendNext(LinkIo &io, Result r, qint64 now, bool again);
    // Takes bytes for the reply to the packet in flight.
    void take(const QByteArray &bytes, bool leaving, qint64 now);
    Result finish(Result r, End end, const QString &message, MsgIcon icon);
    Result portFailure();
    Result guard(Result r);
    int waitFor(qsizetype packetBytes) const;
    int guardMs() const;
    // Counts bytes that came for the packet in flight and learns how late its replies are.
    void noteArrival(qsizetype bytes, qint64 now);

    LinkState &s_;
    Clock clock_;
    Rows rows_;
    bool running_ = false;
    bool tcp_ = false;
    int baud_ = 0;
    int requestPeriod_ = 1;
    int band_ = 0;
    int packet_ = 1;
    bool anySent_ = false;
    Phase phase_ = Phase::First;
    bool advanceAfterGuard_ = false;    // the guard ends in the next packet (or the end), not a resend
    int lastBand_ = 0, lastPacket_ = 1; // the packet in flight
    qsizetype lastBytes_ = 0;           // its size
    std::vector<qint64> leftAt_;        // when each copy of it left
    qsizetype seenBytes_ = 0;           // reply bytes that came for its copies
    QByteArray reply_;
    int errors_ = 0;
    int delay_ = 0;    // the longest reply delay seen
    int base_ = 0;     // the written interval in force
    int interval_ = 0; // the wait in force
};

} // namespace pelmora
