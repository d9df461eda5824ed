#include "core/picture_file.h"

#include "support/gif_builder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace test;

TEST(PictureFile, AWholeGifReadsAndADamagedOrCutShortOneIsRefused)
{
    QTemporaryDir dir;
    struct Case {
        const char *name;
        QByteArray bytes;
        bool whole;
    };
    const QByteArray whole = wholeGif(8, 6);
    const Case cases[] = {
        {"whole", whole, true},
        {"without its trailer", whole.left(whole.size() - 1), true},
        {"a code the table lacks", damagedGif(8, 6), false},
        {"cut inside the pixels", truncatedGif(8, 6), false},
        {"pixels ending early", gifWithCodes(8, 6, {kGifClear, 1, 2, kGifEnd}), false},
        {"no code after the clear code", gifWithCodes(8, 6, {kGifClear, 6, kGifEnd}), false},
        {"cut inside the palette", whole.left(16), false},
        {"cut after the header", whole.left(6), false},
        {"an unknown block", whole.left(whole.size() - 1) + "\x07", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gifIsWhole(c.bytes), c.whole);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".gif"));
        ASSERT_TRUE(writeFile(path, c.bytes));
        const QImage picture = readPicture(path);
        EXPECT_EQ(picture.isNull(), !c.whole);
        if (c.whole) {
            EXPECT_EQ(picture.size(), QSize(8, 6));
            EXPECT_EQ(picture.pixel(1, 0), qRgb(0xFF, 0, 0)); // pair 0: black, red
            EXPECT_EQ(picture.pixel(2, 0), qRgb(0xFF, 0, 0)); // pair 1: red, green
            EXPECT_EQ(picture.pixel(3, 0), qRgb(0, 0xFF, 0));
        }
    }
}

TEST(PictureFile, OtherPicturesAndOtherFiles)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("knopka.gif"));
    QImage(5, 4, QImage::Format_RGB32).save(png, "PNG");
    EXPECT_EQ(readPicture(png).size(), QSize(5, 4));
    const QString text = dir.filePath(QStringLiteral("notes.gif"));
    ASSERT_TRUE(writeFile(text, "not a picture"));
    EXPECT_TRUE(readPicture(text).isNull());
    EXPECT_TRUE(readPicture(dir.filePath(QStringLiteral("missing.gif"))).isNull());
}

} // namespace
} // namespace pelmora
