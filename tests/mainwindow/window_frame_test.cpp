// Every window that stands above the main window, in its frame: transient for
// the window it belongs to, the main window refusing to close while a modal
// window is open, Escape doing the window's cancel, Enter pressing the Ok and
// no other button, and the window it disabled enabled again whichever way it
// goes.

#include "algorithm/mem_algorithm.h"
#include "blockparams/com_terminal.h"
#include "blockparams/property_block.h"
#include "link/write_schema.h"
#include "mainwindow/config_scada.h"
#include "monitors/calculiator.h"
#include "pages/page_dialogs.h"
#include "pages/page_editor.h"
#include "project/config_project.h"
#include "project/schema_view.h"
#include "support/block_records.h"
#include "support/fake_services.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

constexpr int kAlgBlock = 12;
constexpr int kRs4Block = 6;

enum class Way { Ok, Cancel, CloseBox, Escape, Enter, EnterOnAButton };

const char *wayName(Way w)
{
    switch (w) {
    case Way::Ok: return "Ok";
    case Way::Cancel: return "Cancel";
    case Way::CloseBox: return "close box";
    case Way::Escape: return "Escape";
    case Way::Enter: return "Enter";
    case Way::EnterOnAButton: return "Enter on a button";
    }
    return "";
}

struct FramedWindow {
    const char *name;
    // Opens the window as its opener does; returns it.
    std::function<QWidget *(Config_SCADA &)> open;
    // The window it belongs to (and disables, when modal).
    std::function<QWidget *(Config_SCADA &)> owner;
    bool modal;
    std::function<void(QWidget *)> ok;     // empty: the window has no Ok
    std::function<void(QWidget *)> cancel; // empty: no cancel of its own, and Escape does nothing
};

QWidget *mainOf(Config_SCADA &w) { return &w; }

// clang-format off
const FramedWindow kWindows[] = {
    {"Config_Project",
     [](Config_SCADA &w) -> QWidget * { w.mnuNastrojki->trigger(); return w.windows().find<Config_Project>(); },
     mainOf, true,
     [](QWidget *d) { static_cast<Config_Project *>(d)->Ok_Click(); },
     [](QWidget *d) { QTest::mouseClick(static_cast<Config_Project *>(d)->Cancel, Qt::LeftButton); }},
    {"PropertyBLOCK",
     [](Config_SCADA &w) -> QWidget * { w.schemaView->Block_IMAGE_Click(2); return w.windows().find<PropertyBLOCK>(); },
     mainOf, true,
     [](QWidget *d) { QTest::mouseClick(static_cast<PropertyBLOCK *>(d)->Ok_Property, Qt::LeftButton); },
     [](QWidget *d) { QTest::mouseClick(static_cast<PropertyBLOCK *>(d)->Cancel_Property, Qt::LeftButton); }},
    {"Com_Terminal",
     [](Config_SCADA &w) -> QWidget * {
         w.schemaView->Block_IMAGE_Click(kRs4Block + 8);
         PropertyBLOCK *params = w.windows().find<PropertyBLOCK>();
         params->Bl_Image_Click();
         return params->comTerminal();
     },
     [](Config_SCADA &w) -> QWidget * { return w.windows().find<PropertyBLOCK>(); }, true,
     [](QWidget *d) { QTest::mouseClick(static_cast<Com_Terminal *>(d)->Ok_Go_Block, Qt::LeftButton); },
     [](QWidget *d) { QTest::mouseClick(static_cast<Com_Terminal *>(d)->Cancel_Go_Block, Qt::LeftButton); }},
    {"Mem_ALGORITHM",
     [](Config_SCADA &w) -> QWidget * {
         w.schemaView->Block_IMAGE_Click(kAlgBlock + 8);
         return w.windows().find<Mem_ALGORITHM>();
     },
     mainOf, true, {}, {}},
    {"Coord_Setka",
     [](Config_SCADA &w) -> QWidget * { w.pageEditor->MnuCoordNetSCADA_Click(); return w.pageEditor->coordSetka(); },
     mainOf, true,
     [](QWidget *d) { QTest::mouseClick(static_cast<pages::Coord_Setka *>(d)->Ok_Coord_Net, Qt::LeftButton); },
     [](QWidget *d) { QTest::mouseClick(static_cast<pages::Coord_Setka *>(d)->Cancel_Coord_Net, Qt::LeftButton); }},
    {"Num_Net_Orvo",
     [](Config_SCADA &w) -> QWidget * { w.pageEditor->SCADA_SSTab_DblClick(); return w.pageEditor->numNetOrvo(); },
     mainOf, true,
     [](QWidget *d) { QTest::mouseClick(static_cast<pages::Num_Net_Orvo *>(d)->Ok, Qt::LeftButton); },
     [](QWidget *d) { QTest::mouseClick(static_cast<pages::Num_Net_Orvo *>(d)->Cancel, Qt::LeftButton); }},
    {"Write_SCHEMA",
     [](Config_SCADA &w) -> QWidget * {
         Write_SCHEMA &p = Write_SCHEMA::load(w.model(), w);
         p.open();
         return &p;
     },
     mainOf, false, {},
     [](QWidget *d) { QTest::mouseClick(static_cast<Write_SCHEMA *>(d)->Command1, Qt::LeftButton); }},
    {"Calculiator",
     [](Config_SCADA &w) -> QWidget * { w.mnuCalculiator->trigger(); return Calculiator::loaded(w); },
     mainOf, false, {}, {}},
};
// clang-format on

class WindowFrameTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        ProjectModel &m = w.model();
        m.schema.Block_Type(kAlgBlock) = type::ALG;
        test::BlockRecords rs4(m, type::RS4, kRs4Block);
        rs4.V(1) = 2.0f; // MODBUS mode: the picture opens the request window
        w.show();
    }
    void TearDown() override
    {
        w.Form_Unload();
        settle();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static void pressEscape(QWidget *window)
    {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_Escape);
    }
    // Enter typed into the window's first text box (a box does not take
    // Enter itself), else into the window.
    static void pressEnter(QWidget *window)
    {
        QApplication::setActiveWindow(window);
        QWidget *target = window;
        for (QLineEdit *box : window->findChildren<QLineEdit *>())
            if (box->isVisible() && box->isEnabled()) {
                target = box;
                break;
            }
        QTest::keyClick(target, Qt::Key_Return);
    }
    static QPushButton *defaultButtonOf(QWidget *window)
    {
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (b->isDefault())
                return b;
        return nullptr;
    }
    // A push button of the window, other than its default button, that can
    // take the focus, as a button has it after a click.
    static QPushButton *otherButtonOf(QWidget *window)
    {
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (!b->isDefault() && b->isVisible() && b->isEnabled() && b->focusPolicy() != Qt::NoFocus)
                return b;
        return nullptr;
    }

    Config_SCADA w;
};

TEST_F(WindowFrameTest, EveryWindowStandsAboveItsOwnerAndEveryWayOutEnablesIt)
{
    for (const FramedWindow &f : kWindows) {
        for (Way way : {Way::Ok, Way::Cancel, Way::CloseBox, Way::Escape, Way::Enter, Way::EnterOnAButton}) {
            SCOPED_TRACE(std::string(f.name) + ", " + wayName(way));
            if ((way == Way::Ok && !f.ok) || (way == Way::Cancel && !f.cancel))
                continue;
            QPointer<QWidget> window = f.open(w);
            ASSERT_TRUE(window);
            QWidget *owner = f.owner(w);
            ASSERT_NE(owner, nullptr);
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(window->parentWidget(), nullptr);
            ASSERT_NE(window->windowHandle(), nullptr);
            EXPECT_EQ(window->windowHandle()->transientParent(), owner->windowHandle());
            EXPECT_EQ(owner->isEnabled(), !f.modal);

            // A modal window keeps the main window from closing.
            if (f.modal) {
                EXPECT_FALSE(w.close());
                EXPECT_TRUE(w.isVisible());
                EXPECT_TRUE(window && window->isVisible());
            }

            // Enter presses the window's Ok, drawn as its default button; a
            // window without an Ok has no default button and stays open. No
            // other push button is auto-default, so none takes Enter because
            // it has the focus.
            QPushButton *ok = defaultButtonOf(window);
            EXPECT_EQ(ok != nullptr, static_cast<bool>(f.ok));
            if (ok) {
                EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
                ok->setEnabled(true); // the settings dialog's Ok waits for a netlist
            }
            for (QPushButton *b : window->findChildren<QPushButton *>()) {
                EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
                EXPECT_EQ(b->isDefault(), b == ok) << b->objectName().toStdString();
            }
            QApplication::setActiveWindow(window);
            QPushButton *other = otherButtonOf(window);
            int okPresses = 0, otherPresses = 0;
            if (ok)
                QObject::connect(ok, &QPushButton::clicked, [&okPresses] { ++okPresses; });
            if (other)
                QObject::connect(other, &QPushButton::clicked, [&otherPresses] { ++otherPresses; });

            switch (way) {
            case Way::Ok: f.ok(window); break;
            case Way::Cancel: f.cancel(window); break;
            case Way::CloseBox: window->close(); break;
            case Way::Escape: pressEscape(window); break;
            case Way::Enter: pressEnter(window); break;
            case Way::EnterOnAButton:
                if (!other) {
                    pressEnter(window);
                    break;
                }
                other->setFocus();
                QTest::keyClick(other, Qt::Key_Return);
                EXPECT_EQ(otherPresses, 0) << other->objectName().toStdString();
                break;
            }
            const bool enter = way == Way::Enter || way == Way::EnterOnAButton;
            if (enter && ok) {
                EXPECT_EQ(okPresses, 1);
            }
            settle();
            const bool staysOpen = (way == Way::Escape && !f.cancel) || (enter && !f.ok);
            EXPECT_EQ(window && window->isVisible(), staysOpen);
            EXPECT_EQ(owner->isEnabled(), !staysOpen || !f.modal);
            if (window && window->isVisible())
                window->close();
            if (owner != &w)
                owner->close(); // the parameter dialog that opened the request window
            settle();
            EXPECT_TRUE(w.isEnabled());
        }
    }
}

TEST_F(WindowFrameTest, MainWindowClosesOnceTheModalWindowIsGone)
{
    w.mnuNastrojki->trigger();
    QPointer<Config_Project> dlg = w.windows().find<Config_Project>();
    ASSERT_TRUE(dlg);
    EXPECT_FALSE(w.close());
    dlg->Cancel_Click();
    settle();
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowFrameTest, AModalWindowIsCentredOverTheMainWindow)
{
    w.move(40, 30);
    w.schemaView->Block_IMAGE_Click(2);
    PropertyBLOCK *dlg = w.windows().find<PropertyBLOCK>();
    ASSERT_NE(dlg, nullptr);
    const QPoint offset = dlg->frameGeometry().center() - w.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4);
    dlg->close();
}

// The settings dialog after its netlist button was clicked and its file
// dialog cancelled: the button keeps the focus, and Enter presses Ok, not
// the netlist button again.
TEST_F(WindowFrameTest, EnterInTheSettingsDialogPressesOkAfterTheNetlistButton)
{
    w.model().settings.Name_Schema = QStringLiteral("/tmp/demo_schema.net"); // Ok is enabled
    w.mnuNastrojki->trigger();
    QPointer<Config_Project> dlg = w.windows().find<Config_Project>();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(dlg->Ok->isEnabled());
    QApplication::setActiveWindow(dlg);
    ui().openPaths.push_back(std::nullopt); // the file dialog cancelled
    QTest::mouseClick(dlg->Load_Key_SCHEMA, Qt::LeftButton);
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    dlg->Load_Key_SCHEMA->setFocus();
    ASSERT_EQ(dlg->focusWidget(), dlg->Load_Key_SCHEMA);
    int okPresses = 0;
    QObject::connect(dlg->Ok, &QPushButton::clicked, [&okPresses] { ++okPresses; });
    QTest::keyClick(dlg->Load_Key_SCHEMA, Qt::Key_Return);
    EXPECT_EQ(ui().fileRequests.size(), 1u); // no second file dialog
    EXPECT_EQ(okPresses, 1);
    settle();
    EXPECT_FALSE(dlg);
    EXPECT_TRUE(w.isEnabled());
}

} // namespace
