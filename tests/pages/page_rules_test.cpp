// The page editor's rules that need no window: the blink tick, restored
// level bars and mechanisms, the grid step, background names, the eyedropper.

#include "core/model/project_model.h"
#include "pages/element_kinds.h"
#include "pages/page_rules.h"
#include "project/startup.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

TEST(ElementIndex, EveryKindMapsSlotsAndPagesToItsControlIndex)
{
    // clang-format off
    struct Case { element::Kind kind; int page, slot, index; };
    const Case cases[] = {
        {element::Kind::Signal, 0, 1, 1},          {element::Kind::Signal, 2, 7, 71},
        {element::Kind::Figure, 15, 32, 512},      {element::Kind::Mechanism, 1, 17, 49},
        {element::Kind::StaticText, 1, 64, 128},   {element::Kind::StaticText, 16, 64, 1088},
        {element::Kind::Menu, 3, 8, 32},           {element::Kind::Menu, 0, 1, 1},
        {element::Kind::Graph, 0, 0, 1},           {element::Kind::Clock, 15, 0, 16},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(element::viewIndex(c.kind, c.page, c.slot), c.index) << c.page << "," << c.slot;
        if (c.kind != element::Kind::Graph && c.kind != element::Kind::Clock) {
            EXPECT_EQ(slotOfIndex(c.kind, c.page, c.index), c.slot);
        }
    }
    EXPECT_EQ(slotOfIndex(element::Kind::Signal, 3, 0), 0); // a template's number
}

class BlinkTick : public ::testing::Test {
protected:
    void SetUp() override { startUpModel(m); }
    ProjectModel m;
    PageTables &t = m.pages;
};

TEST_F(BlinkTick, PageWithoutSignalsOnlyFlipsThePhase)
{
    std::int16_t phase = 0;
    EXPECT_TRUE(blinkTick(t, 3, phase).empty());
    EXPECT_EQ(phase, 1);
    EXPECT_TRUE(blinkTick(t, 3, phase).empty());
    EXPECT_EQ(phase, 0);
}

TEST_F(BlinkTick, BlinkingElementsAlternateAndSteadyOnesReturnToTheirFirstState)
{
    const int p = 2;
    // slot 3: blinking signal; slot 4: steady signal; slot 5: blinking text; slot 6: steady text.
    t.Signal_Used(p, 3) = 1, t.Signal_Miganie_Flag(p, 3) = 1, t.Signal_Color(p, 3) = 0x0000FF,
                     t.Signal_Color_Fon(p, 3) = 0x00FF00;
    t.Signal_Used(p, 4) = 1, t.Signal_Miganie_Flag(p, 4) = 0, t.Signal_Color(p, 4) = 0x111111,
                     t.Signal_Color_Fon(p, 4) = 0x222222;
    t.Text_Signal_Used(p, 5) = 1, t.Text_Signal_Miganie_Flag(p, 5) = 1;
    t.Text_Signal_Text_Off(p, 5) = QStringLiteral("Стоп"), t.Text_Signal_Text_On(p, 5) = QStringLiteral("Пуск");
    t.Text_Signal_Used(p, 6) = 1, t.Text_Signal_Text_Off(p, 6) = QStringLiteral("Норма"),
                          t.Text_Signal_Text_On(p, 6) = QStringLiteral("Аварія");
    // an element of another page is never touched
    t.Signal_Used(p + 1, 3) = 1;

    std::int16_t phase = 0;
    const auto first = blinkTick(t, p, phase);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0].index, p * 32 + 3);
    EXPECT_EQ(first[0].colour, 0x0000FF);
    EXPECT_EQ(first[1].colour, 0x111111);
    EXPECT_EQ(first[2].caption, QStringLiteral("Стоп"));
    EXPECT_EQ(first[2].index, p * 32 + 5);
    EXPECT_EQ(first[3].caption, QStringLiteral("Норма"));

    const auto second = blinkTick(t, p, phase);
    ASSERT_EQ(second.size(), 3u); // the steady text keeps its caption
    EXPECT_EQ(second[0].colour, 0x00FF00);
    EXPECT_EQ(second[1].colour, 0x111111);
    EXPECT_EQ(second[2].caption, QStringLiteral("Пуск"));
    EXPECT_EQ(phase, 0);
}

TEST_F(BlinkTick, OnlyUsedValueOneCounts)
{
    t.Signal_Used(0, 1) = 2;
    t.Text_Signal_Used(0, 1) = -1;
    std::int16_t phase = 1;
    EXPECT_TRUE(blinkTick(t, 0, phase).empty());
}

TEST(LevelLayout, HalvesStayUnroundedAndColoursFollowTheOrientation)
{
    ProjectModel m;
    auto &t = m.pages;
    t.Level_Coord_X(1, 2) = 10, t.Level_Coord_Y(1, 2) = 20;
    t.Level_Razmer_X(1, 2) = 51, t.Level_Razmer_Y(1, 2) = 51;
    t.Level_Color(1, 2) = 0x0000FF, t.Level_Color_Fon(1, 2) = 0xFFFFFF;

    t.Level_Type(1, 2) = 1; // vertical, framed
    LevelLayout v = levelLayout(t, 1, 2);
    EXPECT_EQ(v.bar, QRectF(10, 20, 51, 51));
    EXPECT_EQ(v.fill, QRectF(10, 20, 51, 25.5));
    EXPECT_EQ(v.barColour, 0x0000FF);  // the bar shows the level colour
    EXPECT_EQ(v.fillColour, 0xFFFFFF); // its upper half is covered in the background
    EXPECT_TRUE(v.frame);

    t.Level_Type(1, 2) = 2; // horizontal, no frame
    LevelLayout h = levelLayout(t, 1, 2);
    EXPECT_EQ(h.fill, QRectF(10, 20, 25.5, 51));
    EXPECT_EQ(h.barColour, 0xFFFFFF);
    EXPECT_EQ(h.fillColour, 0x0000FF);
    EXPECT_FALSE(h.frame);
}

TEST(RestoredViews, ControlImageWithKeyType13StandsTenPixelsHigher)
{
    EXPECT_EQ(controlImageTop(100, 13), 90);
    EXPECT_EQ(controlImageTop(100, 12), 100);
    EXPECT_EQ(controlImageTop(5, 13), -5);
}

TEST(RestoredViews, MechanismLookByFanFlagAndPictureCode)
{
    ProjectModel m;
    auto &t = m.pages;
    // clang-format off
    struct Case { int page, slot, word; std::int32_t bits; int code; QString phaseName; MechanismLook look; };
    const Case cases[] = {
        {2, 17, 1, 0x1, 5, {}, MechanismLook::Impeller2},     // bit 0 of word 1 is slot 17
        {2, 17, 1, 0x2, 5, {}, MechanismLook::Picture},       // bit 1 is slot 18
        {0, 1, 0, 0x1, 3, {}, MechanismLook::Impeller1},
        {0, 16, 0, qint32(0x8000), 0, {}, MechanismLook::Impeller1},
        {0, 1, 0, 0x1, 8, {}, MechanismLook::Picture},        // static pictures have no fan
        {0, 0, 0, -1, 2, {}, MechanismLook::Picture},         // the template has no flag bit
        {0, 4, 0, 0, 22, QStringLiteral("\\phase0.gif"), MechanismLook::UserPhase},
        {0, 4, 0, 0x8, 22, {}, MechanismLook::Hidden},
    };
    // clang-format on
    for (const Case &c : cases) {
        t.Vent_Fon_Bits(0, c.page) = 0;
        t.Vent_Fon_Bits(1, c.page) = 0;
        t.Vent_Fon_Bits(c.word, c.page) = c.bits;
        t.Vent_Picture_Num(c.page, c.slot) = c.code;
        t.Mechanizm_Gif_Name(0) = c.phaseName;
        EXPECT_EQ(mechanismLook(t, c.page, c.slot), c.look) << c.page << "," << c.slot << " code " << c.code;
    }
}

TEST(GridStep, TypedTextsAcceptedOrRefused)
{
    // clang-format off
    struct Case { const char *text; std::optional<std::int16_t> step; };
    const Case cases[] = {
        {"10", 10}, {" 7 px", 7}, {"1", 1}, {"2.5", 2}, {"3.5", 4}, {"32767", 32767},
        {"0", std::nullopt}, {"0.4", std::nullopt}, {"-3", std::nullopt}, {"", std::nullopt},
        {"abc", std::nullopt}, {"32768", std::nullopt}, {"1e9", std::nullopt},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(gridStepFromText(QString::fromUtf8(c.text)), c.step) << c.text;
}

TEST(BackgroundPicture, StoredNameIsABackslashAndTheBareName)
{
    // clang-format off
    struct Case { const char *path; std::optional<QString> name; };
    const Case cases[] = {
        {"/home/eng/pages/pump.gif", QStringLiteral("\\pump.gif")},
        {"C:\\pics\\pump.gif", QStringLiteral("\\pump.gif")},
        {"/a\\b/Насос 1.gif", QStringLiteral("\\Насос 1.gif")},
        {"pump.gif", QStringLiteral("\\pump.gif")},
        {"/x/a.g", std::nullopt},
        {"/x/", std::nullopt},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(backgroundEntryName(QString::fromUtf8(c.path)), c.name) << c.path;
}

TEST(Eyedropper, PictureThenPageColourThenOutside)
{
    QImage picture(100, 50, QImage::Format_ARGB32);
    picture.fill(QColor(10, 20, 30));
    picture.setPixelColor(5, 6, QColor(255, 0, 0));
    picture.setPixelColor(7, 7, Qt::transparent);
    const std::int32_t page = 0xC0FFC0;
    // clang-format off
    struct Case { int x, y; std::int32_t colour; };
    const Case cases[] = {
        {5, 6, 0x0000FF},   {0, 0, 0x1E140A}, {7, 7, page}, {150, 40, page}, {799, 479, page},
        {800, 10, -1},      {10, 480, -1},    {-1, 0, -1},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(canvasPointColour(picture, page, 800, 480, c.x, c.y), c.colour) << c.x << "," << c.y;
    EXPECT_EQ(canvasPointColour(QImage(), page, 800, 480, 5, 6), page);
}
