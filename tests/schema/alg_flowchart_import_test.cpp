#include "schema/alg_flowchart_import.h"
#include "schema/alg_step_record.h"

#include "project/startup.h"
#include "support/fake_services.h"
#include "support/flowchart_builder.h"
#include "support/netlist_builder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

using namespace pelmora;
using namespace pelmora::alg;
using test::FlowchartBranch;
using test::FlowchartBuilder;

namespace {

class FlowchartImport : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        ASSERT_TRUE(dir.isValid());
        startUpModel(m);
        capacity = m.catalogue.Parametr_Name_Count(type::ALG);
        // Two ALGORITHM blocks, the second right after the first.
        for (int b : {kBlock, kOther}) {
            m.schema.Block_Type(b) = static_cast<std::uint8_t>(type::ALG);
            m.schema.Parametr_Value_Start(b) = b == kBlock ? kValues : kValues + 129;
            m.schema.Parametr_Name_Start(b) = b == kBlock ? kTexts : kTexts + capacity;
        }
        for (int j = 0; j < capacity; ++j) {
            m.schema.Parametr_Name(kTexts + j) = QStringLiteral("7"); // an earlier program
            m.schema.Parametr_Name(kTexts + capacity + j) = QStringLiteral("9");
        }
        m.settings.Num_Block_Edit = kBlock;
    }
    QString file(const FlowchartBuilder &b, const char *name = "flow.net")
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(b.write(path));
        return path;
    }
    // Texts of the block's record from entry `from`, as numbers.
    std::vector<int> record(int from, int count) const
    {
        std::vector<int> out;
        for (int i = from; i < from + count; ++i)
            out.push_back(m.schema.Parametr_Name(kTexts + i).toInt());
        return out;
    }
    bool otherBlockUntouched() const
    {
        for (int j = 0; j < capacity; ++j)
            if (m.schema.Parametr_Name(kTexts + capacity + j) != u"9")
                return false;
        return true;
    }
    // Everything a failed or cancelled import must leave alone.
    struct Kept {
        Table<QString, 0, 20000> texts;
        Table<float, 0, 10000> values;
        Table2<std::int32_t, 0, 1, 0, 500> offsets;
        std::int32_t size, sizeEmpty;
    };
    Kept kept() const
    {
        return {m.schema.Parametr_Name, m.schema.Parametr_Value, m.alg.Step_Offset, m.alg.Alg_Size,
                m.alg.Alg_Size_Empty};
    }
    void expectKept(const Kept &k) const
    {
        EXPECT_TRUE(k.texts == m.schema.Parametr_Name);
        EXPECT_TRUE(k.values == m.schema.Parametr_Value);
        EXPECT_TRUE(k.offsets == m.alg.Step_Offset);
        EXPECT_EQ(k.size, m.alg.Alg_Size);
        EXPECT_EQ(k.sizeEmpty, m.alg.Alg_Size_Empty);
    }
    void giveEarlierLayout()
    {
        m.alg.Alg_Size = 1234;
        m.alg.Alg_Size_Empty = 56;
        m.alg.Step_Offset(0, 1) = 77;
    }

    // S -> A1; A1 yes -> Y1 -> A2; A1 no -> A2; A2 yes -> A3; A3 without exits.
    static FlowchartBuilder worked()
    {
        FlowchartBranch y1;
        y1.outputsSet = QStringLiteral(" 1-3 5");
        y1.action1 = QStringLiteral("SP10 += 5");
        FlowchartBuilder b;
        b.start()
            .step(1, QStringLiteral("INP1 = 1"))
            .yes(1, y1)
            .step(2, QStringLiteral("SP12 >= SP13"))
            .step(3, QStringLiteral("TIMER1 > 5"))
            .net({"S.1", "A1.1"})
            .net({"A1.3", "Y1.1"})
            .net({"Y1.2", "A1.2", "A2.1"})
            .net({"A2.3", "A3.1"});
        return b;
    }

    static constexpr int kBlock = 3, kOther = 4, kTexts = 500, kValues = 100;
    int capacity = 0;
    QTemporaryDir dir;
    ProjectModel m;
};

TEST_F(FlowchartImport, WorkedFlowchartLinksCompilesLaysOutAndStores)
{
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(worked())));
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();

    EXPECT_EQ(m.alg.Step_Link(3, 1), 1); // A1's yes exit enters Y1
    EXPECT_EQ(m.alg.Step_Link(5, 1), 2); // after Y1: A2
    EXPECT_EQ(m.alg.Step_Link(2, 1), 2); // A1's no exit: A2
    EXPECT_EQ(m.alg.Step_Link(1, 2), 3); // A2's yes exit: A3
    EXPECT_EQ(m.alg.Step_Link(1, 1), 0);
    EXPECT_EQ(m.alg.Step_Link(2, 2), 0);

    // Step 1 carries the YES output block and action 1: 11 + 8 + 4.
    EXPECT_EQ(m.alg.Step_Offset(0, 0), 0);
    EXPECT_EQ(m.alg.Step_Offset(1, 0), 23);
    EXPECT_EQ(m.alg.Step_Offset(0, 1), 23);
    EXPECT_EQ(m.alg.Step_Offset(0, 2), 34);
    EXPECT_EQ(m.alg.Step_Offset(0, 3), 45);
    EXPECT_EQ(m.alg.Alg_Size, 23 + 255 * 11);
    EXPECT_EQ(m.alg.Alg_Size_Empty, 253 * 11);

    // Both of step 1's jumps name step 2's record; step 2 only its yes jump.
    EXPECT_EQ(record(0, 23),
              (std::vector<int>{8, 0, 8, 1, 0, 0, 23, 0, 23, 5, 0, 21, 1, 0, 0, 0, 0, 0, 0, 72, 9, 8, 5}));
    EXPECT_EQ(record(23, 11), (std::vector<int>{40, 11, 32, 12, 4, 0, 34, 0, 0, 0, 1}));
    // Step 3 has no exit and is not stored; the rest of the record is reset.
    EXPECT_EQ(record(34, 11), std::vector<int>(11, 0));
    EXPECT_EQ(m.schema.Parametr_Name(kTexts + capacity - 1), QStringLiteral("0"));
    EXPECT_EQ(m.alg.Step_Code(0, 2), 32); // compiled all the same
    EXPECT_TRUE(otherBlockUntouched());
    // The stored program record holds the program, as after opening a project.
    for (int j = 0; j < capacity; ++j)
        ASSERT_EQ(m.schema.ALGORITHM_Parametr(0, j), m.schema.Parametr_Name(kTexts + j)) << j;
}

TEST_F(FlowchartImport, EmptyFlowchartStoresNothingAndTakesElevenTextsPerStep)
{
    m.schema.ALGORITHM_Parametr(0, 5) = QStringLiteral("12");
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(FlowchartBuilder().start())));
    EXPECT_EQ(m.alg.Alg_Size, 2816);
    EXPECT_EQ(m.alg.Alg_Size_Empty, 2816);
    EXPECT_EQ(record(0, 40), std::vector<int>(40, 0));
    EXPECT_EQ(m.schema.Parametr_Name(kTexts), QStringLiteral("0"));
    EXPECT_EQ(m.schema.ALGORITHM_Parametr(0, 5), QStringLiteral("0"));
    EXPECT_TRUE(otherBlockUntouched());
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(FlowchartImport, JumpToARecordAtThreeHundredIsStoredAsTwoBytes)
{
    // Steps 1 to 3 take 23 texts each, steps 4 to 24 eleven: step 25 starts at 300.
    FlowchartBranch branch;
    branch.outputsSet = QStringLiteral(" 1");
    branch.action1 = QStringLiteral("OUT1 = 1");
    FlowchartBuilder b;
    b.start();
    for (int s = 1; s <= 3; ++s) {
        b.step(s, QStringLiteral("INP1 = 1")).yes(s, branch);
        b.net({QStringLiteral("A%1.3").arg(s), QStringLiteral("Y%1.1").arg(s)});
        b.net({QStringLiteral("Y%1.2").arg(s), QStringLiteral("A25.1")});
    }
    b.step(25, QStringLiteral("INP2 = 0"));
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(b)));
    EXPECT_EQ(m.alg.Step_Offset(0, 24), 300);
    EXPECT_EQ(m.schema.Parametr_Name(kTexts + 5), QStringLiteral("1"));
    EXPECT_EQ(m.schema.Parametr_Name(kTexts + 6), QStringLiteral("44"));
    EXPECT_EQ(m.schema.Parametr_Name(kTexts + 23 + 5), QStringLiteral("1"));
}

TEST_F(FlowchartImport, BlockEnteredFromTwoStepsCompilesIntoTheLowerOne)
{
    FlowchartBranch y;
    y.outputsSet = QStringLiteral(" 2");
    FlowchartBuilder b;
    b.start()
        .step(1, QStringLiteral("INP1 = 1"))
        .step(2, QStringLiteral("INP2 = 1"))
        .step(3, QStringLiteral("INP3 = 1"))
        .yes(7, y)
        .net({"A1.3", "A2.3", "Y7.1"})
        .net({"Y7.2", "A3.1"});
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(b)));
    EXPECT_EQ(m.alg.Step_Code(row::YesOut, 0), 4);
    EXPECT_EQ(m.alg.Step_Code(row::YesOut, 1), 0);
    // Both steps jump to step 3's record: 19 + 11 = 30.
    EXPECT_EQ(record(0, 7), (std::vector<int>{8, 0, 8, 1, 0, 0, 30}));
    EXPECT_EQ(record(19, 7), (std::vector<int>{8, 1, 8, 1, 0, 0, 30}));
}

TEST_F(FlowchartImport, StartMarkerIsNeverTheEntryOfItsNet)
{
    // Step 2's yes exit loops back to step 1 on the start net. Real exports
    // list S after the step nodes; the order must not matter.
    const std::vector<std::vector<const char *>> startNets = {
        {"A1.1", "A2.3", "S.1"}, {"A1.1", "S.1", "A2.3"}, {"S.1", "A2.3", "A1.1"}};
    for (const auto &startNet : startNets) {
        ui().reset();
        FlowchartBuilder b;
        b.start().step(1, QStringLiteral("INP1 = 1")).step(2, QStringLiteral("INP2 = 1"));
        b.net(QStringList{QString::fromLatin1(startNet[0]), QString::fromLatin1(startNet[1]),
                          QString::fromLatin1(startNet[2])});
        b.net({"A1.3", "A2.1"});
        ASSERT_TRUE(Import_Algorithm_Netlist(m, file(b))) << startNet[0] << startNet[1] << startNet[2];
        EXPECT_TRUE(ui().messages.empty());
        EXPECT_EQ(m.alg.Step_Link(1, 2), 1); // A2's yes exit: A1
        EXPECT_EQ(m.alg.Step_Link(1, 1), 2); // A1's yes exit: A2
        // Step 2 is stored with its yes jump to step 1's record (position 0).
        EXPECT_EQ(record(11, 11), (std::vector<int>{8, 1, 8, 1, 0, 0, 0, 0, 0, 0, 1}));
    }
}

TEST_F(FlowchartImport, NetWithoutEntryLinksNothing)
{
    FlowchartBuilder b;
    b.start()
        .step(1, QStringLiteral("INP1 = 1"))
        .step(2, QStringLiteral("INP1 = 1"))
        .net({"S.1", "A1.1"})
        .net({"A1.3", "A2.2"}); // two exits wired together, no entry
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(b)));
    for (int slot = 1; slot <= 6; ++slot)
        for (int k = 0; k <= 3; ++k)
            EXPECT_EQ(m.alg.Step_Link(slot, k), 0) << slot << " " << k;
}

TEST_F(FlowchartImport, CancelledDialogChangesNothing)
{
    giveEarlierLayout();
    const Kept k = kept();
    EXPECT_FALSE(Import_Algorithm_Netlist(m, QString()));
    expectKept(k);
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(FlowchartImport, FilesThatCannotBeReadChangeNothing)
{
    giveEarlierLayout();
    const Kept k = kept();
    const struct {
        QString path;
        const char16_t *message;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing.net")), u"Помилка зчитування файлу!!!"},
        {[this] {
             QFile f(dir.filePath(QStringLiteral("plain.net")));
             f.open(QIODevice::WriteOnly);
             f.write("(compInst \"A1\"\r\n)\r\n");
             return f.fileName();
         }(),
         u"Помилка ім'я файлу!!!"},
        {[this] {
             // 10000 fields after the start marker.
             QFile f(dir.filePath(QStringLiteral("long.net")));
             f.open(QIODevice::WriteOnly);
             f.write("(netlist \"x\"\r\n");
             for (int i = 0; i < 10001; ++i)
                 f.write("(x)\r\n");
             return f.fileName();
         }(),
         u"Помилка ім'я файлу!!!"},
    };
    for (const auto &c : cases) {
        ui().reset();
        EXPECT_FALSE(Import_Algorithm_Netlist(m, c.path));
        EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(c.message)});
        expectKept(k);
    }
}

TEST_F(FlowchartImport, FailureWhileCompilingLeavesTheStoredProgram)
{
    giveEarlierLayout();
    const Kept k = kept();
    FlowchartBranch setsSetpoint;
    setsSetpoint.action1 = QStringLiteral("SP1 += SP2 = 5"); // sets SP2 while compiling
    const struct {
        const char *condition;
        QStringList messages;
        // clang-format off
    } cases[] = {
        {"INP0 = 1", {QStringLiteral("Помилка -Attributes- блок A1")}},
        {"XYZ3 = INP2",
         {QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  крок A1"), QStringLiteral("Помилка -Attributes- блок A1")}},
        // The operand compiler rejects the right side itself, so nothing fails
        // to write; the reported error still ends the import.
        {"XYZ3 = abc",
         {QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  крок A1"),
          QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова В>  крок A0"), QStringLiteral("Помилка -Attributes- блок A1")}},
        {"INP3 =1", {QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  шаг A1"), QStringLiteral("Помилка -Attributes- блок A1")}},
    };
    // clang-format on
    for (const auto &c : cases) {
        ui().reset();
        FlowchartBuilder b;
        b.start().step(1, QString::fromLatin1(c.condition)).step(2, QStringLiteral("INP1 = 1")).yes(2, setsSetpoint);
        b.net({"A2.3", "Y2.1"}).net({"Y2.2", "A1.1"});
        EXPECT_FALSE(Import_Algorithm_Netlist(m, file(b))) << c.condition;
        EXPECT_EQ(ui().messageTexts(), c.messages) << c.condition;
        expectKept(k);
    }
}

TEST_F(FlowchartImport, BlockExitWiredToNoStepFailsWithoutADesignator)
{
    giveEarlierLayout();
    const Kept k = kept();
    FlowchartBuilder b;
    b.start().step(1, QStringLiteral("INP1 = 1")).yes(1).net({"A1.3", "Y1.1"});
    EXPECT_FALSE(Import_Algorithm_Netlist(m, file(b)));
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка -Attributes- блок ")});
    expectKept(k);
}

TEST_F(FlowchartImport, NumbersBeyondTheTablesFail)
{
    for (const char *node : {"A600.2", "A1.3"}) {
        ui().reset();
        FlowchartBuilder b;
        b.start().step(1, QStringLiteral("INP1 = 1"));
        if (QByteArray(node) == "A1.3")
            b.step(300, QStringLiteral("INP1 = 1")).net({"A1.3", "A300.1"}); // a link above 255
        else
            b.net({"A1.1", node}); // a component above 499
        EXPECT_FALSE(Import_Algorithm_Netlist(m, file(b))) << node;
        EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка -Attributes- блок ")}) << node;
    }
    ui().reset();
    FlowchartBuilder b;
    b.start().step(501, QStringLiteral("INP1 = 1"));
    EXPECT_FALSE(Import_Algorithm_Netlist(m, file(b)));
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка -Attributes- блок A501")});
}

TEST_F(FlowchartImport, ProgramThatDoesNotFitTheBlockIsRefused)
{
    m.catalogue.Parametr_Name_Count(type::ALG) = 2000;
    giveEarlierLayout();
    const Kept k = kept();
    EXPECT_FALSE(Import_Algorithm_Netlist(m, file(worked())));
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text.toStdString(),
              "Програма не вміщується в пам'ять блоку <АЛГОРИТМ>: потрібно 2828 комірок, є 2000. "
              "Програму не збережено.");
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    expectKept(k);
}

TEST_F(FlowchartImport, NetWithTwoEntriesEndsTheImportWithTheProgramStoredBefore)
{
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(worked())));
    const Kept good = kept();
    const Table2<QString, 0, 1, 0, 9184> program = m.schema.ALGORITHM_Parametr;

    FlowchartBuilder b = worked();
    b.net({"A3.3", "A1.1", "A2.1"});
    EXPECT_FALSE(Import_Algorithm_Netlist(m, file(b, "broken.net")));
    EXPECT_EQ(ui().messageTexts(),
              QStringList{QStringLiteral("Помилка з'єднання виходів!!!A2 и A1 (net \"NET00005\"")});
    expectKept(good);
    EXPECT_TRUE(program == m.schema.ALGORITHM_Parametr);
}

TEST_F(FlowchartImport, FileWithoutAStartComponentIsRefused)
{
    // The schema netlist chosen in place of a flowchart.
    giveEarlierLayout();
    const Kept k = kept();
    test::NetlistBuilder schema;
    schema.block(1, QStringLiteral("D_I"), {QStringLiteral("1")}).block(5, QStringLiteral("AND2_4"));
    schema.net({test::U(1, 3), test::U(5, 1)});
    QFile f(dir.filePath(QStringLiteral("schema.net")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(schema.bytes());
    f.close();

    EXPECT_FALSE(Import_Algorithm_Netlist(m, f.fileName()));
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, msg::noStartMarker);
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    expectKept(k);
}

TEST_F(FlowchartImport, WhatTheControllerWouldNotGetIsReported)
{
    QStringList nodes{QStringLiteral("A1.1")};
    for (int k = 0; k < 129; ++k)
        nodes << QStringLiteral("A2.2");
    FlowchartBuilder b;
    b.start()
        .step(1, QStringLiteral("INP1 = 1"))
        .step(2, QStringLiteral("INP1 = 1"))
        .step(300, QStringLiteral("INP1 = 1"))
        .no(4)
        .net(nodes);
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(b)));
    EXPECT_EQ(m.alg.Step_Link(2, 2), 1); // the first 129 nodes are linked
    EXPECT_EQ(ui().messageTexts(),
              (QStringList{QStringLiteral("Ланцюг має понад 129 вузлів, решту вузлів не враховано: (net \"NET00001\""),
                           QStringLiteral("Кроки з номером понад 256 не зберігаються: A300"),
                           QStringLiteral("Блоки, до яких не веде жоден крок, не зберігаються: N4")}));
    for (const auto &msg : ui().messages)
        EXPECT_EQ(msg.icon, MsgIcon::Exclamation);
}

TEST_F(FlowchartImport, ImportStoresIntoTheBlockItIsGiven)
{
    m.settings.Num_Block_Edit = kOther;
    m.schema.ALGORITHM_Param_Base = kTexts; // the block a netlist import placed last
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(worked())));
    EXPECT_EQ(m.schema.Parametr_Name(kTexts), QStringLiteral("7")); // the first block keeps its program
    EXPECT_EQ(m.schema.Parametr_Name(kTexts + capacity), QStringLiteral("8"));
    EXPECT_EQ(m.schema.Parametr_Name(kTexts + capacity + 19), QStringLiteral("72"));
}

TEST_F(FlowchartImport, FieldsOfTheFileAreWhatTheBuilderPromises)
{
    const FlowchartBuilder b = worked();
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(b)));
    const QStringList fields = b.fields();
    for (int i = 0; i < fields.size(); ++i)
        ASSERT_EQ(m.alg.Alg_NetList_Line(i + 1), fields[i]) << i;
    EXPECT_EQ(m.alg.Alg_NetList_Line(fields.size() + 1), QString()); // the closing ")" is not stored

    // A shorter file after it leaves nothing of the longer one behind.
    FlowchartBuilder shorter;
    shorter.start().step(1, QStringLiteral("INP1 = 1"));
    ASSERT_TRUE(Import_Algorithm_Netlist(m, file(shorter, "short.net")));
    for (int i = static_cast<int>(shorter.fields().size()) + 1; i <= fields.size(); ++i)
        ASSERT_EQ(m.alg.Alg_NetList_Line(i), QString()) << i;
}

} // namespace
