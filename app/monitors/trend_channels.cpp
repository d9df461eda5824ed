#include "monitors/trend_channels.h"

#include <QString>

namespace pelmora {
namespace {

// clang-format off
const char *const kTeskNameList[kTeskNames] = {
    "aINP_1", "aINP_2", "aINP_3", "aINP_4", "aOUT_1", "aOUT_2",
    "dINP_1", "dINP_2", "dINP_3", "dINP_4", "dINP_5", "dINP_6", "dINP_7", "dINP_8",
    "dOUT_1", "dOUT_2", "dOUT_3", "dOUT_4", "dOUT_5", "dOUT_6", "dOUT_7", "dOUT_8",
    "dOUT_9", "dOUT_10",
};

// Entry i names column 45 - i. "dOU1T_2" is the controller's own spelling.
const char *const kOrvoNameList[kOrvoColumns] = {
    "aINP_1", "aINP_2", "aINP_3", "aINP_4", "aOUT_1", "aOUT_2",
    "dINP_1", "dINP_2", "dINP_3", "dINP_4", "dINP_5", "dINP_6", "dINP_7", "dINP_8",
    "dOUT1_1", "dOU1T_2", "dOUT1_3", "dOUT1_4", "dOUT1_5", "dOUT1_6", "dOUT1_7", "dOUT1_8",
    "dOUT2_1", "dOUT2_2", "dOUT2_3", "dOUT2_4", "dOUT2_5", "dOUT2_6", "dOUT2_7", "dOUT2_8",
    "dOUT3_1", "dOUT3_2", "dOUT3_3", "dOUT3_4", "dOUT3_5", "dOUT3_6", "dOUT3_7", "dOUT3_8",
    "dOUT4_1", "dOUT4_2", "dOUT4_3", "dOUT4_4", "dOUT4_5", "dOUT4_6", "dOUT4_7", "dOUT4_8",
};

const std::int32_t kTeskAnalogColours[6] = {0x0000FF, 0x0080FF, 0xFF00FF, 0x00FF00, 0xFFFF00, 0x00FFFF};
// clang-format on

constexpr std::int32_t kTeskDiscreteColour = 0xC0C0C0;
constexpr std::int32_t kOrvoColour = 0x404040;

} // namespace

std::array<AnalogScale, 4> orvoAnalogScales(const SchemaTables &s)
{
    std::array<AnalogScale, 4> scales{};
    if (s.Num_Block_AI == 0 || !s.Parametr_Value_Start.inRange(s.Num_Block_AI))
        return scales;
    const long long b = s.Parametr_Value_Start(s.Num_Block_AI);
    if (!s.Parametr_Value.inRange(b + 5) || !s.Parametr_Value.inRange(b + 16))
        return scales;
    for (int k = 0; k < 4; ++k)
        scales[static_cast<std::size_t>(k)] = {s.Parametr_Value(b + 5 + k), s.Parametr_Value(b + 9 + k),
                                               s.Parametr_Value(b + 13 + k)};
    return scales;
}

std::int32_t teskDefaultColour(int channel)
{
    return channel >= 1 && channel <= 6 ? kTeskAnalogColours[channel - 1] : kTeskDiscreteColour;
}

void setTeskChannelDefaults(MonitorTables &m)
{
    m.Grafik_Num_Net = 1;
    for (int c = 1; c <= kTeskChannels; ++c) {
        m.Grafik_Max(c) = c <= 6 ? 100.0f : 0.0f;
        m.Grafik_Color(c) = teskDefaultColour(c);
    }
    for (int e = 0; e < kTeskNames; ++e)
        m.Grafik_Name(e) = QString::fromLatin1(kTeskNameList[e]);
}

void setOrvoChannelDefaults(MonitorTables &m, const SchemaTables &s)
{
    m.Grafik_CRC_Len = 253;
    for (int e = 0; e < kOrvoColumns; ++e)
        m.Grafik_Name_IO(e) = QString::fromLatin1(kOrvoNameList[e]);
    const std::array<AnalogScale, 4> scales = orvoAnalogScales(s);
    for (int k = 0; k < 4; ++k) {
        m.Grafik_Max(45 - k) = scales[static_cast<std::size_t>(k)].max;
        m.Grafik_Min(45 - k) = scales[static_cast<std::size_t>(k)].min;
    }
    for (int c = 0; c < kOrvoColumns; ++c)
        m.Grafik_Color(c) = kOrvoColour;
}

} // namespace pelmora
