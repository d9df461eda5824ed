#include "upload/page_tables_codec.h"

#include "elements/element_codec.h"
#include "project/startup.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pelmora {
namespace {

using page::writeElementTables;

constexpr char Fill = char(0xAA); // what the buffer held before the tables
constexpr int p = 0;              // the page the offset table fills

struct Written {
    bool ok = false;
    int end = 0;
    QByteArray image;
    int at(int offset) const { return static_cast<unsigned char>(image[offset]); }
    int w16(int offset) const { return at(offset) + 256 * at(offset + 1); }
};

class PageElementTables : public ::testing::Test {
protected:
    PageElementTables() { startUpModel(m); }

    // Writes the tables of `page` at the start of a buffer that holds Fill.
    Written write(int formatVersion, int page = 0, const page::ControlViewTop &tops = {})
    {
        Written r;
        r.image = QByteArray(4000, Fill);
        const auto end = writeElementTables(m, page, formatVersion, r.image, 0, tops);
        r.ok = end.has_value();
        r.end = end.value_or(-1);
        return r;
    }

    ProjectModel m;
};

TEST(PageTableCodec, Rgb565PutsRedInTheHighBits)
{
    // clang-format off
    struct Case { std::int32_t colour; int rgb565; };
    const Case cases[] = {
        {0x0000FF, 0xF800}, {0xFFFFFF, 0xFFFF}, {0x808080, 0x8410},
        {0x00FF00, 0x07E0}, {0xFF0000, 0x001F}, {0x000000, 0x0000},
        {0x070307, 0x0000}, // below one step of every channel
        {0x080408, 0x0821},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(page::Color_RGB_565(c.colour), c.rgb565) << std::hex << c.colour;
}

TEST(PageTableCodec, FontCodes)
{
    // clang-format off
    struct Case { int size; int parameter; int textSignal; };
    const Case cases[] = {
        {0, 0, 0},     // a free slot: -0.5 rounds to the even 0
        {10, 2, 2}, {14, 3, 3}, {18, 9, 4}, {24, 12, 6}, {25, 11, 6},
        {12, 2, 2},    // 2.5 -> 2
        {16, 4, 4},    // 3.5 -> 4
        {30, 7, 7},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(page::parameterFontCode(c.size), c.parameter) << c.size;
        EXPECT_EQ(page::textSignalFontCode(c.size), c.textSignal) << c.size;
    }
}

TEST(PageTableCodec, KeyCells)
{
    // clang-format off
    struct Case { int x, y, cell; };
    const Case cases[] = {
        {0, 0, 0}, {0, 300, 0}, {60, 58, 15}, {120, 0, 3}, {1, 0, 1},
        {40, 50, 2}, {39, 50, 1}, {778, 420, 13 + 7 * 13},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(page::keyCell(c.x, c.y), c.cell) << c.x << "," << c.y;
}

TEST(PageTableCodec, LayoutLengthsByFormatVersion)
{
    // clang-format off
    struct Case { int version; bool longLayout; int length; int written; };
    const Case cases[] = {
        {0, true, 3580, 3580}, {3, true, 3580, 3580}, {4, true, 3580, 3580},
        {5, true, 3580, 3580}, {6, true, 3580, 3580},
        {1, false, 2971, 3036}, {2, false, 2971, 3036}, {7, false, 2971, 3036},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(page::longTableLayout(c.version), c.longLayout) << c.version;
        EXPECT_EQ(page::tableLength(c.version), c.length) << c.version;
        EXPECT_EQ(page::tableWrittenLength(c.version), c.written) << c.version;
    }
}

TEST(PageTableCodec, MechanismOffsets)
{
    // clang-format off
    struct Case { int code; bool flag; int used; int dx, dy; };
    const Case cases[] = {
        {0, false, 1, 12, 12}, {0, true, 1, 0, 0},
        {2, false, 1, 8, 8},   {2, true, 1, 0, 0},
        {7, false, 1, 9, 14},  {7, true, 1, 0, 0},
        {8, false, 1, 8, 47},  {8, true, 1, 8, 47},
        {11, true, 1, 47, 8},  {15, false, 1, 36, 4},
        {16, false, 1, 0, 0},  {22, false, 1, 0, 0},
        {8, false, 0, 0, 0},   {0, false, -1, 0, 0},
        {-1, false, 1, 0, 0},
    };
    // clang-format on
    for (const Case &c : cases) {
        const page::Offset d = page::mechanismOffset(c.code, c.flag, c.used);
        EXPECT_EQ(d.dx, c.dx) << c.code << " " << c.flag << " " << c.used;
        EXPECT_EQ(d.dy, c.dy) << c.code << " " << c.flag << " " << c.used;
    }
}

TEST_F(PageElementTables, UnusedPageLongLayout)
{
    m.pages.Varning_Stranica = 3;
    m.pages.Varning_Coord_X = 300;
    m.pages.Varning_Coord_Y = 20;
    m.pages.Varning_Color = 0x0000FF;
    m.pages.Varning_Color_Fon = 0xFFFFFF;
    m.pages.Varning_Num_Block = 12;
    m.pages.Varning_Num_OUT = 4;

    // Page 3: the start-up state gives font sizes to page 0 only.
    const Written r = write(6, 3);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.end, 3580);
    EXPECT_EQ(r.at(3580), 0xAA); // nothing past the end

    for (int n = 0; n < 32; ++n) {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(r.at(n * 11 + i), 0) << "parameter " << n << " byte " << i;
        EXPECT_EQ(r.at(n * 11 + 10), 2) << "parameter digits " << n;

        const int s = 352 + n * 11;
        EXPECT_EQ(r.at(s + 4), 1);
        EXPECT_EQ(r.at(s + 5), 1);

        const int ts = 704 + n * 34;
        EXPECT_EQ(r.at(ts + 4), 0) << "font code of size 0";
        for (int i = 10; i < 34; ++i)
            EXPECT_EQ(r.at(ts + i), 0x20) << "text signal " << n << " byte " << i;

        const int lv = 1792 + n * 13;
        EXPECT_EQ(r.at(lv + 4), 1);
        EXPECT_EQ(r.at(lv + 5), 1);
    }
    for (int n = 0; n < 8; ++n)
        for (int i = 4; i < 16; ++i)
            EXPECT_EQ(r.at(2208 + n * 16 + i), 0xAA) << "reserved menu byte";
    EXPECT_EQ(r.at(2344), 1); // graph width and height
    EXPECT_EQ(r.at(2345), 1);

    // clang-format off
    EXPECT_EQ(r.image.mid(2763, 11),
              QByteArray::fromHex("03" "2c01" "1400" "00f8" "ffff" "0c" "04"));
    // clang-format on
    EXPECT_EQ(r.image.mid(2774, 373), QByteArray(373, 7));
    EXPECT_EQ(r.at(3147), 55);
    EXPECT_EQ(r.image.mid(3148, 8), QByteArray(8, Fill));
    EXPECT_EQ(r.image.mid(3156, 3580 - 3156), QByteArray(3580 - 3156, 0));
}

TEST_F(PageElementTables, BannerWithoutBlockOrOutputGoesOutAsOutputZero)
{
    m.pages.Varning_Num_Block = 0;
    m.pages.Varning_Num_OUT = -1;
    const Written r = write(6, 0);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.at(2772), 0);
    EXPECT_EQ(r.at(2773), 0);
}

TEST_F(PageElementTables, UnusedPageShortLayoutHasNoMechanismsBannerOrFiller)
{
    m.pages.Varning_Num_OUT = -1; // not written in this layout, so no failure
    const Written r = write(1, 3);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.end, 3036);
    EXPECT_EQ(r.at(2603), 55);
    EXPECT_EQ(r.image.mid(2604, 8), QByteArray(8, Fill));
    EXPECT_EQ(r.image.mid(2612, 3036 - 2612), QByteArray(3036 - 2612, 0));
    EXPECT_EQ(r.at(3036), 0xAA);
}

// Slot 1 and slot 32 of every section land at the section's offset in both
// layouts; each row fills one field with a value that shows its bytes.
TEST_F(PageElementTables, SectionOffsets)
{
    struct Case {
        const char *what;
        std::function<void(pelmora::PageTables &)> fill;
        int longOffset; // -1: not in the short layout
        int shortOffset;
        QByteArray expected;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"parameter 1 x", [](auto &t) { t.Parametr_Coord_X(p, 1) = 0x1234; }, 0, 0, QByteArray::fromHex("3412")},
        {"parameter 32 digits", [](auto &t) { t.Parametr_Digits(p, 32) = 4; }, 31 * 11 + 10, 31 * 11 + 10, QByteArray::fromHex("06")},
        {"signal 1 y", [](auto &t) { t.Signal_Coord_Y(p, 1) = 2048 + 100; }, 354, 354, QByteArray::fromHex("6408")},
        {"text signal 1 x", [](auto &t) { t.Text_Signal_Coord_X(p, 1) = 513; }, 704, 704, QByteArray::fromHex("0102")},
        {"level 1 scale", [](auto &t) { t.Level_Scale(p, 1) = 65535; }, 1798, 1798, QByteArray::fromHex("ffff")},
        {"level 32 type", [](auto &t) { t.Level_Type(p, 32) = 3; }, 1792 + 31 * 13 + 12, 1792 + 31 * 13 + 12, QByteArray::fromHex("03")},
        {"menu 8 y", [](auto &t) { t.Menu_Coord_Y(p, 8) = 400; }, 2208 + 7 * 16 + 2, 2208 + 7 * 16 + 2, QByteArray::fromHex("9001")},
        {"clock", [](auto &t) { t.Clock_Coord_X(p + 1) = 700; t.Clock_Coord_Y(p + 1) = 5; }, 2336, 2336, QByteArray::fromHex("bc020500")},
        {"graph", [](auto &t) {
             t.Grafik_Coord_X(p + 1) = 10; t.Grafik_Coord_Y(p + 1) = 20;
             t.Grafik_Razmer_X(p + 1) = 200; t.Grafik_Razmer_Y(p + 1) = 100; t.Grafik_Grup_Num(p + 1) = 7; },
         2340, 2340, QByteArray::fromHex("0a001400c76307")},
        {"control 1 kind", [](auto &t) { t.Control_Key_Type(p, 1) = 5; }, 2351, 2351, QByteArray::fromHex("05")},
        {"transition 32 param", [](auto &t) { t.Go_Block_Param(p, 32) = 130; }, 2539 + 63, 2539 + 63, QByteArray::fromHex("82")},
        {"mechanism 1 code", [](auto &t) { t.Vent_Picture_Num(p, 1) = 20; }, 2607, -1, QByteArray::fromHex("14")},
        {"parameter binding 1", [](auto &t) { t.Parametr_Num_Block(p, 1) = 5; t.Parametr_Num_OUT(p, 1) = 129; }, 3156, 2612, QByteArray::fromHex("0581")},
        {"signal binding 32", [](auto &t) { t.Signal_Num_Block(p, 32) = 99; t.Signal_Num_OUT(p, 32) = 3; }, 3220 + 62, 2676 + 62, QByteArray::fromHex("6303")},
        {"text signal binding 1", [](auto &t) { t.Text_Signal_Num_Block(p, 1) = 7; t.Text_Signal_Num_OUT(p, 1) = 130; }, 3284, 2740, QByteArray::fromHex("0782")},
        {"level binding 1", [](auto &t) { t.Level_Num_Block(p, 1) = 8; t.Level_Num_OUT(p, 1) = 1; }, 3348, 2804, QByteArray::fromHex("0801")},
        {"menu targets 1 and 8", [](auto &t) { t.Menu_Stranica(p, 1) = 15; t.Menu_Stranica(p, 8) = 2; }, 3412, 2868, QByteArray::fromHex("0f00000000000002")},
        {"control binding 1", [](auto &t) { t.Control_Num_Block(p, 1) = 50; t.Control_Num_OUT(p, 1) = 255; }, 3420, 2876, QByteArray::fromHex("32ff")},
        {"transition target 32", [](auto &t) { t.Go_Block_Target(p, 32) = 200; }, 3484 + 31, 2940 + 31, QByteArray::fromHex("c8")},
        {"mechanism binding 32", [](auto &t) { t.Vent_Num_Block(p, 32) = 9; t.Vent_Num_OUT(p, 32) = 2; }, 3516 + 62, 2972 + 62, QByteArray::fromHex("0902")},
    };
    // clang-format on
    for (const Case &c : cases) {
        for (int version : {6, 1}) {
            const int offset = version == 6 ? c.longOffset : c.shortOffset;
            if (offset < 0)
                continue;
            m = ProjectModel();
            startUpModel(m);
            c.fill(m.pages);
            const Written r = write(version);
            ASSERT_TRUE(r.ok) << c.what;
            EXPECT_EQ(r.image.mid(offset, c.expected.size()).toHex(), c.expected.toHex())
                << c.what << ", format version " << version;
        }
    }
}

TEST_F(PageElementTables, WritesTheChosenPageOnly)
{
    m.pages.Signal_Coord_X(2, 1) = 77;
    m.pages.Signal_Coord_X(0, 1) = 11;
    m.pages.Clock_Coord_X(3) = 640; // page 2's clock
    m.pages.Clock_Coord_X(2) = 1;
    const Written r = write(6, 2);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.w16(352), 77);
    EXPECT_EQ(r.w16(2336), 640);
}

TEST_F(PageElementTables, SignalSizesAreReducedByOneOrByFiveWithAFrame)
{
    m.pages.Signal_Razmer_X(0, 1) = element::signalWidthPack(20, 1); // 84
    m.pages.Signal_Razmer_Y(0, 1) = element::signalHeightPack(20, 1);
    m.pages.Signal_Color(0, 1) = 0x0000FF;
    m.pages.Signal_Color_Fon(0, 1) = 0x808080;
    m.pages.Signal_Razmer_X(0, 2) = 84;
    m.pages.Signal_Razmer_Y(0, 2) = 3; // 3 - 5 gives 2
    m.pages.Signal_Border_Style(0, 2) = 1;
    const Written r = write(6);
    ASSERT_TRUE(r.ok);
    // clang-format off
    EXPECT_EQ(r.image.mid(352, 11).toHex(), QByteArray::fromHex("00000000" "5313" "00f8" "1084" "00").toHex());
    // clang-format on
    EXPECT_EQ(r.at(363 + 4), 79);
    EXPECT_EQ(r.at(363 + 5), 2);
    EXPECT_EQ(r.at(363 + 10), 1);
}

TEST_F(PageElementTables, LevelSizesReducedByFiveOnlyForTypeOne)
{
    // clang-format off
    struct Case { int type; int width; int height; };
    // clang-format on
    const Case cases[] = {{0, 49, 99}, {1, 45, 95}, {2, 49, 99}, {3, 49, 99}};
    for (const Case &c : cases) {
        m.pages.Level_Razmer_X(0, 1) = 50;
        m.pages.Level_Razmer_Y(0, 1) = 100;
        m.pages.Level_Type(0, 1) = c.type;
        const Written r = write(6);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.at(1792 + 4), c.width) << c.type;
        EXPECT_EQ(r.at(1792 + 5), c.height) << c.type;
    }
}

TEST_F(PageElementTables, ParameterRecord)
{
    m.pages.Parametr_Coord_X(0, 2) = 100;
    m.pages.Parametr_Coord_Y(0, 2) = 50;
    m.pages.Parametr_Color(0, 2) = 0x00FF00;
    m.pages.Parametr_Color_Fon(0, 2) = 0xFF0000;
    m.pages.Parametr_Border_Style(0, 2) = 1;
    m.pages.Parametr_Font_Size(0, 2) = 24;
    m.pages.Parametr_Digits(0, 2) = 3;
    const Written r = write(6);
    ASSERT_TRUE(r.ok);
    // clang-format off
    EXPECT_EQ(r.image.mid(11, 11).toHex(), QByteArray::fromHex("6400" "3200" "e007" "1f00" "01" "0c" "05").toHex());
    // clang-format on
}

TEST_F(PageElementTables, TextSignalRecordWithSetpointAndCyrillicTexts)
{
    m.pages.Text_Signal_Coord_X(0, 1) = 10;
    m.pages.Text_Signal_Coord_Y(0, 1) = element::listTopPack(20, 1);
    m.pages.Text_Signal_Font_Size(0, 1) = 18;
    m.pages.Text_Signal_Color(0, 1) = 0xFFFFFF;
    m.pages.Text_Signal_Color_Fon(0, 1) = 0;
    m.pages.Text_Signal_Text_Off(0, 1) = QStringLiteral("Текст 1");
    m.pages.Text_Signal_Text_On(0, 1) = QStringLiteral("Довгий текст понад 12");
    m.pages.Text_Signal_Border_Style(0, 1) = element::textSignalBorderPack(1, true);
    const Written r = write(6);
    ASSERT_TRUE(r.ok);
    // clang-format off
    EXPECT_EQ(r.image.mid(704, 10).toHex(), QByteArray::fromHex("0a00" "1404" "04" "ffff" "0000" "8f").toHex());
    // clang-format on
    // "Текст 1" in Windows-1251, padded with blanks; the on-text cut to 12.
    EXPECT_EQ(r.image.mid(714, 12).toHex(), QByteArray::fromHex("d2e5eaf1f220312020202020").toHex());
    EXPECT_EQ(r.image.mid(726, 12).toHex(), QByteArray::fromHex("c4eee2e3e8e920f2e5eaf1f2").toHex());
}

TEST_F(PageElementTables, ControlButtonKeyCells)
{
    // clang-format off
    struct Case { int x, y, kind; std::optional<double> viewTop; int sentY, cell; };
    const Case cases[] = {
        {60, 58, 5, {}, 58, 15},
        {0, 58, 5, {}, 58, 0},
        {0, 58, 13, 48.0, 0, 0},     // kind 13 without X sends Y 0 as well
        {60, 110, 13, {}, 100, 15},  // no view: the view stands 10 above the record
        {60, 110, 13, 51.0, 51, 15}, // the view's own top: 60 \ 60 = 1
        {60, 110, 13, 50.5, 50, 15}, // 50.5 -> 50 but 59.5 -> 60
        {60, 110, 13, 50.4, 50, 2},
    };
    // clang-format on
    for (const Case &c : cases) {
        m.pages.Control_Coord_X(0, 3) = c.x;
        m.pages.Control_Coord_Y(0, 3) = c.y;
        m.pages.Control_Key_Type(0, 3) = c.kind;
        const auto top = c.viewTop;
        const Written r =
            write(6, 0, [top](int slot) -> std::optional<double> { return slot == 3 ? top : std::nullopt; });
        ASSERT_TRUE(r.ok);
        const int at = 2347 + 2 * 6;
        EXPECT_EQ(r.w16(at), c.x);
        EXPECT_EQ(r.w16(at + 2), c.sentY) << c.x << "," << c.y << " kind " << c.kind;
        EXPECT_EQ(r.at(at + 4), c.kind);
        EXPECT_EQ(r.at(at + 5), c.cell) << c.x << "," << c.y << " kind " << c.kind;
    }
}

TEST_F(PageElementTables, TransitionCells)
{
    // clang-format off
    struct Case { int used, x, y, cell; };
    const Case cases[] = {
        {3, 0, 0, 0},      // double field, but X 0 gives no cell and no 128
        {3, 60, 58, 143},
        {1, 60, 58, 15},
        {2, 120, 0, 131},
    };
    // clang-format on
    for (const Case &c : cases) {
        m.pages.Go_Block_Used(0, 5) = c.used;
        m.pages.Go_Block_Coord_X(0, 5) = c.x;
        m.pages.Go_Block_Coord_Y(0, 5) = c.y;
        const Written r = write(6);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.at(2539 + 4 * 2), c.cell) << c.used << " " << c.x << "," << c.y;
    }
}

TEST_F(PageElementTables, MechanismPositionsWithOffsets)
{
    // clang-format off
    struct Case { int code; bool background; int sentX, sentY; };
    const Case cases[] = {
        {8, false, 108, 247}, {8, true, 108, 247},
        {2, false, 108, 208}, {2, true, 100, 200},
        {22, false, 100, 200},
    };
    // clang-format on
    for (int slot : {1, 16, 17, 32}) {
        for (const Case &c : cases) {
            m = ProjectModel();
            startUpModel(m);
            m.pages.Vent_Used(0, slot) = 1;
            m.pages.Vent_Coord_X(0, slot) = 100;
            m.pages.Vent_Coord_Y(0, slot) = 200;
            m.pages.Vent_Picture_Num(0, slot) = c.code;
            const int word = element::ventFonWord(slot);
            m.pages.Vent_Fon_Bits(word, 0) = element::ventFonSet(0, slot, c.background);
            // the flag of another page must not count
            m.pages.Vent_Fon_Bits(word, 1) = element::ventFonSet(0, slot, !c.background);
            const Written r = write(6);
            ASSERT_TRUE(r.ok);
            const int at = 2603 + (slot - 1) * 5;
            EXPECT_EQ(r.w16(at), c.sentX) << "slot " << slot << " code " << c.code;
            EXPECT_EQ(r.w16(at + 2), c.sentY) << "slot " << slot << " code " << c.code;
            EXPECT_EQ(r.at(at + 4), c.code);
        }
    }
}

TEST_F(PageElementTables, ValuesThatDoNotFitStopTheTables)
{
    struct Case {
        const char *what;
        std::function<void(pelmora::PageTables &)> fill;
        bool longFails;
        bool shortFails;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"banner bound to a block without output",
         [](auto &t) { t.Varning_Num_Block = 5; t.Varning_Num_OUT = -1; }, true, false},
        {"banner block 300", [](auto &t) { t.Varning_Num_Block = 300; }, true, false},
        {"level scale above 65535", [](auto &t) { t.Level_Scale(0, 4) = 65536; }, true, true},
        {"negative level scale", [](auto &t) { t.Level_Scale(0, 4) = -1; }, true, true},
        {"negative x", [](auto &t) { t.Signal_Coord_X(0, 2) = -1; }, true, true},
        {"signal width 300", [](auto &t) { t.Signal_Razmer_X(0, 2) = 300; }, true, true},
        {"text signal byte 9 above 255", [](auto &t) {
             t.Text_Signal_Text_Off(0, 1) = QString(64, QLatin1Char('a'));
             t.Text_Signal_Border_Style(0, 1) = 129; }, true, true},
        {"character without a byte code", [](auto &t) { t.Text_Signal_Text_On(0, 9) = QStringLiteral("a\u4E2D"); }, true, true},
        {"transition param negative", [](auto &t) { t.Go_Block_Param(0, 1) = -1; }, true, true},
        {"transition target 256", [](auto &t) { t.Go_Block_Target(0, 1) = 256; }, true, true},
        {"mechanism y still negative after its offset",
         [](auto &t) { t.Vent_Used(0, 1) = 1; t.Vent_Picture_Num(0, 1) = 11; t.Vent_Coord_Y(0, 1) = -10; }, true, false},
    };
    // clang-format on
    for (const Case &c : cases) {
        for (int version : {6, 1}) {
            m = ProjectModel();
            startUpModel(m);
            c.fill(m.pages);
            const Written r = write(version);
            EXPECT_EQ(!r.ok, version == 6 ? c.longFails : c.shortFails) << c.what << ", format version " << version;
        }
    }
}

// The demo pages hold elements of every kind, as the dialogs leave them.
TEST_F(PageElementTables, DemoPagesFitEveryLayout)
{
    m.settings.Stranica_Count = 16;
    test::placeDemoPageElements(m);
    for (int version : {0, 1, 3, 4, 5, 6})
        for (int pg = 0; pg < 16; ++pg) {
            const Written r = write(version, pg);
            EXPECT_TRUE(r.ok) << "page " << pg << ", format version " << version;
            EXPECT_EQ(r.end, page::tableWrittenLength(version));
        }
}

TEST_F(PageElementTables, TextWithAQuestionMarkIsNotAFailure)
{
    m.pages.Text_Signal_Text_Off(0, 1) = QStringLiteral("Стоп?");
    const Written r = write(6);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.at(714 + 4), '?');
}

TEST_F(PageElementTables, BufferTooShortOrBadPageFails)
{
    QByteArray image(3579, Fill);
    EXPECT_FALSE(writeElementTables(m, 0, 6, image, 0));
    QByteArray room(5000, Fill);
    EXPECT_EQ(writeElementTables(m, 0, 6, room, 1420), 5000);
    EXPECT_FALSE(writeElementTables(m, 0, 6, room, 1421));
    EXPECT_FALSE(writeElementTables(m, 0, 6, room, -1));
    EXPECT_FALSE(writeElementTables(m, 16, 6, room, 0));
    EXPECT_FALSE(writeElementTables(m, -1, 6, room, 0));
}

} // namespace
} // namespace pelmora
