// The project menus while a transfer is under way, with a range of pages
// being written into the controller simulator over loopback TCP: the settings
// dialog shows the settings read-only (also after the progress window's
// "Відміна", and in the pause between two pages), opening or creating a
// project is refused with a message, and the range goes on with its pages as
// they were.

#include "link/controller_link.h"
#include "link/write_schema.h"
#include "mainwindow/config_scada.h"
#include "pages/page_view.h"
#include "project/config_project.h"
#include "project/project_menu.h"
#include "support/fake_services.h"
#include "support/page_fixture.h"
#include "support/simulator.h"
#include "support/simulator_pages.h"
#include "upload/page_build.h"
#include "upload/save_n_scada.h"
#include "upload/scada_upload.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::PageController;

class ProjectWhileTransfer : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        ASSERT_TRUE(sim.listenTcp());
        main = std::make_unique<Config_SCADA>();
        ProjectModel &m = main->model();
        auto &s = m.settings;
        s.Stranica_Count = 8;
        s.Num_Net = 1;
        s.Num_COM_Link = 9;
        s.Adr_IP = QStringLiteral("127.0.0.1");
        s.Port_IP = sim.tcpPort();
        s.T_Zapyt = 20;
        s.Name_Project = QStringLiteral("Лінія 1");
        s.Name_Schema = QStringLiteral("/work/plant.net");
        test::placeDemoPageElements(m);
        ScadaUpload &up = *main->scadaUpload;
        up.Timer_Stranica_SCADA->setInterval(100); // the pause between pages, shortened for the test
        // Every step that sends a packet of a page runs the test's hook from the event loop.
        const auto shown = up.selectPage;
        up.selectPage = [this, shown](int page) {
            shown(page);
            const int n = ++packets[page];
            QTimer::singleShot(0, main.get(), [this, page, n] {
                if (duringPacket)
                    duringPacket(page, n);
            });
        };
    }
    void TearDown() override
    {
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ProjectModel &m() { return main->model(); }

    // The pages as the upload would send them now.
    void expectPages(int first, int last)
    {
        for (int page = first; page <= last; ++page)
            expected[page] = page::buildPageUpload(m(), page, main->scadaUpload->pageViews(page));
    }

    // Chooses the range in its window and presses Ok.
    void startRange(int first, int last)
    {
        main->MnuAllSaveOrvoSCADA->trigger();
        Save_n_SCADA *w = main->windows().find<Save_n_SCADA>();
        ASSERT_NE(w, nullptr);
        w->Num_Start_Stor->setCurrentIndex(first);
        w->Num_Stop_Stor->setCurrentIndex(last);
        w->Ok_Save_SCADA->click();
    }

    bool runToRest()
    {
        const ScadaUpload &up = *main->scadaUpload;
        return ControllerSimulator::waitFor(
            [&] {
                return !m().link.busy() && !up.SCADA_Timer->isActive() && !up.Timer_SAVE_Stranica_SCADA->isActive() &&
                       !up.Timer_Stranica_SCADA->isActive();
            },
            120000);
    }

    // The controller holds the pages written, each as it was built before the range began.
    void expectWritten(const std::vector<int> &pages)
    {
        EXPECT_EQ(controller.pagesWritten(), pages);
        EXPECT_TRUE(controller.problems().isEmpty()) << controller.problems().join(QStringLiteral("; ")).toStdString();
        for (const int page : pages) {
            SCOPED_TRACE(page);
            ASSERT_TRUE(controller.complete(page));
            const page::PageUpload &u = expected.at(page);
            ASSERT_TRUE(u.ok());
            EXPECT_EQ(controller.differingPixels(page, u.picture), 0);
            const QByteArray tables =
                PageController::expectedTables(m(), page, main->scadaUpload->pageViews(page).controlViewTop);
            ASSERT_FALSE(tables.isEmpty());
            EXPECT_EQ(controller.tables(page), tables);
        }
    }

    // Everything the dialog's handlers would change, then Ok: each is refused
    // while a transfer is under way (a netlist asked for is never even chosen).
    void tryEveryChange(Config_Project &dlg)
    {
        dlg.Combo1->setCurrentIndex(2);
        dlg.Combo1_Click();
        dlg.Combo2->setCurrentIndex(5);
        dlg.Combo2_Click();
        dlg.Combo3->setCurrentIndex(0);
        dlg.Name_Project_Text->setText(QStringLiteral("Інша"));
        ui().openPaths.push_back(QStringLiteral("/work/other.net"));
        dlg.Load_Key_SCHEMA_Click();
        dlg.Ok_Click();
        EXPECT_TRUE(ui().fileRequests.empty());
        ui().openPaths.clear();
    }

    // The dialog shows the settings the transfer runs on; nothing can change them.
    void expectReadOnly(Config_Project &dlg)
    {
        EXPECT_TRUE(dlg.linkBusyShown());
        EXPECT_TRUE(dlg.Link_Busy_Note->isVisibleTo(&dlg));
        for (QWidget *w :
             std::initializer_list<QWidget *>{dlg.Name_Project_Text, dlg.Combo1, dlg.Combo2, dlg.IP_address, dlg.Port,
                                              dlg.T_Zapyt_IP, dlg.Combo3, dlg.Load_Key_SCHEMA, dlg.Ok})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        EXPECT_EQ(dlg.Cancel->isEnabled(), dlg.isEnabled()); // a way out whenever the window takes input
        EXPECT_EQ(dlg.Combo1->currentIndex(), 8);
        EXPECT_EQ(dlg.IP_address->text(), QStringLiteral("127.0.0.1"));
        EXPECT_EQ(dlg.Port->text(), QString::number(sim.tcpPort()));
        EXPECT_EQ(dlg.Combo3->currentIndex(), 1);
    }

    // The settings and the page names are those of `before`.
    void expectSettingsAsBefore(const Settings &before, const QString &firstPageName)
    {
        const Settings &s = m().settings;
        EXPECT_EQ(s.Num_COM_Link, before.Num_COM_Link);
        EXPECT_EQ(s.Num_Net, before.Num_Net);
        EXPECT_EQ(s.Stranica_Count, before.Stranica_Count);
        EXPECT_EQ(s.Name_Project, before.Name_Project);
        EXPECT_EQ(s.Name_Schema, before.Name_Schema);
        EXPECT_EQ(s.Port_IP, before.Port_IP);
        EXPECT_EQ(m().pages.Stranica_Name(0), firstPageName);
    }

    ControllerSimulator sim;
    PageController controller{sim};
    std::unique_ptr<Config_SCADA> main;
    std::map<int, int> packets; // packets sent so far, by page
    std::map<int, page::PageUpload> expected;
    std::function<void(int page, int packet)> duringPacket;
};

// "&Налаштування" during a range: the settings are shown, nothing can change
// them (the lists, the netlist button, Ok), also after the progress window's
// "Відміна" enables the dialog again; once the transfer has ended the dialog
// left open can be edited.
TEST_F(ProjectWhileTransfer, SettingsAreReadOnlyWhileAPageRangeIsWritten)
{
    const Settings before = m().settings;
    const QString firstPageName = m().pages.Stranica_Name(0);
    expectPages(0, 2);
    bool opened = false, cancelled = false;
    duringPacket = [&](int page, int n) {
        if (page == 0 && n == 5) {
            main->mnuNastrojki->trigger();
            Config_Project *dlg = main->windows().find<Config_Project>();
            ASSERT_NE(dlg, nullptr);
            EXPECT_TRUE(dlg->isVisible());
            expectReadOnly(*dlg);
            // What the handlers would change is refused, and Ok changes nothing.
            tryEveryChange(*dlg);
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(dlg->Combo1->currentIndex(), 8);
            EXPECT_EQ(dlg->Combo2->currentIndex(), 0);
            opened = true;
        }
        // The next page started with the dialog open; its "Відміна" ends the
        // range after this page, and the dialog stays read-only.
        if (page == 1 && n == 5 && opened) {
            Config_Project *dlg = main->windows().find<Config_Project>();
            ASSERT_NE(dlg, nullptr);
            EXPECT_FALSE(dlg->isEnabled());
            expectReadOnly(*dlg);
            Write_SCHEMA *progress = Write_SCHEMA::loaded(*main);
            ASSERT_NE(progress, nullptr);
            progress->Command1->click();
            EXPECT_TRUE(dlg->isEnabled());
            expectReadOnly(*dlg);
            dlg->Ok_Click();
            EXPECT_TRUE(dlg->isVisible());
            cancelled = true;
        }
    };
    startRange(0, 2);
    ASSERT_TRUE(runToRest());
    EXPECT_TRUE(opened);
    EXPECT_TRUE(cancelled);
    expectWritten({0, 1});
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    expectSettingsAsBefore(before, firstPageName);

    // The transfer has ended: the dialog left open can be edited again.
    Config_Project *dlg = main->windows().find<Config_Project>();
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->linkBusyShown());
    EXPECT_FALSE(dlg->Link_Busy_Note->isVisibleTo(dlg));
    for (QWidget *w :
         std::initializer_list<QWidget *>{dlg->Name_Project_Text, dlg->Combo1, dlg->Combo2, dlg->IP_address, dlg->Port,
                                          dlg->T_Zapyt_IP, dlg->Combo3, dlg->Load_Key_SCHEMA, dlg->Ok})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    dlg->Combo2->setCurrentIndex(5);
    dlg->Combo2_Click();
    EXPECT_EQ(m().settings.Num_Net, 6);
    dlg->Cancel_Click();
}

// "&Відкрити проект" and "&Створити проект" during a range are refused with
// one message each: no file dialog, no settings dialog, and the range writes
// every page as it was. After the range both work again.
TEST_F(ProjectWhileTransfer, OpeningOrCreatingAProjectIsRefusedWhileAPageRangeIsWritten)
{
    expectPages(0, 2);
    const QString refused = QString::fromUtf16(kProjectWhileTransfer);
    bool tried = false;
    duringPacket = [&](int page, int n) {
        if (page != 1 || n != 3)
            return;
        ui().openPaths.push_back(QStringLiteral("/work/other.prt"));
        main->mnuLoad->trigger();
        main->mnuNEW->trigger();
        EXPECT_EQ(ui().messageTexts(), (QStringList{refused, refused}));
        EXPECT_EQ(ui().messages.at(0).icon, MsgIcon::Exclamation);
        EXPECT_TRUE(ui().fileRequests.empty());
        EXPECT_EQ(ui().openPaths.size(), 1u);
        EXPECT_EQ(main->windows().find<Config_Project>(), nullptr);
        EXPECT_TRUE(main->isEnabled());
        EXPECT_EQ(m().link.Save_n_Stranica_Flag, 1);
        ui().openPaths.clear();
        tried = true;
    };
    startRange(0, 2);
    ASSERT_TRUE(runToRest());
    EXPECT_TRUE(tried);
    expectWritten({0, 1, 2});
    EXPECT_EQ(ui().messages.size(), 2u);

    // The link is free: "&Створити проект" opens the settings dialog.
    ui().reset();
    main->mnuNEW->trigger();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    Config_Project *dlg = main->windows().find<Config_Project>();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->linkBusyShown());
    dlg->Cancel_Click();
}

// Between two pages of a range the link is free, the progress window gone and
// the next page waits for its pause to end; the range is still under way.
// Opening or creating a project and loading a netlist are refused, the
// settings open read-only and their Ok changes nothing, and the range then
// writes its further pages as they were before it began.
TEST_F(ProjectWhileTransfer, BetweenTwoPagesOfARangeTheProjectAndTheSettingsStay)
{
    const Settings before = m().settings;
    const QString firstPageName = m().pages.Stranica_Name(0);
    expectPages(0, 2);
    ScadaUpload &up = *main->scadaUpload;
    // The pause after the first page lasts until the test ends it.
    up.Timer_Stranica_SCADA->setInterval(3600000);
    startRange(0, 2);
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return up.Timer_Stranica_SCADA->isActive(); }, 60000));
    ASSERT_FALSE(m().link.busy());
    ASSERT_EQ(Write_SCHEMA::loaded(*main), nullptr);
    EXPECT_TRUE(m().link.transferUnderWay());
    EXPECT_EQ(controller.pagesWritten(), std::vector<int>{0});

    const QString refused = QString::fromUtf16(kProjectWhileTransfer);
    ui().openPaths.push_back(QStringLiteral("/work/other.prt"));
    main->mnuLoad->trigger();
    main->mnuNEW->trigger();
    main->mnuNetlist->trigger();
    EXPECT_EQ(ui().messageTexts(), (QStringList{refused, refused, refused}));
    EXPECT_TRUE(ui().fileRequests.empty());
    EXPECT_EQ(main->windows().find<Config_Project>(), nullptr);
    ui().openPaths.clear();

    main->mnuNastrojki->trigger();
    Config_Project *dlg = main->windows().find<Config_Project>();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->isEnabled());
    expectReadOnly(*dlg);
    // A serial port chosen, a new controller number and page count, a
    // netlist, Ok: all refused.
    tryEveryChange(*dlg);
    EXPECT_TRUE(dlg->isVisible());
    expectReadOnly(*dlg);
    expectSettingsAsBefore(before, firstPageName);

    // The pause ends: the range goes on with its second and third pages.
    up.Timer_Stranica_SCADA->setInterval(100);
    up.Timer_Stranica_SCADA_Timer();
    ASSERT_TRUE(runToRest());
    expectWritten({0, 1, 2});
    EXPECT_FALSE(m().link.transferUnderWay());
    EXPECT_EQ(ui().messages.size(), 3u) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    expectSettingsAsBefore(before, firstPageName);

    // The dialog left open looks at the link: the range has ended, so it can be edited.
    ASSERT_EQ(main->windows().find<Config_Project>(), dlg);
    EXPECT_TRUE(dlg->isEnabled());
    dlg->Timer_Link_Timer();
    EXPECT_FALSE(dlg->linkBusyShown());
    EXPECT_TRUE(dlg->Ok->isEnabled());
    dlg->Cancel_Click();
}

} // namespace
} // namespace pelmora
