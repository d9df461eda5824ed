#include "algorithm/mem_algorithm.h"
#include "blockparams/property_block.h"
#include "mainwindow/config_scada.h"
#include "pages/page_view.h"
#include "project/schema_view.h"
#include "support/fake_services.h"
#include "support/schema_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

const QString kPage16 = QStringLiteral("Сторінка 16 неактивна!!!");

class SchemaViewTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        savedDir_ = QDir::currentPath();
    }
    void TearDown() override
    {
        w.Form_Unload(); // closes the windows the test left open
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(savedDir_);
    }

    QLabel *picture(int index) { return w.Block_IMAGE[static_cast<std::size_t>(index)]; }
    PageView &pages() { return *w.pageView; }
    SchemaView &view() { return *w.schemaView; }
    int messagesWith(const QString &text) const { return static_cast<int>(test::fakes().messageTexts().count(text)); }

    Config_SCADA w;
    ProjectModel &m = w.model();

private:
    QString savedDir_;
};

} // namespace

TEST(BlockPictures, FiftyDistinctPicturesOfFortyByForty)
{
    std::vector<QImage> images;
    for (int t = 1; t <= 50; ++t) {
        const QPixmap pm = blockPicture(t);
        ASSERT_FALSE(pm.isNull()) << "type " << t;
        EXPECT_EQ(pm.size(), QSize(40, 40)) << "type " << t;
        images.push_back(pm.toImage().convertToFormat(QImage::Format_ARGB32));
    }
    for (std::size_t a = 0; a < images.size(); ++a)
        for (std::size_t b = a + 1; b < images.size(); ++b)
            EXPECT_NE(images[a], images[b]) << "types " << a + 1 << " and " << b + 1;
    EXPECT_TRUE(blockPicture(0).isNull());
    EXPECT_TRUE(blockPicture(51).isNull());
}

TEST_F(SchemaViewTest, DrawingPlacesThePicturesOnTheMainWindow)
{
    m.schema.Block_Type(1) = type::AND;
    m.schema.Block_Type(96) = type::ALG;
    view().Draw_Schema();

    struct Case {
        int index;
        QRect geometry;
        int type;
    };
    // clang-format off
    const Case cases[] = {
        {1, QRect(20, 20, 40, 40), type::SCA},
        {2, QRect(20, 80, 40, 40), type::GRA},
        {3, QRect(20, 140, 40, 40), type::JUR},
        {9, QRect(80, 20, 40, 40), type::AND},
        {104, QRect(740, 440, 40, 40), type::ALG},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_FALSE(picture(c.index)->isHidden()) << c.index;
        EXPECT_EQ(picture(c.index)->geometry(), c.geometry) << c.index;
        EXPECT_EQ(picture(c.index)->pixmap().toImage(), blockPicture(c.type).toImage()) << c.index;
    }
    for (int i = 10; i <= 103; ++i)
        EXPECT_TRUE(picture(i)->isHidden()) << i;

    // The numbers stay on the window's surface until the next drawing.
    const auto &texts = view().drawnTexts();
    ASSERT_EQ(texts.size(), 99);
    EXPECT_EQ(texts.front().text, QStringLiteral("SCADA"));

    m.schema.Block_Type(1) = 0;
    view().Draw_Schema();
    EXPECT_TRUE(picture(9)->isHidden());
    EXPECT_EQ(view().drawnTexts().size(), 99);
}

TEST_F(SchemaViewTest, BlockClickRecordsTheBlockAndOpensItsWindowModally)
{
    m.settings.Project_File_Path = QStringLiteral("/srv/plant/line1.prt");
    m.schema.Block_Type(5) = type::PID;
    m.schema.Block_Type(12) = type::ALG;
    view().Draw_Schema();

    struct Case {
        int index;
        int type;
        int block;
        bool memoryEditor;
    };
    const Case cases[] = {
        {2, type::GRA, 98, false},
        {3, type::JUR, 99, false},
        {13, type::PID, 5, false},
        {20, type::ALG, 12, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        view().Block_IMAGE_Click(c.index);
        EXPECT_EQ(m.settings.Type_Block_Edit, c.type);
        EXPECT_EQ(m.settings.Num_Block_Edit, c.block);
        EXPECT_FALSE(w.isEnabled());
        QPointer<QWidget> dlg = c.memoryEditor ? static_cast<QWidget *>(w.windows().find<Mem_ALGORITHM>())
                                               : static_cast<QWidget *>(w.windows().find<PropertyBLOCK>());
        ASSERT_TRUE(dlg);
        EXPECT_TRUE(dlg->isWindow());
        EXPECT_EQ(dlg->parentWidget(), nullptr);
        EXPECT_TRUE(dlg->isVisible());
        if (c.type == type::ALG) {
            EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Блок АЛГОРИТМ - /srv/plant/line1.prt"));
        }
        // The window frame is a way out: the main window is enabled again.
        dlg->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isEnabled());
        EXPECT_FALSE(dlg);
    }
}

TEST_F(SchemaViewTest, ParameterDialogWaysOutEnableTheMainWindow)
{
    view().Draw_Schema();
    using Way = void (PropertyBLOCK::*)();
    for (Way way : {&PropertyBLOCK::Ok_Property_Click, &PropertyBLOCK::Cancel_Property_Click}) {
        view().Block_IMAGE_Click(2);
        auto *dlg = w.windows().find<PropertyBLOCK>();
        ASSERT_NE(dlg, nullptr);
        EXPECT_FALSE(w.isEnabled());
        (dlg->*way)();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(w.windows().find<PropertyBLOCK>(), nullptr);
    }
}

TEST_F(SchemaViewTest, FirstValueRowTakesFortyCharactersForTheJournalOnly)
{
    struct Case {
        int index;
        int length;
    };
    for (const Case c : {Case{3, 40}, Case{2, 17}}) {
        view().Block_IMAGE_Click(c.index);
        PropertyBLOCK *dlg = w.windows().find<PropertyBLOCK>();
        ASSERT_NE(dlg, nullptr);
        QLineEdit *row = dlg->Value_Text[1];
        // What the user can type into it.
        row->clear();
        QTest::keyClicks(row, QString(45, QLatin1Char('a')));
        EXPECT_EQ(row->text().size(), c.length) << c.index;
        dlg->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SchemaViewTest, MouseOnAPictureDispatchesTheLeftButtonOnly)
{
    m.schema.Block_Type(3) = type::TIM;
    view().Draw_Schema();
    QTest::mouseClick(picture(11), Qt::RightButton);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.windows().find<PropertyBLOCK>(), nullptr);

    QTest::mouseClick(picture(11), Qt::LeftButton);
    EXPECT_EQ(m.settings.Num_Block_Edit, 3);
    EXPECT_EQ(m.settings.Type_Block_Edit, type::TIM);
    EXPECT_NE(w.windows().find<PropertyBLOCK>(), nullptr);
    EXPECT_FALSE(w.isEnabled());
}

TEST_F(SchemaViewTest, EnteringTheScadaViewAlwaysShowsPageOne)
{
    m.settings.Stranica_Count = 16;
    view().MnuSCADA_Click();
    pages().selectTab(4);
    ASSERT_EQ(m.pages.Num_Stranica_SCADA, 4);
    view().mnuSchema_Click();

    view().MnuSCADA_Click();
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 0);
    EXPECT_EQ(pages().SCADA_SSTab->Tab(), 0);
    EXPECT_TRUE(pages().SCADA_SSTab->tabButton(0)->isChecked());
    EXPECT_FALSE(pages().SCADA_Picture[0]->isHidden());
    EXPECT_TRUE(pages().SCADA_Picture[4]->isHidden());
}

TEST_F(SchemaViewTest, ViewSwitchShowsTheViewsMenusAndTimer)
{
    m.settings.Stranica_Count = 8;
    // Picture 1, the SCADA block, enters the SCADA view.
    view().Draw_Schema();
    view().Block_IMAGE_Click(1);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(pages().SCADA_SSTab->isHidden());
    EXPECT_EQ(pages().SCADA_SSTab->geometry(), QRect(1, 1, 803, 520));
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(pages().SCADA_Picture[static_cast<std::size_t>(p)]->geometry(), QRect(1, 41, 800, 480)) << p;
    EXPECT_EQ(pages().Exit_SCADA[0]->geometry(), QRect(10, 440, 31, 31));
    EXPECT_FALSE(pages().Exit_SCADA[0]->isHidden());
    EXPECT_TRUE(pages().Signal_Timer_Miganie_SCADA->isActive());
    EXPECT_EQ(pages().Signal_Timer_Miganie_SCADA->interval(), 500);
    EXPECT_TRUE(w.MnuSCADA1->isVisible());
    EXPECT_TRUE(w.MnuSaveOrvoSCADA->isVisible());
    EXPECT_TRUE(w.MnuAllSaveOrvoSCADA->isVisible());
    EXPECT_FALSE(w.MnuSaveOrvo->isVisible());

    // The exit picture of the page returns, and the schema is drawn again.
    m.schema.Block_Type(7) = type::COU;
    QTest::mouseClick(pages().Exit_SCADA[0], Qt::LeftButton);
    EXPECT_TRUE(pages().SCADA_SSTab->isHidden());
    EXPECT_FALSE(pages().Signal_Timer_Miganie_SCADA->isActive());
    EXPECT_FALSE(w.MnuSCADA1->isVisible());
    EXPECT_FALSE(w.MnuSaveOrvoSCADA->isVisible());
    EXPECT_FALSE(w.MnuAllSaveOrvoSCADA->isVisible());
    EXPECT_TRUE(w.MnuSaveOrvo->isVisible());
    EXPECT_FALSE(picture(15)->isHidden());

    // The menu items do the same.
    w.MnuSCADA->trigger();
    EXPECT_FALSE(pages().SCADA_SSTab->isHidden());
    w.mnuSchema->trigger();
    EXPECT_TRUE(pages().SCADA_SSTab->isHidden());
}

TEST_F(SchemaViewTest, WarningLineBelongsToItsPageAndToTheScadaView)
{
    m.pages.Varning_Stranica = 1;
    view().MnuSCADA_Click();
    EXPECT_FALSE(w.Varning_Text->isHidden());
    pages().selectTab(1);
    EXPECT_TRUE(w.Varning_Text->isHidden());
    m.pages.Varning_Stranica = 2;
    pages().selectTab(1);
    EXPECT_FALSE(w.Varning_Text->isHidden());
    view().mnuSchema_Click();
    EXPECT_TRUE(w.Varning_Text->isHidden());
    // Selecting a tab while the schema is shown leaves the line hidden.
    pages().selectTab(1);
    EXPECT_TRUE(w.Varning_Text->isHidden());
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 1);
}

TEST_F(SchemaViewTest, PageSixteenWarnsOnceForEveryUserPictureMechanism)
{
    struct Slot {
        int page, slot;
    };
    // Slot 0 (the template) counts, page index 16 is never looked at.
    for (const Slot s : {Slot{0, 1}, Slot{3, 0}, Slot{7, 32}, Slot{15, 5}, Slot{16, 1}})
        m.pages.Vent_Picture_Num(s.page, s.slot) = 22;
    m.pages.Vent_Picture_Num(2, 2) = 21;

    view().MnuSCADA_Click();
    pages().selectTab(14);
    EXPECT_EQ(messagesWith(kPage16), 0);
    pages().selectTab(15);
    EXPECT_EQ(messagesWith(kPage16), 4);
    for (const auto &msg : ui().messages)
        EXPECT_EQ(msg.icon, MsgIcon::Information);
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 15);

    // The user's own click on the tab runs the same change.
    ui().reset();
    pages().selectTab(0);
    pages().SCADA_SSTab->tabButton(15)->click();
    EXPECT_EQ(messagesWith(kPage16), 4);
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 15);
    EXPECT_FALSE(pages().Exit_SCADA[15]->isHidden());

    // While a project is being opened the change stays silent.
    ui().reset();
    m.settings.Load_Project_Flag = 1;
    pages().selectTab(0);
    pages().selectTab(15);
    EXPECT_EQ(messagesWith(kPage16), 0);
}

TEST_F(SchemaViewTest, NetlistMenuCancelChangesNothing)
{
    const QString caption = w.windowTitle();
    m.schema.Block_Type(4) = type::AND;
    ui().openPaths.push_back(std::nullopt);
    w.mnuNetlist->trigger();
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("P-CAD file|*.net"));
    EXPECT_EQ(w.windowTitle(), caption);
    EXPECT_FALSE(w.mnuConfig->isVisible());
    EXPECT_FALSE(w.MnuOrvo->isVisible());
    EXPECT_EQ(m.schema.Block_Type(4), type::AND);
    EXPECT_TRUE(view().drawnTexts().isEmpty());

    // A file that cannot be opened changes nothing either.
    ui().openPaths.push_back(QStringLiteral("/nonexistent/folder/none.net"));
    view().mnuNetlist_Click();
    EXPECT_EQ(w.windowTitle(), caption);
    EXPECT_FALSE(w.mnuConfig->isVisible());
    EXPECT_EQ(m.schema.Block_Type(4), type::AND);
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(SchemaViewTest, NetlistMenuImportsAndShowsTheSchema)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto blocks = test::fixedBlocks();
    blocks.push_back({1, QStringLiteral("AND2_4"), {}});
    blocks.push_back({9, QStringLiteral("OR_2_4"), {}});
    blocks.push_back({96, QStringLiteral("XOR"), {}});
    const QString path = test::writeFixture(dir, QStringLiteral("plant.net"), test::schemaNetlist(blocks));

    m.settings.Name_Schema = QStringLiteral("/projects/first.net");
    w.mnuHelp4->trigger(); // version 4.5
    w.setEnabled(false);
    ui().openPaths.push_back(path);
    w.mnuNetlist->trigger();

    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    EXPECT_EQ(m.schema.Block_Type(1), type::AND);
    EXPECT_EQ(m.schema.Block_Type(9), type::OR_);
    EXPECT_EQ(m.schema.Block_Type(96), type::XOR);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.mnuConfig->isVisible());
    EXPECT_TRUE(w.MnuOrvo->isVisible());
    // The caption keeps naming the project's own netlist.
    EXPECT_EQ(m.settings.Name_Schema, QStringLiteral("/projects/first.net"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Конфігуратор Velkor 4.51 - /projects/first.net"));
    for (int index : {9, 17, 104})
        EXPECT_FALSE(picture(index)->isHidden()) << index;
    EXPECT_TRUE(picture(10)->isHidden());
}

TEST(ParameterEntryCaption, SlotWithTheChosenDigitCount)
{
    struct Case {
        int slot, code;
        std::optional<QString> caption;
    };
    // clang-format off
    const Case cases[] = {
        {5, 0, QStringLiteral("05")},     {12, 0, QStringLiteral("12")},  {5, 4, QStringLiteral("000005")},
        {12, 4, QStringLiteral("000012")}, {32, 2, QStringLiteral("0032")}, {0, 1, QStringLiteral("000")},
        {7, 5, std::nullopt},             {7, -1, std::nullopt},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(parameterEntryCaption(c.slot, c.code), c.caption) << c.slot << "/" << c.code;
}

TEST_F(SchemaViewTest, EnteringTheViewRunsThePageZeroStepAfterPlacingTheCanvases)
{
    m.settings.Stranica_Count = 16;
    int runs = 0;
    pages().enterPageZero = [&] {
        ++runs;
        EXPECT_FALSE(pages().SCADA_SSTab->isHidden());
        EXPECT_EQ(pages().SCADA_Picture[0]->geometry(), QRect(1, 41, 800, 480));
    };
    view().MnuSCADA_Click();
    view().mnuSchema_Click();
    view().MnuSCADA_Click();
    EXPECT_EQ(runs, 2);
}
