#include "project/schema_drawing.h"
#include "project/startup.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

// Records what a drawing leaves on the surface: the pictures as they stand
// afterwards and every text written since the last clearing.
class RecordingSurface : public SchemaSurface {
public:
    struct Picture {
        bool visible = false;
        int type = 0;
        int left = -1, top = -1;
    };
    struct Text {
        int x, y;
        QString text;
        QColor colour;
        int size;
    };
    QMap<int, Picture> pictures;
    std::vector<Text> texts;
    int clears = 0;

    void clearDrawing() override
    {
        ++clears;
        texts.clear();
    }
    void showBlockPicture(int index, int typeCode, int left, int top) override
    {
        pictures[index] = {true, typeCode, left, top};
    }
    void hideBlockPicture(int index) override { pictures[index].visible = false; }
    void drawText(int x, int y, const QString &text, const QColor &colour, int pointSize) override
    {
        texts.push_back({x, y, text, colour, pointSize});
    }
    const Text *textAt(int x, int y) const
    {
        for (const Text &t : texts)
            if (t.x == x && t.y == y)
                return &t;
        return nullptr;
    }
};

class SchemaDrawing : public ::testing::Test {
protected:
    void SetUp() override { startUpModel(m); }
    ProjectModel m;
    RecordingSurface surface;
};

} // namespace

TEST(SchemaGrid, CellsPicturesAndNumberTexts)
{
    struct Case {
        int block, column, row, picture;
        const char *text;
    };
    // clang-format off
    const Case cases[] = {
        {1, 1, 0, 9, "01"},   {8, 1, 7, 16, "08"},   {9, 2, 0, 17, "09"},
        {10, 2, 1, 18, " 10"}, {95, 12, 6, 103, " 95"}, {96, 12, 7, 104, " 96"},
    };
    // clang-format on
    for (const Case &c : cases) {
        const SchemaCell cell = schemaCellOfBlock(c.block);
        EXPECT_EQ(cell.column, c.column) << c.block;
        EXPECT_EQ(cell.row, c.row) << c.block;
        EXPECT_EQ(schemaPictureOfBlock(c.block), c.picture) << c.block;
        EXPECT_EQ(schemaBlockNumberText(c.block), QString::fromLatin1(c.text)) << c.block;
    }
    EXPECT_EQ(schemaPictureOfBlock(97), 1);
    EXPECT_EQ(schemaPictureOfBlock(98), 2);
    EXPECT_EQ(schemaPictureOfBlock(99), 3);
    EXPECT_EQ(schemaPictureOfBlock(100), 0);
    EXPECT_EQ(schemaPictureOfBlock(0), 0);
}

TEST_F(SchemaDrawing, BlocksOneNineAndNinetySixLandInTheirCellsWithNumbersAbove)
{
    m.schema.Block_Type(1) = type::AND;
    m.schema.Block_Type(9) = type::PID;
    m.schema.Block_Type(96) = type::ALG;
    Draw_Schema(m, surface);

    struct Case {
        int block, type, left, top, textX, textY;
        const char *text;
    };
    const Case shown[] = {
        {1, type::AND, 80, 20, 90, 7, "01"},
        {9, type::PID, 140, 20, 150, 7, "09"},
        {96, type::ALG, 740, 440, 750, 427, " 96"},
    };
    for (const Case &c : shown) {
        const auto p = surface.pictures.value(c.block + 8);
        EXPECT_TRUE(p.visible) << c.block;
        EXPECT_EQ(p.type, c.type) << c.block;
        EXPECT_EQ(p.left, c.left) << c.block;
        EXPECT_EQ(p.top, c.top) << c.block;
        const auto *t = surface.textAt(c.textX, c.textY);
        ASSERT_NE(t, nullptr) << c.block;
        EXPECT_EQ(t->text, QString::fromLatin1(c.text));
        EXPECT_EQ(t->colour, QColor(0, 0, 255));
        EXPECT_EQ(t->size, 8);
    }
    // Every other number stands in the middle of its empty cell, picture hidden.
    for (int b = 2; b <= 95; ++b) {
        if (b == 9)
            continue;
        const SchemaCell cell = schemaCellOfBlock(b);
        EXPECT_FALSE(surface.pictures.value(b + 8).visible) << b;
        const auto *t = surface.textAt(60 * cell.column + 30, 60 * cell.row + 30);
        ASSERT_NE(t, nullptr) << b;
        EXPECT_EQ(t->text, schemaBlockNumberText(b));
    }
    // 96 numbers and three captions, nothing else.
    EXPECT_EQ(surface.texts.size(), 96u + 3u);
}

TEST_F(SchemaDrawing, FixedBlocksAlwaysShowTheirOwnTypesAndCaptions)
{
    // Whatever a netlist put under these numbers.
    m.schema.Block_Type(97) = type::AND;
    m.schema.Block_Type(98) = 0;
    m.schema.Block_Type(99) = type::PID;
    Draw_Schema(m, surface);

    EXPECT_EQ(m.schema.Block_Type(97), type::SCA);
    EXPECT_EQ(m.schema.Block_Type(98), type::GRA);
    EXPECT_EQ(m.schema.Block_Type(99), type::JUR);
    struct Case {
        int picture, type, top;
        int captionX, captionY;
        const char16_t *caption;
    };
    const Case cases[] = {
        {1, type::SCA, 20, 22, 62, u"SCADA"},
        {2, type::GRA, 80, 22, 122, u"График"},
        {3, type::JUR, 140, 20, 182, u"Журнал"},
    };
    for (const Case &c : cases) {
        const auto p = surface.pictures.value(c.picture);
        EXPECT_TRUE(p.visible);
        EXPECT_EQ(p.type, c.type);
        EXPECT_EQ(p.left, 20);
        EXPECT_EQ(p.top, c.top);
        const auto *t = surface.textAt(c.captionX, c.captionY);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, QString::fromUtf16(c.caption));
        EXPECT_EQ(t->colour, QColor(0, 0, 0));
    }
    // Pictures 4 to 8 belong to no block and are never touched.
    for (int i = 4; i <= 8; ++i)
        EXPECT_FALSE(surface.pictures.contains(i)) << i;
}

TEST_F(SchemaDrawing, RedrawHidesABlockWhoseTypeBecameZeroAndMovesItsNumber)
{
    m.schema.Block_Type(20) = type::TIM;
    Draw_Schema(m, surface);
    ASSERT_TRUE(surface.pictures.value(28).visible);
    const SchemaCell cell = schemaCellOfBlock(20);
    ASSERT_NE(surface.textAt(60 * cell.column + 30, 60 * cell.row + 7), nullptr);

    m.schema.Block_Type(20) = 0; // a new netlist no longer holds it
    Draw_Schema(m, surface);
    EXPECT_EQ(surface.clears, 2);
    EXPECT_FALSE(surface.pictures.value(28).visible);
    EXPECT_EQ(surface.textAt(60 * cell.column + 30, 60 * cell.row + 7), nullptr);
    EXPECT_NE(surface.textAt(60 * cell.column + 30, 60 * cell.row + 30), nullptr);
}
