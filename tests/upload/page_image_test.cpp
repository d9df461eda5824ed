#include "upload/page_image_codec.h"

#include "link/crc16.h"
#include "project/startup.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

namespace pelmora {
namespace {

using page::buildPageData;
using page::PageBuildError;
using page::PageData;

int byteAt(const QByteArray &b, int i) { return static_cast<unsigned char>(b[i]); }

TEST(PageImageCodec, ChannelLevelBins)
{
    // clang-format off
    struct Case { int value; int level; };
    const Case cases[] = {
        {0, 0}, {29, 0}, {30, 1}, {58, 1}, {59, 2}, {87, 2}, {88, 3}, {103, 3},
        {104, 4}, {167, 7}, {168, 8}, {215, 10}, {216, 11}, {223, 11}, {224, 12},
        {239, 13}, {240, 14}, {247, 14}, {248, 15}, {255, 15},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(page::channelLevel(c.value), c.level) << c.value;
}

TEST(PageImageCodec, TwelveBitColourHasRedInTheHighNibble)
{
    // clang-format off
    struct Case { std::int32_t colour; int twelveBit; };
    const Case cases[] = {
        {0xFFFFFF, 0xFFF}, {0x0000FF, 0xF00}, {0x00FF00, 0x0F0}, {0xFF0000, 0x00F},
        {0x000000, 0x000}, {0x1E1E1E, 0x111}, {0xF8F71D, 0x0EF},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(page::Color_To_444(c.colour), c.twelveBit) << std::hex << c.colour;
}

TEST(PageImageCodec, RunWords)
{
    struct Case {
        const char *what;
        std::vector<int> pixels;
        int width;
        int rows;
        std::vector<std::uint16_t> words;
    };
    const std::vector<Case> cases = {
        {"sixteen equal pixels are one word", std::vector<int>(16, 0x123), 16, 1, {0xF123}},
        {"a seventeenth starts a new word", std::vector<int>(17, 0x123), 17, 1, {0xF123, 0x0123}},
        {"neighbours that differ", {1, 2, 1, 2}, 4, 1, {0x0001, 0x0002, 0x0001, 0x0002}},
        {"a run goes on into the next row", {5, 7, 7, 7}, 2, 2, {0x0005, 0x2007}},
        {"white, then black", {0xFFF, 0xFFF, 0, 0, 0}, 5, 1, {0x1FFF, 0x2000}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(page::runWords(c.pixels, c.width, c.rows), c.words) << c.what;
}

class PageImage : public ::testing::Test {
protected:
    PageImage()
    {
        startUpModel(m);
        m.settings.Format_Version = 6;
        m.settings.Num_Net = 9;
    }

    PageData build(const QImage &canvas, int page = 0) { return buildPageData(canvas, m, page, image); }

    static QImage filled(int w, int h, QRgb colour)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        return img;
    }

    // Paints rows first .. first + 59 of `img` so that the band encodes to
    // exactly `words` run words: single pixels, then blocks of 16, then one
    // shorter block, the colour changing from one stretch to the next.
    static void paintBandOfWords(QImage &img, int first, int words)
    {
        const int pixels = img.width() * 60;
        int rest = 0;
        for (int r = 1; r <= 16; ++r)
            if ((pixels + 1 - words - r) % 15 == 0) {
                rest = r;
                break;
            }
        const int blocks = (pixels + 1 - words - rest) / 15;
        const int singles = words - blocks - 1;
        ASSERT_GE(singles, 0);
        std::vector<int> lengths(singles, 1);
        lengths.insert(lengths.end(), blocks, 16);
        lengths.push_back(rest);
        int i = 0;
        int stretch = 0;
        for (int len : lengths) {
            const QRgb colour = stretch++ % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 255);
            for (int k = 0; k < len; ++k, ++i)
                img.setPixel(i % img.width(), first + i / img.width(), colour);
        }
    }

    ProjectModel m;
    QByteArray image = QByteArray(page::ImageBytes, char(0x5A)); // an earlier build's bytes
};

TEST_F(PageImage, OneColourPage)
{
    const PageData d = build(filled(800, 480, qRgb(255, 0, 0)), 2);
    ASSERT_EQ(d.error, PageBuildError::None);
    int total = 0;
    for (int b = 0; b < 8; ++b) {
        EXPECT_EQ(d.slotLength[b], 6004) << b;
        const int count = b < 7 ? 6 : 10;
        ASSERT_EQ(int(d.packets[b].size()), count) << b;
        total += count;
        for (int k = 1; k <= count; ++k) {
            const QByteArray &pk = d.packets[b][k - 1];
            ASSERT_EQ(pk.size(), 1034);
            EXPECT_EQ(byteAt(pk, 0), 9);
            EXPECT_EQ(byteAt(pk, 1), 0x43);
            EXPECT_EQ(byteAt(pk, 2), b * 16 + 2);
            EXPECT_EQ(byteAt(pk, 3), k + (b == 7 && k == count ? 0x80 : 0));
            EXPECT_EQ(pk.mid(4, 4), QByteArray::fromHex("17740017")); // 6004 = 0x1774
            EXPECT_EQ(crc16Modbus(pk), 0) << "checksum low byte first";
            EXPECT_EQ(pk.mid(8, 1024), image.mid(b * 48000 + (k - 1) * 1024, 1024));
        }
        // Length, two reserved bytes as they were, then pure red runs of 16.
        // clang-format off
        EXPECT_EQ(d.packets[b][0].mid(8, 8), QByteArray::fromHex("7417" "5a5a" "00ff" "00ff"));
        // clang-format on
    }
    EXPECT_EQ(total, 52);
    EXPECT_EQ(d.tableLength, 3580);
    // The element tables follow band 7's run words: the marker byte is in place.
    EXPECT_EQ(byteAt(image, 7 * 48000 + 6004 + 3147), 55);
    EXPECT_EQ(page::PacketBytes, 1034);
}

TEST_F(PageImage, SmallCanvasReadsBlackBelowItsRows)
{
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 255)); // blue
    for (int x = 0; x < 3; ++x)
        img.setPixel(x, 0, qRgb(255, 0, 0));
    const PageData d = build(img);
    ASSERT_EQ(d.error, PageBuildError::None);
    // red x3, blue x5, then 58 rows of 4 black pixels: 14 runs of 16 and one of 8.
    EXPECT_EQ(d.slotLength[0], 4 + 2 * 17);
    // clang-format off
    EXPECT_EQ(image.mid(0, 10).toHex(), QByteArray::fromHex("2600" "5a5a" "002f" "0f40" "00f0").toHex());
    // clang-format on
    EXPECT_EQ(image.mid(4 + 2 * 15, 4).toHex(), QByteArray::fromHex("00f0"
                                                                    "0070")
                                                    .toHex());
    // Bands below the canvas are all black: 240 pixels, 15 runs of 16.
    EXPECT_EQ(d.slotLength[3], 4 + 2 * 15);
}

TEST_F(PageImage, RunsEndAtTheLastPixelOfABand)
{
    QImage img = filled(800, 480, qRgb(0, 0, 0));
    for (int x = 792; x < 800; ++x)
        img.setPixel(x, 59, qRgb(255, 0, 0)); // the last 8 pixels of band 0
    for (int x = 0; x < 8; ++x)
        img.setPixel(x, 60, qRgb(255, 0, 0)); // the first 8 of band 1
    const PageData d = build(img);
    ASSERT_EQ(d.error, PageBuildError::None);
    // 47992 black pixels: 2999 runs of 16 and one of 8; then 8 red in one word.
    EXPECT_EQ(d.slotLength[0], 4 + 2 * 3001);
    // clang-format off
    EXPECT_EQ(image.mid(4 + 2 * 2999, 4).toHex(), QByteArray::fromHex("0070" "007f").toHex());
    // clang-format on
    EXPECT_EQ(d.slotLength[1], 4 + 2 * 3001);
    // clang-format off
    EXPECT_EQ(image.mid(48000 + 4, 4).toHex(), QByteArray::fromHex("007f" "00f0").toHex());
    // clang-format on
}

TEST_F(PageImage, CanvasLargerThanThePageIsRefused)
{
    for (const QSize size : {QSize(801, 480), QSize(800, 481)}) {
        const PageData d = build(filled(size.width(), size.height(), qRgb(0, 0, 0)));
        EXPECT_EQ(d.error, PageBuildError::TooLarge);
        for (int b = 0; b < 8; ++b)
            EXPECT_TRUE(d.packets[b].empty());
    }
    EXPECT_EQ(image, QByteArray(page::ImageBytes, char(0x5A))) << "nothing encoded";
}

TEST_F(PageImage, BandLengthLimits)
{
    // clang-format off
    struct Case { int band; int words; bool ok; int packets; };
    const Case cases[] = {
        {0, 15998, true, 32},  // L = 32000, the most a band may hold
        {0, 15999, false, 0},
        {3, 48000, false, 0},  // every pixel differs from the next
        {7, 14591, true, 32},  // L + T = 32766
        {7, 14592, false, 0},  // L + T = 32768 needs 33 packets
    };
    // clang-format on
    for (const Case &c : cases) {
        QImage img = filled(800, 480, qRgb(0, 0, 0));
        paintBandOfWords(img, c.band * 60, c.words);
        const PageData d = build(img);
        EXPECT_EQ(d.error == PageBuildError::None, c.ok) << "band " << c.band << ", " << c.words << " words";
        EXPECT_EQ(int(d.packets[c.band].size()), c.packets) << "band " << c.band << ", " << c.words << " words";
        if (c.ok)
            EXPECT_EQ(d.slotLength[c.band], 4 + 2 * c.words);
        else // the bands before the failing one are built
            for (int b = 0; b < c.band; ++b)
                EXPECT_EQ(int(d.packets[b].size()), 6) << b;
    }
}

TEST_F(PageImage, SlotOfExactlyOnePacketGetsAnEmptySecondPacket)
{
    QImage img = filled(100, 480, qRgb(0, 0, 0));
    paintBandOfWords(img, 0, 510); // L = 1024
    const PageData d = build(img);
    ASSERT_EQ(d.error, PageBuildError::None);
    EXPECT_EQ(d.slotLength[0], 1024);
    ASSERT_EQ(d.packets[0].size(), 2u);
    EXPECT_EQ(d.packets[0][1].mid(8, 1024), QByteArray(1024, char(0x5A)));
}

TEST_F(PageImage, TableValueThatDoesNotFitStopsTheBuildAtTheLastBand)
{
    m.pages.Varning_Num_Block = 5; // bound to a block, but to none of its outputs
    m.pages.Varning_Num_OUT = -1;
    PageData d = build(filled(800, 480, qRgb(0, 0, 0)));
    EXPECT_EQ(d.error, PageBuildError::OutOfMemory);
    for (int b = 0; b < 7; ++b)
        EXPECT_EQ(d.packets[b].size(), 6u) << b;
    EXPECT_TRUE(d.packets[7].empty());

    m.settings.Format_Version = 1; // no banner in this layout
    d = build(filled(800, 480, qRgb(0, 0, 0)));
    EXPECT_EQ(d.error, PageBuildError::None);
    EXPECT_EQ(d.tableLength, 2971);
    EXPECT_EQ(d.packets[7].size(), std::size_t((6004 + 2971) / 1024 + 1));
}

} // namespace
} // namespace pelmora
