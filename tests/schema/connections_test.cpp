// Connections and inverted inputs: nets to the connection tables.

#include "project/startup.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::D;
using test::NetlistBuilder;
using test::NetNode;
using test::U;
using namespace Qt::StringLiterals;

// Attribute lists that let each block type import without a message.
QStringList attrsOf(const QString &name)
{
    if (name == u"A_I"_s) {
        QStringList ai{u"1"_s};
        for (int k = 0; k < 4; ++k)
            ai << u"Выкл."_s << QStringList(6, u"0"_s);
        return ai;
    }
    if (name == u"D_O"_s)
        return QStringList(9, u"1"_s);
    if (name.startsWith(u"RS485"_s))
        return {u"1"_s, u"9600"_s};
    if (name == u"MUL"_s)
        return QStringList(4, u"1"_s);
    if (name == u"ALG"_s)
        return {u"1"_s};
    if (name == u"REP"_s)
        return QStringList(16, u"r"_s);
    if (name == u"GRA"_s)
        return NetlistBuilder::graValues();
    return {};
}

class Connections : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
    }
    NetlistBuilder &block(int b, const QString &name) { return n.block(b, name, attrsOf(name)); }
    void import() { n.importInto(m); }
    std::pair<int, int> link(int pin, int b) const
    {
        return {m.schema.Block_Link(2 * (pin - 1), b), m.schema.Block_Link(2 * (pin - 1) + 1, b)};
    }
    QStringList messages() { return ui().messageTexts(); }

    ProjectModel m;
    NetlistBuilder n;
};

TEST_F(Connections, DriverMovesToTheHeadOfItsNet)
{
    block(1, u"MUL"_s);
    block(5, u"AND2_4"_s);
    block(7, u"OR_2_4"_s);
    n.net({U(5, 1), U(7, 2), U(1, 9)});
    import();
    EXPECT_TRUE(messages().isEmpty());
    // Output pin 9 of a MUL block (last output pin 13): index 13 - 10 = 3.
    EXPECT_EQ(link(1, 5), std::make_pair(3, 1));
    EXPECT_EQ(link(2, 7), std::make_pair(3, 1));
    const auto &l = m.schema.NetList_Line;
    int at = 1;
    while (!l(at).startsWith(u"(net "_s))
        ++at;
    EXPECT_EQ(l(at + 1), u"(node \"U1\" \"9\")"_s);
}

TEST_F(Connections, OutputIndexes)
{
    struct Case {
        const char *name;
        int block;
        int pin;
        int index;
    };
    // clang-format off
    const Case cases[] = {
        {"D_O", 3, 9, 0},      {"RS485", 3, 9, 7},   {"RS485", 3, 16, 0}, {"A_I", 3, 1, 0},  {"A_I", 3, 16, 15},
        {"MUL", 3, 12, 0},     {"SCA", 97, 33, 0},   {"SCA", 97, 67, 2},  {"SCA", 97, 136, 7}, {"SCA", 97, 40, 39},
        {"XYZ", 3, 9, 8}, // no block: pin - 1
    };
    // clang-format on
    for (const auto &c : cases) {
        ui().reset();
        n = NetlistBuilder();
        if (c.block != 97)
            block(c.block, QString::fromLatin1(c.name));
        block(5, u"AND2_4"_s);
        n.net({U(c.block, c.pin), U(5, 1)});
        import();
        EXPECT_TRUE(messages().isEmpty()) << c.name << " pin " << c.pin;
        EXPECT_EQ(link(1, 5), std::make_pair(c.index, c.block)) << c.name << " pin " << c.pin;
    }
}

TEST_F(Connections, NetWithoutOutputTakesItsFirstNodeAsSource)
{
    block(5, u"AND2_4"_s);
    block(6, u"AND2_4"_s);
    n.net({U(5, 1), U(6, 2)});
    import();
    // AND's last output pin is 13: "pin" 1 of the source gives 13 - 1 - 1.
    EXPECT_EQ(link(2, 6), std::make_pair(11, 5));
    EXPECT_EQ(link(1, 5), std::make_pair(0, 0));
}

TEST_F(Connections, InverterBecomesAnInvertedInput)
{
    block(3, u"MUL"_s);
    block(5, u"AND2_4"_s);
    n.inverter(1);
    n.net({U(3, 9), D(1, 1)});
    n.net({U(5, 2), D(1, 2)}); // the inverter output ends its net
    import();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(link(2, 5), std::make_pair(3, 3));
    EXPECT_EQ(m.schema.Invert_Input(5), 0b10);
    for (int i = 1; i <= 10000; ++i)
        EXPECT_FALSE(m.schema.NetList_Line(i).startsWith(u"(node \"D1\""_s)) << i;
}

TEST_F(Connections, InvertedInputsOfJournalAndReport)
{
    block(3, u"MUL"_s);
    block(40, u"REP"_s);
    n.inverter(1).inverter(12);
    n.net({U(3, 9), D(1, 1), D(12, 1)});
    n.net({D(1, 2), U(99, 12)});
    n.net({D(12, 2), U(40, 1)});
    import();
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u" | "_s).toStdString();
    EXPECT_EQ(m.schema.Invert_Jurnal(1), 0b1000);
    EXPECT_EQ(m.schema.Invert_Jurnal(0), 0);
    EXPECT_EQ(m.schema.Invert_Rep(0), 1);
    EXPECT_EQ(m.schema.Alg_Link(1, 0), 1);
    EXPECT_EQ(m.schema.Jurnal_Link(22), 3);
    EXPECT_EQ(m.schema.Jurnal_Link(23), 3);
    EXPECT_EQ(m.schema.Alg_Link(0, 0), 3);
    EXPECT_EQ(m.schema.Alg_Link(0, 1), 3);
}

TEST_F(Connections, InputsOfFixedAlgorithmAndReportBlocks)
{
    block(3, u"MUL"_s);
    block(20, u"ALG"_s);
    block(40, u"REP"_s);
    n.net({U(3, 9), U(20, 40), U(40, 2), U(97, 5), U(98, 33), U(99, 1)});
    import();
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u" | "_s).toStdString();
    const auto &s = m.schema;
    EXPECT_EQ(s.Alg_Link(2, 10), 3); // ALG pin 40 is input 5
    EXPECT_EQ(s.Alg_Link(2, 11), 3);
    EXPECT_EQ(s.Alg_Link(0, 2), 3); // REP input 2 in row 0
    EXPECT_EQ(s.Alg_Link(0, 3), 3);
    EXPECT_EQ(s.Grafik_Link(64), 3);
    EXPECT_EQ(s.Grafik_Link(65), 3);
    EXPECT_EQ(s.Jurnal_Link(0), 3);
    EXPECT_EQ(s.Jurnal_Link(1), 3);
    // An SCADA block input is not recorded.
    EXPECT_EQ(link(5, 97), std::make_pair(0, 0));
}

TEST_F(Connections, InverterOutputWiredToSeveralInputs)
{
    struct Case {
        const char *what;
        std::vector<NetNode> net;
        QStringList messages;
    };
    const QString one = u"Помилка підключення виходу інвертора D1\" "_s;
    const QString two = u"Помилка підключення виходу інвертора  D1\" "_s;
    const Case cases[] = {
        {"output heading two inputs", {D(1, 2), U(5, 1), U(6, 1)}, {two}},
        {"output between two inputs", {U(5, 1), D(1, 2), U(6, 1)}, {one}},
        {"output between three inputs", {U(5, 1), U(6, 1), D(1, 2), U(7, 1)}, {one, two}},
    };
    for (const auto &c : cases) {
        ui().reset();
        n = NetlistBuilder();
        block(3, u"MUL"_s);
        block(5, u"AND2_4"_s);
        block(6, u"AND2_4"_s);
        block(7, u"AND2_4"_s);
        n.inverter(1);
        n.net({U(3, 9), D(1, 1)});
        n.net(c.net);
        import();
        EXPECT_EQ(test::toStd(messages()), test::toStd(c.messages)) << c.what;
    }
}

TEST_F(Connections, MisnumberedGraphBlockEndsTheScan)
{
    block(3, u"MUL"_s);
    block(5, u"AND2_4"_s);
    block(50, u"GRA"_s);
    n.net({U(3, 9), U(50, 2)});
    n.net({U(3, 10), U(5, 1)});
    import();
    EXPECT_EQ(test::toStd(messages()), test::toStd({u"Номер блоку ГРАФІК не 98"_s}));
    EXPECT_EQ(m.schema.Grafik_Link(2), 3); // the line with the message is still recorded
    EXPECT_EQ(link(1, 5), std::make_pair(0, 0));
}

TEST_F(Connections, OpenInverterOutputIsNoFailure)
{
    block(3, u"MUL"_s);
    n.inverter(1);
    n.net({U(3, 9), D(1, 1)});
    n.net({D(1, 2)});
    import();
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u" | "_s).toStdString();
}

TEST_F(Connections, TwoInvertersOnOneInputSetItsBitOnce)
{
    block(3, u"MUL"_s);
    block(5, u"AND2_4"_s);
    n.inverter(1).inverter(2);
    n.net({U(3, 9), D(1, 1), D(2, 1)});
    n.net({D(1, 2), U(5, 3)});
    n.net({D(2, 2), U(5, 3)});
    import();
    EXPECT_EQ(m.schema.Invert_Input(5), 0b100);
}

TEST_F(Connections, InvertedInputAbovePin8Stops)
{
    block(3, u"MUL"_s);
    block(5, u"AND2_4"_s);
    n.inverter(1);
    n.net({U(3, 9), D(1, 1)});
    n.net({D(1, 2), U(5, 9)});
    import();
    EXPECT_EQ(test::toStd(messages()), test::toStd({u"Помилка netLIST!!! Вихід блоку №"_s}));
}

} // namespace
} // namespace pelmora
