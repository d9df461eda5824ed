#pragma once
// Turning the data bytes of the readout answers into samples: the Tesk
// monitor decodes every answer as it arrives, the Orvo I/O monitor collects
// 300 answers and decodes the 15-byte sample records they hold at the end.

#include "core/model/monitor_tables.h"
#include "monitors/trend_channels.h"

#include <QByteArrayView>
#include <array>

namespace pelmora {

inline constexpr int kAnswerDataBytes = 250; // data bytes of one answer
inline constexpr int kOrvoRecordBytes = 15;  // bytes of one Orvo sample record
inline constexpr int kOrvoRecords = 5001;    // records 0..5000 of a readout
inline constexpr int kOrvoRawBytes = 75101;  // the raw buffer, positions 0..75100

// Decodes the 250 data bytes of Tesk packet 1..240 into the samples it carries:
// packets 1-160 the analog inputs (channel 1..4, 125 unsigned words high byte
// first each), 161-200 the analog outputs (channels 5 and 6, a byte a sample),
// 201-240 the discrete channels (bit j of a byte: channel 7 + j for the inputs,
// 15 + j for the outputs). Another packet number, or fewer than 250 bytes,
// decodes nothing; false then.
bool decodeTeskPacket(MonitorTables &m, int packet, QByteArrayView data);

// Decodes records 0..5000 of the Orvo raw buffer into columns 0..45. Bytes
// beyond the buffer's end read as 0, so the record past the data read gives
// minimum + offset on the analog inputs and 0 elsewhere. Each analog word is
// a signed 16-bit value (0x8000 and above negative) scaled by its input's scale.
void decodeOrvoRecords(MonitorTables &m, QByteArrayView raw, const std::array<AnalogScale, 4> &scales);

// One analog word on its scale, in single precision.
float scaleOrvoWord(std::int16_t word, const AnalogScale &scale);

} // namespace pelmora
