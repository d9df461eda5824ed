#pragma once
// The acknowledged packet sender: a queue of ready-made packets (rows of up to
// 32 framed packets each) sent one at a time, each packet judged on the
// controller's own reply to it before the next one leaves. A bad reply is
// answered by the same packet again (the last packet of a row and of the
// queue included); eight bad replies in a row give the transfer up.
//
// A step judges the reply to the packet in flight and sends the next packet.
// It is taken as soon as the reply is complete (bytesArrived) or when the wait
// for it has run out (tick, from the transfer's timer), so the first step
// sends the first packet and a queue of n packets that all get good replies
// takes n + 1 steps. The wait is never shorter than the link's written
// interval (50 ms serial; TCP 500 ms, then the request period, plus 100 ms for
// every bad reply in a row), nor than the packet's and its reply's wire time
// at the link's speed plus a margin, so a reply comes within the wait of its
// own packet, and nothing is reported done while its bytes are on the line.
// Bytes left from an earlier exchange, and bytes past a reply's fifth, are
// never taken for a reply.
//
// The page upload (SCADA_Timer) and the mechanism upload (MECH_Timer) each
// drive one sender with their own packets; the timer and the link only drive
// it, and the caller shows what each step reports.

#include "core/model/link_state.h"
#include "core/services.h"
#include "upload/controller_link.h"

#include <QByteArray>
#include <QString>
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
    static constexpr int kSerialBaud = 115200;    // the serial link's speed; 10 bits a byte
    static constexpr int kBadRepliesToGiveUp = 8;
    static constexpr int kReplyBytes = 5;
    static constexpr int kProgressMaximum = 8; // the progress bar's range while packets are sent

    explicit PacketSender(LinkState &state) : s_(state) {}

    using Rows = std::vector<std::vector<QByteArray>>;
    // Starts (or starts over) with the queue: row r's packets in sending order.
    // Send_Error_Count := 0. Returns the wait before the first step.
    int start(Rows rows, int linkKind, int requestPeriod);
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
        bool stepped = false; // false: nothing happened (bytes still incomplete, or not running)
        int progress = 0;     // progress bar value, 0..kProgressMaximum: the row being sent
        int errors = 0;       // Err_Write_Scada: bad replies since the start
        int interval = 0;     // T_msec, and the timer's wait from this step on
        bool sent = false;    // a packet left in this step
        // When a row has just gone out: Num_Paket_SCADA, the rows done (the
        // row count + 1 on the closing step).
        std::optional<int> rowsDone;
        End end = End::None;
        QString message; // shown after the timer has stopped, when not empty
        MsgIcon icon = MsgIcon::None;
    };

    // The wait for the reply has run out (or the first packet is due).
    Result tick(LinkIo &io);
    // Bytes have come in: a step when the reply to the packet in flight is complete.
    Result bytesArrived(LinkIo &io);

    // The position: the row and the 1-based packet the next step sends.
    int Send_Band() const { return band_; }
    int Send_Packet() const { return packet_; }
    int Packet_Count(int row) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int errors() const { return errors_; }
    int interval() const { return interval_; }

    // Time the bytes take on a line of `baud` (10 bits a byte), in whole milliseconds up; 0 without a speed.
    static int wireMs(qsizetype bytes, int baud);

private:
    Result step();
    Result finish(Result r, End end, const QString &message, MsgIcon icon);
    int waitFor(qsizetype packetBytes) const;
    void take(const QByteArray &bytes);

    LinkState &s_;
    LinkIo *io_ = nullptr; // the link of the step being taken
    Rows rows_;
    bool running_ = false;
    bool tcp_ = false;
    int baud_ = 0;
    int requestPeriod_ = 1;
    int band_ = 0;
    int packet_ = 1;
    bool anySent_ = false;
    bool awaiting_ = false;
    int lastBand_ = 0, lastPacket_ = 1; // the packet in flight
    QByteArray reply_;
    int errors_ = 0;
    int base_ = 0;     // the written interval in force
    int interval_ = 0; // the wait in force
};

} // namespace pelmora
