#include "project/config_project_model.h"
#include "project/format_version.h"
#include "project/startup.h"

#include <gtest/gtest.h>

using namespace pelmora;

namespace {

// Lays the parameter records out as the import does: in block order, without
// gaps, each type taking the counts of the catalogue in force.
void layOut(ProjectModel &m)
{
    int p = 0, q = 0;
    for (int b = 1; b <= 99; ++b) {
        m.schema.Parametr_Value_Start(b) = 0;
        m.schema.Parametr_Name_Start(b) = 0;
        const int t = m.schema.Block_Type(b);
        if (t == 0)
            continue;
        m.schema.Parametr_Value_Start(b) = p;
        m.schema.Parametr_Name_Start(b) = q;
        p += m.catalogue.Parametr_Value_Count(t);
        q += m.catalogue.Parametr_Name_Count(t);
    }
}

class NewProjectDefaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        startUpModel(m);
        auto &s = m.schema;
        s.Block_Type(97) = type::SCA;
        s.Block_Type(98) = type::GRA;
        s.Block_Type(99) = type::JUR;
        for (int i = 0; i <= 20000; ++i)
            s.Parametr_Name(i) = QStringLiteral("x");
        for (int i = 0; i <= 10000; ++i)
            s.Parametr_Value(i) = 7.0f;
    }
    QString text(int block, int k) const { return m.schema.Parametr_Name(m.schema.Parametr_Name_Start(block) + k); }
    float value(int block, int k) const { return m.schema.Parametr_Value(m.schema.Parametr_Value_Start(block) + k); }
    ProjectModel m;
};

} // namespace

TEST(ConfigProjectInput, PeriodAndPortReadAsLeadingNumbersHalvesToEven)
{
    struct Case {
        const char *text;
        std::optional<int> period;
        std::optional<int> port;
    };
    const Case cases[] = {
        {"2.5", 2, 2},
        {"3.5", 4, 4},
        {"300 ms", 300, 300},
        {"  42", 42, 42},
        {"ms", 0, 0},
        {"", 0, 0},
        {"32767", 32767, 32767},
        {"32767.5", std::nullopt, 32768}, // rounds to 32768: beyond the period's field
        {"32768", std::nullopt, 32768},
        {"65535", std::nullopt, 65535},
        {"65536", std::nullopt, std::nullopt},
        {"-1", -1, std::nullopt},
        {"-32769", std::nullopt, std::nullopt},
        {"1e12", std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        const QString t = QString::fromLatin1(c.text);
        const auto period = requestPeriodFromText(t);
        const auto port = portFromText(t);
        EXPECT_EQ(period.has_value(), c.period.has_value()) << c.text;
        if (period && c.period) {
            EXPECT_EQ(*period, *c.period) << c.text;
        }
        EXPECT_EQ(port.has_value(), c.port.has_value()) << c.text;
        if (port && c.port) {
            EXPECT_EQ(*port, *c.port) << c.text;
        }
    }
}

TEST_F(NewProjectDefaults, Rs4AndAlgorithmBlocksOfTheCurrentVersion)
{
    auto &s = m.schema;
    s.Block_Type(2) = type::RS4;
    s.Block_Type(5) = type::ALG;
    s.Block_Type(7) = type::S_P;
    layOut(m);
    ASSERT_EQ(m.settings.ALGORITHM_Statement_Max, 224);
    writeNewProjectDefaults(m);

    for (int k = 0; k < 48; ++k)
        EXPECT_EQ(text(2, k), QStringLiteral("0")) << k;
    for (int g : {0, 1, 100, 223}) {
        for (int k = 0; k < 41; ++k) {
            QString want = QStringLiteral("0");
            if (k == 20)
                want = QStringLiteral("1");
            if (k == 39 || k == 40)
                want = QStringLiteral("224");
            EXPECT_EQ(text(5, 41 * g + k), want) << g << "/" << k;
        }
    }
    EXPECT_EQ(value(5, 0), 7.0f); // not a set-point
    for (int k = 1; k <= 128; ++k)
        EXPECT_EQ(value(5, k), 0.0f) << k;
    // The neighbours keep theirs.
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(text(7, k), QStringLiteral("x")) << k;
    EXPECT_EQ(value(7, 0), 7.0f);
    EXPECT_EQ(text(98, 0), QStringLiteral("x"));
}

TEST_F(NewProjectDefaults, Rs4WithoutRequestTextsLeavesTheNextBlockAlone)
{
    // Laid out under version 4.2, where an RS4 block has no texts; the user
    // then chose 5.71 again.
    applyVersionItem(m, *versionItemByCode(3));
    auto &s = m.schema;
    s.Block_Type(2) = type::RS4;
    s.Block_Type(3) = type::S_P;
    s.Block_Type(10) = type::RS4;
    layOut(m);
    ASSERT_EQ(s.Parametr_Name_Start(2), s.Parametr_Name_Start(3));
    applyVersionItem(m, *versionItemByCode(6));
    ASSERT_EQ(m.catalogue.Parametr_Name_Count(type::RS4), 48);

    writeNewProjectDefaults(m);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(text(3, k), QStringLiteral("x")) << k;
    EXPECT_EQ(text(98, 0), QStringLiteral("x"));
}

TEST_F(NewProjectDefaults, AlgorithmRecordShorterThanTheStatementCountStopsAtItsEnd)
{
    // Laid out with the ALGORITHM capacity of the older versions (128
    // statements); the capacity in force is 224.
    applyVersionCapacity(m, 5);
    auto &s = m.schema;
    s.Block_Type(4) = type::ALG;
    s.Block_Type(6) = type::S_P;
    layOut(m);
    ASSERT_EQ(s.Parametr_Name_Start(6) - s.Parametr_Name_Start(4), 41 * 128);
    applyVersionCapacity(m, 6);

    writeNewProjectDefaults(m);
    EXPECT_EQ(text(4, 41 * 127 + 39), QStringLiteral("224"));
    EXPECT_EQ(text(4, 41 * 127 + 20), QStringLiteral("1"));
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(text(6, k), QStringLiteral("x")) << k;
    EXPECT_EQ(text(98, 0), QStringLiteral("x"));
}

TEST_F(NewProjectDefaults, NothingForAlgorithmStatementsWhileTheCapacityIsZero)
{
    m.settings.ALGORITHM_Statement_Max = 0;
    m.schema.Block_Type(3) = type::ALG;
    layOut(m);
    writeNewProjectDefaults(m);
    EXPECT_EQ(text(3, 0), QStringLiteral("x"));
    EXPECT_EQ(text(3, 20), QStringLiteral("x"));
    EXPECT_EQ(value(3, 1), 0.0f); // the set-points are still cleared
}

TEST(ConfirmPages, EmptyNamesGetTheirDefaultAndBackgroundFlagsClear)
{
    ProjectModel m;
    startUpModel(m);
    m.pages.Stranica_Name(2) = QStringLiteral("Котельня");
    for (int p = 0; p <= 15; ++p) {
        m.pages.Vent_Fon_Bits(0, p) = 0x1234;
        m.pages.Vent_Fon_Bits(1, p) = -1;
    }
    for (int p = 0; p <= 15; ++p)
        resetPageOnConfirm(m, p);
    EXPECT_EQ(m.pages.Stranica_Name(0), QStringLiteral("Сторінка 1"));
    EXPECT_EQ(m.pages.Stranica_Name(2), QStringLiteral("Котельня"));
    EXPECT_EQ(m.pages.Stranica_Name(15), QStringLiteral("Сторінка 16"));
    for (int p = 0; p <= 15; ++p) {
        EXPECT_EQ(m.pages.Vent_Fon_Bits(0, p), 0) << p;
        EXPECT_EQ(m.pages.Vent_Fon_Bits(1, p), 0) << p;
    }
}
