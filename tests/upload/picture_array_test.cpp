#include "upload/picture_array.h"

#include "support/fake_services.h"
#include "support/mechanism_pictures.h"
#include "upload/zip_gif_16/zip_gif_16.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using mechanism::PackError;

const QString kFixture = QStringLiteral(PELMORA_UPLOAD_TEST_DATA "/array_fixture.gif");

// The 6 x 3 fixture: red, green x 3, blue x 2 / blue x 2, black, white, black,
// white / white x 5, green. The red first pixel is coded green: the palette is
// black, green, blue, white (and the free entry). Codes from byte 4: the hole,
// runs of 4 green and 4 blue, the literals black, white, black, a run of
// 6 white, and the literal green; E = 16, L = 30, trailer 5 and 2.
const QString kFixtureArray = QStringLiteral("{30,0,5,0,"
                                             "0,131,1,131,2,3,0,3,0,133,3,1,1,"
                                             "0,0,0,"
                                             "0,0,224,7,31,0,255,255,0,0,"
                                             "0,5,0,2};");

TEST(PictureArray, FixturePictureGivesItsArrayText)
{
    const QImage picture(kFixture);
    ASSERT_FALSE(picture.isNull());
    const mechanism::PictureArray result = mechanism::pictureArray(picture);
    ASSERT_EQ(result.error, PackError::None);
    EXPECT_EQ(result.sizeText, QStringLiteral("Розмір масива - 30"));
    EXPECT_EQ(result.text, kFixtureArray);
}

TEST(PictureArray, CodeLimitAndNoLengthLimit)
{
    // 229 x 107 alternating with a tail run: E = 24701 with four pixels in the run, 24702 with three.
    const mechanism::PackedPicture longest = mechanism::packArray(test::alternatingPicture(229, 107, 4));
    EXPECT_EQ(longest.error, PackError::None);
    EXPECT_EQ(longest.codeEnd, 24701);
    EXPECT_EQ(longest.length, 24715);
    const QString text = mechanism::pictureArray(test::alternatingPicture(229, 107, 4)).text;
    EXPECT_EQ(text.count(u',') + 1, 24719);
    EXPECT_TRUE(text.endsWith(QStringLiteral(",0,228,0,106};"))) << text.right(20).toStdString();

    const mechanism::PictureArray over = mechanism::pictureArray(test::alternatingPicture(229, 107, 3));
    EXPECT_EQ(over.error, PackError::CodesTooLong);
    EXPECT_TRUE(over.text.isEmpty());
    EXPECT_TRUE(over.sizeText.isEmpty());
    EXPECT_EQ(over.message.text, QStringLiteral("Не хватает памяти!"));
    EXPECT_EQ(over.message.title, QStringLiteral("Ошибка !!!"));
    // The upload refuses the first at its own limit.
    EXPECT_EQ(mechanism::packMechanism(test::alternatingPicture(229, 107, 4)).error, PackError::CodesTooLong);

    QImage wide(801, 2, QImage::Format_RGB32);
    wide.fill(test::kColourA);
    EXPECT_EQ(mechanism::pictureArray(wide).message.text,
              QStringLiteral("Размер Х x Y должен быть меньше = 800 x 480"));
}

class ZipGif16 : public test::WithFakes {
protected:
    Zip_GIF_16 w;
};

TEST_F(ZipGif16, LoadAndRunShowTheSizeAndTheArray)
{
    ui().openPaths.push_back(kFixture);
    w.Command1_Click();
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_TRUE(ui().fileRequests[0].filter.isEmpty());
    EXPECT_TRUE(ui().fileRequests[0].defaultName.isEmpty());
    EXPECT_EQ(w.picture().size(), QSize(6, 3));
    EXPECT_EQ(w.Picture1->pixmap().size(), QSize(6, 3));

    w.Command2_Click();
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(w.Label2->text(), QStringLiteral("Розмір масива - 30"));
    EXPECT_EQ(w.Text2->toPlainText(), kFixtureArray);
    EXPECT_EQ(w.ProgressBar1->value(), w.ProgressBar1->maximum());
}

TEST_F(ZipGif16, RefusalsLeaveTheLastResult)
{
    // Nothing loaded yet.
    w.Command2_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(w.Text2->toPlainText().isEmpty());

    ui().openPaths.push_back(kFixture);
    w.Command1_Click();
    w.Command2_Click();

    // A file that is not a picture keeps the picture shown.
    QTemporaryDir dir;
    const QString notPicture = dir.filePath(QStringLiteral("notes.gif"));
    QFile file(notPicture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    ui().openPaths.push_back(notPicture);
    w.Command1_Click();
    ASSERT_EQ(ui().messages.size(), 2u);
    EXPECT_EQ(ui().messages[1].text, QStringLiteral("Неправильный тип файлу"));
    EXPECT_EQ(w.picture().size(), QSize(6, 3));

    // Cancel changes nothing.
    ui().openPaths.push_back(std::nullopt);
    w.Command1_Click();
    EXPECT_EQ(w.picture().size(), QSize(6, 3));

    // A picture too large: the message, and the array of the last run stays.
    QImage wide(801, 1, QImage::Format_RGB32);
    wide.fill(test::kColourA);
    const QString widePath = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(wide.save(widePath));
    ui().openPaths.push_back(widePath);
    w.Command1_Click();
    w.Command2_Click();
    ASSERT_EQ(ui().messages.size(), 3u);
    EXPECT_EQ(ui().messages[2].text, QStringLiteral("Размер Х x Y должен быть меньше = 800 x 480"));
    EXPECT_EQ(w.Text2->toPlainText(), kFixtureArray);
    EXPECT_EQ(w.ProgressBar1->value(), 0);
}

} // namespace
} // namespace pelmora

namespace pelmora {
namespace {

// A GIF whose transparent colour is magenta in its colour table: the phase
// editor loads it through a pixmap for the mechanism upload, the export tool
// as an image; both pack it to the same bytes, its clear pixels black.
TEST(PictureArray, ATransparentGifPacksAlikeForTheUploadAndTheExport)
{
    const QString gif = QStringLiteral(PELMORA_UPLOAD_TEST_DATA "/transparent_fixture.gif");
    const QImage asImage(gif);
    const QPixmap asPixmap(gif);
    ASSERT_FALSE(asImage.isNull());
    ASSERT_FALSE(asPixmap.isNull());
    ASSERT_TRUE(asImage.hasAlphaChannel());
    const mechanism::PackedPicture upload = mechanism::packMechanism(asPixmap.toImage());
    const mechanism::PackedPicture exported = mechanism::packArray(asImage);
    ASSERT_EQ(upload.error, PackError::None);
    ASSERT_EQ(exported.error, PackError::None);
    EXPECT_EQ(upload.image, exported.image);
    EXPECT_EQ(mechanism::arrayText(exported), mechanism::pictureArray(asImage).text);

    // The clear pixels read black (entry 0): the palette is black, red, green,
    // blue and the free entry, no magenta.
    const QImage pixels = mechanism::mechanismPixels(asImage);
    EXPECT_EQ(pixels.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(pixels.pixel(3, 1), 0xFF000000u);
    EXPECT_EQ(pixels.pixel(1, 0), 0xFFFF0000u);
    EXPECT_EQ(mechanism::mechanismPixels(asPixmap.toImage()), pixels);
    EXPECT_EQ(exported.paletteEntries, 5);
    const QByteArray &b = exported.image;
    const int L = exported.length;
    const QByteArray palette = b.mid(L - 2 * 5, 2 * 5);
    EXPECT_EQ(palette, QByteArray::fromHex("0000"
                                           "00f8"
                                           "e007"
                                           "1f00"
                                           "0000"));
}

} // namespace
} // namespace pelmora
