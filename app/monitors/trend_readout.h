#pragma once
// Reading a controller's recorded samples: one 8-byte request per packet of
// 250 data bytes, answered by 255 bytes whose last two carry the CRC-16 of the
// rest, low byte first. TrendReadout is the timer-driven cycle shared by both
// monitor windows, without the port and timers themselves: the window feeds it
// the bytes that arrive, calls the tick handlers of its timers, sends what a
// tick returns and keeps its QTimers in step with the *_Enabled fields.

#include "core/model/link_state.h"
#include "core/model/monitor_tables.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace pelmora {

inline constexpr int kReadRegisterCount = 125; // registers per request: 250 data bytes
inline constexpr int kReadAnswerLength = 255;  // 3 header bytes, 250 data bytes, 2 CRC bytes
inline constexpr int kReadFirstRegister = 1000;

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

enum class ReadoutVariant {
    Tesk, // 240 packets, waits for an answer without limit, 10 ms cycle
    Orvo, // 300 packets, asks again when no full answer is there 40 ms after the request
};

class TrendReadout {
public:
    TrendReadout(ReadoutVariant variant, MonitorTables &m, LinkState &link);

    int packetCount() const { return variant_ == ReadoutVariant::Tesk ? 240 : 300; }

    // The start command: the readout begins on the next Timer3 tick, which takes
    // the address chosen in the window (the Orvo cycle always asks address 1).
    void start(std::uint8_t address);
    // Stop or cancel: every timer off, the counters back to 0; nothing of the
    // stopped readout runs afterwards.
    void stop();

    void Timer3_Tick();
    void Timer6_Tick();

    // Bytes that arrived at the port since the last tick.
    void feed(QByteArrayView bytes) { input_ += bytes; }
    qsizetype bytesWaiting() const { return input_.size(); }

    struct Tick {
        QByteArray request;    // to be written to the port, when not empty
        bool beep = false;     // an answer failed its checksum
        QByteArray data;       // the 250 data bytes of a good answer, when not empty
        int packet = 0;        // the packet those bytes belong to, 1-based
        bool finished = false; // the last packet is in: the readout has ended
    };
    Tick Timer2_Tick();

    // Timers of the window, as the cycle wants them.
    bool Timer1_Enabled = false; // progress
    bool Timer2_Enabled = false; // request/answer cycle
    bool Timer3_Enabled = false; // start
    bool Timer6_Enabled = false; // start delay
    int Timer2_Interval;

    // The progress bar's value: packets / 30 (Tesk) or / 32 (Orvo), plus 0.25.
    float progress() const;

private:
    Tick sendTick();
    Tick answerTeskTick();
    Tick answerOrvoTick();
    void finish(Tick &t);

    ReadoutVariant variant_;
    MonitorTables &m_;
    LinkState &link_;
    QByteArray input_;         // the port's input buffer
    std::uint8_t address_ = 1; // the address of the start command, taken by the start tick
};

} // namespace pelmora
