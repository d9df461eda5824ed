#include "mainwindow/config_scada.h"
#include "monitors/grafik_new_orvo_io.h"
#include "pages/page_view.h"
#include "project/config_project.h"
#include "project/schema_view.h"
#include "support/fake_services.h"
#include "support/schema_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

const QString kEmpty = QStringLiteral("Пусто");

class ConfigProjectTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        savedDir_ = QDir::currentPath();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override
    {
        w.Form_Unload();
        flush();
        QDir::setCurrent(savedDir_);
    }
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Config_Project *open() { return w.windows().find<Config_Project>(); }
    Config_Project &newProject()
    {
        // A project made before, never saved, is given up when asked.
        if (w.mnuSave->isEnabled())
            ui().answers.push_front(MsgAnswer::No);
        w.mnuNEW->trigger();
        return *open();
    }
    // What a user's pick in a list does: the item becomes current, then the
    // list reports it.
    static void choose(QComboBox *combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QString netlist(const QString &name, std::vector<test::FixtureBlock> blocks)
    {
        auto all = test::fixedBlocks();
        all.insert(all.end(), blocks.begin(), blocks.end());
        return test::writeFixture(dir, name, test::schemaNetlist(all));
    }
    QString plantNetlist()
    {
        return netlist(
            QStringLiteral("plant.net"),
            {{1, QStringLiteral("AND2_4"), {}}, {9, QStringLiteral("OR_2_4"), {}}, {96, QStringLiteral("XOR"), {}}});
    }

    QTemporaryDir dir;
    Config_SCADA w;
    ProjectModel &m = w.model();

private:
    QString savedDir_;
};

} // namespace

TEST_F(ConfigProjectTest, NewProjectRightAfterStartUpShowsTheDesignState)
{
    w.mnuNEW->trigger();
    Config_Project *dlg = open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->isWindow());
    EXPECT_EQ(dlg->parentWidget(), nullptr);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Проект"));
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(w.Logo->isHidden());
    EXPECT_EQ(m.settings.Nastrojki_Flag, 0);

    EXPECT_EQ(dlg->Name_Project_Text->text(), QString()); // "Назва" is replaced by the empty name
    EXPECT_EQ(dlg->T_Zapyt_IP->text(), QStringLiteral("5"));
    EXPECT_EQ(dlg->Combo3->currentText(), QStringLiteral("16 сторінок SCADA"));
    EXPECT_EQ(dlg->Name_Schema_text->text(), kEmpty);
    EXPECT_FALSE(dlg->Ok->isEnabled());
    EXPECT_EQ(dlg->Combo1->currentText(), QString::fromUtf16(u"\u0421OM1"));
    EXPECT_EQ(dlg->Combo1->count(), 10);
    EXPECT_EQ(dlg->Combo1->itemText(8), QStringLiteral("TCP/IP клієнт"));
    EXPECT_EQ(dlg->Combo1->itemText(9), QStringLiteral("TCP/IP сервер"));
    EXPECT_EQ(dlg->Combo2->currentText(), QStringLiteral("№1"));
    EXPECT_EQ(dlg->Combo2->count(), 8);
    EXPECT_EQ(dlg->Combo3->itemText(1), QStringLiteral("8 сторінок SCADA"));
    for (QWidget *c : {static_cast<QWidget *>(dlg->IP_address), static_cast<QWidget *>(dlg->Port),
                       static_cast<QWidget *>(dlg->T_Zapyt_IP), static_cast<QWidget *>(dlg->Label5),
                       static_cast<QWidget *>(dlg->Label6), static_cast<QWidget *>(dlg->Label8)})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_EQ(dlg->Label4->text(), QString::fromUtf16(u"C\u0445ема P-CAD ASCII"));
    EXPECT_EQ(dlg->Cancel->text(), QStringLiteral("Відміна"));
    EXPECT_EQ(dlg->Load_Key_SCHEMA->text(), QStringLiteral("Завантажити"));
}

TEST_F(ConfigProjectTest, LinkKindEnablesTheTcpFieldsAndShowsTheDevice)
{
    if (qEnvironmentVariableIsSet("PELMORA_COM1") || qEnvironmentVariableIsSet("PELMORA_COM8"))
        GTEST_SKIP() << "COM devices renamed in this environment";
    Config_Project &dlg = newProject();
    struct Case {
        int index;
        int link;
        int tcpServer;
        bool ip, others;
        const char *device;
    };
    // clang-format off
    const Case cases[] = {
        {9, 10, 1, false, true, ""},          // server: no remote address
        {8, 9, 0, true, true, ""},            // client: all six
        {0, 1, 0, false, false, "/dev/ttyS0"}, // a COM port: all six disabled, TCP_Server kept
        {9, 10, 1, false, true, ""},
        {7, 8, 1, false, false, "/dev/ttyS7"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        choose(dlg.Combo1, c.index);
        EXPECT_EQ(m.settings.Num_COM_Link, c.link);
        EXPECT_EQ(m.settings.TCP_Server, c.tcpServer);
        EXPECT_EQ(dlg.IP_address->isEnabled(), c.ip);
        for (QWidget *o : {static_cast<QWidget *>(dlg.Port), static_cast<QWidget *>(dlg.T_Zapyt_IP),
                           static_cast<QWidget *>(dlg.Label5), static_cast<QWidget *>(dlg.Label6),
                           static_cast<QWidget *>(dlg.Label8)})
            EXPECT_EQ(o->isEnabled(), c.others) << o->objectName().toStdString();
        EXPECT_EQ(dlg.COM_Device->text(), QString::fromLatin1(c.device));
    }
    choose(dlg.Combo2, 4);
    EXPECT_EQ(m.settings.Num_Net, 5);
}

TEST_F(ConfigProjectTest, DeviceNamedByTheEnvironment)
{
    qputenv("PELMORA_COM2", "/dev/ttyUSB1");
    qputenv("PELMORA_COM3", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    Config_Project &dlg = newProject();
    choose(dlg.Combo1, 1);
    EXPECT_EQ(dlg.COM_Device->text(), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(dlg.COM_Device->toolTip(), QStringLiteral("/dev/ttyUSB1"));
    // A path longer than the label is shortened to fit, the whole of it in the tooltip.
    choose(dlg.Combo1, 2);
    qunsetenv("PELMORA_COM2");
    qunsetenv("PELMORA_COM3");
    const QString shown = dlg.COM_Device->text();
    EXPECT_LE(dlg.COM_Device->fontMetrics().horizontalAdvance(shown), dlg.COM_Device->width());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/dev/"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("port0"))) << shown.toStdString();
    EXPECT_EQ(dlg.COM_Device->toolTip(),
              QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
}

TEST_F(ConfigProjectTest, CancelledNetlistChoiceChangesNothing)
{
    m.schema.Block_Type(3) = type::AND;
    m.schema.NetList_Line(1) = QStringLiteral("(compInst \"U3\"");
    Config_Project &dlg = newProject();
    ui().openPaths.push_back(std::nullopt);
    dlg.Load_Key_SCHEMA->click();
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("P-CAD file|*.net"));
    EXPECT_EQ(dlg.Name_Schema_text->text(), kEmpty);
    EXPECT_EQ(m.settings.Name_Schema, kEmpty);
    EXPECT_FALSE(dlg.Ok->isEnabled());
    EXPECT_EQ(m.schema.NetList_Line(1), QStringLiteral("(compInst \"U3\""));
    EXPECT_EQ(m.schema.Block_Type(3), type::AND);

    // An empty name counts as a cancel, and so does a file that cannot be opened.
    for (const QString &path : {QString(), QDir(dir.path()).filePath(QStringLiteral("missing.net"))}) {
        ui().openPaths.push_back(path);
        dlg.Load_Key_SCHEMA_Click();
        EXPECT_EQ(dlg.Name_Schema_text->text(), kEmpty);
        EXPECT_FALSE(dlg.Ok->isEnabled());
        EXPECT_EQ(m.schema.Block_Type(3), type::AND);
    }
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(ConfigProjectTest, NetlistWithoutStartMarkerStillShowsItsPathAndEnablesOk)
{
    const QString path = test::writeFixture(dir, QStringLiteral("odd.net"), "just a text file\r\n");
    Config_Project &dlg = newProject();
    ui().openPaths.push_back(path);
    dlg.Load_Key_SCHEMA_Click();
    EXPECT_EQ(dlg.Name_Schema_text->text(), path);
    EXPECT_EQ(m.settings.Name_Schema, path);
    EXPECT_TRUE(dlg.Ok->isEnabled());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
}

TEST_F(ConfigProjectTest, PeriodAndPortAreStoredOnOkAsLeadingNumbers)
{
    struct Case {
        const char *period;
        int want;
    };
    const Case cases[] = {{"2.5", 2}, {"3.5", 4}, {"300 ms", 300}, {"ms", 0}};
    const QString path = plantNetlist();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.period);
        Config_Project &dlg = newProject();
        ui().openPaths.push_back(path);
        dlg.Load_Key_SCHEMA_Click();
        choose(dlg.Combo1, 8);
        dlg.T_Zapyt_IP->setText(QString::fromLatin1(c.period));
        dlg.Port->setText(QStringLiteral("502 tcp"));
        dlg.IP_address->setText(QStringLiteral("10.0.0.7"));
        dlg.Name_Project_Text->setText(QStringLiteral("Котельня"));
        dlg.Ok->click();
        flush();
        EXPECT_EQ(m.settings.T_Zapyt, c.want);
        EXPECT_EQ(m.settings.Port_IP, 502);
        EXPECT_EQ(m.settings.Adr_IP, QStringLiteral("10.0.0.7"));
        EXPECT_EQ(m.settings.Name_Project, QStringLiteral("Котельня"));
        EXPECT_EQ(open(), nullptr);
    }
}

TEST_F(ConfigProjectTest, PeriodOrPortThatDoesNotFitIsRefusedAndTheDialogStays)
{
    struct Case {
        const char *period;
        const char *port;
        const char16_t *message;
    };
    const Case cases[] = {
        {"40000", "502", u"Період запиту має бути від -32768 до 32767 мс!"},
        {"-40000", "502", u"Період запиту має бути від -32768 до 32767 мс!"},
        {"300", "70000", u"Номер порту має бути від 0 до 65535!"},
        {"300", "-1", u"Номер порту має бути від 0 до 65535!"},
    };
    Config_Project &dlg = newProject();
    ui().openPaths.push_back(plantNetlist());
    dlg.Load_Key_SCHEMA_Click();
    const auto before = m.settings;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.period);
        ui().reset();
        dlg.T_Zapyt_IP->setText(QString::fromLatin1(c.period));
        dlg.Port->setText(QString::fromLatin1(c.port));
        dlg.Ok_Click();
        flush();
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(c.message));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Exclamation);
        ASSERT_EQ(open(), &dlg);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(w.isEnabled());
        EXPECT_FALSE(w.mnuSave->isEnabled());
        EXPECT_EQ(m.settings.T_Zapyt, before.T_Zapyt);
        EXPECT_EQ(m.settings.Port_IP, before.Port_IP);
    }
}

TEST_F(ConfigProjectTest, EveryWayOutEnablesTheMainWindowAndUnloadsTheDialog)
{
    const QString path = plantNetlist();
    enum Way { OkButton, CancelButton, Frame };
    for (Way way : {OkButton, CancelButton, Frame}) {
        SCOPED_TRACE(way);
        const int pagesBefore = m.settings.Stranica_Count;
        w.mnuNastrojki->trigger();
        QPointer<Config_Project> dlg = open();
        ASSERT_TRUE(dlg);
        ASSERT_EQ(m.settings.Nastrojki_Flag, 1);
        ASSERT_FALSE(w.isEnabled());
        ui().openPaths.push_back(path);
        dlg->Load_Key_SCHEMA_Click();
        choose(dlg->Combo3, 1);
        if (way == OkButton)
            dlg->Ok->click();
        else if (way == CancelButton)
            dlg->Cancel->click();
        else
            dlg->close();
        flush();
        EXPECT_TRUE(w.isEnabled());
        EXPECT_FALSE(dlg);
        EXPECT_EQ(m.settings.Nastrojki_Flag, 0);
        // The page count takes effect on Ok only.
        EXPECT_EQ(m.settings.Stranica_Count, way == OkButton ? 8 : pagesBefore);
    }
}

TEST_F(ConfigProjectTest, CancelKeepsWhatWasChosenButNotTheTypedValues)
{
    Config_Project &dlg = newProject();
    const QString path = plantNetlist();
    ui().openPaths.push_back(path);
    dlg.Load_Key_SCHEMA_Click();
    choose(dlg.Combo1, 8);
    choose(dlg.Combo2, 2);
    choose(dlg.Combo3, 1);
    dlg.Name_Project_Text->setText(QStringLiteral("Новий"));
    dlg.T_Zapyt_IP->setText(QStringLiteral("250"));
    dlg.Cancel->click();
    flush();

    // Link kind, controller number, netlist path and the imported schema stay.
    EXPECT_EQ(m.settings.Num_COM_Link, 9);
    EXPECT_EQ(m.settings.Num_Net, 3);
    EXPECT_EQ(m.settings.Name_Schema, path);
    EXPECT_EQ(m.schema.Block_Type(1), type::AND);
    EXPECT_EQ(m.schema.Block_Type(9), type::OR_);
    EXPECT_EQ(m.schema.Block_Type(96), type::XOR);
    // Name, period and page count do not.
    EXPECT_EQ(m.settings.Name_Project, QString());
    EXPECT_EQ(m.settings.T_Zapyt, 5);
    EXPECT_EQ(m.settings.Stranica_Count, 0);
    EXPECT_FALSE(w.mnuSave->isEnabled());
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(ConfigProjectTest, NewProjectEndToEnd)
{
    m.pages.Stranica_Name(4) = QStringLiteral("Насоси");
    for (int p = 0; p <= 15; ++p)
        m.pages.Vent_Fon_Bits(0, p) = 3;
    m.pages.Vent_Picture_Num(2, 7) = 22;
    m.pages.Vent_Picture_Num(9, 1) = 22;
    m.pages.Varning_Stranica = 1;

    Config_Project &dlg = newProject();
    const QString path = plantNetlist();
    ui().openPaths.push_back(path);
    dlg.Load_Key_SCHEMA->click();
    ASSERT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dlg.Name_Schema_text->text(), path);
    ASSERT_TRUE(dlg.Ok->isEnabled());
    dlg.Ok->click();
    flush();

    EXPECT_EQ(open(), nullptr);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.mnuSave->isEnabled());
    EXPECT_TRUE(w.mnuConfig->isVisible());
    EXPECT_TRUE(w.MnuOrvo->isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Конфігуратор Orvo - ") + path);
    EXPECT_EQ(m.settings.Stranica_Count, 16);

    // The model holds the imported blocks and the view shows them.
    EXPECT_EQ(m.schema.Block_Type(1), type::AND);
    EXPECT_EQ(m.schema.Block_Type(9), type::OR_);
    EXPECT_EQ(m.schema.Block_Type(96), type::XOR);
    for (int index : {1, 2, 3, 9, 17, 104})
        EXPECT_FALSE(w.Block_IMAGE[static_cast<std::size_t>(index)]->isHidden()) << index;
    EXPECT_TRUE(w.Block_IMAGE[10]->isHidden());
    EXPECT_EQ(w.schemaView->drawnTexts().size(), 99);

    // Pages: names, tab captions, background flags, back on tab 0.
    PageView &pv = *w.pageView;
    EXPECT_EQ(m.pages.Stranica_Name(0), QStringLiteral("Сторінка 1"));
    EXPECT_EQ(m.pages.Stranica_Name(4), QStringLiteral("Насоси"));
    EXPECT_EQ(m.pages.Stranica_Name(15), QStringLiteral("Сторінка 16"));
    EXPECT_EQ(pv.SCADA_SSTab->TabCaption(4), QStringLiteral("Насоси"));
    EXPECT_EQ(pv.SCADA_SSTab->TabCaption(15), QStringLiteral("Сторінка 16"));
    for (int p = 0; p <= 15; ++p)
        EXPECT_EQ(m.pages.Vent_Fon_Bits(0, p), 0) << p;
    EXPECT_EQ(pv.SCADA_SSTab->Tab(), 0);
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 0);
    // Passing page 16 warns once for each user-picture mechanism.
    EXPECT_EQ(ui().messageTexts().count(QStringLiteral("Сторінка 16 неактивна!!!")), 2);
    // The schema view stays in front: no warning line over it.
    EXPECT_TRUE(w.Varning_Text->isHidden());
    EXPECT_TRUE(pv.SCADA_SSTab->isHidden());
}

TEST_F(ConfigProjectTest, SettingsKeepBlockTextsButNamePagesAgain)
{
    const QString path = netlist(QStringLiteral("alg.net"),
                                 {{2, QStringLiteral("RS485"), {QStringLiteral("1"), QStringLiteral("9600")}}});
    Config_Project &dlg = newProject();
    ui().openPaths.push_back(path);
    dlg.Load_Key_SCHEMA_Click();
    dlg.Ok_Click();
    flush();
    const int t = m.schema.Parametr_Name_Start(2);
    ASSERT_EQ(m.schema.Block_Type(2), type::RS4);
    ASSERT_EQ(m.schema.Parametr_Name(t + 5), QStringLiteral("0"));

    m.schema.Parametr_Name(t + 5) = QStringLiteral("17");
    m.pages.Stranica_Name(3) = QString();
    m.pages.Vent_Fon_Bits(1, 12) = 9;
    w.mnuNastrojki->trigger();
    open()->Ok->click();
    flush();
    EXPECT_EQ(m.schema.Parametr_Name(t + 5), QStringLiteral("17"));
    EXPECT_EQ(m.pages.Stranica_Name(3), QStringLiteral("Сторінка 4"));
    EXPECT_EQ(m.pages.Vent_Fon_Bits(1, 12), 0);
}

TEST_F(ConfigProjectTest, SettingsShowTheProjectAsStored)
{
    auto &s = m.settings;
    s.Name_Schema = QStringLiteral("/work/plant.net");
    s.Num_COM_Link = 9;
    s.Adr_IP = QStringLiteral("192.168.1.20");
    s.Port_IP = 4001;
    s.Num_Net = 6;
    s.T_Zapyt = 120;
    s.Stranica_Count = 8;
    s.Name_Project = QStringLiteral("Лінія 2");

    // A controller write may have left the loaded dialog disabled.
    w.projectSettings->dialog().setEnabled(false);
    w.mnuNastrojki->trigger();
    Config_Project *dlg = open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(dlg->Name_Schema_text->text(), QStringLiteral("/work/plant.net"));
    EXPECT_TRUE(dlg->Ok->isEnabled());
    EXPECT_EQ(dlg->Combo1->currentIndex(), 8);
    EXPECT_TRUE(dlg->IP_address->isEnabled());
    EXPECT_EQ(dlg->IP_address->text(), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(dlg->Port->text(), QStringLiteral("4001"));
    EXPECT_EQ(dlg->Combo2->currentIndex(), 5);
    EXPECT_EQ(dlg->T_Zapyt_IP->text(), QStringLiteral("120"));
    EXPECT_EQ(dlg->Combo3->currentIndex(), 1);
    EXPECT_EQ(dlg->Name_Project_Text->text(), QStringLiteral("Лінія 2"));
    EXPECT_EQ(s.TCP_Server, 0);

    // Without a netlist Ok stays off; a damaged link kind leaves the list alone.
    dlg->Cancel_Click();
    flush();
    s.Name_Schema = kEmpty;
    s.Num_COM_Link = 0;
    w.mnuNastrojki->trigger();
    dlg = open();
    EXPECT_FALSE(dlg->Ok->isEnabled());
    EXPECT_EQ(dlg->Combo1->currentIndex(), 0);
    EXPECT_EQ(s.Num_COM_Link, 0);
}

// A transfer that starts or ends while the settings dialog is open tells no
// window: a monitor's readout (its window is modeless, so it stays usable
// over the dialog) and the pause between two pages of a range. The dialog
// looks at the link while it is shown: read-only while the transfer is under
// way, editable again, with its Ok, once it has ended.
TEST_F(ConfigProjectTest, OpenSettingsFollowATransferThatStartsAndEndsMeanwhile)
{
    auto &s = m.settings;
    s.Name_Schema = QStringLiteral("/work/plant.net");
    s.Num_COM_Link = 9;
    QPointer<Grafik_NEW_Orvo_IO> monitor;
    struct Case {
        const char *what;
        std::function<void()> begin, end;
    };
    const Case cases[] = {
        {"a readout of the Orvo monitor",
         [&] {
             monitor = &Grafik_NEW_Orvo_IO::mnuOSC_Orvo_Click(m, w);
             ASSERT_EQ(monitor->timers.readout.start(1, 115200).outcome, ReadoutCommand::Started);
         },
         [&] { monitor->Load_IO_X_Click(); }},
        {"a range of pages between two pages", [&] { m.link.Save_n_Stranica_Flag = 1; },
         [&] { m.link.Save_n_Stranica_Flag = 0; }},
    };
    const auto editable = [](Config_Project &dlg) {
        return !dlg.linkBusyShown() && dlg.Ok->isEnabled() && dlg.Combo1->isEnabled() && dlg.Combo3->isEnabled() &&
               dlg.IP_address->isEnabled() && dlg.Load_Key_SCHEMA->isEnabled() &&
               !dlg.Link_Busy_Note->isVisibleTo(&dlg);
    };
    const auto readOnly = [](Config_Project &dlg) {
        return dlg.linkBusyShown() && !dlg.Ok->isEnabled() && !dlg.Combo1->isEnabled() && !dlg.Combo3->isEnabled() &&
               !dlg.IP_address->isEnabled() && !dlg.Load_Key_SCHEMA->isEnabled() &&
               dlg.Link_Busy_Note->isVisibleTo(&dlg);
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // Opened while the link is free, then the transfer starts and ends.
        w.mnuNastrojki->trigger();
        QPointer<Config_Project> dlg = open();
        ASSERT_NE(dlg, nullptr);
        EXPECT_TRUE(dlg->Timer_Link->isActive());
        EXPECT_TRUE(editable(*dlg));
        c.begin();
        ASSERT_TRUE(m.link.transferUnderWay());
        dlg->Timer_Link_Timer();
        EXPECT_TRUE(readOnly(*dlg));
        c.end();
        ASSERT_FALSE(m.link.transferUnderWay());
        dlg->Timer_Link_Timer();
        EXPECT_TRUE(editable(*dlg));
        dlg->Cancel_Click();
        EXPECT_FALSE(dlg->Timer_Link->isActive()); // a closed dialog no longer looks
        flush();

        // Opened while the transfer is under way, which then ends.
        c.begin();
        w.mnuNastrojki->trigger();
        dlg = open();
        ASSERT_NE(dlg, nullptr);
        EXPECT_TRUE(readOnly(*dlg));
        c.end();
        dlg->Timer_Link_Timer();
        EXPECT_TRUE(editable(*dlg));
        dlg->Combo2->setCurrentIndex(3);
        dlg->Combo2_Click();
        EXPECT_EQ(s.Num_Net, 4);
        dlg->Cancel_Click();
        flush();
    }
    delete monitor.data();
}
