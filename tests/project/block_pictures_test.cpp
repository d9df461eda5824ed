// The 50 block pictures of the schema view: each type's name stands whole in
// the band at the top of its tile, clear of the tile's edge and of the rule
// under the band.

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool isInk(QRgb c) { return qAlpha(c) > 128 && qGray(c) < 110; }

TEST(BlockPictures, TypeNamesStandWholeInTheirBand)
{
    for (int code = 1; code <= 50; ++code) {
        const QImage img = QImage(QStringLiteral(":/blocks/block_%1.png").arg(code, 2, 10, QLatin1Char('0')))
                               .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(40, 40)) << code;
        // The rows under the top edge, between the rounded corners, hold the tile colour only.
        const QRgb tile = img.pixel(20, 2);
        for (int y = 1; y <= 2; ++y)
            for (int x = 5; x <= 34; ++x)
                EXPECT_EQ(img.pixel(x, y), tile) << "block " << code << " at " << x << "," << y;
        // The name is there: ink in the band, and none on the columns at the tile's sides.
        int ink = 0;
        for (int y = 3; y <= 13; ++y)
            for (int x = 2; x <= 37; ++x)
                ink += isInk(img.pixel(x, y)) ? 1 : 0;
        EXPECT_GT(ink, 20) << "block " << code;
        for (int y = 3; y <= 13; ++y)
            EXPECT_FALSE(isInk(img.pixel(2, y)) || isInk(img.pixel(37, y))) << "block " << code << " row " << y;
    }
}

} // namespace
