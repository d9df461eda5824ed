#pragma once
// The channels of the two monitor windows: their names, colours and scales as
// each window sets them when it loads, and the scales of the Orvo analog
// inputs, which come from the schema's analog-input block.

#include "core/model/monitor_tables.h"
#include "core/model/schema_tables.h"

#include <array>
#include <cstdint>

namespace pelmora {

inline constexpr int kTeskChannels = 22;         // channels 1..22 of the Tesk monitor
inline constexpr int kTeskNames = 24;            // names 0..23: the 22 channels and two mirror cells
inline constexpr int kOrvoColumns = 46;          // columns 0..45 of the Orvo I/O monitor
inline constexpr int kOrvoFirstAnalog = 40;      // columns 40..45 are analog, 0..39 discrete
inline constexpr float kOrvoFullScale = 3200.0f; // the raw word of the top of an analog input's range

// Scale of one Orvo analog input: a raw word w reads as
// w * (max - min) / 3200 + min + offset.
struct AnalogScale {
    float min = 0.0f;
    float max = kOrvoFullScale;
    float offset = 0.0f;
    bool operator==(const AnalogScale &) const = default;
};

// The scales of "aINP_1" to "aINP_4" from the numeric parameters of the block
// Num_Block_AI names (minimum, maximum and offset from the block's sixth,
// tenth and fourteenth value on). With no such block (Num_Block_AI 0), or one
// whose values lie outside the pool, the raw scale 0..3200 without offset.
std::array<AnalogScale, 4> orvoAnalogScales(const SchemaTables &s);

// Tesk monitor load: address 1, the 24 names, the channel colours, maximum
// 100 for the six analog channels and 0 for the sixteen discrete ones. The
// minima and the samples are kept.
void setTeskChannelDefaults(MonitorTables &m);

// Orvo I/O monitor load: the answer length 253, the 46 names, the scales of
// the analog inputs (columns 45 down to 42) and the colour 0x404040 for every
// column. The other columns' scales and the samples are kept.
void setOrvoChannelDefaults(MonitorTables &m, const SchemaTables &s);

// The default channel colours of the Tesk monitor, channels 1..22.
std::int32_t teskDefaultColour(int channel);

} // namespace pelmora
