#include "upload/page_renderer.h"

#include "pages/builtin_images.h"
#include "pages/page_restore.h"
#include "project/startup.h"
#include "support/fake_services.h"
#include "support/page_rig.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <set>

namespace pelmora {
namespace {

using page::PageViews;
using page::renderPage;

constexpr QRgb kPage = 0xFFC0FFC0; // the start-up page colour 0xC0FFC0

QImage solid(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// The smallest rectangle holding every pixel in which two images of one size differ.
QRect changed(const QImage &a, const QImage &b)
{
    EXPECT_EQ(a.size(), b.size());
    if (a.size() != b.size())
        return QRect();
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

// The smallest rectangle holding the pixels a picture puts down.
QRect drawnPart(const QImage &picture, QPoint at)
{
    const QImage t = page::whiteTransparent(picture);
    QRect r;
    for (int y = 0; y < t.height(); ++y)
        for (int x = 0; x < t.width(); ++x)
            if (qAlpha(t.pixel(x, y)) != 0)
                r |= QRect(x, y, 1, 1);
    return r.translated(at);
}

std::set<QRgb> coloursOf(const QImage &img)
{
    std::set<QRgb> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.insert(img.pixel(x, y));
    return out;
}

class PageRenderer : public ::testing::Test {
protected:
    PageRenderer()
    {
        startUpModel(m);
        m.settings.Format_Version = 6;
        m.settings.Stranica_Count = 8;
        empty = draw();
    }

    QImage draw(const PageViews &views = {}, int page = 0)
    {
        const page::RenderedPage r = renderPage(m, page, views);
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        return r.image;
    }

    void control(int n, int x, int y, int key, int w = 40, int h = 40)
    {
        auto &t = m.pages;
        t.Control_Used(0, n) = 1;
        t.Control_Coord_X(0, n) = x, t.Control_Coord_Y(0, n) = y;
        t.Control_Razmer_X(0, n) = w, t.Control_Razmer_Y(0, n) = h;
        t.Control_Key_Type(0, n) = key;
    }
    void mechanism(int n, int x, int y, int code, int size = 64)
    {
        auto &t = m.pages;
        t.Vent_Used(0, n) = 1;
        t.Vent_Coord_X(0, n) = x, t.Vent_Coord_Y(0, n) = y;
        t.Vent_Razmer_X(0, n) = size, t.Vent_Razmer_Y(0, n) = size;
        t.Vent_Picture_Num(0, n) = code;
    }
    void figure(int n, int x, int y, int w, int h, int type, std::int32_t colour, int width)
    {
        auto &t = m.pages;
        t.Figura_Used(0, n) = 1;
        t.Figura_Coord_X(0, n) = x, t.Figura_Coord_Y(0, n) = y;
        t.Figura_Razmer_X(0, n) = w, t.Figura_Razmer_Y(0, n) = h;
        t.Figura_Type(0, n) = type, t.Figura_Color(0, n) = colour, t.Figura_Line_Width(0, n) = width;
    }

    ProjectModel m;
    QImage empty;
};

TEST_F(PageRenderer, EmptyPageIsItsColourAtThePageSize)
{
    EXPECT_EQ(empty.size(), QSize(800, 480));
    EXPECT_EQ(coloursOf(empty), std::set<QRgb>{kPage});
    m.pages.Stranica_Fon_Color(3) = 0x0000FF;
    EXPECT_EQ(coloursOf(draw({}, 3)), std::set<QRgb>{0xFFFF0000});
}

TEST_F(PageRenderer, WhiteAndClearPixelsOfAPictureAreTransparent)
{
    QImage picture(6, 1, QImage::Format_ARGB32);
    const QRgb pixels[6] = {
        0xFFFFFFFF, // white: left out
        0xFFFF0000, // red
        0x64FFFFFF, // clear white
        0x640000FF, // more than half clear blue: left out
        0xC800FF00, // mostly opaque green: put down opaque
        0xFFFEFFFF, // nearly white: put down
    };
    for (int x = 0; x < 6; ++x)
        picture.setPixel(x, 0, pixels[x]);
    control(1, 100, 50, 1);
    PageViews views;
    views.controlPicture = [&](int slot) -> std::optional<QImage> {
        EXPECT_EQ(slot, 1);
        return picture;
    };
    const QImage img = draw(views);
    const QRgb expected[6] = {kPage, 0xFFFF0000, kPage, kPage, 0xFF00FF00, 0xFFFEFFFF};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(img.pixel(100 + x, 50), expected[x]) << x;
    EXPECT_EQ(changed(empty, img), QRect(101, 50, 5, 1));
}

TEST_F(PageRenderer, PicturesAreCopiedAtTheirOwnSizeWhereTheirViewsStand)
{
    struct Case {
        const char *what;
        std::function<void()> place;
        QRect expected;
    };
    const QImage button = pages::builtin::controlImage(1);
    const QImage knob = pages::builtin::controlImage(13);
    const QImage vent = pages::builtin::mechanismImage(8);
    const QImage menu = pages::builtin::menuImage();
    const std::vector<Case> cases = {
        {"button, its view at the stored corner", [this] { control(3, 200, 300, 1); }, drawnPart(button, {200, 300})},
        {"wide button: the picture, not the 105 pixels of the element", [this] { control(3, 200, 300, 10, 105, 40); },
         drawnPart(pages::builtin::controlImage(10), {200, 300})},
        {"kind 13 stands 10 pixels above its stored top", [this] { control(3, 200, 300, 13, 60, 60); },
         drawnPart(knob, {200, 290})},
        {"mechanism stretched to 64 on the page, copied at 48", [this] { mechanism(5, 400, 100, 8, 64); },
         drawnPart(vent, {400, 100})},
        {"menu picture 7 left of and 13 above its text box",
         [this] {
             auto &t = m.pages;
             t.Menu_Used(0, 2) = 1, t.Menu_Coord_X(0, 2) = 100, t.Menu_Coord_Y(0, 2) = 330;
         },
         drawnPart(menu, {93, 317})},
    };
    ASSERT_EQ(menu.size(), QSize(123, 44));
    ASSERT_EQ(vent.size(), QSize(48, 48));
    for (const Case &c : cases) {
        m = ProjectModel();
        startUpModel(m);
        m.settings.Format_Version = 6;
        c.place();
        const QRect got = changed(empty, draw());
        EXPECT_FALSE(got.isEmpty()) << c.what;
        EXPECT_EQ(got, c.expected) << c.what;
    }

    // A picture the view shows in place of the built-in one, at its own size.
    m = ProjectModel();
    startUpModel(m);
    control(4, 10, 20, 10, 105, 40);
    mechanism(6, 600, 300, 3);
    PageViews views;
    views.controlPicture = [](int) -> std::optional<QImage> { return solid(30, 20, 0xFF0000FF); };
    views.mechanismPicture = [](int) -> std::optional<QImage> { return solid(70, 10, 0xFF00FF00); };
    const QImage img = draw(views);
    EXPECT_EQ(changed(empty, img), QRect(10, 20, 30, 20) | QRect(600, 300, 70, 10));
}

TEST_F(PageRenderer, EmptyButtonKindsLeaveNoTrace)
{
    for (int key : {0, 14, 15, 16})
        control(key + 1, 40 * key, 100, key);
    EXPECT_EQ(draw(), empty);
    // Every other kind is drawn, 12, 13 and 17 to 19 as well.
    for (int key : {12, 13, 17, 18, 19}) {
        m = ProjectModel();
        startUpModel(m);
        control(1, 300, 200, key);
        EXPECT_NE(draw(), empty) << "kind " << key;
    }
}

TEST_F(PageRenderer, FigureOutlinesLieInsideTheirBoxes)
{
    const QRgb red = 0xFFFF0000, blue = 0xFF0000FF;
    figure(1, 100, 100, 50, 30, 0, 0x0000FF, 1); // rectangle: pixels 100..149 by 100..129
    figure(2, 300, 100, 60, 60, 1, 0xFF0000, 1); // circle of diameter 60 in its box
    figure(3, 500, 100, 40, 80, 1, 0xFF0000, 1); // circle: the smaller side, centred
    figure(4, 100, 300, 50, 30, 0, 0x0000FF, 3); // a line three pixels wide, inside the box
    const QImage img = draw();
    EXPECT_EQ(coloursOf(img), (std::set<QRgb>{kPage, red, blue}));

    for (QPoint p : {QPoint(100, 100), QPoint(149, 100), QPoint(100, 129), QPoint(149, 129), QPoint(125, 100),
                     QPoint(125, 129), QPoint(100, 115), QPoint(149, 115)})
        EXPECT_EQ(img.pixel(p), red) << p.x() << "," << p.y();
    EXPECT_EQ(changed(empty.copy(101, 101, 48, 28), img.copy(101, 101, 48, 28)), QRect());
    EXPECT_EQ(changed(empty.copy(90, 90, 70, 50), img.copy(90, 90, 70, 50)), QRect(10, 10, 50, 30));

    EXPECT_EQ(img.pixel(330, 130), kPage);
    EXPECT_EQ(changed(empty.copy(290, 90, 80, 80), img.copy(290, 90, 80, 80)), QRect(10, 10, 60, 60));
    EXPECT_EQ(changed(empty.copy(490, 90, 60, 100), img.copy(490, 90, 60, 100)), QRect(10, 30, 40, 40));

    for (int x : {100, 101, 102})
        EXPECT_EQ(img.pixel(x, 315), red) << x;
    EXPECT_EQ(img.pixel(99, 315), kPage);
    EXPECT_EQ(img.pixel(103, 315), kPage);
    EXPECT_EQ(changed(empty.copy(90, 290, 70, 50), img.copy(90, 290, 70, 50)), QRect(10, 10, 50, 30));
}

TEST_F(PageRenderer, TextsAreGlyphsOnlyWithoutAntialiasing)
{
    auto &t = m.pages;
    t.Text_Label_Used(0, 64) = 1;
    t.Text_Label_Coord_X(0, 64) = 300, t.Text_Label_Coord_Y(0, 64) = 20;
    t.Text_Label_Text(0, 64) = QStringLiteral("Котел №1");
    t.Text_Label_Font_Name(0, 64) = QStringLiteral("DejaVu Sans");
    t.Text_Label_Font_Size(0, 64) = 18;
    t.Text_Label_Font_Bold(0, 64) = -1;
    t.Text_Label_Font_Italic(0, 64) = -1;
    t.Text_Label_Color(0, 64) = 0x400000; // dark blue
    t.Text_Label_Used(0, 2) = 1;          // no font stored: the label's own face at 10 pt
    t.Text_Label_Coord_X(0, 2) = 40, t.Text_Label_Coord_Y(0, 2) = 400;
    t.Text_Label_Text(0, 2) = QStringLiteral("Тиск");
    t.Text_Label_Color(0, 2) = 0x0000FF;
    const QImage img = draw();
    EXPECT_EQ(coloursOf(img), (std::set<QRgb>{kPage, 0xFF000040, 0xFFFF0000}));
    const QRect title = changed(empty.copy(0, 0, 800, 200), img.copy(0, 0, 800, 200));
    EXPECT_GE(title.left(), 300);
    EXPECT_GE(title.top(), 20);
    EXPECT_LT(title.top(), 40);
    EXPECT_GT(title.width(), 60);
    const QRect small = changed(empty.copy(0, 300, 800, 180), img.copy(0, 300, 800, 180)).translated(0, 300);
    EXPECT_GE(small.left(), 40);
    EXPECT_GE(small.top(), 400);
    EXPECT_LT(small.height(), title.height());

    // A menu item's caption is printed in black over its picture.
    m = ProjectModel();
    startUpModel(m);
    m.pages.Menu_Used(0, 1) = 1, m.pages.Menu_Coord_X(0, 1) = 100, m.pages.Menu_Coord_Y(0, 1) = 200;
    const QImage bare = draw();
    m.pages.Menu_Caption(0, 1) = QStringLiteral("Насоси");
    const QImage captioned = draw();
    const QRect caption = changed(bare, captioned);
    EXPECT_GE(caption.left(), 100);
    EXPECT_GE(caption.top(), 200);
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            if (captioned.pixel(x, y) != bare.pixel(x, y)) {
                ASSERT_EQ(captioned.pixel(x, y), 0xFF000000u) << x << "," << y;
            }
}

TEST_F(PageRenderer, BackgroundPictureOverThePageColour)
{
    m.pages.Stranica_Fon_Color(0) = 0x0000FF;
    QImage picture = solid(100, 50, 0xFF00FF00);
    for (int y = 25; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            picture.setPixel(x, y, 0x00000000); // a clear lower half
    PageViews views;
    views.background = picture;
    const QImage img = draw(views);
    EXPECT_EQ(img.pixel(0, 0), 0xFF00FF00);
    EXPECT_EQ(img.pixel(99, 24), 0xFF00FF00);
    EXPECT_EQ(img.pixel(50, 30), 0xFFFF0000);
    EXPECT_EQ(img.pixel(150, 10), 0xFFFF0000);

    // Without a view, the page's picture comes from the current folder.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("fon.png"))));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    m.pages.Stranica_Fon_Flag(0) = 1;
    m.pages.Stranica_Fon_Name(0) = QStringLiteral("\\fon.png");
    const page::RenderedPage fromFile = renderPage(m, 0);
    m.pages.Stranica_Fon_Name(0) = QStringLiteral("\\gone.gif");
    const page::RenderedPage missing = renderPage(m, 0);
    QDir::setCurrent(before);
    EXPECT_TRUE(fromFile.error.isEmpty());
    EXPECT_EQ(fromFile.image, img);
    EXPECT_EQ(missing.error, QStringLiteral("Не вдалося прочитати фон сторінки \\gone.gif"));
    EXPECT_TRUE(missing.image.isNull());
    // A view without a picture shows the colour only, whatever the model names.
    views.background = QImage();
    EXPECT_EQ(coloursOf(draw(views)), std::set<QRgb>{0xFFFF0000});
}

TEST_F(PageRenderer, MechanismsLookAsTheirViews)
{
    auto drawnWith = [this](const std::function<void()> &set) {
        m = ProjectModel();
        startUpModel(m);
        m.settings.Format_Version = 6;
        set();
        return changed(empty, draw());
    };
    // Codes 0..3 without background show the first fan impeller.
    EXPECT_EQ(drawnWith([this] {
                  mechanism(1, 50, 60, 2);
                  m.pages.Vent_Fon_Bits(0, 0) = 1;
              }),
              drawnPart(pages::builtin::impellerImage(1), {50, 60}));
    EXPECT_EQ(drawnWith([this] { mechanism(1, 50, 60, 2); }), drawnPart(pages::builtin::mechanismImage(2), {50, 60}));
    // The user's mechanism without a phase picture shows nothing.
    EXPECT_TRUE(drawnWith([this] { mechanism(1, 50, 60, 22); }).isEmpty());
    // A project of format version 1 has no mechanisms.
    EXPECT_TRUE(drawnWith([this] {
                    mechanism(1, 50, 60, 8);
                    m.settings.Format_Version = 1;
                }).isEmpty());
}

} // namespace
} // namespace pelmora

namespace pelmora {
namespace {

// The page the editor shows and the page picture the upload sends put the
// figures' outlines on the same pixels, in the same colours.
class FiguresOnTheCanvas : public test::WithFakes {
protected:
    test::PageRig w;
    ProjectModel &m = w.model;
};

TEST_F(FiguresOnTheCanvas, TheUploadedOutlineIsTheEditorsOutline)
{
    startUpModel(m);
    m.settings.Format_Version = 6;
    m.settings.Stranica_Count = 8;
    struct Figure {
        QRect box;
        int type, lineWidth;
        std::int32_t colour;
    };
    const Figure figures[] = {
        {{100, 20, 420, 100}, 0, 3, 0x0000FF}, // a frame 420 pixels wide
        {{20, 150, 50, 30}, 0, 1, 0xFF0000},   {{120, 150, 61, 41}, 0, 2, 0x008000},
        {{220, 150, 80, 80}, 0, 4, 0x000000},  {{340, 150, 60, 60}, 1, 1, 0xFF0000},
        {{440, 150, 61, 61}, 1, 3, 0x0000FF},  {{540, 150, 40, 80}, 1, 2, 0x800080},
    };
    int n = 0;
    for (const Figure &f : figures) {
        ++n;
        auto &t = m.pages;
        t.Figura_Used(0, n) = 1;
        t.Figura_Coord_X(0, n) = f.box.x(), t.Figura_Coord_Y(0, n) = f.box.y();
        t.Figura_Razmer_X(0, n) = f.box.width(), t.Figura_Razmer_Y(0, n) = f.box.height();
        t.Figura_Type(0, n) = f.type, t.Figura_Color(0, n) = f.colour, t.Figura_Line_Width(0, n) = f.lineWidth;
    }
    restorePageElements(m, w.editor, w.view, w);
    QLabel *canvas = w.view.SCADA_Picture[0];
    ASSERT_TRUE(canvas);
    ASSERT_EQ(canvas->size(), QSize(800, 480));
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const page::RenderedPage sent = renderPage(m, 0);
    ASSERT_TRUE(sent.error.isEmpty());
    ASSERT_EQ(shown.size(), sent.image.size());

    // The outline pixels: those round the figures in which either picture is
    // not the page (the canvas shows the page's exit pictures too).
    const QRgb pageShown = shown.pixel(0, 0), pageSent = sent.image.pixel(0, 0);
    EXPECT_EQ(pageShown, kPage);
    int outline = 0;
    for (int y = 0; y < 260; ++y)
        for (int x = 0; x < 800; ++x) {
            const QRgb a = shown.pixel(x, y), b = sent.image.pixel(x, y);
            if (a == pageShown && b == pageSent)
                continue;
            ++outline;
            ASSERT_EQ(b, a) << "at " << x << "," << y;
        }
    EXPECT_GT(outline, 2000);
    // The frame covers exactly its 420 pixels, its line three pixels inside.
    EXPECT_EQ(sent.image.pixel(100, 60), 0xFFFF0000u);
    EXPECT_EQ(sent.image.pixel(519, 60), 0xFFFF0000u);
    EXPECT_EQ(sent.image.pixel(99, 60), kPage);
    EXPECT_EQ(sent.image.pixel(520, 60), kPage);
    EXPECT_EQ(sent.image.pixel(300, 19), kPage);
    EXPECT_EQ(sent.image.pixel(300, 22), 0xFFFF0000u);
    EXPECT_EQ(sent.image.pixel(300, 23), kPage);
}

} // namespace
} // namespace pelmora
