#pragma once
// The acknowledged packet sender: a queue of ready-made packets (rows of up to
// 32 framed packets each) sent one at a time, each answered by the
// controller's five-byte reply before the next one leaves. A bad or missing
// reply sends the same packet again (the last packet of a row and of the
// queue included); eight bad replies in a row give the transfer up. The
// exchange itself (which reply answers which packet, the waits, what counts
// as bad) is the one every transfer keeps: link/acknowledged_exchange.h.
//
// Written waits: 50 ms on a serial link; over TCP 500 ms until the first good
// reply, then the request period, plus 100 ms for every bad reply in a row.
// They are the least wait for a reply; the exchange adds the packet's and the
// reply's wire time at the open port's speed and grows the wait with the
// delays it sees.
//
// A step is taken when the timer runs out (Result::nextStepMs after the step
// before) and whenever bytes come in. The page upload (SCADA_Timer) and the
// mechanism upload (MECH_Timer) each drive one sender with their own packets;
// the caller shows what each step reports.

#include "core/model/link_state.h"
#include "core/services.h"
#include "link/acknowledged_exchange.h"
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
    static constexpr int kSerialInterval = 50;    // the serial link's written wait
    static constexpr int kTcpFirstInterval = 500; // TCP until the first good reply
    static constexpr int kTcpBadReplyStep = 100;  // added for every bad reply in a row on TCP
    static constexpr int kSerialBaud = 115200;    // the serial link's usual speed; 10 bits a byte
    static constexpr int kBadRepliesToGiveUp = 8;
    static constexpr int kReplyBytes = 5;
    static constexpr int kProgressMaximum = 8; // the progress bar's range while packets are sent

    // A steady clock in milliseconds; tests give one of their own.
    using Clock = std::function<qint64()>;
    explicit PacketSender(LinkState &state, Clock clock = {});

    using Rows = std::vector<std::vector<QByteArray>>;
    // Starts (or starts over) with the queue: row r's packets in sending order.
    // baud is the open serial port's speed (ignored over TCP, where no wire
    // time is known). Send_Error_Count := 0. Returns the wait before the first
    // step. Frames of earlier transfers whose replies may still come are
    // matched first (LinkState::Held_Frames).
    int start(Rows rows, int linkKind, int requestPeriod, int baud = kSerialBaud);
    bool running() const { return ex_.running(); }
    // Ends the run without a further step.
    void abandon();

    // How a run ended: Done when every packet's last copy was answered good;
    // GaveUp after eight bad replies in a row (`message` says which kind the
    // last was); PortFailure when the reply could not be read or the first
    // packet not sent.
    using End = AcknowledgedExchange::End;

    // What a step reports for the progress window and the timer.
    struct Result {
        bool stepped = false; // false: not running
        int progress = 0;     // progress bar value, 0..kProgressMaximum: the row being sent
        int errors = 0;       // Err_Write_Scada: bad replies since the start
        int interval = 0;     // T_msec: the wait for the reply to the packet out now
        int nextStepMs = 0;   // the timer's wait until the next step
        bool sent = false;    // a packet left in this step
        // When a row's last packet has just gone: Num_Paket_SCADA, the rows
        // done (the row count + 1 on the closing step).
        std::optional<int> rowsDone;
        End end = End::None;
        QString message; // shown after the timer has stopped, when not empty
        MsgIcon icon = MsgIcon::None;
    };

    // The timer ran out.
    Result tick(LinkIo &io) { return step(io); }
    // Bytes have come in.
    Result bytesArrived(LinkIo &io) { return step(io); }

    // The position: the row and the 1-based packet the next send is of.
    int Send_Band() const { return band_; }
    int Send_Packet() const { return packet_; }
    int Packet_Count(int row) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int errors() const { return ex_.badVerdicts(); }
    // The longest delay seen from a packet's leaving to its reply's end, in ms.
    int replyDelay() const { return ex_.exchange().longestDelayMs(); }
    const AcknowledgedExchange &exchange() const { return ex_; }

private:
    Result step(LinkIo &io);
    void place(int item);

    LinkState &s_;
    Clock clock_;
    Rows rows_;
    std::vector<std::pair<int, int>> items_; // (row, 1-based packet) of every packet, in sending order
    AcknowledgedExchange ex_;
    bool tcp_ = false;
    int requestPeriod_ = 1;
    int band_ = 0;
    int packet_ = 1;
};

} // namespace pelmora
