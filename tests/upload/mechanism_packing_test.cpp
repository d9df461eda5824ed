#include "upload/mechanism_packing.h"

#include "link/crc16.h"
#include "support/byte_literals.h"
#include "support/mechanism_pictures.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using mechanism::PackedPicture;
using mechanism::PackError;
using test::alternatingPicture;
using test::bytes;
using test::kColourA;
using test::kColourB;
using test::kColourC;
using test::sequencePicture;

QImage filled(int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

QImage row(std::initializer_list<QRgb> colours)
{
    const std::vector<QRgb> list(colours);
    return sequencePicture(static_cast<int>(list.size()), 1, [&list](int s) { return list[s]; });
}

QImage column(std::initializer_list<QRgb> colours)
{
    const std::vector<QRgb> list(colours);
    return sequencePicture(1, static_cast<int>(list.size()), [&list](int s) { return list[s]; });
}

// Code bytes 4 .. E of a packed image.
QByteArray codes(const PackedPicture &p) { return p.image.mid(4, p.codeEnd - 3); }

TEST(MechanismPacking, Rgb565HasRedInTheTopBits)
{
    // clang-format off
    struct Case { std::int32_t colour; std::uint16_t value; };
    const Case cases[] = {
        {0xFFFFFF, 0xFFFF}, {0x0000FF, 0xF800}, {0x00FF00, 0x07E0}, {0xFF0000, 0x001F},
        {0x000000, 0x0000}, {0x070307, 0x0000}, {0x583410, 0x11AB}, {0x0880F8, 0xFC01},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(mechanism::rgb565(c.colour), c.value) << std::hex << c.colour;
}

TEST(MechanismPacking, OneColourRowIsOneRunAfterTheHole)
{
    const PackedPicture p = mechanism::packMechanism(filled(4, 1, kColourA));
    ASSERT_EQ(p.error, PackError::None);
    EXPECT_EQ(p.length, 16);
    EXPECT_EQ(p.codeEnd, 6);
    EXPECT_EQ(p.paletteEntries, 3);
    // L, N, a zero, the hole, run of four of index 1, three zeros, palette black, A, free, trailer 3 x 0.
    EXPECT_EQ(p.image, bytes({16, 0, 3, 0, 0, 131, 1, 0, 0, 0, 0x00, 0x00, 0xAB, 0x11, 0x00, 0x00, 0, 3, 0, 0}));
}

TEST(MechanismPacking, FirstPixelTakesItsRightHandNeighboursColour)
{
    // a, b, a: the first pixel is coded as b, so b comes first in the palette.
    const PackedPicture p = mechanism::packMechanism(row({kColourA, kColourB, kColourA}));
    ASSERT_EQ(p.error, PackError::None);
    EXPECT_EQ(p.paletteEntries, 4);
    EXPECT_EQ(codes(p), bytes({0, 129, 1, 1, 2}));
    // clang-format off
    EXPECT_EQ(p.image, bytes({20, 0, 4, 0, 0, 129, 1, 1, 2, 0, 0, 0,       // header and codes
                              0x00, 0x00, 0x01, 0xFC, 0xAB, 0x11, 0, 0, // black, b, a, free
                              0, 2, 0, 0}));
    // clang-format on
}

TEST(MechanismPacking, BlackAlwaysHoldsEntryZero)
{
    // All black: black and the free entry only.
    const PackedPicture black = mechanism::packMechanism(filled(2, 2, qRgb(0, 0, 0)));
    ASSERT_EQ(black.error, PackError::None);
    EXPECT_EQ(black.paletteEntries, 2);
    EXPECT_EQ(black.image, bytes({14, 0, 2, 0, 0, 131, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1}));

    // Black met later takes entry 0 as well (and colours that differ only
    // below RGB565's precision are one entry).
    const PackedPicture mixed = mechanism::packMechanism(row({kColourC, kColourB, qRgb(0, 0, 0), qRgb(7, 3, 7)}));
    ASSERT_EQ(mixed.error, PackError::None);
    EXPECT_EQ(mixed.paletteEntries, 3);
    EXPECT_EQ(codes(mixed), bytes({0, 129, 1, 129, 0}));
    EXPECT_EQ(mixed.image.mid(mixed.codeEnd + 4, 6), bytes({0x00, 0x00, 0x01, 0xFC, 0x00, 0x00}));
}

TEST(MechanismPacking, CodeStreamLimitsOfRunsAndLiteralGroups)
{
    const QByteArray alternating125 = [] {
        QByteArray b;
        for (int s = 2; s < 127; ++s)
            b.append(static_cast<char>(s % 2 == 0 ? 2 : 1));
        return b;
    }();
    struct Case {
        const char *what;
        QImage picture;
        QByteArray codes;
    };
    const Case cases[] = {
        {"126 equal pixels are one run", filled(126, 1, kColourA), bytes({0, 253, 1})},
        {"the 127th starts a literal", filled(127, 1, kColourA), bytes({0, 253, 1, 1, 1})},
        {"the 128th makes a run with it", filled(128, 1, kColourA), bytes({0, 253, 1, 129, 1})},
        {"a run goes on into the next row", filled(3, 2, kColourA), bytes({0, 133, 1})},
        {"125 literals are one group", alternatingPicture(127, 1), bytes({0, 129, 1, 125}) + alternating125},
        {"the 126th literal starts a group right after", alternatingPicture(128, 1),
         bytes({0, 129, 1, 125}) + alternating125 + bytes({1, 1})},
        {"literals, then a run", row({kColourA, kColourB, kColourA, kColourC, kColourC}),
         bytes({0, 129, 1, 1, 2, 129, 3})},
        {"one pixel wide: the first pixel is black and no hole", column({kColourA, kColourB, kColourC}),
         bytes({3, 0, 1, 2})},
        {"one pixel", filled(1, 1, kColourA), bytes({1, 0})},
    };
    for (const Case &c : cases) {
        const PackedPicture p = mechanism::packMechanism(c.picture);
        ASSERT_EQ(p.error, PackError::None) << c.what;
        EXPECT_EQ(codes(p), c.codes) << c.what;
        // The three bytes before the palette stay 0.
        EXPECT_EQ(p.image.mid(p.codeEnd + 1, 3), QByteArray(3, '\0')) << c.what;
        EXPECT_EQ(p.length, p.codeEnd + 4 + 2 * p.paletteEntries) << c.what;
    }
}

TEST(MechanismPacking, SizeAndPaletteRefusals)
{
    // 253 colours besides black fill the palette to the last entry whose count fits a byte.
    const auto colours = [](int count) {
        return sequencePicture(count + 1, 1, [](int s) { return test::colour565(s == 0 ? 1 : s); });
    };
    const PackedPicture fullest = mechanism::packMechanism(colours(253));
    ASSERT_EQ(fullest.error, PackError::None);
    EXPECT_EQ(fullest.paletteEntries, 255);
    EXPECT_EQ(static_cast<std::uint8_t>(fullest.image.at(2)), 255);

    struct Case {
        const char *what;
        QImage picture;
        PackError error;
    };
    const Case cases[] = {
        {"800 x 480 passes", filled(800, 480, kColourA), PackError::None},
        {"801 x 480", filled(801, 480, kColourA), PackError::TooLarge},
        {"800 x 481", filled(800, 481, kColourA), PackError::TooLarge},
        {"254 colours besides black", colours(254), PackError::PaletteTooLarge},
        {"256 colours besides black", colours(256), PackError::PaletteTooLarge},
        {"300 colours besides black", colours(300), PackError::PaletteTooLarge},
        {"no picture", QImage(), PackError::NoPicture},
    };
    for (const Case &c : cases) {
        const PackedPicture p = mechanism::packMechanism(c.picture);
        EXPECT_EQ(p.error, c.error) << c.what;
        if (c.error != PackError::None) {
            EXPECT_TRUE(p.image.isEmpty()) << c.what;
            EXPECT_TRUE(mechanism::mechanismPackets(p, 1).empty()) << c.what;
        }
    }
}

TEST(MechanismPacking, SixteenKilobyteLimit)
{
    // An alternating picture of n pixels ends its codes at E = 6 + (n - 2) + ceil((n - 2) / 125)
    // and, with four palette entries, L = E + 12; a tail run of another colour adds 2 and 2.
    struct Case {
        const char *what;
        QImage picture;
        PackError error;
        int codeEnd;
        int length;
    };
    const Case cases[] = {
        {"L = 16000", alternatingPicture(157, 101), PackError::None, 15988, 16000},
        {"E = 16000, L over", alternatingPicture(115, 138, 3), PackError::ImageTooLong, 16000, 16014},
        {"E = 16001", alternatingPicture(115, 138), PackError::CodesTooLong, 16001, 0},
    };
    for (const Case &c : cases) {
        const PackedPicture p = mechanism::packMechanism(c.picture);
        EXPECT_EQ(p.error, c.error) << c.what;
        EXPECT_EQ(p.codeEnd, c.codeEnd) << c.what;
        EXPECT_EQ(p.length, c.length) << c.what;
    }
    const PackedPicture largest = mechanism::packMechanism(alternatingPicture(157, 101));
    EXPECT_EQ(mechanism::mechanismPackets(largest, 1).size(), 16u);
    EXPECT_EQ(largest.image.size(), 16004);
}

TEST(MechanismPacking, RefusalMessages)
{
    struct Case {
        PackError error;
        const char16_t *text;
        const char16_t *title;
    };
    // clang-format off
    const Case cases[] = {
        {PackError::TooLarge, u"Размер Х x Y должен быть меньше = 800 x 480", u"Ошибка !!!"},
        {PackError::PaletteTooLarge, u"Палитра больше 256 цветов!", u"Ошибка !!!"},
        {PackError::CodesTooLong, u"Розмір GIF більше 16 Кб!", u"Помилка !!!"},
        {PackError::ImageTooLong, u"Розмір GIF більше 16 Кб!", u"Помилка !!!"},
    };
    // clang-format on
    for (const Case &c : cases) {
        const mechanism::PackMessage m = mechanism::mechanismMessage(c.error);
        EXPECT_EQ(m.text, QString::fromUtf16(c.text));
        EXPECT_EQ(m.title, QString::fromUtf16(c.title));
    }
    EXPECT_FALSE(mechanism::mechanismMessage(PackError::NoPicture).text.isEmpty());
}

TEST(MechanismPackets, OnePacketCarriesASmallImage)
{
    const PackedPicture p = mechanism::packMechanism(filled(4, 1, kColourA));
    const std::vector<QByteArray> packets = mechanism::mechanismPackets(p, 7);
    ASSERT_EQ(packets.size(), 1u);
    const QByteArray &k1 = packets[0];
    ASSERT_EQ(k1.size(), 1034);
    EXPECT_EQ(k1.left(8), bytes({7, 'D', 0, 1, 0, 16, 0, 0}));
    EXPECT_EQ(k1.mid(8, 20), p.image);
    EXPECT_EQ(k1.mid(28, 1004), QByteArray(1004, '\0'));
    EXPECT_EQ(k1.right(2), withCrc(k1.left(1032), CrcOrder::LowFirst).right(2));
    const std::uint16_t crc = crc16Modbus(QByteArrayView(k1).first(1032));
    EXPECT_EQ(static_cast<std::uint8_t>(k1.at(1032)), crc & 0xFF);
}

TEST(MechanismPackets, TrailerAcrossAPacketEdgeIsSentWhole)
{
    // 499 x 2 alternating: E = 1010, L = 1022, so the trailer takes image bytes 1022 .. 1025.
    const PackedPicture p = mechanism::packMechanism(alternatingPicture(499, 2));
    ASSERT_EQ(p.error, PackError::None);
    ASSERT_EQ(p.length, 1022);
    EXPECT_EQ(mechanism::packetCount(p.length), 2);
    const std::vector<QByteArray> packets = mechanism::mechanismPackets(p, 3, 2);
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].left(8), bytes({3, 'D', 32, 1, 3, 0xFE, 0, 3}));
    EXPECT_EQ(packets[1].left(8), bytes({3, 'D', 32, 2, 3, 0xFE, 0, 3}));
    // Width - 1 = 498 = 0x01F2 ends packet 1; height - 1 = 1 starts packet 2.
    EXPECT_EQ(packets[0].mid(8 + 1022, 2), bytes({0x01, 0xF2}));
    EXPECT_EQ(packets[1].mid(8, 2), bytes({0x00, 0x01}));
    EXPECT_EQ(packets[1].mid(10, 1022), QByteArray(1022, '\0'));
    for (const QByteArray &packet : packets)
        EXPECT_EQ(withCrc(packet.left(1032), CrcOrder::LowFirst), packet);

    // The packet count covers the trailer exactly.
    // clang-format off
    struct Case { int length; int packets; };
    const Case counts[] = {{16, 1}, {1020, 1}, {1021, 2}, {1022, 2}, {1024, 2}, {2044, 2}, {2045, 3}, {16000, 16}};
    // clang-format on
    for (const Case &c : counts)
        EXPECT_EQ(mechanism::packetCount(c.length), c.packets) << c.length;
}

} // namespace
} // namespace pelmora
