// Block parameters from the attribute lines: one or two cases per block type.

#include "core/cp1251.h"
#include "project/startup.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::NetlistBuilder;
using namespace Qt::StringLiterals;

const QString kStop = u"Помилка netLIST!!! Вихід блоку №"_s;
constexpr float kUntouched = -1.0f;
const QString kUntouchedText = u"~"_s;

struct Case {
    const char *what;
    QString name;
    QStringList attrs;
    std::vector<std::pair<int, float>> values;  // V(i) of block 5
    std::vector<std::pair<int, QString>> texts; // T(i) of block 5
    QStringList messages = {};
};

QStringList numbers(int count, int first)
{
    QStringList out;
    for (int k = 0; k < count; ++k)
        out << QString::number(first + k);
    return out;
}

QStringList concat(std::initializer_list<QStringList> parts)
{
    QStringList out;
    for (const auto &p : parts)
        out += p;
    return out;
}

// The automaton table of one test: state 0 has the triples (1,2,3), (0,1,2),
// (3,3,3), (2,0,1); state 31 has (0,0,0), (0,0,0), (0,0,0), (3,0,0); all else 0.
QStringList automaton()
{
    QStringList t = numbers(384, 0);
    for (auto &v : t)
        v = u"0"_s;
    const int state0[] = {1, 2, 3, 0, 1, 2, 3, 3, 3, 2, 0, 1};
    for (int i = 0; i < 12; ++i)
        t[i] = QString::number(state0[i]);
    t[12 * 31 + 9] = u"3"_s;
    return t;
}

class BlockParams : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
    }

    void run(const Case &c)
    {
        ui().reset();
        m.schema.Parametr_Value.fill(kUntouched);
        m.schema.Parametr_Name.fill(kUntouchedText);
        NetlistBuilder n;
        n.block(5, c.name, c.attrs);
        n.importInto(m);
        EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(c.messages)) << c.what;
        const auto &s = m.schema;
        for (auto [i, v] : c.values)
            EXPECT_EQ(s.Parametr_Value(s.Parametr_Value_Start(5) + i), v) << c.what << ": V(" << i << ")";
        for (const auto &[i, t] : c.texts)
            EXPECT_EQ(s.Parametr_Name(s.Parametr_Name_Start(5) + i).toStdString(), t.toStdString())
                << c.what << ": T(" << i << ")";
    }

    ProjectModel m;
};

// An A_I block of four channels with `perChannel` values each: channel c has
// the values 10c + 1, 10c + 2, ..., sensors ТХК, Pt100, 4-20мА and an unknown one.
QStringList analogInputs(int perChannel)
{
    return concat({{u"1"_s},
                   {u"ТХК"_s},
                   numbers(perChannel, 1),
                   {u"Pt100"_s},
                   numbers(perChannel, 11),
                   {u"4-20мА"_s},
                   numbers(perChannel, 21),
                   {u"xyz"_s},
                   numbers(perChannel, 31)});
}

// The whole A_I record those attributes give: V(0) the network number, V(1 + c)
// the sensor of channel c, and value j of channel c at V(5 + 4j + c); a channel
// drawn with five values has the filter (value 5) 0.
std::vector<std::pair<int, float>> analogInputRecord(int perChannel)
{
    std::vector<std::pair<int, float>> r = {{0, 0}, {1, 8}, {2, 7}, {3, 14}, {4, kUntouched}};
    for (int c = 0; c < 4; ++c)
        for (int j = 0; j < 6; ++j)
            r.push_back({5 + 4 * j + c, j < perChannel ? static_cast<float>(10 * c + j + 1) : 0.0f});
    return r;
}

TEST_F(BlockParams, IoBlocks)
{
    // clang-format off
    const Case cases[] = {
        {"A_I of 29 attribute lines: six values a channel", u"A_I"_s, analogInputs(6), analogInputRecord(6), {}},
        {"A_I of 25 attribute lines: five values a channel, no filter", u"A_I"_s, analogInputs(5),
         analogInputRecord(5), {}},
        {"A_I sensor value shorter than four characters", u"A_I"_s,
         concat({{u"1"_s}, {u"Т"_s}, numbers(27, 1)}), {{0, 0}}, {}, {kStop}},
        {"A_O", u"A_OUT"_s, {u"3"_s}, {{0, 2}, {1, 0}, {2, kUntouched}}, {}},
        {"A_O other variant", u"A_OUT_PWM"_s, {u"1"_s}, {{0, 0}, {1, 1}}, {}},
        {"D_I encoder", u"D_INPUT_ENCODER"_s, {u"2"_s},
         {{0, 1}, {1, 0}, {5, 0}, {6, 1}, {7, 1}, {8, 1}}, {}},
        {"D_I encoder 1", u"D_INPUT_ENCODER1"_s, {u"1"_s}, {{1, 0}, {6, 2}, {7, kUntouched}}, {}},
        {"D_I plain", u"D_INPUT"_s, {u"1"_s}, {{1, kUntouched}, {6, 0}}, {}},
        // Ordinal 1: the output type code; from ordinal 2 the number replaces the code.
        {"D_O step motor", u"D_O"_s,
         {u"2"_s, u"Кроковий"_s, u"Шаг"_s, u"25"_s, u"-1.5"_s, u"Реле"_s, u"6"_s, u"7"_s, u"8"_s},
         {{0, 1}, {1, 3}, {2, 0}, {3, 25}, {4, -1.5f}, {5, 0}, {7, 7}, {8, kUntouched}}, {}},
        {"D_O codes at ordinal 1", u"D_O"_s, {u"1"_s, u"ШІМ"_s}, {{1, 1}}, {},
         {u"Помилка параметра!!!Блок U5"_s, kStop}},
        {"D_O a 3 closed by its quote is no code", u"D_O"_s, concat({{u"1"_s, u"3"_s}, numbers(7, 0)}),
         {{1, kUntouched}}, {}},
        {"D_O Уни", u"D_O"_s, concat({{u"1"_s, u"Униполярный"_s}, numbers(7, 0)}), {{1, 2}}, {}},
        {"RS4 speed 19200 reads as 1920", u"RS485_Ludan_01"_s, {u"1"_s, u"19200"_s}, {{0, 0}, {1, 1}, {2, 1}}, {}},
        {"RS4 speed 230400", u"RS485"_s, {u"3"_s, u"230400"_s}, {{0, 2}, {1, 2}, {2, 5}}, {}},
        {"RS4 unknown speed and name", u"RS485_X"_s, {u"1"_s, u"4800"_s}, {{1, kUntouched}, {2, kUntouched}}, {}},
    };
    // clang-format on
    for (const auto &c : cases)
        run(c);
    EXPECT_EQ(m.schema.Num_Block_AI, 5);
}

TEST_F(BlockParams, ArithmeticAndLogicBlocks)
{
    // clang-format off
    const Case cases[] = {
        {"MUL", u"MUL"_s, {u"1.5"_s, u"2"_s, u"-3"_s, u"4E2"_s}, {{0, 1.5f}, {1, 2}, {2, -3}, {3, 400}}, {}},
        {"a value read as its first seven characters", u"DIV"_s, {u"1234567.8"_s, u"0"_s, u"0"_s, u"0"_s},
         {{0, 1234567}}, {}},
        {"SUM2_3", u"SUM2_3"_s, numbers(9, 10), {{9, 1}, {8, 10}, {0, 11}, {7, 18}}, {}},
        {"AND8_1 has no attributes", u"AND8_1"_s, {}, {{0, 2}}, {}},
        {"OR_4_2", u"OR_4_2"_s, {}, {{0, 1}}, {}},
        {"unknown AND variant keeps its code", u"AND3"_s, {}, {{0, kUntouched}}, {}},
        {"REG_4 on the edge", u"REG_4"_s, {u"Фронт"_s}, {{0, 0}}, {}},
        {"REG on the level", u"REG_8"_s, {u"Рівень"_s}, {{0, 3}}, {}},
        {"PID_IMPULS", u"PID_IMPULS"_s, numbers(11, 1), {{0, 2}, {4, 1}, {11, 2}, {1, 3}, {17, 11}}, {}},
        {"MUXD2_4", u"MUXD2_4"_s, {}, {{0, 3}}, {}},
        {"MIN_MAX_MAX", u"MIN_MAX_MAX"_s, {}, {{0, 1}}, {}},
        {"RTC", u"RTC"_s, numbers(6, 1), {{0, 1}, {5, 6}}, {}},
        {"LIM", u"LIM"_s, numbers(4, 1), {{3, 4}}, {}},
        {"CMP", u"CMP"_s, numbers(6, 1), {{5, 6}}, {}},
        {"COU", u"COU"_s, numbers(3, 1), {{2, 3}}, {}},
        {"TIMER_2", u"TIMER_2"_s, numbers(2, 7), {{0, 1}, {1, 7}, {2, 8}, {3, kUntouched}}, {}},
        {"TIMER_4", u"TIMER_4"_s, numbers(4, 7), {{0, 0}, {1, 7}, {4, 10}}, {}},
        {"TIM of another name reads nothing", u"TIMER_9"_s, {}, {{0, kUntouched}}, {}},
        {"OSC4_ONE", u"OSC4_ONE"_s, numbers(4, 1), {{0, 0}, {1, 1}, {3, 2}, {5, 3}, {7, 4}, {2, kUntouched}}, {}},
        {"OSC2_GEN", u"OSC2_GEN"_s, numbers(4, 1), {{0, 3}, {1, 1}, {4, 4}, {5, kUntouched}}, {}},
        {"LOG channel kinds", u"LOG"_s,
         {u"SP<=IN"_s, u"1"_s, u"2"_s, u"Timer"_s, u"3"_s, u"4"_s, u"SP"_s, u"5"_s, u"6"_s},
         {{0, 0}, {3, 1}, {6, 2}, {1, 1}, {4, 3}, {7, 4}, {2, 0}, {5, 5}, {8, 6}}, {}},
        {"UNI_FILTER_4", u"UNI_FILTER_4"_s, numbers(8, 1), {{0, 9}, {1, 1}, {8, 8}}, {}},
        {"UNI_TIMER_FIFO", u"UNI_TIMER_FIFO"_s, numbers(8, 1), {{0, 15}}, {}},
        {"UNI name not listed reads nothing", u"UNI_OTHER"_s, {}, {{0, kUntouched}, {1, kUntouched}}, {}},
    };
    // clang-format on
    for (const auto &c : cases)
        run(c);
}

TEST_F(BlockParams, ProgramAndCodeBlocks)
{
    const QStringList pro = concat({{u"4"_s}, numbers(128, 1)});
    // clang-format off
    const Case cases[] = {
        {"PRO program 4 is 3; steps by four", u"PRO"_s, pro,
         {{136, 3}, {4, 1}, {36, 2}, {68, 3}, {100, 4}, {35, 125}, {131, 128}, {135, kUntouched}}, {}},
        {"PRO program 1 is 0", u"PRO"_s, concat({{u"1"_s}, numbers(128, 1)}), {{136, 0}}, {}},
        {"PRO program 5 is outside: 0", u"PRO"_s, concat({{u"5"_s}, numbers(128, 1)}), {{136, 0}}, {}},
        {"PRO program that is not a digit", u"PRO"_s, concat({{u"A"_s}, numbers(128, 1)}), {}, {}, {kStop}},
        {"CODE 4 is 3; steps by three", u"CODE"_s, concat({{u"4"_s}, numbers(96, 1)}),
         {{0, 3}, {4, 1}, {36, 2}, {68, 3}, {35, 94}, {99, 96}}, {}},
        {"CODE_SP 5 is outside: 0", u"CODE_SP"_s, concat({{u"5"_s}, numbers(96, 1)}), {{0, 0}}, {}},
        {"CODE_AUTOMAT_128 1 is 4", u"CODE_AUTOMAT_128"_s, concat({{u"1"_s}, automaton()}),
         {{0, 4}, {4, 177}, {36, 54}, {68, 123}, {5, 0}, {35, 192}, {67, 0}, {99, 0}}, {}},
        {"CODE_AUTOMAT_128 4 is 7", u"CODE_AUTOMAT_128"_s, concat({{u"4"_s}, automaton()}), {{0, 7}}, {}},
        {"CODE_AUTOMAT_128 5 is outside: 4", u"CODE_AUTOMAT_128"_s, concat({{u"5"_s}, automaton()}), {{0, 4}}, {}},
        {"automaton value outside 16 bits", u"CODE_AUTOMAT_128"_s,
         concat({{u"1"_s, u"40000"_s}, automaton().mid(1)}), {}, {}, {kStop}},
        {"COD of another name reads nothing", u"CODE_X"_s, {}, {{0, kUntouched}}, {}},
    };
    // clang-format on
    for (const auto &c : cases)
        run(c);
}

TEST_F(BlockParams, TextBlocks)
{
    const QString t17 = u"Сімнадцять знаків"_s;   // 17 characters
    const QString t18 = u"Вісімнадцять знаків"_s; // 19 characters
    const QString t41 = QString(41, u'Ж');
    ASSERT_EQ(t17.size(), 17);
    // S_P: ordinal 0 a text, then text/number pairs (1 text, 2 number, ...).
    QStringList sp{u"Заголовок"_s};
    for (int k = 0; k < 8; ++k)
        sp << (k == 0 ? t17 : k == 1 ? t18 : u"T"_s + QString::number(k)) << QString::number(10 + k);
    QStringList rep;
    for (int k = 0; k < 16; ++k)
        rep << (k == 3 ? t18 : u"R"_s + QString::number(k));
    // clang-format off
    const Case cases[] = {
        {"S_P texts of 17 characters stay, 18 or more are cut to 15", u"S_P"_s, sp,
         {{0, 10}, {7, 17}},
         {{8, u"Заголовок"_s}, {0, t17}, {1, t18.left(15)}, {7, u"T7"_s}}},
        {"REP", u"REP"_s, rep, {}, {{0, u"R0"_s}, {3, t18.left(15)}, {15, u"R15"_s}}},
        {"PAN_INC_DEC", u"PAN_INC_DEC"_s,
         {u"a"_s, u"b"_s, u"c"_s, u"d"_s, t18, u"5"_s, u"6"_s, u"7"_s, u"8"_s},
         {{0, 4}, {10, 5}, {13, 8}, {1, kUntouched}},
         {{0, u"a"_s}, {4, t18.left(15)}}},
        {"PAN_INC_DEC_REG", u"PAN_INC_DEC_REG"_s, concat({{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}, numbers(8, 1)}),
         {{0, 5}, {2, 1}, {4, 2}, {6, 3}, {8, 4}, {10, 5}, {13, 8}}, {{1, u"b"_s}}},
        {"PAN_OFF_ON2", u"PAN_OFF_ON2"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}, {{0, 1}}, {{4, u"e"_s}}},
        {"no closing quote within 42 characters: nothing stored, the next text goes on", u"PAN_OFF_ON"_s,
         {t41, QString(42, u'Ж'), u"c"_s, u"d"_s, u"e"_s}, {},
         {{0, t41.left(15)}, {1, kUntouchedText}, {2, u"c"_s}}},
    };
    // clang-format on
    for (const auto &c : cases)
        run(c);
}

// The variants of PAN, OSC and UNI rewrite their rows of the slot map; the
// rows stay rewritten for the parameter dialog.
TEST_F(BlockParams, VariantSlotRowsStay)
{
    run({"PAN_INC_DEC_REG",
         u"PAN_INC_DEC_REG"_s,
         concat({{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}, numbers(8, 1)}),
         {},
         {}});
    run({"OSC4_ONE", u"OSC4_ONE"_s, numbers(4, 1), {}, {}});
    run({"UNI_MENU", u"UNI_MENU"_s, numbers(8, 1), {}, {}});
    const auto &slotMap = m.catalogue.Parametr_Value_Slot;
    EXPECT_EQ(slotMap(type::PAN, 5), 2);
    EXPECT_EQ(slotMap(type::PAN, 12), 13);
    EXPECT_EQ(slotMap(type::OSC, 3), 7);
    EXPECT_EQ(slotMap(type::UNI, 7), 8);
}

TEST_F(BlockParams, ReadingAnRs4BlockRestoresItsOutputRange)
{
    m.catalogue.Num_OUT_First(type::RS4) = 1;
    m.catalogue.Num_OUT_Last(type::RS4) = 3;
    run({"RS485", u"RS485"_s, {u"1"_s, u"9600"_s}, {{2, 0}}, {}});
    EXPECT_EQ(m.catalogue.Num_OUT_First(type::RS4), 9);
    EXPECT_EQ(m.catalogue.Num_OUT_Last(type::RS4), 17);
}

TEST_F(BlockParams, AttributeLinesWithoutValueColumn)
{
    // The third quote must stand within the first 32 columns; a line with a
    // long attribute name has no value column and is reported.
    NetlistBuilder n;
    n.block(5, u"COU"_s, {u"1"_s, u"2"_s, u"3"_s});
    QStringList lines = n.lines();
    const qsizetype at = lines.indexOf(u"  (attr \"P1\" \"2\")"_s);
    ASSERT_GT(at, 0);
    lines[at] = u"  (attr \"AVeryLongAttributeNameThatRunsOn\" \"2\")"_s;
    m.schema.Parametr_Value.fill(kUntouched);
    Import_NetList(m, readNetlist(m, cp1251::encode(lines.join(u"\r\n"_s))));
    // The value is read from the previous line's column: a blank there.
    EXPECT_EQ(test::toStd(ui().messageTexts()), test::toStd(QStringList{u"Помилка параметра!!!Блок U5"_s}));
    const auto start = m.schema.Parametr_Value_Start(5);
    EXPECT_EQ(m.schema.Parametr_Value(start + 0), 1.0f);
    EXPECT_EQ(m.schema.Parametr_Value(start + 2), 3.0f);
}

} // namespace
} // namespace pelmora
