#include "monitors/trend_channels.h"
#include "monitors/trend_decoding.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace pelmora {
namespace {

constexpr float kUntouched = -7.0f;

MonitorTables untouched()
{
    MonitorTables m;
    m.Grafik_Data.fill(kUntouched);
    return m;
}

// Every (sample, channel) whose value the decoding changed.
std::map<std::pair<int, int>, float> changes(const MonitorTables &m)
{
    std::map<std::pair<int, int>, float> out;
    for (int s = 0; s <= 5100; ++s)
        for (int c = 0; c <= 45; ++c)
            if (m.Grafik_Data(s, c) != kUntouched)
                out[{s, c}] = m.Grafik_Data(s, c);
    return out;
}

QByteArray data(std::initializer_list<int> head, int fill = 0)
{
    QByteArray d(250, static_cast<char>(fill));
    int i = 0;
    for (int v : head)
        d[i++] = static_cast<char>(v);
    return d;
}

// What a Tesk packet writes: exactly the samples listed, nothing else.
TEST(TeskDecoding, EachPacketFillsItsChannelAndSamplesOnly)
{
    // Bytes 0..249 of the packet: byte i is i + 1 (so no byte is 0 by chance).
    QByteArray counting(250, '\0');
    for (int i = 0; i < 250; ++i)
        counting[i] = static_cast<char>(i + 1);
    const auto word = [&](int k) { return static_cast<float>((2 * k + 1) * 256 + 2 * k + 2); };
    const auto byte = [&](int k) { return static_cast<float>(k + 1); };

    struct Case {
        const char *what;
        int packet;
        QByteArray bytes;
        int channel, first, count;
        std::function<float(int)> value; // of the k-th sample written
    };
    // clang-format off
    const Case cases[] = {
        {"packet 1: channel 1, 0..124",      1,   counting, 1, 0,    125, word},
        {"packet 41: channel 2, 0..124",     41,  counting, 2, 0,    125, word},
        {"packet 160: channel 4, 4875..4999", 160, counting, 4, 4875, 125, word},
        {"packet 161: channel 5, 0..249",    161, counting, 5, 0,    250, byte},
        {"packet 180: channel 5, 4750..4999", 180, counting, 5, 4750, 250, byte},
        {"packet 181: channel 6, 0..249",    181, counting, 6, 0,    250, byte},
        {"packet 200: channel 6, 4750..4999", 200, counting, 6, 4750, 250, byte},
        {"0xFF 0xFF: 65535, unsigned",       1,   data({0xFF, 0xFF}, 0xFF), 1, 0, 125,
         [](int) { return 65535.0f; }},
    };
    // clang-format on
    for (const Case &c : cases) {
        MonitorTables m = untouched();
        EXPECT_TRUE(decodeTeskPacket(m, c.packet, c.bytes)) << c.what;
        std::map<std::pair<int, int>, float> expected;
        for (int k = 0; k < c.count; ++k)
            expected[{c.first + k, c.channel}] = c.value(k);
        EXPECT_EQ(changes(m), expected) << c.what;
    }
}

TEST(TeskDecoding, DiscretePacketsSetOneChannelPerBit)
{
    // Packet 221: the first byte 0x81 is sample 0 of the digital outputs: bit 0
    // "dOUT_1" (channel 15) and bit 7 "dOUT_8" (channel 22).
    MonitorTables m = untouched();
    ASSERT_TRUE(decodeTeskPacket(m, 221, data({0x81})));
    for (int c = 15; c <= 22; ++c)
        EXPECT_EQ(m.Grafik_Data(0, c), c == 15 || c == 22 ? 1.0f : 0.0f) << c;
    const auto written = changes(m);
    EXPECT_EQ(written.size(), 250u * 8u);
    EXPECT_EQ(written.begin()->first, std::make_pair(0, 15));
    EXPECT_EQ(written.rbegin()->first, std::make_pair(249, 22));

    // Packet 201: the digital inputs, channels 7..14; packet 240 ends at sample 4999.
    MonitorTables in = untouched();
    ASSERT_TRUE(decodeTeskPacket(in, 201, data({0x02})));
    EXPECT_EQ(in.Grafik_Data(0, 8), 1.0f);
    EXPECT_EQ(in.Grafik_Data(0, 7), 0.0f);
    EXPECT_EQ(in.Grafik_Data(0, 15), kUntouched);
    MonitorTables last = untouched();
    ASSERT_TRUE(decodeTeskPacket(last, 240, data({}, 0x40)));
    EXPECT_EQ(changes(last).rbegin()->first, std::make_pair(4999, 22));
    EXPECT_EQ(last.Grafik_Data(4999, 21), 1.0f);
}

TEST(TeskDecoding, OtherPacketsAndShortDataDecodeNothing)
{
    for (int packet : {0, 241, -1}) {
        MonitorTables m = untouched();
        EXPECT_FALSE(decodeTeskPacket(m, packet, data({1, 2, 3})));
        EXPECT_TRUE(changes(m).empty()) << packet;
    }
    MonitorTables m = untouched();
    EXPECT_FALSE(decodeTeskPacket(m, 1, QByteArray(249, '\1')));
    EXPECT_TRUE(changes(m).empty());
}

// One 15-byte Orvo record at record index r of a raw buffer.
QByteArray rawWithRecord(int r, std::initializer_list<int> record)
{
    QByteArray raw(75000, '\0');
    int i = 15 * r;
    for (int v : record)
        raw[i++] = static_cast<char>(v);
    return raw;
}

TEST(OrvoDecoding, AnalogWordsOnTheirScales)
{
    std::array<AnalogScale, 4> scales{};
    scales[0] = {4, 20, 0};  // "aINP_1", column 45
    scales[2] = {10, 50, 1}; // "aINP_3", column 43
    struct Case {
        int input;      // 0..3
        int hi, lo;     // the word, high byte first
        float expected; // in column 45 - input
    };
    // clang-format off
    const Case cases[] = {
        {0, 0x00, 0x00, 4},    {0, 0x06, 0x40, 12},   {0, 0x0C, 0x80, 20},   // 0, 1600, 3200
        {2, 0x00, 0x00, 11},   {2, 0x0C, 0x80, 51},                          // 0, 3200 with offset 1
        {0, 0xFF, 0xFF, 3.995f},                                             // -1
        {0, 0x80, 0x00, -32768.0f * 16 / 3200 + 4},                          // 0x8000: the lowest word
        {1, 0x80, 0x00, -32768},  {1, 0xFF, 0x38, -200},  {1, 0x7F, 0xFF, 32767}, // the raw scale
    };
    // clang-format on
    for (const Case &c : cases) {
        MonitorTables m;
        QByteArray raw = rawWithRecord(3, {});
        raw[45 + 2 * c.input] = static_cast<char>(c.hi);
        raw[45 + 2 * c.input + 1] = static_cast<char>(c.lo);
        decodeOrvoRecords(m, raw, scales);
        EXPECT_FLOAT_EQ(m.Grafik_Data(3, 45 - c.input), c.expected) << c.input << " " << c.hi << " " << c.lo;
    }
}

TEST(OrvoDecoding, BytesAndBitsOfARecord)
{
    const std::array<AnalogScale, 4> raw{};
    struct Case {
        const char *what;
        std::initializer_list<int> record;
        std::vector<int> ones; // the discrete columns that read 1
        float aout1, aout2;    // columns 41 and 40
    };
    // clang-format off
    const Case cases[] = {
        {"analog outputs 10 and 20",     {0,0, 0,0, 0,0, 0,0, 10, 20},                 {}, 10, 20},
        {"digital input byte 0x01",      {0,0, 0,0, 0,0, 0,0, 0, 0, 0x01},             {39}, 0, 0},
        {"digital input byte 0x80",      {0,0, 0,0, 0,0, 0,0, 0, 0, 0x80},             {32}, 0, 0},
        {"DO bytes 80 00 00 01",         {0,0, 0,0, 0,0, 0,0, 0, 0, 0, 0x80, 0, 0, 0x01}, {24, 7}, 0, 0},
        {"DO bytes 01 02 04 80",         {0,0, 0,0, 0,0, 0,0, 0, 0, 0, 0x01, 0x02, 0x04, 0x80}, {31, 22, 13, 0}, 0, 0},
        {"analog output bytes 255 128",  {0,0, 0,0, 0,0, 0,0, 255, 128},               {}, 255, 128},
    };
    // clang-format on
    for (const Case &c : cases) {
        MonitorTables m;
        m.Grafik_Data.fill(kUntouched);
        decodeOrvoRecords(m, rawWithRecord(10, c.record), raw);
        for (int col = 0; col <= 39; ++col) {
            const bool one = std::find(c.ones.begin(), c.ones.end(), col) != c.ones.end();
            EXPECT_EQ(m.Grafik_Data(10, col), one ? 1.0f : 0.0f) << c.what << " column " << col;
        }
        EXPECT_EQ(m.Grafik_Data(10, 41), c.aout1) << c.what;
        EXPECT_EQ(m.Grafik_Data(10, 40), c.aout2) << c.what;
        // The neighbouring records are all zero.
        EXPECT_EQ(m.Grafik_Data(9, 24), 0.0f);
        EXPECT_EQ(m.Grafik_Data(11, 7), 0.0f);
    }
}

TEST(OrvoDecoding, RecordsCoverSamples0To5000AndNoMore)
{
    std::array<AnalogScale, 4> scales{};
    scales[1] = {-5, 5, 0.5f};
    QByteArray raw(75000, '\x11'); // every byte 0x11: every discrete column of a record has ones
    MonitorTables m;
    m.Grafik_Data.fill(kUntouched);
    decodeOrvoRecords(m, raw, scales);
    // Record 4999 is the last one read; record 5000 lies past the data: the
    // analog inputs read minimum + offset, everything else 0.
    EXPECT_EQ(m.Grafik_Data(4999, 39), 1.0f);
    EXPECT_EQ(m.Grafik_Data(4999, 41), 0x11);
    EXPECT_FLOAT_EQ(m.Grafik_Data(5000, 44), -4.5f);
    EXPECT_FLOAT_EQ(m.Grafik_Data(5000, 45), 0.0f);
    for (int c = 0; c <= 41; ++c)
        EXPECT_EQ(m.Grafik_Data(5000, c), 0.0f) << c;
    for (int c = 0; c <= 45; ++c)
        EXPECT_EQ(m.Grafik_Data(5001, c), kUntouched) << c;
}

TEST(OrvoScales, FromTheAnalogInputBlockOrTheRawScale)
{
    SchemaTables s;
    // No analog-input block read: the raw scale 0..3200 without offset.
    for (const AnalogScale &a : orvoAnalogScales(s))
        EXPECT_EQ(a, (AnalogScale{0, 3200, 0}));

    s.Num_Block_AI = 7;
    s.Parametr_Value_Start(7) = 100;
    for (int k = 0; k < 4; ++k) {
        s.Parametr_Value(105 + k) = static_cast<float>(k);         // minima
        s.Parametr_Value(109 + k) = static_cast<float>(100 + k);   // maxima
        s.Parametr_Value(113 + k) = static_cast<float>(k) / 10.0f; // offsets
    }
    const auto scales = orvoAnalogScales(s);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(scales[static_cast<std::size_t>(k)],
                  (AnalogScale{static_cast<float>(k), static_cast<float>(100 + k), static_cast<float>(k) / 10.0f}));

    // A start whose values would run past the pool reads as no block.
    s.Parametr_Value_Start(7) = 9990;
    EXPECT_EQ(orvoAnalogScales(s)[0], (AnalogScale{0, 3200, 0}));
    s.Parametr_Value_Start(7) = -10;
    EXPECT_EQ(orvoAnalogScales(s)[0], (AnalogScale{0, 3200, 0}));
}

TEST(MonitorDefaults, TeskAndOrvoChannelsAtLoad)
{
    MonitorTables m;
    m.Grafik_Min(3) = -9; // kept
    m.Grafik_Data(10, 3) = 42;
    setTeskChannelDefaults(m);
    EXPECT_EQ(m.Grafik_Num_Net, 1);
    EXPECT_EQ(m.Grafik_Name(0), QStringLiteral("aINP_1"));
    EXPECT_EQ(m.Grafik_Name(6), QStringLiteral("dINP_1"));
    EXPECT_EQ(m.Grafik_Name(21), QStringLiteral("dOUT_8"));
    EXPECT_EQ(m.Grafik_Name(23), QStringLiteral("dOUT_10"));
    EXPECT_EQ(m.Grafik_Color(2), 33023);
    EXPECT_EQ(m.Grafik_Color(4), 65280);
    EXPECT_EQ(m.Grafik_Color(22), 12632256);
    EXPECT_EQ(m.Grafik_Max(6), 100.0f);
    EXPECT_EQ(m.Grafik_Max(7), 0.0f);
    EXPECT_EQ(m.Grafik_Min(3), -9.0f);
    EXPECT_EQ(m.Grafik_Data(10, 3), 42.0f);

    SchemaTables s;
    m.Grafik_Min(10) = 3;
    setOrvoChannelDefaults(m, s);
    EXPECT_EQ(m.Grafik_CRC_Len, 253);
    EXPECT_EQ(m.Grafik_Name_IO(0), QStringLiteral("aINP_1"));
    EXPECT_EQ(m.Grafik_Name_IO(15), QStringLiteral("dOU1T_2"));
    EXPECT_EQ(m.Grafik_Name_IO(45), QStringLiteral("dOUT4_8"));
    for (int c = 42; c <= 45; ++c) {
        EXPECT_EQ(m.Grafik_Min(c), 0.0f);
        EXPECT_EQ(m.Grafik_Max(c), 3200.0f);
    }
    EXPECT_EQ(m.Grafik_Min(10), 3.0f);
    for (int c = 0; c <= 45; ++c)
        EXPECT_EQ(m.Grafik_Color(c), 0x404040);
}

} // namespace
} // namespace pelmora
