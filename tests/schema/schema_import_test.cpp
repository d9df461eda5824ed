// The schema import: components to blocks and types, the record layout and
// sizes, the stop rules.

#include "core/numbers.h"
#include "project/startup.h"
#include "schema/import_context.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"

#include <gtest/gtest.h>
#include <random>

namespace pelmora {
namespace {

using test::D;
using test::NetlistBuilder;
using test::U;
using namespace Qt::StringLiterals;

const QString kStop = u"Помилка netLIST!!! Вихід блоку №"_s;

class SchemaImport : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
    }
    float V(int b, int i) const { return m.schema.Parametr_Value(m.schema.Parametr_Value_Start(b) + i); }
    QString T(int b, int i) const { return m.schema.Parametr_Name(m.schema.Parametr_Name_Start(b) + i); }
    int link(int k, int b) const { return m.schema.Block_Link(k, b); }

    ProjectModel m;
};

// A few blocks, an inverter and three nets:
//   net 1: D_I U1 output pin 3 (listed last) -> AND U5 input 1
//   net 2: SUM U3 output pin 9 -> inverter D1 input, PID U7 input 2
//   net 3: inverter D1 output -> AND U5 input 2
NetlistBuilder fixture()
{
    NetlistBuilder n;
    n.block(1, u"D_I"_s, {u"1"_s});
    n.block(3, u"SUM2_4"_s, {u"0.5"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s});
    n.inverter(1);
    n.block(5, u"AND2_4"_s);
    n.block(7, u"PID_RELAY"_s,
            {u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s, u"16"_s, u"17"_s, u"18"_s, u"19"_s, u"20"_s});
    n.net({U(5, 1), U(1, 3)});
    n.net({U(3, 9), D(1, 1), U(7, 2)});
    n.net({D(1, 2), U(5, 2)});
    return n;
}

TEST_F(SchemaImport, FixtureBlocksValuesAndConnections)
{
    // Leftovers of an earlier schema: a connection and a value just past the
    // last record.
    m.schema.Block_Link(4, 20) = 9;
    m.schema.Parametr_Value(220) = 77;
    fixture().importInto(m);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();

    const auto &s = m.schema;
    const std::pair<int, int> types[] = {{1, 3},  {2, 0},   {3, 10},  {5, 17}, {7, 26},
                                         {96, 0}, {97, 43}, {98, 41}, {99, 42}};
    for (auto [b, t] : types)
        EXPECT_EQ(s.Block_Type(b), t) << "block " << b;

    // Records in block-number order without gaps.
    const std::tuple<int, int, int> starts[] = {{1, 0, 0},   {3, 9, 0},   {5, 19, 0},    {7, 20, 0},
                                                {97, 38, 0}, {98, 39, 0}, {99, 138, 34}, {2, 0, 0}};
    for (auto [b, v, t] : starts) {
        EXPECT_EQ(s.Parametr_Value_Start(b), v) << "block " << b;
        EXPECT_EQ(s.Parametr_Name_Start(b), t) << "block " << b;
    }
    EXPECT_EQ(s.Parametr_Value_Size, 4 * 220);
    EXPECT_EQ(s.Parametr_Name_Size, 34 * 17 + 33 * 40);

    // D_I: network number 1 stored as 0; SUM: first attribute is the offset V(8).
    EXPECT_EQ(V(1, 0), 0.0f);
    EXPECT_EQ(V(3, 8), 0.5f);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(V(3, k), k + 1.0f);
    EXPECT_EQ(V(3, 9), 0.0f); // SUM2_4
    EXPECT_EQ(V(5, 0), 0.0f); // AND2_4
    EXPECT_EQ(V(7, 0), 4.0f); // PID_RELAY
    const int pidSlots[] = {4, 11, 1, 2, 3, 12, 13, 14, 7, 16, 17};
    for (int n = 0; n < 11; ++n)
        EXPECT_EQ(V(7, pidSlots[n]), 10.0f + n);

    // GRA and JUR from the builder's full lists.
    EXPECT_EQ(V(98, 0), 1.0f);
    EXPECT_EQ(V(98, 34 + 5), 5.0f);
    EXPECT_EQ(V(98, 67 + 31), 131.0f);
    EXPECT_EQ(T(98, 33), u"Канал 0"_s);
    EXPECT_EQ(T(98, 32), u"Канал 32"_s);
    EXPECT_EQ(V(99, 50), 2.0f);
    EXPECT_EQ(V(99, 10 + 31), 31.0f);
    EXPECT_EQ(V(99, 51 + 30), 130.0f);
    EXPECT_EQ(T(99, 0), u"Подія 0"_s);
    EXPECT_EQ(T(99, 32), u"Подія 32"_s);
    // JUR's last attribute has no place in its record: the next pool entry is untouched.
    EXPECT_EQ(s.Parametr_Value(220), 77.0f);

    // Connections: D_I output pin 3 is index 2; SUM output pin 9 is 13 - 9 - 1 = 3.
    EXPECT_EQ(link(0, 5), 2);
    EXPECT_EQ(link(1, 5), 1);
    EXPECT_EQ(link(2, 5), 3);
    EXPECT_EQ(link(3, 5), 3);
    EXPECT_EQ(link(2, 7), 3);
    EXPECT_EQ(link(3, 7), 3);
    EXPECT_EQ(link(0, 7), 0);
    EXPECT_EQ(link(4, 20), 0); // cleared
    EXPECT_EQ(s.Invert_Input(5), 0b10);
    EXPECT_EQ(s.Invert_Input(7), 0);
    // The inverter's nets hold no node lines any more.
    for (int i = 1; i <= 10000; ++i)
        EXPECT_FALSE(s.NetList_Line(i).startsWith(u"(node \"D"_s)) << i;
}

TEST_F(SchemaImport, TypesFromPrefixes)
{
    NetlistBuilder n;
    n.block(2, u"XYZ_1"_s);    // no such prefix
    n.block(4, u"NO_THING"_s); // "NO_": the lowest of its codes
    n.block(6, u"AND2_4"_s);
    n.block(6, u"OR_8_1"_s);  // the later component decides
    n.block(97, u"AND4_2"_s); // fixed numbers keep their fixed types
    n.importInto(m);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(m.schema.Block_Type(2), 0);
    EXPECT_EQ(m.schema.Parametr_Value_Start(2), 0);
    EXPECT_EQ(m.schema.Block_Type(4), 7);
    EXPECT_EQ(m.schema.Block_Type(6), 18);
    EXPECT_EQ(m.schema.Block_Name(3, 6), u"OR_8_1"_s);
    EXPECT_EQ(V(6, 0), 2.0f);
    EXPECT_EQ(m.schema.Block_Type(97), 43);
    // Blocks without a type are not counted: SCA, GRA, JUR and OR_ only.
    EXPECT_EQ(m.schema.Parametr_Value_Size, 4 * (1 + 1 + 99 + 82));
}

TEST_F(SchemaImport, ANewImportForgetsBlocksTheNetlistNoLongerHas)
{
    NetlistBuilder first;
    first.block(10, u"AND2_4"_s).block(11, u"OR_2_4"_s);
    first.net({U(10, 9), U(11, 1)});
    first.importInto(m);
    ASSERT_EQ(m.schema.Block_Type(11), 18);
    ASSERT_EQ(m.schema.Block_Link(1, 11), 10);

    NetlistBuilder second;
    second.block(10, u"AND2_4"_s);
    second.importInto(m);
    EXPECT_EQ(m.schema.Block_Type(11), 0);
    EXPECT_EQ(m.schema.Parametr_Value_Start(11), 0);
    EXPECT_EQ(m.schema.Block_Link(1, 11), 0);
}

TEST_F(SchemaImport, AlgorithmBlockTakesTheStoredProgramAndDefaults)
{
    m.settings.ALGORITHM_Statement_Max = 2;
    m.settings.Alg_Name_Count = 82;
    m.catalogue.Parametr_Name_Count(type::ALG) = 82;
    for (int k = 1; k <= 128; ++k)
        m.schema.ALGORITHM_Block_Line(0, k) = QString::number(k * 2);
    m.schema.ALGORITHM_Block_Line(0, 7) = u" .5 "_s;
    for (int j = 0; j < 82; ++j)
        m.schema.ALGORITHM_Parametr(0, j) = j == 20 || j == 39 || j == 61 ? QString() : QString::number(j);

    NetlistBuilder n;
    n.block(2, u"REP"_s, QStringList(16, u"r"_s));
    n.block(5, u"ALG"_s, {u"5"_s});
    n.importInto(m);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
    EXPECT_EQ(m.schema.Block_Type(5), 45);
    EXPECT_EQ(m.schema.Parametr_Name_Start(5), 16);
    EXPECT_EQ(m.schema.ALGORITHM_Param_Base, 16);
    EXPECT_EQ(V(5, 0), 5.0f);
    EXPECT_EQ(V(5, 1), 2.0f);
    EXPECT_EQ(V(5, 7), 0.5f);
    EXPECT_EQ(V(5, 128), 256.0f);
    EXPECT_EQ(T(5, 0), u"0"_s);
    EXPECT_EQ(T(5, 81), u"81"_s);
    // Empty texts at the default places get their defaults; the others stay empty.
    EXPECT_EQ(T(5, 20), u"1"_s);
    EXPECT_EQ(T(5, 39), u"2"_s);
    EXPECT_EQ(T(5, 41 + 20), u"1"_s);
    EXPECT_EQ(m.schema.Parametr_Name_Size, 16 * 17 + 82 + 34 * 17 + 33 * 40);
}

TEST_F(SchemaImport, AlgorithmSetPointThatIsNoNumberStops)
{
    m.schema.ALGORITHM_Block_Line(0, 3) = u"abc"_s;
    NetlistBuilder n;
    n.block(5, u"ALG"_s, {u"5"_s});
    n.importInto(m);
    EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(QStringList{kStop}));
}

// Each stop shows the one message (no block number before the connection
// scan) and leaves no connection of the previous schema.
TEST_F(SchemaImport, StopRules)
{
    struct Case {
        const char *what;
        std::function<QByteArray()> file;
        QStringList messages;
    };
    auto many = [](int components) {
        NetlistBuilder n;
        for (int k = 1; k <= components; ++k)
            n.block(k % 90 + 1, u"XOR"_s);
        return n.bytes();
    };
    // clang-format off
    const Case cases[] = {
        {"a 101st component", [&] { return many(101); }, {kStop}},
        {"no GRA and JUR components",
         [] { return NetlistBuilder().withoutFixedBlocks().block(1, u"AND2_4"_s).bytes(); },
         {u"Помилка параметра!!!Блок U98"_s, kStop}},
        {"a block that reads attributes has none",
         [] { return NetlistBuilder().block(4, u"MUL"_s).bytes(); }, {u"Помилка параметра!!!Блок U4"_s, kStop}},
        {"no start marker", [] { return QByteArray("(compInst \"U1\"\r\n"); },
         {u"Помилка параметра!!!Блок U98"_s, kStop}},
        {"an originalName line as line 2",
         [] { return QByteArray("(netlist \"a\"\r\nx\r\n(originalName \"AND\")\r\n)\r\n"); }, {kStop}},
        {"a value too large for a single",
         [] { return NetlistBuilder().block(4, u"MUL"_s, {u"1E+99"_s, u"1"_s, u"1"_s, u"1"_s}).bytes(); }, {kStop}},
        {"a PRO program that is not a digit",
         [] { return NetlistBuilder().block(4, u"PRO"_s, {u"x"_s}).bytes(); }, {kStop}},
        {"an input pin above 8 stops with the source block",
         [] { return NetlistBuilder().block(3, u"AND2_4"_s).block(4, u"OR_2_4"_s).net({U(3, 9), U(4, 9)}).bytes(); },
         {kStop + u"3"_s}},
        {"a source pin at or above its last output",
         [] { return NetlistBuilder().block(3, u"AND2_4"_s).block(4, u"OR_2_4"_s).net({U(3, 13), U(4, 1)}).bytes(); },
         {kStop + u"3"_s}},
        {"a source block number above 255",
         [] { return NetlistBuilder().block(3, u"AND2_4"_s).raw(u"(net \"X\""_s).raw(u"(node \"U300\" \"1\")"_s).raw(u")"_s).bytes(); },
         {kStop + u"0"_s}},
    };
    // clang-format on
    for (const auto &c : cases) {
        ui().reset();
        m.schema.Block_Link(0, 1) = 5;
        m.schema.Grafik_Link(3) = 5;
        m.schema.Jurnal_Link(3) = 5;
        m.schema.Alg_Link(2, 3) = 5;
        m.schema.Invert_Input(1) = 5;
        m.schema.Invert_Jurnal(1) = 5;
        m.schema.Invert_Rep(1) = 5;
        Import_NetList(m, readNetlist(m, c.file()));
        EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(c.messages)) << c.what;
        EXPECT_EQ(m.schema.Block_Link(0, 1), 0) << c.what;
        EXPECT_EQ(m.schema.Grafik_Link(3), 0) << c.what;
        EXPECT_EQ(m.schema.Jurnal_Link(3), 0) << c.what;
        EXPECT_EQ(m.schema.Alg_Link(2, 3), 0) << c.what;
        EXPECT_EQ(m.schema.Invert_Input(1), 0) << c.what;
        EXPECT_EQ(m.schema.Invert_Jurnal(1), 0) << c.what;
        EXPECT_EQ(m.schema.Invert_Rep(1), 0) << c.what;
    }
}

TEST_F(SchemaImport, TooLongNetlistStopsBeforeTyping)
{
    NetlistBuilder small;
    small.block(5, u"AND2_4"_s);
    small.importInto(m);
    ASSERT_EQ(m.schema.Block_Type(5), 17);
    ui().reset();
    Import_NetList(m, 10001);
    EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(QStringList{kStop}));
    EXPECT_EQ(m.schema.Block_Type(5), 17); // types of the previous import stay
}

TEST_F(SchemaImport, HundredthComponentGetsNoType)
{
    NetlistBuilder n;
    n.withoutFixedBlocks();
    n.block(98, u"GRA"_s, NetlistBuilder::graValues()); // slot 1
    n.block(99, u"JUR"_s, NetlistBuilder::jurValues()); // slot 2
    for (int k = 3; k <= 99; ++k)
        n.block(k % 90 + 1, u"XOR"_s);
    n.block(95, u"AND2_4"_s); // slot 100
    n.importInto(m);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
    EXPECT_EQ(m.schema.Block_Type(95), 0);
}

TEST_F(SchemaImport, TextPoolOverflowStopsBeforeTheRecordIsWritten)
{
    // Three ALG blocks of 9184 texts each do not fit the 20001 texts.
    for (int j = 0; j < 9184; ++j)
        m.schema.ALGORITHM_Parametr(0, j) = u"7"_s;
    m.schema.Parametr_Name(20000) = u"last"_s;
    NetlistBuilder n;
    n.block(1, u"ALG"_s, {u"1"_s}).block(2, u"ALG"_s, {u"2"_s}).block(3, u"ALG"_s, {u"3"_s});
    n.importInto(m);
    EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(QStringList{kStop}));
    EXPECT_EQ(m.schema.Parametr_Name_Start(2), 9184);
    EXPECT_EQ(m.schema.Parametr_Name_Start(3), 0);
    EXPECT_EQ(m.schema.Parametr_Name(20000), u"last"_s);
}

TEST_F(SchemaImport, ValueAreaAbove32767BytesStops)
{
    // 60 PRO blocks of 137 values: 4 x 8220 bytes.
    NetlistBuilder n;
    for (int b = 1; b <= 60; ++b)
        n.block(b, u"PRO"_s, QStringList(129, u"1"_s));
    n.importInto(m);
    EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(QStringList{kStop}));
    EXPECT_EQ(m.schema.Parametr_Value_Start(60), 59 * 137);
}

TEST_F(SchemaImport, ImportFileThatCannotBeOpened)
{
    m.schema.Block_Type(5) = 17;
    EXPECT_FALSE(importNetlistFile(m, u"/nonexistent/x.net"_s));
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(m.schema.Block_Type(5), 17);
}

} // namespace
} // namespace pelmora

namespace pelmora {
namespace {

// The import's own fast number reading gives what the shared reading gives.
TEST(ImportNumbers, ReadLikeTheSharedNumberReading)
{
    const char *texts[] = {"",
                           "\"",
                           "9\")",
                           "  12\"",
                           "-3.25",
                           "+.5",
                           ".",
                           "-",
                           "1.",
                           "1 2 . 5",
                           "0.1",
                           "0.3",
                           "123456789012345",
                           "1234567890123456789",
                           "1e5",
                           "2.5E-3\"",
                           "7d2",
                           "1E",
                           "00012",
                           "3.14159265358979",
                           "0.000000000000000000000001",
                           "1.2.3",
                           "\t-\t7",
                           "12a"};
    for (const char *t : texts) {
        const QString s = QString::fromLatin1(t);
        EXPECT_EQ(netlist::val(s), num::leadingNumber(s)) << '"' << t << '"';
    }
    std::mt19937 rng(3);
    const char alphabet[] = "0123456789 .-+eE\"";
    for (int k = 0; k < 3000; ++k) {
        QString s;
        const int len = static_cast<int>(rng() % 12);
        for (int c = 0; c < len; ++c)
            s += QChar::fromLatin1(alphabet[rng() % (sizeof alphabet - 1)]);
        EXPECT_EQ(netlist::val(s), num::leadingNumber(s)) << '"' << s.toStdString() << '"';
    }
}

} // namespace
} // namespace pelmora
