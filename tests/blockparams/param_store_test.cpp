#include "blockparams/param_store.h"
#include "project/startup.h"
#include "support/block_records.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

// Readable failure messages for texts.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
#include <vector>

namespace pelmora::blockparams {
namespace {

using test::BlockRecords;

// A started-up model with one block of the given type open for editing.
class Editing : public test::WithFakes {
protected:
    ProjectModel m;
    std::unique_ptr<BlockRecords> rec;
    std::unique_ptr<ParamEditor> ed;

    BlockRecords &place(int type, int block = 5)
    {
        startUpModel(m);
        rec = std::make_unique<BlockRecords>(m, type, block);
        ed = std::make_unique<ParamEditor>(m);
        return *rec;
    }
    bool load() { return ed->load(); }
    float V(int i) { return rec->V(i); }
    QString T(int i) { return rec->T(i); }
    QString text(int r) { return ed->row(r).text; }
    int index(int r) { return ed->row(r).index; }

    std::vector<float> values()
    {
        std::vector<float> v;
        for (int i = 0; i < rec->valueCount(); ++i)
            v.push_back(rec->V(i));
        return v;
    }
    std::vector<QString> texts()
    {
        std::vector<QString> t;
        for (int i = 0; i < rec->nameCount(); ++i)
            t.push_back(rec->T(i));
        return t;
    }
};

TEST(NumberFromText, ReadsNumbersAndRefusesTheRest)
{
    struct Case {
        const char *text;
        std::optional<float> value;
    };
    // clang-format off
    const Case cases[] = {
        {"12", 12.0f},       {" 1.5 ", 1.5f},  {"1,5", 1.5f},  {"-3", -3.0f},       {"+.5", 0.5f},
        {"1e3", 1000.0f},    {"2.5E-01", 0.25f}, {"1.234568E+08", 123456800.0f}, {"1.", 1.0f},
        {"", std::nullopt},  {"-", std::nullopt}, {".", std::nullopt}, {"abc", std::nullopt},
        {"12a", std::nullopt}, {"1e", std::nullopt}, {"1 2", std::nullopt}, {"1e39", std::nullopt},
        {"1.2.3", std::nullopt},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numberFromText(QString::fromUtf8(c.text)), c.value);
    }
}

TEST_F(Editing, ListSelectionIsTheStoredValueRoundedHalfToEvenAndIsWrittenBack)
{
    struct Case {
        int type;
        float stored;
        int item;
    };
    // clang-format off
    const Case cases[] = {
        {type::AND, 2.5f, 2}, {type::AND, 1.5f, 2}, {type::MUX, 3.5f, 4}, {type::MUX, 0.5f, 0},
        {type::REG, 2.4f, 2}, {type::TIM, 0.6f, 1}, {type::OSC, -0.4f, 0},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " value " << c.stored);
        place(c.type).V(0) = c.stored;
        ASSERT_TRUE(load());
        EXPECT_EQ(index(0), c.item);
        EXPECT_EQ(V(0), static_cast<float>(c.item));
    }
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(Editing, StoredMinusOneLeavesTheListWithoutSelectionAndWithoutMessage)
{
    place(type::AND).V(0) = -1.0f;
    ASSERT_TRUE(load());
    EXPECT_EQ(index(0), -1);
    EXPECT_EQ(V(0), -1.0f);
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(Editing, NumberRowsShowSevenSignificantDigits)
{
    place(type::MUL);
    rec->V(0) = 0.5f;
    rec->V(1) = 123456789.0f;
    rec->V(2) = -1.25f;
    rec->V(3) = 1.0f / 3.0f;
    ASSERT_TRUE(load());
    EXPECT_EQ(text(0), "0.5");
    EXPECT_EQ(text(1), "1.234568E+08");
    EXPECT_EQ(text(2), "-1.25");
    EXPECT_EQ(text(3), "0.3333333");
}

// A value a list cannot show stops the loading with the message; rows loaded
// before keep what they got, the rest stay empty.
TEST_F(Editing, ValueOutsideItsListStopsTheLoading)
{
    struct Case {
        const char *what;
        int type;
        int offset;
        float stored;
        std::vector<int> loaded; // rows that were loaded before the stop
        std::vector<int> empty;  // rows left empty
    };
    const Case cases[] = {
        {"A_I network 16", type::A_I, 0, 16.0f, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"A_I network -2", type::A_I, 0, -2.0f, {}, {0, 1, 2, 3, 8}},
        {"A_I input 1 type 15", type::A_I, 1, 15.0f, {0, 1}, {2, 3, 8}},
        {"RS4 mode 5", type::RS4, 1, 5.0f, {0, 1}, {2}},
        {"RS4 mode 7", type::RS4, 1, 7.0f, {0, 1}, {2}},
        {"SUM variant 3", type::SUM, 9, 3.0f, {0, 1, 8}, {9}},
        {"AND beyond 16 bits", type::AND, 0, 40000.0f, {}, {0}},
        {"PRO program 4", type::PRO, 136, 4.0f, {}, {5, 0, 1, 4}},
        {"GRA channel 32", type::GRA, 33, 32.0f, {}, {0, 1, 2, 3}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui().reset();
        place(c.type).V(c.offset) = c.stored;
        EXPECT_FALSE(load());
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].text, "Помилка параметра!!!");
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
        for (int r : c.loaded) {
            const RowView &v = ed->row(r);
            EXPECT_TRUE(v.kind == RowKind::List ? v.index >= 0 : !v.text.isEmpty()) << "row " << r;
        }
        for (int r : c.empty) {
            const RowView &v = ed->row(r);
            EXPECT_TRUE(v.kind == RowKind::List ? v.index == -1 : v.text.isEmpty()) << "row " << r;
        }
    }
}

TEST_F(Editing, RowsAreShownEvenWhenTheValuesFail)
{
    place(type::A_I).V(0) = 16.0f;
    load();
    EXPECT_EQ(ed->rowCount(), 9);
    EXPECT_EQ(ed->row(8).caption, "Фільтр");
    EXPECT_EQ(ed->row(2).items.size(), 15);
}

// Typed values are stored at once, each change as it is made.
TEST_F(Editing, TypingTwelveStoresOneThenTwelveAndAnEmptyTextStoresNothing)
{
    place(type::MUL);
    ASSERT_TRUE(load());
    ed->edit(2, "1");
    EXPECT_EQ(V(2), 1.0f);
    ed->edit(2, "12");
    EXPECT_EQ(V(2), 12.0f);
    ed->edit(2, "1");
    EXPECT_EQ(V(2), 1.0f);
    ed->edit(2, "");
    EXPECT_EQ(V(2), 1.0f);
    ed->edit(2, "-");
    EXPECT_EQ(V(2), 1.0f);
    ed->edit(2, "-4");
    EXPECT_EQ(V(2), -4.0f);
    EXPECT_TRUE(ui().messages.empty());
}

// Each text row of each type stores into its own entry and nowhere else.
TEST_F(Editing, EachTextRowStoresIntoItsEntryOnly)
{
    struct Case {
        int type;
        int row;
        char pool; // 'V' or 'T'
        int offset;
    };
    // clang-format off
    const Case cases[] = {
        {type::A_I, 3, 'V', 5},   {type::A_I, 4, 'V', 9},   {type::A_I, 8, 'V', 25},
        {type::D_I, 2, 'V', 1},
        {type::MUL, 0, 'V', 0},   {type::DIV, 3, 'V', 3},   {type::SQR, 1, 'V', 1},
        {type::SUM, 0, 'V', 8},   {type::SUM, 1, 'V', 0},   {type::SUM, 8, 'V', 7},
        {type::S_P, 0, 'T', 0},   {type::S_P, 1, 'V', 0},   {type::S_P, 15, 'V', 7},  {type::S_P, 16, 'T', 8},
        {type::PID, 1, 'V', 4},   {type::PID, 2, 'V', 11},  {type::PID, 3, 'V', 1},   {type::PID, 5, 'V', 3},
        {type::PID, 6, 'V', 12},  {type::PID, 8, 'V', 14},  {type::PID, 9, 'V', 7},   {type::PID, 10, 'V', 16},
        {type::PID, 11, 'V', 17},
        {type::PRO, 1, 'V', 4},   {type::PRO, 2, 'V', 36},  {type::PRO, 3, 'V', 68},
        {type::COD, 1, 'V', 4},   {type::COD, 2, 'V', 36},  {type::COD, 3, 'V', 68},
        {type::PAN, 1, 'T', 0},   {type::PAN, 5, 'T', 4},   {type::PAN, 6, 'V', 3},   {type::PAN, 9, 'V', 9},
        {type::PAN, 10, 'V', 10}, {type::PAN, 13, 'V', 13},
        {type::RTC, 0, 'V', 0},   {type::RTC, 5, 'V', 5},
        {type::LIM, 3, 'V', 3},   {type::CMP, 4, 'V', 4},   {type::COU, 2, 'V', 2},
        {type::TIM, 1, 'V', 1},   {type::TIM, 4, 'V', 4},
        {type::OSC, 1, 'V', 1},   {type::OSC, 8, 'V', 8},   {type::UNI, 1, 'V', 1},   {type::UNI, 8, 'V', 8},
        {type::GRA, 1, 'V', 0},   {type::GRA, 2, 'T', 33},  {type::GRA, 3, 'V', 34},  {type::GRA, 4, 'V', 67},
        {type::GRA, 5, 'T', 1},
        {type::JUR, 1, 'T', 0},   {type::JUR, 3, 'V', 50},  {type::JUR, 4, 'V', 51},
        {type::LOG, 2, 'V', 3},   {type::LOG, 3, 'V', 6},
        {type::REP, 0, 'T', 0},   {type::REP, 15, 'T', 15},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " row " << c.row);
        place(c.type);
        ASSERT_TRUE(load());
        auto values = this->values();
        auto texts = this->texts();
        const QString typed = c.pool == 'V' ? QStringLiteral("42.5") : QStringLiteral("Насос 3");
        ed->edit(c.row, typed);
        if (c.pool == 'V')
            values[static_cast<std::size_t>(c.offset)] = 42.5f;
        else
            texts[static_cast<std::size_t>(c.offset)] = typed;
        EXPECT_EQ(this->values(), values);
        EXPECT_EQ(this->texts(), texts);
        EXPECT_TRUE(rec->neighboursUntouched());
    }
}

TEST_F(Editing, AnalogInputTwoShowsAndStoresItsOwnValues)
{
    auto &r = place(type::A_I);
    for (int i = 1; i < 29; ++i)
        r.V(i) = static_cast<float>(i);
    r.V(2) = 3.0f; // input 2's sensor type
    ASSERT_TRUE(load());
    ed->choose(1, 1);
    EXPECT_EQ(index(2), 3);
    const int expected[] = {6, 10, 14, 18, 22, 26};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(text(3 + k), QString::number(expected[k]));
    const auto before = values();
    ed->edit(8, "3.5");
    EXPECT_EQ(V(26), 3.5f);
    auto after = values();
    after[26] = before[26];
    EXPECT_EQ(after, before); // input 1's filter V(25) and all else untouched
}

TEST_F(Editing, ChoosingAnItemStoresItsIndex)
{
    struct Case {
        int type;
        std::vector<std::pair<int, int>> before; // choices made first (row, item)
        int row, item, offset;
    };
    // clang-format off
    const Case cases[] = {
        {type::A_I, {}, 0, 7, 0},          {type::A_I, {{1, 2}}, 2, 12, 3},
        {type::A_O, {{1, 3}}, 2, 4, 4},    {type::D_O, {{1, 6}}, 2, 3, 7},
        {type::AND, {}, 0, 2, 0},          {type::OR_, {}, 0, 1, 0},   {type::REG, {}, 0, 3, 0},
        {type::MUX, {}, 0, 4, 0},          {type::PAN, {}, 0, 5, 0},   {type::MIN, {}, 0, 1, 0},
        {type::TIM, {}, 0, 1, 0},          {type::OSC, {}, 0, 3, 0},   {type::SUM, {}, 9, 2, 9},
        {type::PID, {}, 0, 4, 0},          {type::UNI, {}, 0, 9, 0},
        {type::COD, {}, 4, 6, 0},          {type::JUR, {{0, 9}}, 2, 15, 19},
        {type::LOG, {{0, 2}}, 1, 1, 2},    {type::PRO, {{0, 9}}, 4, 3, 109},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " row " << c.row);
        place(c.type);
        ASSERT_TRUE(load());
        for (auto [r, i] : c.before)
            ed->choose(r, i);
        auto values = this->values();
        ed->choose(c.row, c.item);
        values[static_cast<std::size_t>(c.offset)] = static_cast<float>(c.item);
        EXPECT_EQ(this->values(), values);
        EXPECT_TRUE(rec->neighboursUntouched());
    }
}

TEST_F(Editing, RowsShownButNotStored)
{
    struct Case {
        const char *what;
        int type;
        std::vector<std::pair<int, int>> choices;
        std::vector<int> typedRows;
    };
    const Case cases[] = {
        {"RS4 network, mode, speed", type::RS4, {{0, 9}, {1, 2}, {2, 5}}, {}},
        {"D_O rows 3 to 8", type::D_O, {}, {3, 4, 5, 6, 7, 8}},
        {"PRO program row alone", type::PRO, {{5, 3}}, {}},
        {"JUR event row", type::JUR, {{0, 7}}, {}},
        {"LOG channel row", type::LOG, {{0, 1}}, {}},
        {"SCA page and button", type::SCA, {{0, 3}, {1, 20}}, {2}},
        {"A_O value row", type::A_O, {{1, 2}}, {3}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        place(c.type);
        ASSERT_TRUE(load());
        const auto values = this->values();
        for (auto [r, i] : c.choices)
            ed->choose(r, i);
        for (int r : c.typedRows)
            ed->edit(r, "99");
        EXPECT_EQ(this->values(), values);
        EXPECT_TRUE(rec->neighboursUntouched());
    }
}

TEST_F(Editing, RowsPastTheRecordAreDisabledAndEmpty)
{
    place(type::A_O);
    ASSERT_TRUE(load());
    for (int out = 0; out < 4; ++out) {
        ed->choose(1, out);
        EXPECT_FALSE(ed->row(3).enabled);
        EXPECT_EQ(text(3), "");
    }
    EXPECT_TRUE(ed->row(2).enabled);

    place(type::SCA);
    ASSERT_TRUE(load());
    EXPECT_FALSE(ed->row(2).enabled);

    place(type::JUR);
    ASSERT_TRUE(load());
    rec->V(81) = 7.0f;
    ed->choose(0, 30);
    EXPECT_TRUE(ed->row(4).enabled);
    EXPECT_EQ(text(4), "7");
    ed->choose(0, 31); // event 32: its coordinate would lie past the record
    EXPECT_FALSE(ed->row(4).enabled);
    EXPECT_EQ(text(4), "");
    ed->edit(1, "Подія 32");
    EXPECT_EQ(T(31), "Подія 32");
    EXPECT_TRUE(rec->neighboursUntouched());
}

TEST_F(Editing, SelectorsRefreshTheRowsThatDependOnThem)
{
    // GRA: the channel is kept in V(33).
    auto &g = place(type::GRA);
    g.V(33) = 2.0f;
    g.V(36) = 1.5f;
    g.V(69) = 9.0f;
    g.T(3) = "Тиск";
    g.V(37) = -4.0f;
    g.T(4) = "Рівень";
    ASSERT_TRUE(load());
    EXPECT_EQ(index(0), 2);
    EXPECT_EQ(text(3), "1.5");
    EXPECT_EQ(text(4), "9");
    EXPECT_EQ(text(5), "Тиск");
    ed->choose(0, 3);
    EXPECT_EQ(V(33), 3.0f);
    EXPECT_EQ(text(3), "-4");
    EXPECT_EQ(text(5), "Рівень");

    // PRO: the step is kept in V(0); its type row and the program row come back.
    auto &p = place(type::PRO);
    p.V(0) = 0.0f;
    p.V(13) = 11.0f;
    p.V(109) = 3.0f;
    p.V(136) = 2.0f;
    ASSERT_TRUE(load());
    ed->choose(0, 9);
    EXPECT_EQ(V(0), 9.0f);
    EXPECT_EQ(text(1), "11");
    EXPECT_EQ(index(4), 3);
    EXPECT_EQ(index(5), 2);
    ed->choose(5, 1); // the program row alone is not stored ...
    EXPECT_EQ(V(136), 2.0f);
    ed->choose(4, 0); // ... but goes with the step type
    EXPECT_EQ(V(109), 0.0f);
    EXPECT_EQ(V(136), 1.0f);

    // JUR: events are browsed, nothing stored; the time is one for the block.
    auto &j = place(type::JUR);
    j.T(4) = "Аварія насоса";
    j.V(14) = 5.0f;
    j.V(55) = 120.0f;
    j.V(50) = 30.0f;
    ASSERT_TRUE(load());
    const auto before = values();
    ed->choose(0, 4);
    EXPECT_EQ(text(1), "Аварія насоса");
    EXPECT_EQ(index(2), 5);
    EXPECT_EQ(text(3), "30");
    EXPECT_EQ(text(4), "120");
    EXPECT_EQ(values(), before);

    // LOG: channel 3.
    auto &l = place(type::LOG);
    l.V(2) = 1.0f;
    l.V(5) = 0.25f;
    l.V(8) = 60.0f;
    ASSERT_TRUE(load());
    ed->choose(0, 2);
    EXPECT_EQ(index(1), 1);
    EXPECT_EQ(text(2), "0.25");
    EXPECT_EQ(text(3), "60");

    // D_O: output 3 shows V(3) in row 2, the same entry row 4 shows.
    auto &d = place(type::D_O);
    d.V(3) = 2.0f;
    ASSERT_TRUE(load());
    ed->choose(1, 2);
    EXPECT_EQ(index(2), 2);
    EXPECT_EQ(text(4), "2");
}

TEST_F(Editing, CodStepIsRememberedAcrossBlocksAndNotStored)
{
    auto &c = place(type::COD);
    c.V(0) = 3.0f;
    c.V(9) = 17.0f;
    ASSERT_TRUE(load());
    EXPECT_EQ(index(0), 0);
    EXPECT_EQ(index(4), 3);
    ed->choose(0, 5);
    EXPECT_EQ(m.settings.Krok_Select, 5);
    EXPECT_EQ(V(0), 3.0f);
    EXPECT_EQ(text(1), "17");
    EXPECT_EQ(index(4), 3);

    // Another COD block opens on the same step.
    BlockRecords other(m, type::COD, 9, 600, 900);
    other.V(9) = 4.0f;
    ParamEditor second(m);
    ASSERT_TRUE(second.load());
    EXPECT_EQ(second.row(0).index, 5);
    EXPECT_EQ(second.row(1).text, "4");
}

TEST_F(Editing, CaptionSetsFollowTheVariantRow)
{
    struct Case {
        int type, row, item;
        std::vector<std::pair<int, const char16_t *>> captions;
    };
    const Case cases[] = {
        {type::SUM, 9, 1, {{0, u"Зміщення 1"}, {1, u"k*вхід 1"}, {3, u"Зміщення 2"}, {6, u"Зміщення 3"}, {9, u"Тип"}}},
        {type::SUM, 9, 2, {{0, u"Зміщення"}, {3, u"k*вхід 3"}, {8, u"k*вхід 8"}}},
        {type::PID, 0, 1, {{0, u"Тип"}, {1, u"Період"}, {2, u"Обмеження л"}, {6, u"КП 2"}, {11, u"-------- "}}},
        {type::PID, 0, 3, {{1, u"Т механизма"}, {4, u"ТИ 1"}, {9, u"Балансування"}}},
        {type::PID, 0, 4, {{1, u"Завдання 1"}, {8, u"Зона 4"}}},
        {type::UNI, 0, 1, {{1, u"Номер блоку  "}, {8, u"Немає параметра"}}},
        {type::UNI, 0, 5, {{1, u""}, {4, u""}, {8, u""}}},
        {type::UNI, 0, 14, {{1, u""}, {2, u"Прискорення"}, {6, u"Маштаб"}, {8, u""}}},
        {type::UNI, 0, 15, {{1, u"Номер "}, {3, u"Таймер"}}},
        {type::UNI, 0, 16, {{1, u""}, {8, u""}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " item " << c.item);
        place(c.type);
        ASSERT_TRUE(load());
        ed->choose(c.row, c.item);
        for (auto [r, caption] : c.captions)
            EXPECT_EQ(ed->row(r).caption, QString::fromUtf16(caption)) << "row " << r;
    }
}

TEST_F(Editing, OpeningAVariantBlockShowsTheCaptionsOfItsStoredVariant)
{
    place(type::SUM).V(9) = 1.0f;
    ASSERT_TRUE(load());
    EXPECT_EQ(ed->row(3).caption, "Зміщення 2");
    place(type::UNI).V(0) = 9.0f;
    ASSERT_TRUE(load());
    EXPECT_EQ(ed->row(1).caption, "Зона 1");
    EXPECT_EQ(ed->row(8).caption, "Таймер 4");
    place(type::PID).V(0) = 1.0f;
    ASSERT_TRUE(load());
    EXPECT_EQ(ed->row(1).caption, "Період");
}

TEST_F(Editing, RenamedRowsKeepTheirEntries)
{
    place(type::PID);
    ASSERT_TRUE(load());
    ed->choose(0, 1);
    ed->edit(1, "20");
    ed->edit(2, "0.5");
    EXPECT_EQ(V(4), 20.0f);
    EXPECT_EQ(V(11), 0.5f);
}

TEST_F(Editing, PanelSetPointsFollowThePanelType)
{
    auto &p = place(type::PAN);
    p.V(0) = 5.0f;
    for (int i = 2; i <= 9; ++i)
        p.V(i) = static_cast<float>(10 * i);
    ASSERT_TRUE(load());
    EXPECT_EQ(text(6), "20");
    EXPECT_EQ(text(9), "80");
    ed->edit(7, "41");
    EXPECT_EQ(V(4), 41.0f);
    EXPECT_EQ(V(5), 50.0f);

    // Another panel type moves the set-points one value up; the rows follow.
    ed->choose(0, 2);
    EXPECT_EQ(V(0), 2.0f);
    EXPECT_EQ(text(6), "30");
    EXPECT_EQ(text(7), "50");
    ed->edit(7, "51");
    EXPECT_EQ(V(5), 51.0f);
    EXPECT_EQ(V(4), 41.0f);
    EXPECT_EQ(V(2), 20.0f);
}

// One change stores every text row of these types; a row that does not read
// as a number is skipped and does not keep the others from being stored.
TEST_F(Editing, BadTextInOneRowDoesNotStopTheOthers)
{
    auto &o = place(type::OSC);
    o.V(3) = 7.0f;
    o.V(1) = 1.2345678f; // more digits than a row shows
    ASSERT_TRUE(load());
    ed->edit(3, "7x");
    EXPECT_EQ(V(3), 7.0f);
    ed->edit(4, "5");
    EXPECT_EQ(V(4), 5.0f);
    ed->edit(8, "6");
    EXPECT_EQ(V(8), 6.0f);
    EXPECT_EQ(V(3), 7.0f);
    EXPECT_EQ(V(1), 1.2345678f); // untouched rows keep every digit
    ed->edit(3, "8");
    EXPECT_EQ(V(3), 8.0f);
}

// A failure while a choice refreshes its rows ends it silently.
TEST_F(Editing, RefreshStopsSilentlyAtAValueItsListCannotShow)
{
    auto &a = place(type::A_I);
    a.V(5) = 11.0f; // input 1 scale min
    a.V(2) = 99.0f; // input 2 sensor type, not in the list
    ASSERT_TRUE(load());
    ed->choose(1, 1);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(index(2), 0);   // still input 1's type
    EXPECT_EQ(text(3), "11"); // still input 1's scale
}

} // namespace
} // namespace pelmora::blockparams
