// Restoring the page elements of an opened project onto the canvases.

#include "core/hosting/hosted_control.h"
#include "pages/builtin_pictures.h"
#include "pages/page_editor.h"
#include "pages/page_restore.h"
#include "pages/page_view.h"
#include "project/project_file.h"
#include "project/project_file_disk.h"
#include "project/project_menu.h"
#include "project/schema_view.h"
#include "support/fake_services.h"
#include "support/lumtor_registry.h"
#include "support/page_fixture.h"
#include "support/page_rig.h"
#include "ui/hosted_control_widget.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

class PageRestoreTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        savedDir_ = QDir::currentPath();
        ASSERT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
        m.settings.Stranica_Count = 16;
        m.settings.Format_Version = 6;
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(savedDir_);
    }

    PageElements &el() { return w.editor.elements; }
    QLabel *canvas(int p) { return w.view.SCADA_Picture[static_cast<std::size_t>(p)]; }
    template <typename T> bool shownOn(T *widget, int page)
    {
        return widget && widget->parentWidget() == canvas(page) && widget->isVisibleTo(canvas(page));
    }
    void writePicture(const QString &name, QSize size)
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::red);
        ASSERT_TRUE(img.save(dir_.filePath(name), "PNG"));
    }

    test::LumtorRegistry registry;
    QTemporaryDir dir_;
    test::PageRig w; // the page view and editor without the main window
    ProjectModel &m = w.model;

private:
    QString savedDir_;
};

} // namespace

TEST_F(PageRestoreTest, EveryUsedSlotGetsItsControlAtItsIndexAndPlace)
{
    test::placeDemoPageElements(m);
    restorePageElements(m, w.editor, w.view, w);

    // Numeric parameters: the slot number as a placeholder of the chosen width.
    ElementLabel *p7 = el().Parametr_Label(7);
    ASSERT_TRUE(shownOn(p7, 0));
    EXPECT_EQ(p7->caption(), QStringLiteral("0007"));
    EXPECT_EQ(p7->pos(), QPoint(180, 90));
    EXPECT_EQ(p7->captionFont().pointSize(), 14); // stored 18: 14 points bold
    EXPECT_TRUE(p7->captionFont().bold());
    EXPECT_EQ(p7->foreColor(), 0x0000FF);
    EXPECT_EQ(p7->borderStyle(), 1);
    ElementLabel *p5 = el().Parametr_Label(5);
    EXPECT_EQ(p5->caption(), QStringLiteral("05")); // the time format shows two characters
    EXPECT_EQ(m.pages.Parametr_Digits(0, 5), 0);
    EXPECT_EQ(el().Parametr_Label(33)->caption(), QStringLiteral("001")); // page 1, slot 1
    EXPECT_TRUE(shownOn(el().Parametr_Label(33), 1));

    // Text signals: position from the packed top, the template's caption until the blink tick.
    ElementLabel *ts = el().Text_Signal_Picture(3);
    ASSERT_TRUE(shownOn(ts, 0));
    EXPECT_EQ(ts->pos(), QPoint(130, 165));
    EXPECT_EQ(ts->caption(), QStringLiteral("Сигнализация"));
    EXPECT_EQ(ts->borderStyle(), 1);
    EXPECT_EQ(ts->captionFont().pointSize(), 14);
    w.editor.Signal_Timer_Miganie_SCADA_Timer();
    EXPECT_EQ(ts->caption(), QStringLiteral("Норма"));

    // Level bars: a vertical bar of height 151 has its upper half covered in the background.
    ElementLabel *bar = el().Level_Picture(4), *fill = el().Level_Picture_1(4);
    ASSERT_TRUE(shownOn(bar, 0));
    ASSERT_TRUE(shownOn(fill, 0));
    EXPECT_EQ(bar->geometry(), QRect(600, 90, 30, 151));
    EXPECT_EQ(fill->geometry().topLeft(), QPoint(600, 90));
    EXPECT_NEAR(fill->height(), 75.5, 0.5);
    EXPECT_EQ(bar->backColor(), 0xFF8000);
    EXPECT_EQ(fill->backColor(), 0xFFFFFF);
    EXPECT_NEAR(el().Level_Picture_1(6)->width(), 75.5, 0.5); // horizontal: filled from the left
    EXPECT_EQ(el().Level_Picture_1(6)->backColor(), 0xFF8000);

    // Transitions: width by the field count, caption by the target code.
    EXPECT_EQ(el().Go_Block_Label(8)->caption(), QStringLiteral("5"));
    EXPECT_EQ(el().Go_Block_Label(8)->width(), 40);
    EXPECT_EQ(el().Go_Block_Label(9)->caption(), QStringLiteral("97"));
    EXPECT_EQ(el().Go_Block_Label(9)->width(), 100);
    EXPECT_EQ(el().Go_Block_Label(68)->caption(), QStringLiteral("98")); // page 2, target 220 of 16 pages

    // Figures: the stored type is the shape kind.
    FigureShape *circle = el().ShapePlus1(11);
    ASSERT_TRUE(shownOn(circle, 0));
    EXPECT_TRUE(circle->isCircle());
    EXPECT_EQ(circle->geometry(), QRect(440, 200, 90, 90));
    EXPECT_EQ(circle->lineColor(), 0x0000C0);
    EXPECT_EQ(circle->lineWidth(), 3);
    EXPECT_FALSE(el().ShapePlus1(10)->isCircle());
    EXPECT_TRUE(shownOn(el().ShapePlus1(65), 2));

    // Mechanisms: the picture of the code, or the fan impeller when its flag is set.
    ElementImage *pump = el().Ventilator_Picture(12);
    ASSERT_TRUE(shownOn(pump, 0));
    EXPECT_EQ(pump->geometry(), QRect(300, 230, 48, 48));
    EXPECT_EQ(pump->picture().toImage(), builtin::PictureVent(8).toImage());
    ElementImage *fan = el().Ventilator_Picture(17);
    EXPECT_EQ(fan->picture().toImage(), builtin::Krylcatka_2().toImage());
    EXPECT_EQ(el().Ventilator_Picture(67)->picture().toImage(), builtin::Krylcatka_1().toImage());
    // Each impeller at its own size, the size the page upload draws it at.
    EXPECT_EQ(fan->size(), QSize(20, 20));
    EXPECT_EQ(fan->picture().size(), fan->size());
    EXPECT_EQ(el().Ventilator_Picture(67)->size(), QSize(28, 28));
    EXPECT_EQ(el().Ventilator_Picture(67)->picture().size(), QSize(28, 28));

    // Static texts, also slot 64 of the page index no canvas shows.
    ElementLabel *title = el().Text_Label_Label(64);
    ASSERT_TRUE(shownOn(title, 0));
    EXPECT_EQ(title->caption(), QStringLiteral("Котел №1"));
    EXPECT_TRUE(title->captionFont().bold());
    EXPECT_EQ(title->captionFont().pointSize(), 18);
    EXPECT_EQ(title->foreColor(), 0x400000);
    ASSERT_TRUE(el().Text_Label_Label.isLoaded(1088));
    EXPECT_FALSE(el().Text_Label_Label(1088)->isVisibleTo(el().Text_Label_Label(1088)->parentWidget()));

    // Graph window and clocks: index page + 1; the date 22 pixels below the time.
    EXPECT_TRUE(shownOn(el().Grafik_Image(1), 0));
    EXPECT_EQ(el().Grafik_Image(1)->geometry(), QRect(560, 290, 200, 120));
    EXPECT_TRUE(shownOn(el().Real_Clock(1), 0));
    EXPECT_EQ(el().Real_Time(1)->pos(), QPoint(700, 42));
    EXPECT_TRUE(shownOn(el().Real_Clock(2), 1));
    EXPECT_EQ(el().Real_Clock(2)->pos(), QPoint(650, 40));

    // Control buttons: the built-in picture of the key type; key 13 ten pixels higher.
    EXPECT_EQ(el().Control_Image(13)->picture().toImage(), builtin::STOP_Image(1).toImage());
    EXPECT_EQ(el().Control_Image(14)->pos(), QPoint(270, 380));
    EXPECT_EQ(m.pages.Control_Coord_Y(0, 14), 390);

    // Menu items: the picture 7 left of and 13 above the text box.
    EXPECT_EQ(el().Menu_Text(2)->pos(), QPoint(100, 330));
    EXPECT_EQ(el().Menu_Image(2)->pos(), QPoint(93, 317));
    EXPECT_EQ(el().Menu_Text(2)->caption(), QStringLiteral("Насоси"));
    EXPECT_TRUE(shownOn(el().Menu_Text(9), 1));

    // Nothing else was loaded: the arrays hold their templates and these elements only.
    EXPECT_EQ(el().ShapePlus1.indexes(), (std::vector<int>{0, 10, 11, 65}));
    EXPECT_EQ(el().Ventilator_Picture.indexes(), (std::vector<int>{0, 12, 17, 33, 34, 67}));
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(PageRestoreTest, IndicatorsGetTheirThreePropertiesAndUnpackedPlace)
{
    auto &t = m.pages;
    t.Signal_Used(2, 7) = 1;
    t.Signal_Coord_X(2, 7) = 33;
    t.Signal_Coord_Y(2, 7) = 1124; // top 100, list 1
    t.Signal_Razmer_X(2, 7) = 130; // 2 pixels, shape part 2
    t.Signal_Razmer_Y(2, 7) = 66;  // 2 pixels, shape part 1
    t.Signal_Color(2, 7) = 0x00FF00;
    t.Signal_Border_Style(2, 7) = 3;
    restorePageElements(m, w.editor, w.view, w);
    hosting::HostedControl *s = el().Signal_Picture(71);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(hosting::widgetOf(*s)->parentWidget(), canvas(2));
    EXPECT_EQ(s->geometry(), QRect(33, 100, 2, 2));
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->property(QStringLiteral("Type_Signal"))->toInt(), 6);
    EXPECT_EQ(s->property(QStringLiteral("ForeColor"))->toLongLong(), 0x00FF00);
    EXPECT_EQ(s->property(QStringLiteral("Border_Style"))->toInt(), 3);
    // The table keeps the packed values.
    EXPECT_EQ(t.Signal_Coord_Y(2, 7), 1124);
}

TEST_F(PageRestoreTest, WarningLineIsPlacedHiddenAndPageOneIsCurrent)
{
    test::placeDemoPageElements(m);
    w.view.selectTab(5);
    restorePageElements(m, w.editor, w.view, w);
    EXPECT_EQ(w.Varning_Text->pos(), QPoint(202, 492));
    EXPECT_EQ(w.Varning_Text->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(w.Varning_Text->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_FALSE(w.Varning_Text->isVisibleTo(w.Client));
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 0);
    EXPECT_EQ(w.view.SCADA_SSTab->Tab(), 0);
    EXPECT_EQ(m.settings.Load_Project_Flag, 0);
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(PageRestoreTest, UserMechanismShowsPhaseZeroAtItsOwnSizeOrHides)
{
    auto &t = m.pages;
    for (int n : {1, 2}) {
        t.Vent_Used(3, n) = 1;
        t.Vent_Razmer_X(3, n) = 48, t.Vent_Razmer_Y(3, n) = 48;
        t.Vent_Picture_Num(3, n) = 22;
    }
    writePicture(QStringLiteral("phase0.png"), QSize(70, 30));
    t.Mechanizm_Gif_Name(0) = QStringLiteral("\\phase0.png");
    restorePageElements(m, w.editor, w.view, w);
    ElementImage *v = el().Ventilator_Picture(97);
    ASSERT_TRUE(shownOn(v, 3));
    EXPECT_EQ(v->size(), QSize(70, 30));
    EXPECT_FALSE(v->stretch());

    // A phase file that is gone leaves the placeholder in sight.
    t.Mechanizm_Gif_Name(0) = QStringLiteral("\\gone.png");
    restorePageElements(m, w.editor, w.view, w);
    v = el().Ventilator_Picture(97);
    ASSERT_TRUE(shownOn(v, 3));
    EXPECT_EQ(v->size(), QSize(48, 48));
    EXPECT_EQ(v->picture().toImage(), builtin::PictureVent(22).toImage());
    EXPECT_FALSE(v->picture().isNull());

    t.Mechanizm_Gif_Name(0).clear();
    restorePageElements(m, w.editor, w.view, w);
    v = el().Ventilator_Picture(97);
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->isVisibleTo(canvas(3)));
    EXPECT_TRUE(v->picture().isNull());
}

TEST_F(PageRestoreTest, ReopeningUnloadsTheOldElementsOfThePagesRead)
{
    test::placeDemoPageElements(m);
    restorePageElements(m, w.editor, w.view, w);
    ASSERT_TRUE(el().ShapePlus1.isLoaded(10));
    QPointer<ElementLabel> oldTitle = el().Text_Label_Label(64);

    ProjectModel fresh;
    fresh.settings.Stranica_Count = 16;
    fresh.settings.Format_Version = 6;
    fresh.pages.Figura_Used(1, 1) = 1;
    fresh.pages.Figura_Razmer_X(1, 1) = 10, fresh.pages.Figura_Razmer_Y(1, 1) = 10;
    m.pages = fresh.pages;
    m.settings.Stranica_Count = 16;
    restorePageElements(m, w.editor, w.view, w);
    EXPECT_EQ(el().ShapePlus1.indexes(), (std::vector<int>{0, 33}));
    EXPECT_TRUE(oldTitle.isNull());
    EXPECT_EQ(el().Text_Label_Label.indexes(), (std::vector<int>{0}));
    EXPECT_EQ(el().Real_Clock.indexes(), (std::vector<int>{0}));
}

TEST_F(PageRestoreTest, EightPageProjectCaptionsTransitionsByItsOwnRanges)
{
    m.settings.Stranica_Count = 8;
    auto &t = m.pages;
    t.Go_Block_Used(0, 1) = 1, t.Go_Block_Target(0, 1) = 220;
    t.Go_Block_Used(0, 2) = 1, t.Go_Block_Target(0, 2) = 210;
    t.Go_Block_Used(0, 3) = 3, t.Go_Block_Target(0, 3) = 205;
    restorePageElements(m, w.editor, w.view, w);
    EXPECT_EQ(el().Go_Block_Label(1)->caption(), QStringLiteral("Тs"));
    EXPECT_EQ(el().Go_Block_Label(2)->caption(), QStringLiteral("12")); // the template's
    EXPECT_EQ(el().Go_Block_Label(3)->caption(), QStringLiteral("97"));
}

TEST_F(PageRestoreTest, ProjectFileWithElementsOfEveryKindOpensFromTheFileMenu)
{
    ProjectModel saved = m;
    test::placeDemoPageElements(saved);
    saved.settings.Name_Schema = dir_.filePath(QStringLiteral("absent.net"));
    const QString path = dir_.filePath(QStringLiteral("demo.prt"));
    ASSERT_TRUE(projectfile::saveProjectFile(saved, path).ok);
    // An element of the project open before, on a page the file carries.
    ASSERT_TRUE(el().ShapePlus1.load(300));

    // The file menu as the main window joins it to the views.
    SchemaView schemaView(m, w, w.view);
    ProjectMenu fileMenu(m, w, schemaView, w.view, w.editor);
    ui().openPaths.push_back(path);
    w.mnuLoad->trigger();

    EXPECT_FALSE(el().ShapePlus1.isLoaded(300));
    EXPECT_EQ(el().Parametr_Label(7)->caption(), QStringLiteral("0007"));
    EXPECT_EQ(el().Go_Block_Label(9)->caption(), QStringLiteral("97"));
    EXPECT_TRUE(el().ShapePlus1(11)->isCircle());
    EXPECT_EQ(el().Ventilator_Picture(17)->picture().toImage(), builtin::Krylcatka_2().toImage());
    EXPECT_EQ(el().Text_Label_Label(64)->caption(), QStringLiteral("Котел №1"));
    EXPECT_EQ(el().Menu_Image(2)->pos(), QPoint(93, 317));
    EXPECT_EQ(el().Real_Time(2)->pos(), QPoint(650, 62));
    EXPECT_EQ(w.view.SCADA_SSTab->TabCaption(2), QStringLiteral("Вентиляція"));
    hosting::HostedControl *arrow = el().Signal_Picture(2);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->property(QStringLiteral("Type_Signal"))->toInt(), 6);
    EXPECT_EQ(arrow->geometry(), QRect(80, 160, 30, 20));
    // The only message is the one about the netlist this test does not provide.
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(ui().messages[0].text.contains(QStringLiteral("absent.net")));
}

TEST_F(PageRestoreTest, ProjectFileReadBackRestoresTheSameElements)
{
    ProjectModel saved = m;
    test::placeDemoPageElements(saved);
    projectfile::prepareForSave(saved);
    const projectfile::WriteResult file = projectfile::writeProjectFile(saved);
    ASSERT_TRUE(file.ok) << file.reason.toStdString();

    ProjectModel staging = m;
    const projectfile::ReadResult read = projectfile::readProjectFile(file.bytes, staging, dir_.path());
    ASSERT_TRUE(read.ok) << read.reason.toStdString();
    projectfile::adoptProject(m, std::move(staging), read);
    restorePageElements(m, w.editor, w.view, w);

    EXPECT_EQ(el().Parametr_Label(7)->caption(), QStringLiteral("0007"));
    EXPECT_EQ(el().Go_Block_Label(9)->caption(), QStringLiteral("97"));
    EXPECT_TRUE(el().ShapePlus1(11)->isCircle());
    EXPECT_EQ(el().Ventilator_Picture(17)->picture().toImage(), builtin::Krylcatka_2().toImage());
    EXPECT_EQ(el().Text_Label_Label(64)->caption(), QStringLiteral("Котел №1"));
    EXPECT_EQ(el().Menu_Image(2)->pos(), QPoint(93, 317));
    EXPECT_EQ(el().Real_Time(2)->pos(), QPoint(650, 62));
    hosting::HostedControl *arrow = el().Signal_Picture(2);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->property(QStringLiteral("Type_Signal"))->toInt(), 6);
    EXPECT_EQ(arrow->geometry(), QRect(80, 160, 30, 20));
}
