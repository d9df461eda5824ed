#include "monitors/trend_decoding.h"

namespace pelmora {

bool decodeTeskPacket(MonitorTables &m, int packet, QByteArrayView data)
{
    if (packet < 1 || packet > 240 || data.size() < kAnswerDataBytes)
        return false;
    const auto d = [&data](int k) { return static_cast<std::uint8_t>(data[k]); };
    if (packet <= 160) {
        const int channel = (packet - 1) / 40 + 1;
        const int first = ((packet - 1) % 40) * 125;
        for (int k = 0; k < 125; ++k)
            m.Grafik_Data(first + k, channel) = static_cast<float>(d(2 * k) * 256 + d(2 * k + 1));
    } else if (packet <= 200) {
        const int first = ((packet - 161) % 40) * kAnswerDataBytes;
        for (int k = 0; k < kAnswerDataBytes; ++k) {
            const int p = first + k;
            if (p < 5000)
                m.Grafik_Data(p, 5) = d(k);
            else
                m.Grafik_Data(p - 5000, 6) = d(k);
        }
    } else {
        const int first = ((packet - 201) % 40) * kAnswerDataBytes;
        for (int k = 0; k < kAnswerDataBytes; ++k) {
            const int p = first + k;
            for (int j = 0; j < 8; ++j) {
                const float bit = (d(k) >> j) & 1 ? 1.0f : 0.0f;
                if (p < 5000)
                    m.Grafik_Data(p, 7 + j) = bit;
                else
                    m.Grafik_Data(p - 5000, 15 + j) = bit;
            }
        }
    }
    return true;
}

float scaleOrvoWord(std::int16_t word, const AnalogScale &scale)
{
    return static_cast<float>(word) * (scale.max - scale.min) / kOrvoFullScale + scale.min + scale.offset;
}

void decodeOrvoRecords(MonitorTables &m, QByteArrayView raw, const std::array<AnalogScale, 4> &scales)
{
    const auto byte = [&raw](qsizetype i) -> std::uint8_t {
        return i < raw.size() ? static_cast<std::uint8_t>(raw[i]) : 0;
    };
    for (int r = 0; r < kOrvoRecords; ++r) {
        const qsizetype at = static_cast<qsizetype>(kOrvoRecordBytes) * r;
        for (int k = 0; k < 4; ++k) {
            const auto word =
                static_cast<std::int16_t>(static_cast<std::uint16_t>(byte(at + 2 * k) << 8 | byte(at + 2 * k + 1)));
            m.Grafik_Data(r, 45 - k) = scaleOrvoWord(word, scales[static_cast<std::size_t>(k)]);
        }
        m.Grafik_Data(r, 41) = byte(at + 8);
        m.Grafik_Data(r, 40) = byte(at + 9);
        // The digital inputs, then the four digital-output bytes: bit j of byte
        // m of the five lands in column 39 - 8m - j.
        for (int b = 0; b < 5; ++b) {
            const std::uint8_t bits = byte(at + 10 + b);
            for (int j = 0; j < 8; ++j)
                m.Grafik_Data(r, 39 - 8 * b - j) = (bits >> j) & 1 ? 1.0f : 0.0f;
        }
    }
}

} // namespace pelmora
