// The packed fields of the element tables: what a dialog packs, every reader
// (page editor, project opener, upload) gets back.

#include "core/model/project_model.h"
#include "elements/element_codec.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::element;

TEST(ElementCodec, SignalFieldsRoundTripForEveryShapeAndList)
{
    for (int shape = 0; shape <= 8; ++shape)
        for (int size : {2, 33, 60}) {
            const int rx = signalWidthPack(size, shape);
            const int ry = signalHeightPack(size + 1, shape);
            EXPECT_EQ(signalSize(rx), size);
            EXPECT_EQ(signalSize(ry), size + 1);
            EXPECT_EQ(signalShape(rx, ry), shape) << shape;
        }
    for (int list : {0, 1, 31})
        for (int top : {0, 100, 479}) {
            const int y = listTopPack(top, list);
            EXPECT_EQ(viewTop(y), top);
            EXPECT_EQ(listNumber(y), list);
        }
}

TEST(ElementCodec, RestoredIndicatorFromStoredFields)
{
    // Width field 130 and height field 66: 2 x 2 pixels, shape 6; top field 1124: top 100.
    EXPECT_EQ(viewSignalSize(130), 2);
    EXPECT_EQ(viewSignalSize(66), 2);
    EXPECT_EQ(signalShape(130, 66), 6);
    EXPECT_EQ(viewTop(1124), 100);
}

TEST(ElementCodec, FlagBytes)
{
    EXPECT_EQ(textSignalBorderPack(1, true), 129);
    EXPECT_EQ(textSignalFrame(129), 1);
    EXPECT_TRUE(textSignalSetpoint(129));
    EXPECT_FALSE(textSignalSetpoint(1));
    EXPECT_EQ(textSignalOutPack(5, true), 133);
    EXPECT_EQ(textSignalOutIndex(133), 5);
    EXPECT_TRUE(textSignalNumberMode(133));
    EXPECT_EQ(parameterOutPack(3, true, 4), 133);
    EXPECT_EQ(parameterOutPack(3, true, 25), 131);
    EXPECT_EQ(parameterOutPack(3, false, 4), 3);
    EXPECT_EQ(parameterOutPosition(133, 4), 3);
    EXPECT_EQ(parameterOutPosition(131, 25), 3);
    EXPECT_EQ(levelTypePack(true, false), 2);
    EXPECT_EQ(levelTypePack(false, true), 1);
    EXPECT_TRUE(levelHorizontal(3));
    EXPECT_TRUE(levelFrame(3));
}

TEST(ElementCodec, TransitionCodesOfTheDialog)
{
    // clang-format off
    struct Case { int block; bool process; int position; int pages; int code; };
    const Case cases[] = {
        {12, false, 0, 16, 12},   {7, true, 96, 16, 107},  {97, false, 2, 8, 203}, {97, false, 2, 16, 202},
        {98, false, 7, 16, 223},  {98, false, 7, 8, 218},  {0, false, 4, 16, 224}, {0, false, 4, 8, 220},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(transitionTargetPack(c.block, c.process, c.position, c.pages), c.code) << c.block;
        const Target t = transitionTarget(c.code, c.pages);
        EXPECT_NE(t.kind, TargetKind::None) << c.code;
    }
    EXPECT_EQ(transitionTarget(203, 8).kind, TargetKind::Page);
    EXPECT_EQ(transitionTarget(203, 8).number, 2);
    EXPECT_EQ(transitionTarget(210, 8).kind, TargetKind::None);
    EXPECT_EQ(transitionParamPack(true, 4, 0), 132);
    EXPECT_EQ(transitionParamPack(true, 0, 4), 130);
    EXPECT_EQ(transitionUsedPack(true), 3);
    EXPECT_EQ(transitionWidth(transitionDouble(3)), 100);
    EXPECT_EQ(transitionWidth(transitionDouble(1)), 40);
}

TEST(ElementCodec, TransitionCaptionOfARestoredView)
{
    // clang-format off
    struct Case { int code; int pages; const char16_t *caption; };
    const Case cases[] = {
        {105, 16, u"5"}, {5, 8, u"5"},    {205, 8, u"97"},  {205, 16, u"97"}, {200, 16, u"97"},
        {200, 8, nullptr}, {210, 8, nullptr}, {210, 16, u"97"}, {212, 8, u"98"}, {212, 16, u"97"},
        {220, 16, u"98"}, {220, 8, u"Тs"}, {252, 16, u"Тs"}, {252, 8, nullptr}, {0, 16, nullptr},
        {100, 16, nullptr}, {256, 16, nullptr},
    };
    // clang-format on
    for (const Case &c : cases) {
        const auto caption = transitionCaption(c.code, c.pages);
        if (!c.caption)
            EXPECT_FALSE(caption.has_value()) << c.code << " / " << c.pages;
        else
            EXPECT_EQ(caption.value_or(QString()), QString::fromUtf16(c.caption)) << c.code << " / " << c.pages;
    }
}

TEST(ElementCodec, MechanismBackgroundBits)
{
    std::int32_t w = 0;
    w = ventFonSet(w, 32, true);
    EXPECT_EQ(ventFonWord(32), 1);
    EXPECT_EQ(w, 0x8000); // bit 15 of word 1
    EXPECT_TRUE(ventFonFlag(w, 32));
    EXPECT_EQ(ventFonWord(17), 1);
    EXPECT_EQ(ventFonBit(17), 0);
    EXPECT_EQ(ventFonWord(16), 0);
    EXPECT_EQ(ventFonBit(16), 15);
    EXPECT_EQ(ventFonSet(w, 32, false), 0);
}

TEST(ElementCodec, ParameterPlaceholderAndFont)
{
    EXPECT_EQ(parameterPlaceholder(5, 0), QStringLiteral("05"));
    EXPECT_EQ(parameterPlaceholder(12, 4), QStringLiteral("000012"));
    EXPECT_EQ(parameterPlaceholder(7, 2), QStringLiteral("0007"));
    EXPECT_EQ(parameterPlaceholder(12, 0), QStringLiteral("12"));
    EXPECT_FALSE(parameterPlaceholder(3, 5).has_value());
    EXPECT_EQ(parameterFont(18).pointSize, 14);
    EXPECT_EQ(parameterFont(18).bold, std::optional<bool>(true));
    EXPECT_EQ(parameterFont(25).bold, std::optional<bool>(false));
    EXPECT_FALSE(parameterFont(10).bold.has_value());
}

TEST(ElementTables, RangesOfTheKinds)
{
    PageTables p;
    EXPECT_NO_THROW(p.Parametr_Used(16, 40));
    EXPECT_THROW(p.Signal_Used(16, 33), TableIndexError);
    EXPECT_NO_THROW(p.Figura_Used(16, 64));
    EXPECT_NO_THROW(p.Text_Label_Used(16, 64));
    EXPECT_THROW(p.Text_Label_Used(17, 0), TableIndexError);
    EXPECT_NO_THROW(p.Menu_Used(16, 16));
    EXPECT_NO_THROW(p.Menu_Stranica(16, 32));
    EXPECT_NO_THROW(p.Grafik_Used(16));
    EXPECT_NO_THROW(p.Vent_Fon_Bits(1, 16));
    EXPECT_NO_THROW(p.Stranica_Fon_Name(32));
    EXPECT_EQ(p.Stranica_Fon_Color(0), 0xC0FFC0);
}
