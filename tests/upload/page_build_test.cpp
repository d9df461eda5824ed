#include "upload/page_build.h"

#include "project/startup.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using page::buildPageUpload;
using page::PageUpload;

int byteAt(const QByteArray &b, int i) { return static_cast<unsigned char>(b.at(i)); }

class PageBuild : public ::testing::Test {
protected:
    PageBuild()
    {
        startUpModel(m);
        m.settings.Format_Version = 6;
        m.settings.Stranica_Count = 8;
        m.settings.Num_Net = 3;
    }
    ProjectModel m;
};

TEST_F(PageBuild, CanvasLargerThanThePageIsRefused)
{
    for (QSize size : {QSize(801, 480), QSize(800, 481), QSize(1024, 768)}) {
        const PageUpload u = buildPageUpload(m, 0, {}, size);
        EXPECT_FALSE(u.ok());
        EXPECT_EQ(u.message, QStringLiteral("Розмір Х x Y повинен бути менше 800 x 480"));
        EXPECT_EQ(u.title, QStringLiteral("Помилка !!!"));
        EXPECT_EQ(u.icon, MsgIcon::Critical);
        EXPECT_EQ(u.packetCount(), 0);
    }
    EXPECT_TRUE(buildPageUpload(m, 0, {}, QSize(800, 480)).ok());
}

TEST_F(PageBuild, PageWhosePictureDoesNotFitItsSlotsIsRefused)
{
    // Neighbours that always differ: 48000 run words a band, three times the room.
    QImage noise(800, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 800; ++x)
            noise.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    page::PageViews views;
    views.background = noise;
    const PageUpload u = buildPageUpload(m, 0, views);
    EXPECT_FALSE(u.ok());
    EXPECT_EQ(u.message, QStringLiteral("Не вистачає пам'яті!"));
    EXPECT_EQ(u.title, QStringLiteral("омилка !!!"));
    EXPECT_EQ(u.icon, MsgIcon::Critical);
    EXPECT_EQ(u.picture, noise);
}

TEST_F(PageBuild, OneColourPageIsFiftyTwoPacketsOfZeroedSlots)
{
    const PageUpload u = buildPageUpload(m, 2);
    ASSERT_TRUE(u.ok()) << u.message.toStdString();
    EXPECT_EQ(u.packetCount(), 52);
    const auto rows = u.rows();
    ASSERT_EQ(rows.size(), 8u);
    for (int b = 0; b < 8; ++b) {
        EXPECT_EQ(rows[static_cast<std::size_t>(b)].size(), b == 7 ? 10u : 6u);
        EXPECT_EQ(u.data.slotLength[static_cast<std::size_t>(b)], 6004);
        const QByteArray &first = rows[static_cast<std::size_t>(b)].front();
        EXPECT_EQ(byteAt(first, 0), 3);
        EXPECT_EQ(byteAt(first, 2), b * 16 + 2);
        // The reserved bytes of the slot, and what follows its data, are zeros.
        EXPECT_EQ(byteAt(first, 10), 0);
        EXPECT_EQ(byteAt(first, 11), 0);
        if (b < 7) {
            const QByteArray &last = rows[static_cast<std::size_t>(b)].back();
            EXPECT_EQ(last.mid(8 + 6004 - 5 * 1024, 1024 - (6004 - 5 * 1024)),
                      QByteArray(1024 - (6004 - 5 * 1024), '\0'));
        }
    }
}

TEST_F(PageBuild, WarningBannerWithoutAnOutput)
{
    struct Case {
        const char *what;
        int version;
        int block;
        bool builds;
    };
    const Case cases[] = {
        {"no block: sent as output 0", 6, 0, true},
        {"a block, no output", 6, 5, false},
        {"the short layout has no banner", 1, 5, true},
    };
    for (const Case &c : cases) {
        m.settings.Format_Version = static_cast<std::uint8_t>(c.version);
        m.pages.Varning_Stranica = 1;
        m.pages.Varning_Num_Block = static_cast<std::int16_t>(c.block);
        m.pages.Varning_Num_OUT = -1;
        const PageUpload u = buildPageUpload(m, 0);
        EXPECT_EQ(u.ok(), c.builds) << c.what;
        if (!c.builds) {
            EXPECT_TRUE(u.message.contains(QStringLiteral("блоку 5"))) << u.message.toStdString();
            EXPECT_TRUE(u.message.contains(QStringLiteral("номер виходу"))) << u.message.toStdString();
            EXPECT_EQ(u.icon, MsgIcon::Critical);
            EXPECT_EQ(u.packetCount(), 0);
        } else if (c.version == 6) {
            const int tables = 7 * 48000 + u.data.slotLength[7];
            EXPECT_EQ(byteAt(u.image, tables + 2772), 0) << c.what;
            EXPECT_EQ(byteAt(u.image, tables + 2773), 0) << c.what;
        }
    }
}

TEST_F(PageBuild, DemoPageIsItsDrawingWithItsTables)
{
    m.settings.Stranica_Count = 16;
    test::placeDemoPageElements(m);
    const PageUpload u = buildPageUpload(m, 0);
    ASSERT_TRUE(u.ok()) << u.message.toStdString();
    EXPECT_EQ(u.picture, page::renderPage(m, 0).image);
    QByteArray tables(3580, '\0');
    ASSERT_TRUE(page::writeElementTables(m, 0, 6, tables, 0));
    EXPECT_EQ(u.image.mid(7 * 48000 + u.data.slotLength[7], 3580), tables);
    EXPECT_EQ(u.data.tableLength, 3580);
    EXPECT_EQ(u.rows().size(), 8u);
}

} // namespace
} // namespace pelmora
