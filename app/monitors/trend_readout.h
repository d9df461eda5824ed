#pragma once
// Reading a controller's recorded samples: one 8-byte request per packet of
// 250 data bytes, answered by 255 bytes whose last two carry the CRC-16 of the
// rest, low byte first. TrendReadout is the timer-driven cycle of a monitor
// window over the program's link, without the timers themselves: the window
// calls the tick handlers of its timers, keeps its QTimers in step with the
// *_Enabled fields and Timer2_Interval, and shows what a tick or a command
// returns. The readout decodes the answers into the monitor tables itself.
//
// The requests and answers keep the exchange rule of every transfer
// (link/acknowledged_exchange.h): an answer carries no register number, so
// answers are matched to requests in order, a packet is taken only from the
// answer to its last request, and a missing, bad, cut-short or unmatched
// answer sends the same request again. The written wait for an answer is
// 40 ms in the Orvo cycle and kReadoutWaitMarginMs in the Tesk cycle (which
// has none of its own), plus the request's and the answer's wire time at the
// port's speed; it grows with the delays seen. Twenty failures in a row stop
// the readout with a message. A readout holds the link (a LinkClaim) from its
// start to its end, stop or failure, and is refused while another transfer
// holds it.

#include "core/model/project_model.h"
#include "link/acknowledged_exchange.h"
#include "link/controller_link.h"
#include "link/link_claim.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

namespace pelmora {

inline constexpr int kReadRegisterCount = 125; // registers per request: 250 data bytes
inline constexpr int kReadRequestLength = 8;
inline constexpr int kReadAnswerLength = 255; // 3 header bytes, 250 data bytes, 2 CRC bytes
inline constexpr int kReadFirstRegister = 1000;
inline constexpr int kReadoutWaitMarginMs = 100; // the Tesk cycle's written wait for an answer
inline constexpr int kOrvoAnswerLookMs = 40;     // the Orvo cycle looks at the answer this long after the request
inline constexpr int kReadoutFailureLimit = 20;  // failures in a row that stop a readout

extern const char16_t *const kReadoutPortError; // "Помилка № COM?"
extern const char16_t *const kReadoutCancelled; // "Помилка завантаження": the Orvo cancel
extern const char16_t *const kReadoutNoAnswer;  // the stop after the failure limit

// The request for 125 registers from startRegister: address, 0x50, the register
// high byte first, 0x00 0x7D, then the CRC low byte first.
QByteArray readRequest(std::uint8_t address, std::uint16_t startRegister);

// The CRC an answer carries (bytes checkedLength + 1 and + 2, low byte first),
// and whether it equals the CRC of its first checkedLength bytes. Only the first
// checkedLength + 2 bytes count; an answer shorter than that is never good.
struct AnswerCheck {
    std::int32_t carried = 0;
    bool good = false;
};
AnswerCheck checkReadAnswer(QByteArrayView answer, int checkedLength, LinkState &link);

// How long a request waits for its answer at a port speed (bits a second, 10
// bits a byte; 115200 when not known): the wire time of both plus the margin.
int readoutAnswerWaitMs(int baud);

enum class ReadoutVariant {
    Tesk, // 240 packets decoded one by one, 10 ms cycle
    Orvo, // 300 packets collected and decoded at the end; 40 ms after a request, 10 ms after a check
};

enum class ReadoutCommand {
    Started,  // the start timer runs
    Stopped,  // a running readout of this monitor was stopped
    Refused,  // another transfer holds the link; nothing changed
    PortError // the port could not be opened; nothing runs
};

class TrendReadout {
public:
    TrendReadout(ReadoutVariant variant, ProjectModel &m);
    // A readout whose owner goes while it runs stops, and gives the link back.
    ~TrendReadout();
    TrendReadout(const TrendReadout &) = delete;
    TrendReadout &operator=(const TrendReadout &) = delete;

    ReadoutVariant variant() const { return variant_; }
    int packetCount() const { return variant_ == ReadoutVariant::Tesk ? 240 : 300; }
    // This monitor's readout runs (from its start to its end, stop or failure).
    bool running() const { return running_; }

    struct CommandResult {
        ReadoutCommand outcome = ReadoutCommand::Started;
        QString message; // to show when not empty
    };
    // The start/stop command of the window (FLASH_Click, mnuLoad_I_O_Click):
    // a running readout of this monitor stops (the Orvo monitor then says
    // "Помилка завантаження"); else a readout that another transfer would
    // disturb is refused; else the serial port opens on demand at Grafik_COM
    // (an open port is used as it is) and the readout starts. address is the
    // Tesk address chosen in the window; the Orvo readout asks address 1.
    CommandResult startOrStop(ControllerLink &link, std::uint8_t address);
    // The start alone, for a port already open at baud.
    CommandResult start(std::uint8_t address, int baud);
    // Stop or cancel (also the window's close): every timer off, the counters
    // back to 0, the link given back; nothing of the stopped readout runs later.
    void stop();

    void Timer3_Tick();
    void Timer6_Tick();

    struct Tick {
        bool beep = false;     // an answer failed its checksum
        int packet = 0;        // the packet whose good answer this tick took, 1-based
        bool finished = false; // the last packet is in and decoded: the window's end steps follow
        QString message;       // the readout stopped after too many failures: show it
    };
    // One tick of the request/answer cycle at time nowMs (the link's steady
    // clock, linkClockMs(), or a test's): the first request goes out, or what
    // came is taken and judged, and a request sent when one is due.
    Tick Timer2_Tick(LinkIo &io, std::int64_t nowMs) { return cycle(io, nowMs); }
    // Bytes have come in on the link: an answer that is complete is judged at
    // once and the next request sent, so the timer only bounds a missing answer.
    Tick bytesArrived(LinkIo &io, std::int64_t nowMs);

    // Timers of the window, as the cycle wants them.
    bool Timer1_Enabled = false; // progress
    bool Timer2_Enabled = false; // request/answer cycle
    bool Timer3_Enabled = false; // start
    bool Timer6_Enabled = false; // start delay
    int Timer2_Interval;         // the wait until the cycle's next step

    // The progress bar's value: packets / 30 (Tesk) or / 32 (Orvo), plus 0.25.
    float progress() const;

    // The wait for the answer to the request out now, and the failures in a row so far.
    int answerWaitMs() const { return waitMs_; }
    int failuresInARow() const { return ex_.badInARow(); }
    const AcknowledgedExchange &exchange() const { return ex_; }

private:
    LinkTransfer transferKind() const;
    Tick cycle(LinkIo &io, std::int64_t nowMs);
    void takeGoodAnswer(const QByteArray &answer, Tick &t);
    void finish(Tick &t);
    void release(std::int64_t nowMs);
    LinkClaim claim_; // the link, held from the start of a run to its end

    ReadoutVariant variant_;
    ProjectModel &m_;
    MonitorTables &mon_;
    bool running_ = false;
    bool cycling_ = false;     // the exchange has started (the first Timer2 tick)
    std::uint8_t address_ = 1; // the address of the start command, taken by the start tick
    int baud_ = 0;
    int waitMs_ = 0;
    std::int64_t lastNow_ = 0; // the time of the cycle's last step
    AcknowledgedExchange ex_;
    QByteArray raw_;     // the Orvo raw buffer, Grafik_Raw
    qsizetype fill_ = 0; // its fill position
};

} // namespace pelmora
