#include "core/model/catalogue.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

Catalogue filled(std::int16_t algNames = 0)
{
    Catalogue c;
    fillCatalogueLists(c);
    fillCatalogueTypes(c, algNames);
    return c;
}

// One row per type code as the catalogue is documented:
// "code name values texts first last setpoints labels", labels "a..b" or "-".
// clang-format off
const char *kExpected[] = {
    "1 A_I 29 0 1 16 0 1..16",     "2 A_O 5 0 100 100 0 -",      "3 D_I 9 0 1 8 0 1..8",
    "4 D_O 9 0 9 10 5 9..9",       "5 RS4 3 48 9 17 0 16..9",    "6 SYS 1 0 1 2 0 1..1",
    "7 NO_ 0 0 100 100 0 -",       "8 NO_ 0 0 100 100 0 -",      "9 MUL 4 0 9 13 0 12..9",
    "10 SUM 10 0 9 13 0 12..9",    "11 DIV 4 0 9 13 0 12..9",    "12 SQR 4 0 5 9 0 12..9",
    "13 ABS 0 0 5 9 0 8..5",       "14 NO_ 0 0 100 100 0 -",     "15 NO_ 0 0 100 100 0 -",
    "16 NO_ 0 0 100 100 0 -",      "17 AND 1 0 9 13 0 12..9",    "18 OR_ 1 0 9 13 0 12..9",
    "19 XOR 0 0 9 13 0 12..9",     "20 TRI 0 0 9 13 0 12..9",    "21 REG 1 0 9 13 0 12..9",
    "22 NO_ 0 0 100 100 0 -",      "23 NO_ 0 0 100 100 0 -",     "24 NO_ 0 0 100 100 0 -",
    "25 S_P 8 9 2 10 7 9..2",      "26 PID 18 0 9 14 7 13..9",   "27 MUX 1 0 9 17 0 16..9",
    "28 PRO 137 0 5 9 95 8..5",    "29 PAN 14 5 9 17 0 16..9",   "30 RTC 6 0 8 9 0 8..8",
    "31 COD 100 0 6 9 95 8..6",    "32 NO_ 0 0 100 100 0 -",     "33 MIN 1 0 9 11 0 10..9",
    "34 LIM 4 0 3 9 0 8..3",       "35 CMP 6 0 5 11 5 10..5",    "36 TIM 5 0 9 17 3 16..9",
    "37 COU 3 0 9 12 0 11..9",     "38 OSC 9 0 9 17 7 16..9",    "39 NO_ 0 0 100 100 0 -",
    "40 NO_ 0 0 100 100 0 -",      "41 GRA 99 34 100 100 0 -",   "42 JUR 82 33 33 41 0 40..33",
    "43 SCA 1 0 32 100 0 -",       "44 LOG 9 0 9 15 0 14..9",    "45 ALG 129 0 33 65 95 64..33",
    "46 UNI 9 0 9 17 7 16..9",     "47 MON 0 0 100 100 0 -",     "48 REP 0 16 17 100 0 -",
    "49 INV 0 0 2 3 0 -",          "50 TOU 0 0 1 256 0 -",
};
// clang-format on

} // namespace

TEST(Catalogue, EveryTypeCode)
{
    const Catalogue c = filled();
    ASSERT_EQ(std::size(kExpected), 50u);
    for (const char *row : kExpected) {
        const QStringList f = QString::fromLatin1(row).split(QLatin1Char(' '));
        const int t = f[0].toInt();
        SCOPED_TRACE(row);
        EXPECT_EQ(c.Block_Type_Names(t), f[1]);
        EXPECT_EQ(c.Parametr_Value_Count(t), f[2].toInt());
        EXPECT_EQ(c.Parametr_Name_Count(t), f[3].toInt());
        EXPECT_EQ(c.Num_OUT_First(t), f[4].toInt());
        EXPECT_EQ(c.Num_OUT_Last(t), f[5].toInt());
        EXPECT_EQ(c.Num_Zad_Max(t), f[6].toInt());
        std::vector<int> labels;
        if (f[7] != QLatin1String("-")) {
            const QStringList ends = f[7].split(QStringLiteral(".."));
            const int a = ends[0].toInt(), b = ends[1].toInt();
            for (int v = a;; v += (b >= a ? 1 : -1)) {
                labels.push_back(v);
                if (v == b)
                    break;
            }
        }
        for (int k = 0; k <= 32; ++k)
            EXPECT_EQ(c.Num_OUT_List(t, k), k < static_cast<int>(labels.size()) ? labels[k] : 0) << "ordinal " << k;
    }
}

TEST(Catalogue, AlgTextCountFollowsAlgNameCount)
{
    EXPECT_EQ(filled(0).Parametr_Name_Count(type::ALG), 0);
    EXPECT_EQ(filled(9184).Parametr_Name_Count(type::ALG), 9184);
}

TEST(Catalogue, ValueSlotMaps)
{
    const Catalogue c = filled();
    const auto &s = c.Parametr_Value_Slot;
    // A_I: channel k attribute j -> 4j + k + 1.
    EXPECT_EQ(s(type::A_I, 0), 0);
    EXPECT_EQ(s(type::A_I, 1), 1);   // k0 j0
    EXPECT_EQ(s(type::A_I, 2), 5);   // k0 j1
    EXPECT_EQ(s(type::A_I, 8), 2);   // k1 j0
    EXPECT_EQ(s(type::A_I, 28), 28); // k3 j6
    EXPECT_EQ(s(type::SUM, 0), 8);
    EXPECT_EQ(s(type::SUM, 1), 0);
    EXPECT_EQ(s(type::SUM, 8), 7);
    EXPECT_EQ(s(type::S_P, 2), 0);
    EXPECT_EQ(s(type::S_P, 16), 7);
    EXPECT_EQ(s(type::S_P, 3), 0);
    const int pid[] = {4, 11, 1, 2, 3, 12, 13, 14, 7, 16, 17};
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(s(type::PID, n), pid[n]) << n;
    EXPECT_EQ(s(type::PRO, 0), 136);
    EXPECT_EQ(s(type::PRO, 128), 131);
    EXPECT_EQ(s(type::COD, 96), 99);
    EXPECT_EQ(s(type::GRA, 95), 65);
    EXPECT_EQ(s(type::GRA, 96), 98);
    EXPECT_EQ(s(type::JUR, 0), 50);
    EXPECT_EQ(s(type::JUR, 95), 41);
    EXPECT_EQ(s(type::JUR, 93), 81);
    EXPECT_EQ(s(type::JUR, 96), 82); // one past the 82-value record
    const int log[] = {0, 3, 6, 1, 4, 7, 2, 5, 8};
    for (int n = 0; n <= 8; ++n)
        EXPECT_EQ(s(type::LOG, n), log[n]) << n;
    EXPECT_EQ(s(type::TIM, 0), 1);
    EXPECT_EQ(s(type::TIM, 3), 4);
    EXPECT_EQ(s(type::TIM, 4), 0);
    EXPECT_EQ(s(type::TOU, 8), 8);
    EXPECT_EQ(s(type::D_O, 8), 8);
    // PAN, OSC and UNI rows are empty until the schema import fills them.
    for (int n = 0; n <= 385; ++n) {
        EXPECT_EQ(s(type::PAN, n), 0);
        EXPECT_EQ(s(type::OSC, n), 0);
        EXPECT_EQ(s(type::UNI, n), 0);
        EXPECT_EQ(s(type::ALG, n), 0);
    }
}

TEST(Catalogue, NameSlotMaps)
{
    const Catalogue c = filled();
    const auto &s = c.Parametr_Name_Slot;
    EXPECT_EQ(s(type::S_P, 0), 8);
    EXPECT_EQ(s(type::S_P, 17), 8);
    EXPECT_EQ(s(type::S_P, 1), 0);
    EXPECT_EQ(s(type::S_P, 15), 7);
    EXPECT_EQ(s(type::GRA, 1), 33);
    EXPECT_EQ(s(type::GRA, 4), 1);
    EXPECT_EQ(s(type::GRA, 97), 32);
    EXPECT_EQ(s(type::JUR, 1), 0);
    EXPECT_EQ(s(type::JUR, 97), 32);
    EXPECT_EQ(s(type::JUR, 5), 0);
    EXPECT_EQ(s(type::PAN, 4), 4);
    EXPECT_EQ(s(type::REP, 15), 15);
    for (int n = 0; n <= 132; ++n) {
        EXPECT_EQ(s(type::RS4, n), 0);
        EXPECT_EQ(s(type::ALG, n), 0);
    }
}

TEST(Catalogue, FixedLists)
{
    const Catalogue c = filled();
    const char16_t *sensors[] = {u"Выкл.", u"50П ", u"50М ", u"100П", u"100М",  u"гр21",   u"гр23",   u"Pt100",
                                 u"ТХК ",  u"ТХА ", u"ТПП ", u"ТЖК ", u"0-5мА", u"0-20мА", u"4-20мА", u""};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(c.Sensor_Type_Names(i), QString::fromUtf16(sensors[i])) << i;
    EXPECT_EQ(c.Sensor_Type_Names(8).size(), 4); // "ТХК " keeps its blank
    const char *speeds[] = {"9600", "19200", "38400", "57600", "115200", "230400"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(c.Speed_List(i), QLatin1String(speeds[i]));
    const int pins[] = {33, 34, 67, 68, 101, 102, 135, 136};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(c.Alg_Pin_Group(i), pins[i]);
    const int sizes[] = {8, 8, 4, 4, 8, 8, 4, 4};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(c.ALGORITHM_Field_Size(i), sizes[i]);
}
