#include "blockparams/modbus_rows.h"
#include "project/format_version.h"
#include "project/startup.h"
#include "support/block_records.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

// Readable failure messages for texts.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace pelmora::blockparams {
namespace {

using test::BlockRecords;

class Modbus : public test::WithFakes {
protected:
    ProjectModel m;
    std::unique_ptr<BlockRecords> rec;

    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
        rec = std::make_unique<BlockRecords>(m, type::RS4, 4);
        rec->V(1) = 2.0f; // MODBUS
        rec->V(2) = 1.0f; // 19200
    }
    QString &T(int k) { return rec->T(k); }
    QStringList texts()
    {
        QStringList l;
        for (int k = 0; k < kModbusTexts; ++k)
            l << T(k);
        return l;
    }
    // Request i as its six texts: switch, function, data type, mask or set-point, address bytes.
    void setRequest(int i, const char *on, const char *function, const char *dataType, const char *mask,
                    const char *high, const char *low)
    {
        T(i) = on;
        T(8 + i) = function;
        T(16 + i) = dataType;
        T(24 + i) = mask;
        T(32 + 2 * i) = high;
        T(33 + 2 * i) = low;
    }
    QStringList request(int i) { return {T(i), T(8 + i), T(16 + i), T(24 + i), T(32 + 2 * i), T(33 + 2 * i)}; }
};

TEST_F(Modbus, TheFortyEightTextsComeBackUnchangedThroughTheDialog)
{
    setRequest(0, "1", "2", "4", "133", "1", "44");
    setRequest(1, "0", "7", "0", "0", "0", "0");
    setRequest(2, "1", "0", "9", "11", "255", "255");
    setRequest(3, "1", "4", "5", "255", "0", "255");
    setRequest(4, "1", "3", "46", "95", "4", "0");
    setRequest(5, "2", "6", "6", "2", "16", "1");
    setRequest(6, "0", "5", "15", "0", "128", "7");
    setRequest(7, "1", "1", "3", "64", "0", "1");
    const QStringList before = texts();
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    EXPECT_EQ(t.filled(), 8);
    t.store();
    EXPECT_EQ(texts(), before);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_TRUE(rec->neighboursUntouched());
}

TEST_F(Modbus, OpeningShowsTheBlockAndEachRequest)
{
    rec->V(0) = 6.0f;
    setRequest(0, "1", "2", "4", "133", "1", "44");
    setRequest(2, "1", "7", "9", "11", "0", "5");
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    EXPECT_EQ(t.title, "MODBUS RTU Блок №4");
    EXPECT_EQ(t.networkLabel, "№ у мережі 7");
    EXPECT_EQ(t.speedLabel, "Швидкість 19200");
    const ModbusRowView &r = t.row(0);
    EXPECT_TRUE(r.on());
    EXPECT_EQ(r.function, 2);
    EXPECT_EQ(r.direction, "Вихід");
    EXPECT_EQ(r.dataType, 4);
    EXPECT_FALSE(r.setPointShown);
    EXPECT_EQ(r.io, (std::array<bool, 8>{true, false, true, false, false, false, false, true}));
    EXPECT_EQ(r.address, "300");
    EXPECT_TRUE(t.row(2).setPointShown);
    EXPECT_EQ(t.row(2).setPoint, 11);
    EXPECT_EQ(t.row(2).direction, "Вхід");
    EXPECT_FALSE(t.row(1).on());
    EXPECT_FALSE(t.row(1).rowEnabled); // an off request is greyed
}

// Request 0 on, function "3", "IEEE float32", I/O boxes 1, 3 and 8, address 300.
TEST_F(Modbus, WorkedExample)
{
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    t.setCheck(0, true);
    t.chooseFunction(0, 2);
    t.chooseDataType(0, 4);
    t.setIo(0, 0, true);
    t.setIo(0, 2, true);
    t.setIo(0, 7, true);
    t.setAddress(0, "300");
    t.store();
    EXPECT_EQ(request(0), (QStringList{"1", "2", "4", "133", "1", "44"}));

    // The same request switched to "3 SP float32" with "SP12" stores the set-point instead.
    ModbusTerminal again(m);
    ASSERT_TRUE(again.open());
    again.chooseDataType(0, 9);
    EXPECT_TRUE(again.row(0).setPointShown);
    EXPECT_EQ(again.row(0).io[2], true); // hidden boxes keep their ticks
    again.chooseSetPoint(0, 11);
    again.store();
    EXPECT_EQ(request(0), (QStringList{"1", "2", "9", "11", "1", "44"}));
}

TEST_F(Modbus, FunctionsAreStoredAsTheirEntryIndex)
{
    struct Case {
        int entry;
        const char *stored;
        const char *direction;
    };
    for (const Case &c : {Case{7, "7", "Вхід"}, Case{4, "4", "Вхід"}, Case{0, "0", "Вихід"}, Case{3, "3", "Вихід"}}) {
        ModbusTerminal t(m);
        ASSERT_TRUE(t.open());
        t.chooseFunction(1, c.entry);
        EXPECT_EQ(t.row(1).direction, c.direction);
        t.store();
        EXPECT_EQ(T(9), c.stored);
    }
    EXPECT_EQ(modbusFunctionList().at(7), "16");
    EXPECT_EQ(modbusFunctionList().at(4), "5");
}

TEST_F(Modbus, AddressesAreCheckedAndSplitIntoTwoBytes)
{
    struct Case {
        const char *typed;
        const char *high; // nullptr: refused
        const char *low;
    };
    // clang-format off
    const Case cases[] = {
        {"300", "1", "44"},    {"65535", "255", "255"}, {"0", "0", "0"},  {"256", "1", "0"},
        {"2.5", "0", "2"},     {"3.5", "0", "4"},     {" 77 ", "0", "77"},
        {"65536", nullptr, nullptr}, {"-1", nullptr, nullptr}, {"abc", nullptr, nullptr},
        {"", nullptr, nullptr}, {"12x", nullptr, nullptr},   {"65535.4", nullptr, nullptr}, {"65535.0001", nullptr, nullptr},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        ui().reset();
        setRequest(3, "0", "0", "0", "0", "9", "9");
        ModbusTerminal t(m);
        ASSERT_TRUE(t.open());
        t.chooseFunction(3, 5);
        t.setAddress(3, c.typed);
        t.store();
        if (c.high) {
            EXPECT_EQ(T(38), c.high);
            EXPECT_EQ(T(39), c.low);
            EXPECT_TRUE(ui().messages.empty());
        } else {
            EXPECT_EQ(ui().messageTexts(), QStringList{"Помилка адреси!!!"});
            EXPECT_EQ(T(38), "9");
            EXPECT_EQ(T(39), "9");
            EXPECT_EQ(T(11), "5"); // the request's other texts are stored
        }
    }
}

TEST_F(Modbus, EachBadAddressIsReportedOnceAndTheOthersAreStored)
{
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    t.setAddress(1, "65536");
    t.setAddress(5, "-1");
    t.setAddress(6, "1000");
    t.store();
    EXPECT_EQ(ui().messageTexts(), (QStringList{"Помилка адреси!!!", "Помилка адреси!!!"}));
    EXPECT_EQ(T(44), "3");
    EXPECT_EQ(T(45), "232");
}

// An I/O number can be ticked in one reading request and one writing request.
TEST_F(Modbus, ATickedBoxGreysItsNumberInTheOtherRequestsOfItsDirection)
{
    for (int i = 0; i < 8; ++i)
        setRequest(i, "1", "0", "0", "0", "0", "0");
    T(8 + 5) = "7"; // request 5: function "16", writing
    T(8 + 6) = "4"; // request 6: function "5", writing
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    t.chooseFunction(0, 2);
    t.setIo(0, 3, true);
    for (int k = 1; k < 8; ++k)
        EXPECT_EQ(t.row(k).ioEnabled[3], k == 5 || k == 6) << "request " << k;
    EXPECT_TRUE(t.row(0).ioEnabled[3]);
    EXPECT_TRUE(t.row(1).ioEnabled[2]);
    // The writing requests have their own number 4.
    t.setIo(5, 3, true);
    EXPECT_FALSE(t.row(6).ioEnabled[3]);
    EXPECT_TRUE(t.row(5).ioEnabled[3]);
    EXPECT_FALSE(t.row(1).ioEnabled[3]);
    t.setIo(0, 3, false);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(t.row(k).ioEnabled[3]) << "request " << k;
    EXPECT_FALSE(t.row(6).ioEnabled[3]);
}

TEST_F(Modbus, ARequestsSwitchGreysItsRowAndClearsItsBoxes)
{
    setRequest(2, "1", "0", "0", "255", "0", "0");
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    EXPECT_TRUE(t.row(2).io[5]);
    t.setCheck(2, false);
    EXPECT_FALSE(t.row(2).rowEnabled);
    for (int j = 0; j < 8; ++j) {
        EXPECT_FALSE(t.row(2).io[j]);
        EXPECT_FALSE(t.row(2).ioEnabled[j]);
    }
    t.setCheck(2, true);
    EXPECT_TRUE(t.row(2).rowEnabled);
    EXPECT_TRUE(t.row(2).ioEnabled[5]);
    EXPECT_FALSE(t.row(2).io[5]);
    t.store();
    EXPECT_EQ(T(26), "0");
}

// After opening, a number ticked in one request is greyed in the other
// requests of its direction, whichever of them comes first.
TEST_F(Modbus, OpeningGreysNumbersTickedInAnyRequest)
{
    setRequest(0, "1", "0", "0", "0", "0", "0");
    setRequest(1, "1", "1", "0", "8", "0", "0"); // reading, number 4 ticked
    setRequest(2, "1", "2", "0", "0", "0", "0");
    setRequest(3, "1", "7", "0", "0", "0", "0"); // writing
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    EXPECT_FALSE(t.row(0).ioEnabled[3]);
    EXPECT_TRUE(t.row(1).ioEnabled[3]);
    EXPECT_FALSE(t.row(2).ioEnabled[3]);
    EXPECT_TRUE(t.row(3).ioEnabled[3]);
}

TEST_F(Modbus, AListWithoutSelectionStoresItsFirstEntry)
{
    ModbusTerminal t(m);
    ASSERT_TRUE(t.open());
    t.chooseDataType(4, 10); // a set-point type, no set-point chosen
    t.chooseSetPoint(4, -1);
    t.chooseFunction(5, -1);
    t.store();
    EXPECT_EQ(T(28), "0");
    EXPECT_EQ(T(13), "0");
}

// A stored value the dialog cannot show stops the filling; "Ok" then writes
// the requests filled before and leaves the others as they are.
TEST_F(Modbus, AFailedOpeningKeepsTheUnfilledRequests)
{
    struct Case {
        const char *what;
        int text;
        const char *stored;
        int filled;
    };
    // clang-format off
    const Case cases[] = {
        {"data type 47", 18, "47", 2},
        {"function 8", 12, "8", 4},
        {"switch 3", 6, "3", 6},
        {"mask not a number", 31, "x", 7},
        {"set-point 96", 25, "96", 1},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui().reset();
        for (int i = 0; i < 8; ++i)
            setRequest(i, "1", "1", "0", "0", "0", "5");
        T(17) = "9"; // request 1 holds a set-point
        T(c.text) = c.stored;
        const QStringList before = texts();
        ModbusTerminal t(m);
        EXPECT_FALSE(t.open());
        EXPECT_EQ(ui().messageTexts(), QStringList{"Помилка RS485 !!!"});
        EXPECT_EQ(t.filled(), c.filled);
        for (int i = 0; i < 8; ++i) {
            t.setCheck(i, false);
            t.setAddress(i, "7");
        }
        t.store();
        for (int i = 0; i < 8; ++i) {
            if (i < c.filled) {
                EXPECT_EQ(T(i), "0") << "request " << i;
                EXPECT_EQ(T(33 + 2 * i), "7") << "request " << i;
            } else {
                const QStringList now = texts();
                for (int k : {i, 8 + i, 16 + i, 24 + i, 32 + 2 * i, 33 + 2 * i})
                    EXPECT_EQ(now[k], before[k]) << "text " << k;
            }
        }
    }
}

TEST_F(Modbus, ALineSpeedOutsideTheListStopsBeforeAnyRequest)
{
    rec->V(2) = 6.0f;
    const QStringList before = texts();
    ModbusTerminal t(m);
    EXPECT_FALSE(t.open());
    EXPECT_EQ(t.filled(), 0);
    t.store();
    EXPECT_EQ(texts(), before);
}

TEST_F(Modbus, OnlyAModbusBlockWithItsTextsOpensTheDialog)
{
    QString why;
    EXPECT_TRUE(opensModbusRequests(m, &why));
    rec->V(1) = 1.0f;
    EXPECT_FALSE(opensModbusRequests(m, &why));
    EXPECT_TRUE(why.isEmpty());
    rec->V(1) = 2.0f;
    m.settings.Type_Block_Edit = type::MUL;
    EXPECT_FALSE(opensModbusRequests(m, &why));
    m.settings.Type_Block_Edit = type::RS4;
    for (int code : {0, 1, 3}) {
        applyVersionCapacity(m, code);
        why.clear();
        EXPECT_FALSE(opensModbusRequests(m, &why)) << code;
        EXPECT_FALSE(why.isEmpty());
    }
    applyVersionCapacity(m, 5);
    EXPECT_TRUE(opensModbusRequests(m, &why));
}

TEST(ModbusLists, DataTypesAndSetPoints)
{
    const QStringList types = modbusDataTypeList();
    ASSERT_EQ(types.size(), 47);
    EXPECT_EQ(types[4], "IEEE float32");
    EXPECT_EQ(types[6], "HB-C float32");
    EXPECT_EQ(types[7], "1 SP float32");
    EXPECT_EQ(types[14], "8 SP float32");
    EXPECT_EQ(types[15], "1 - reg uint16");
    EXPECT_EQ(types[30], "16 - reg uint16");
    EXPECT_EQ(types[31], "1 - reg sint16");
    EXPECT_EQ(types[46], "16 - reg sint16");
    const QStringList sp = modbusSetPointList();
    ASSERT_EQ(sp.size(), 96);
    EXPECT_EQ(sp[11], "SP12");
    EXPECT_EQ(sp[95], "SP96");
}

} // namespace
} // namespace pelmora::blockparams
