#include "upload/schema_frames.h"

#include "core/model/catalogue.h"
#include "link/crc16.h"
#include "project/startup.h"

#include "support/byte_literals.h"
#include <QStringList>
#include <functional>

#include <gtest/gtest.h>
#include <limits>

namespace pelmora {
namespace {

using test::bytes;

std::uint8_t at(const QByteArray &b, qsizetype i) { return static_cast<std::uint8_t>(b.at(i)); }

TEST(ParamToBytes, FixedPointValues)
{
    struct Case {
        float value;
        QByteArray wire;
    };
    const Case cases[] = {
        {2.5f, bytes({0xC4, 0x09, 0x00, 0x00})},
        {-2.5f, bytes({0xC4, 0x09, 0x00, 0x80})},
        {-0.001f, bytes({0x01, 0x00, 0x00, 0x80})},
        {0.0f, bytes({0x00, 0x00, 0x00, 0x00})},
        {-0.0f, bytes({0x00, 0x00, 0x00, 0x00})},
        {1000000.0f, bytes({0x00, 0xCA, 0x9A, 0x3B})},
        {-1000000.0f, bytes({0x00, 0xCA, 0x9A, 0xBB})},
        {2147483.5f, bytes({0x6C, 0xFF, 0xFF, 0x7F})},
        // Thousandths rounded once, from the exact product: 0.0055 in single
        // precision is just below 0.0055 and gives 5 (a single-precision
        // product would round to 5.5 and then to 6).
        {0.0055f, bytes({0x05, 0x00, 0x00, 0x00})},
        {0.0065f, bytes({0x07, 0x00, 0x00, 0x00})},
    };
    for (const Case &c : cases) {
        const auto b = Param_To_Bytes(c.value);
        ASSERT_TRUE(b.has_value()) << c.value;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(b->data()), 4), c.wire) << c.value;
    }
}

TEST(ParamToBytes, ValuesThatDoNotFit)
{
    for (float v : {2147484.0f, -2147484.0f, 3.0e9f, std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()})
        EXPECT_FALSE(Param_To_Bytes(v).has_value()) << v;
}

// A small schema set straight into the tables.
class SchemaFrameFixture : public ::testing::Test {
public: // the table of spoilt schemas reaches in
    void SetUp() override
    {
        m = ProjectModel();
        startUpModel(m);
        auto &s = m.schema;
        m.settings.Num_Net = 3;
        s.Block_Type(1) = type::D_I;
        s.Block_Type(2) = type::RS4;
        s.Block_Type(5) = type::ALG;
        s.Block_Type(97) = type::SCA;
        s.Block_Type(98) = type::GRA;
        s.Block_Type(99) = type::JUR;
        s.Block_Link(0, 5) = 7;
        s.Block_Link(1, 5) = 9;
        s.Block_Link(15, 99) = 4;
        s.Block_Link(16, 5) = 0xEE; // beyond the sixteen runs: never sent
        s.Block_Link(0, 100) = 0xEE;
        s.Grafik_Link(64) = 11;
        s.Grafik_Link(65) = 0xEE;
        s.Jurnal_Link(0) = 12;
        s.Alg_Link(1, 0) = 13;
        s.Alg_Link(7, 64) = 14;
        s.Alg_Link(8, 0) = 0xEE;
        s.Invert_Input(99) = 0x81;
        s.Invert_Input(100) = 0xEE;
        s.Invert_Jurnal(3) = 0x55;
        s.Invert_Jurnal(4) = 0xEE;

        s.Parametr_Value(0) = 2.5f;
        s.Parametr_Value(1) = -2.5f;
        s.Parametr_Value(2) = -0.001f;
        s.Parametr_Value(3) = 99.0f; // past the size: not sent
        s.Parametr_Value_Size = 12;

        // Texts in block order: RS4 block 2, ALG block 5, GRA 98, JUR 99.
        rs4 = m.catalogue.Parametr_Name_Count(type::RS4);
        alg = m.catalogue.Parametr_Name_Count(type::ALG);
        gra = m.catalogue.Parametr_Name_Count(type::GRA);
        jur = m.catalogue.Parametr_Name_Count(type::JUR);
        for (int i = 0; i < rs4 + alg + gra + jur; ++i)
            s.Parametr_Name(i) = QStringLiteral("0");
        s.Parametr_Name(0) = QStringLiteral("12");
        s.Parametr_Name(1) = QStringLiteral(" 7.5"); // nearest, halves to even: 8
        s.Parametr_Name(2) = QStringLiteral("abc");  // no number: 0
        s.Parametr_Name(3) = QStringLiteral("255");
        graText(0) = QStringLiteral("T01");
        graText(1) = QStringLiteral("Канал 1");
        jurText(0) = QString(40, QLatin1Char('j'));
        s.Parametr_Name_Size = static_cast<std::int16_t>(rs4 + alg + 17 * gra + 40 * jur);
    }

    QString &algText(int i) { return m.schema.Parametr_Name(rs4 + i); }
    QString &graText(int i) { return m.schema.Parametr_Name(rs4 + alg + i); }
    QString &jurText(int i) { return m.schema.Parametr_Name(rs4 + alg + gra + i); }
    // Offsets of the blocks' texts in the text area.
    int algArea() const { return rs4; }
    int graArea() const { return rs4 + alg; }
    int jurArea() const { return rs4 + alg + 17 * gra; }

    QByteArray textArea()
    {
        const SchemaArea a = schemaTextArea(m);
        EXPECT_TRUE(a.error.isEmpty()) << a.error.toStdString();
        return a.bytes;
    }

    ProjectModel m;
    int rs4 = 0, alg = 0, gra = 0, jur = 0;
};

TEST_F(SchemaFrameFixture, EveryFrameHasItsLengthAddressKindStepAndChecksum)
{
    const SchemaFrames f = Schema_Frame(m);
    ASSERT_TRUE(f.ok()) << f.error.toStdString();
    const int lengths[] = {8, 105, 1605, 70, 70, 525, 105, 9, 12 + 5, m.schema.Parametr_Name_Size + 5};
    for (int step = 0; step <= 9; ++step) {
        const QByteArray &frame = f.frame[step];
        ASSERT_EQ(frame.size(), lengths[step]) << "step " << step;
        EXPECT_EQ(at(frame, 0), 3) << "step " << step;
        EXPECT_EQ(frame.at(1), step == 0 ? 'A' : 'B') << "step " << step;
        if (step > 0) {
            EXPECT_EQ(at(frame, 2), step);
        }
        // High byte first.
        EXPECT_EQ(withCrc(frame.left(frame.size() - 2), CrcOrder::HighFirst), frame) << "step " << step;
    }
}

TEST_F(SchemaFrameFixture, HeaderCarriesTheTwoAreaSizes)
{
    const SchemaFrames f = Schema_Frame(m);
    ASSERT_TRUE(f.ok());
    const int names = m.schema.Parametr_Name_Size;
    EXPECT_EQ(f.frame[0].left(6), bytes({3, 'A', 12, 0, names % 256, names / 256}));
    EXPECT_EQ(schemaHeaderFrame(1, 0x1234, 0x0A0B),
              withCrc(bytes({1, 'A', 0x34, 0x12, 0x0B, 0x0A}), CrcOrder::HighFirst));
}

TEST_F(SchemaFrameFixture, TableDataInItsOrder)
{
    const QByteArray types = schemaTableData(m, 1);
    EXPECT_EQ(at(types, 0), 0);
    EXPECT_EQ(at(types, 5), type::ALG);
    EXPECT_EQ(at(types, 99), type::JUR);

    // Sixteen runs of 100: all blocks of entry 0 before any block of entry 1.
    const QByteArray links = schemaTableData(m, 2);
    ASSERT_EQ(links.size(), 1600);
    EXPECT_EQ(at(links, 5), 7);
    EXPECT_EQ(at(links, 105), 9);
    EXPECT_EQ(at(links, 1599), 4);
    EXPECT_EQ(links.count(static_cast<char>(0xEE)), 0);

    EXPECT_EQ(at(schemaTableData(m, 3), 64), 11);
    EXPECT_EQ(at(schemaTableData(m, 4), 0), 12);
    const QByteArray algLinks = schemaTableData(m, 5);
    EXPECT_EQ(at(algLinks, 65), 13);
    EXPECT_EQ(at(algLinks, 519), 14);
    EXPECT_EQ(at(schemaTableData(m, 6), 99), 0x81);
    EXPECT_EQ(schemaTableData(m, 7), bytes({0, 0, 0, 0x55}));
    for (int step = 3; step <= 7; ++step)
        EXPECT_EQ(schemaTableData(m, step).count(static_cast<char>(0xEE)), 0) << step;
}

TEST_F(SchemaFrameFixture, NumericAreaIsTheFirstValuesInPoolOrder)
{
    const SchemaArea a = schemaValueArea(m);
    ASSERT_TRUE(a.error.isEmpty());
    EXPECT_EQ(a.bytes, bytes({0xC4, 0x09, 0, 0, 0xC4, 0x09, 0, 0x80, 0x01, 0, 0, 0x80}));
}

TEST_F(SchemaFrameFixture, TextAreaBytesAndWidths)
{
    const QByteArray t = textArea();
    EXPECT_EQ(t.size(), m.schema.Parametr_Name_Size);
    EXPECT_EQ(t.left(4), bytes({12, 8, 0, 255}));
    // A 3-character text fills its 17-byte field with spaces.
    EXPECT_EQ(t.mid(graArea(), 17), QByteArray("T01              "));
    // Names on the wire are Windows-1251.
    EXPECT_EQ(t.mid(graArea() + 17, 17), QByteArray("\xCA\xE0\xED\xE0\xEB 1          "));
    EXPECT_EQ(t.mid(jurArea(), 40), QByteArray(40, 'j'));
    EXPECT_EQ(t.mid(jurArea() + 40, 40), QByteArray("0") + QByteArray(39, ' '));
}

TEST_F(SchemaFrameFixture, FlaggedAlgorithmTextsCarryBit7AndStayStored)
{
    m.alg.Alg_Group_Flag(1, 3) = 1; // text 17 of group 3
    m.alg.Alg_Group_Flag(0, 0) = 1; // text 16 of group 0
    m.alg.Alg_Group_Flag(0, 1) = 2; // only 1 flags a text
    algText(41 * 3 + 17) = QStringLiteral("5");
    algText(16) = QStringLiteral("127");
    algText(41 + 16) = QStringLiteral("9");
    const QByteArray t = textArea();
    EXPECT_EQ(at(t, algArea() + 41 * 3 + 17), 133);
    EXPECT_EQ(at(t, algArea() + 16), 255);
    EXPECT_EQ(at(t, algArea() + 41 + 16), 9);
    EXPECT_EQ(at(t, algArea() + 41 * 3 + 16), 0);
    EXPECT_EQ(algText(41 * 3 + 17), QStringLiteral("5"));
    EXPECT_EQ(algText(16), QStringLiteral("127"));
}

TEST_F(SchemaFrameFixture, FlagsPastTheGroupCountAreIgnored)
{
    const int groups = m.settings.ALGORITHM_Statement_Max;
    ASSERT_GT(groups, 0);
    m.alg.Alg_Group_Flag(0, groups) = 1;
    const QByteArray t = textArea();
    EXPECT_EQ(t.size(), m.schema.Parametr_Name_Size);
    EXPECT_EQ(t.count(static_cast<char>(128)), 0);
}

TEST_F(SchemaFrameFixture, ValuesAndTextsThatCannotBeSentRefuseTheUpload)
{
    struct Case {
        const char *what;
        std::function<void(SchemaFrameFixture &)> spoil;
        QStringList inMessage;
    };
    // clang-format off
    const Case cases[] = {
        {"value too large", [](SchemaFrameFixture &f) { f.m.schema.Parametr_Value(1) = 3.0e9f; },
         {QStringLiteral("Помилка параметра"), QStringLiteral("3E+09")}},
        {"GRA text of 18 characters", [](SchemaFrameFixture &f) { f.graText(2) = QString(18, QLatin1Char('g')); },
         {QStringLiteral("блок 98 (GRA)"), QStringLiteral("текст 3"), QStringLiteral("17")}},
        {"JUR text of 41 characters", [](SchemaFrameFixture &f) { f.jurText(5) = QString(41, QLatin1Char('j')); },
         {QStringLiteral("блок 99 (JUR)"), QStringLiteral("текст 6"), QStringLiteral("40")}},
        {"RS4 text above a byte", [](SchemaFrameFixture &f) { f.m.schema.Parametr_Name(1) = QStringLiteral("256"); },
         {QStringLiteral("блок 2 (RS4)"), QStringLiteral("\"256\"")}},
        {"RS4 text below 0", [](SchemaFrameFixture &f) { f.m.schema.Parametr_Name(0) = QStringLiteral("-1"); },
         {QStringLiteral("блок 2 (RS4)"), QStringLiteral("\"-1\"")}},
        {"flagged text above 127",
         [](SchemaFrameFixture &f) {
             f.m.alg.Alg_Group_Flag(1, 2) = 1;
             f.algText(41 * 2 + 17) = QStringLiteral("128");
         },
         {QStringLiteral("блок 5 (ALG)"), QStringLiteral("текст 100"), QStringLiteral("127")}},
        {"numeric size not whole values", [](SchemaFrameFixture &f) { f.m.schema.Parametr_Value_Size = 10; },
         {QStringLiteral("10")}},
        {"negative numeric size", [](SchemaFrameFixture &f) { f.m.schema.Parametr_Value_Size = -4; },
         {QStringLiteral("-4")}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SetUp();
        c.spoil(*this);
        const SchemaFrames f = Schema_Frame(m);
        EXPECT_FALSE(f.ok()) << c.what;
        for (const QString &part : c.inMessage)
            EXPECT_TRUE(f.error.contains(part)) << c.what << ": " << f.error.toStdString();
    }
}

TEST_F(SchemaFrameFixture, ValueErrorNamesTheOwningBlock)
{
    for (int b : {1, 2, 5, 97, 98, 99})
        m.schema.Parametr_Value_Start(b) = 5000; // records elsewhere in the pool
    m.schema.Block_Type(7) = type::PID;
    m.schema.Parametr_Value_Start(7) = 3;
    m.schema.Parametr_Value(4) = -1.0e8f;
    m.schema.Parametr_Value_Size = 4 * 6;
    const SchemaFrames f = Schema_Frame(m);
    ASSERT_FALSE(f.ok());
    EXPECT_TRUE(f.error.contains(QStringLiteral("блок 7 (PID), параметр 2"))) << f.error.toStdString();
}

TEST(SchemaFrames, EmptySchemaSendsEmptyAreas)
{
    ProjectModel m;
    startUpModel(m);
    m.settings.Num_Net = 1;
    const SchemaFrames f = Schema_Frame(m);
    ASSERT_TRUE(f.ok()) << f.error.toStdString();
    EXPECT_EQ(f.frame[0].left(6), bytes({1, 'A', 0, 0, 0, 0}));
    EXPECT_EQ(f.frame[8].size(), 5);
    EXPECT_EQ(f.frame[9].size(), 5);
}

TEST(SchemaFrames, TextAreaLargerThanAFrameRefusesTheUpload)
{
    ProjectModel m;
    startUpModel(m);
    // Two ALGORITHM blocks and 95 S_P blocks: more than 32764 bytes of texts
    // while the text pool still holds them.
    m.schema.Block_Type(1) = type::ALG;
    m.schema.Block_Type(2) = type::ALG;
    for (int b = 3; b <= 97; ++b)
        m.schema.Block_Type(b) = type::S_P;
    const SchemaArea a = schemaTextArea(m);
    EXPECT_TRUE(a.bytes.isEmpty());
    EXPECT_TRUE(a.error.contains(QStringLiteral("32764"))) << a.error.toStdString();

    // Three ALGORITHM blocks do not even fit in the text pool.
    m.schema.Block_Type(3) = type::ALG;
    const SchemaArea b = schemaTextArea(m);
    EXPECT_TRUE(b.error.contains(QStringLiteral("блок 3 (ALG)"))) << b.error.toStdString();
}

TEST_F(SchemaFrameFixture, BuildingLeavesTheModelAsItWas)
{
    m.alg.Alg_Group_Flag(1, 3) = 1;
    algText(41 * 3 + 17) = QStringLiteral(" 5");
    const SchemaTables before = m.schema;
    ASSERT_TRUE(Schema_Frame(m).ok());
    EXPECT_TRUE(m.schema.Parametr_Name == before.Parametr_Name);
    EXPECT_TRUE(m.schema.Parametr_Value == before.Parametr_Value);
}

} // namespace
} // namespace pelmora
