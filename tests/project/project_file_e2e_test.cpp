// From a new project to the same file again, through the windows: a new
// project on the demo netlist, saved, opened in a fresh main window, saved
// again. Also what opening does to the page tabs and the controller link.

#include "link/controller_link.h"
#include "mainwindow/config_scada.h"
#include "pages/page_editor.h"
#include "pages/page_view.h"
#include "project/config_project.h"
#include "project/project_menu.h"
#include "support/fake_services.h"
#include "support/lumtor_registry.h"
#include "support/project_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class EndToEnd : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        previousDir = QDir::currentPath();
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkpath(u"a"_s));
        ASSERT_TRUE(QDir(work.path()).mkpath(u"b"_s));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_schema.net"), work.filePath(u"demo_schema.net"_s)));
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    // The opened projects hold indicator elements, which are Lumtor controls.
    test::LumtorRegistry lumtor;

    // "&Створити проект" with the demo netlist and the page count chosen.
    void newProject(Config_SCADA &w, bool eightPages)
    {
        w.projectSettings->mnuNEW_Click();
        Config_Project &dlg = w.projectSettings->dialog();
        dlg.Name_Project_Text->setText(u"Демо"_s);
        ui().openPaths.push_back(work.filePath(u"demo_schema.net"_s));
        dlg.Load_Key_SCHEMA_Click();
        dlg.Combo3->setCurrentIndex(eightPages ? 1 : 0);
        dlg.Ok_Click();
    }

    QTemporaryDir work;
    QString previousDir;
};

} // namespace

TEST_F(EndToEnd, NewProjectSavedOpenedAndSavedAgainGivesTheSameFile)
{
    for (const bool eight : {false, true}) {
        SCOPED_TRACE(eight);
        const QString first = work.filePath(eight ? u"a/demo8.prt"_s : u"a/demo16.prt"_s);
        const QString second = work.filePath(eight ? u"b/demo8.prt"_s : u"b/demo16.prt"_s);
        {
            Config_SCADA w;
            newProject(w, eight);
            ASSERT_EQ(w.model().settings.Stranica_Count, eight ? 8 : 16);
            ASSERT_NE(w.model().schema.Block_Type(97), 0);
            w.model().pages.Stranica_Name(1) = u"Котел"_s;
            ui().savePaths.push_back(first);
            w.projectMenu->mnuSave_Click(); // answers Yes to the name question
            ASSERT_TRUE(QFile::exists(first));
            EXPECT_TRUE(QFile::exists(work.filePath(u"a/demo_schema.net"_s)));
        }
        QDir::setCurrent(previousDir);
        ui().reset();
        Config_SCADA fresh;
        ui().openPaths.push_back(first);
        fresh.projectMenu->mnuLoad_Click();
        EXPECT_EQ(fresh.model().settings.Name_Schema, work.filePath(u"a/demo_schema.net"_s));
        EXPECT_EQ(fresh.model().pages.Stranica_Name(1), u"Котел"_s);
        ui().savePaths.push_back(second);
        fresh.projectMenu->mnuSave_Click();
        EXPECT_TRUE(fileBytes(first) == fileBytes(second));
        EXPECT_FALSE(fileBytes(second).isEmpty());
        ui().reset();
    }
}

TEST_F(EndToEnd, OpeningSetsTheTabsTheCanvasesAndTheLink)
{
    // A project of version 6 over the demo netlist, with a background picture
    // for page 1 and a TCP client link to a local server.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(work.filePath(u"a/fon0.gif"_s), "PNG"));
    const QString path = work.filePath(u"a/tabs.prt"_s);
    {
        Config_SCADA w;
        newProject(w, true);
        ProjectModel &m = w.model();
        for (int k = 0; k <= 15; ++k)
            m.pages.Stranica_Name(k) = u"Стор %1"_s.arg(k);
        m.pages.Stranica_Fon_Name(0) = u"\\fon0.gif"_s;
        m.pages.Stranica_Fon_Name(8) = work.filePath(u"a/fon0.gif"_s);
        m.pages.Stranica_Fon_Flag(0) = 1;
        m.pages.Stranica_Fon_Color(3) = 0x00FF8040;
        m.settings.Num_COM_Link = 9;
        m.settings.Adr_IP = u"127.0.0.1"_s;
        m.settings.Port_IP = server.serverPort();
        ui().savePaths.push_back(path);
        w.projectMenu->mnuSave_Click();
    }
    ui().reset();
    Config_SCADA w;
    ui().openPaths.push_back(path);
    w.projectMenu->mnuLoad_Click();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u' ').toStdString();
    PageView &view = *w.pageView;
    EXPECT_EQ(view.SCADA_SSTab->TabCaption(0), u"Стор 0"_s);
    EXPECT_EQ(view.SCADA_SSTab->TabCaption(15), u"Стор 15"_s);
    EXPECT_EQ(view.SCADA_SSTab->Tab(), 0);
    EXPECT_EQ(w.model().pages.Num_Stranica_SCADA, 0);
    EXPECT_FALSE(view.SCADA_Picture[0]->pixmap().isNull());
    EXPECT_EQ(view.SCADA_Picture[3]->palette().color(QPalette::Window), QColor(0x40, 0x80, 0xFF));
    EXPECT_NE(w.link().tcpClient().state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(w.model().settings.TCP_Server, 0);

    // A serial project closes the client again.
    w.model().settings.Num_COM_Link = 2;
    ui().savePaths.push_back(path);
    w.projectMenu->mnuSave_Click();
    ui().openPaths.push_back(path);
    w.projectMenu->mnuLoad_Click();
    EXPECT_EQ(w.link().tcpClient().state(), QAbstractSocket::UnconnectedState);
}

TEST_F(EndToEnd, TheDemoProjectOpensAndSavesBackUnchanged)
{
    const QString demo = work.filePath(u"a/demo_project.prt"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_project.prt"), demo));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_schema.net"), work.filePath(u"a/demo_schema.net"_s)));
    Config_SCADA w;
    ui().openPaths.push_back(demo);
    w.projectMenu->mnuLoad_Click();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u' ').toStdString();
    const ProjectModel &m = w.model();
    EXPECT_EQ(m.settings.Format_Version, 6);
    EXPECT_EQ(m.settings.Stranica_Count, 16);
    EXPECT_EQ(m.pages.Stranica_Name(0), u"Котельня"_s);
    EXPECT_EQ(m.pages.Parametr_Num_Block(0, 1), 1);
    EXPECT_EQ(m.schema.Block_Type(10), type::ALG);
    // The stored program came back into the ALGORITHM block through the import.
    EXPECT_GT(m.alg.Alg_Size, 0);
    EXPECT_EQ(m.schema.Parametr_Name(m.schema.Parametr_Name_Start(10)), m.schema.ALGORITHM_Parametr(0, 0));
    ui().savePaths.push_back(work.filePath(u"b/demo_project.prt"_s));
    w.projectMenu->mnuSave_Click();
    EXPECT_TRUE(fileBytes(demo) == fileBytes(work.filePath(u"b/demo_project.prt"_s)));
}

// A user mechanism whose phase picture was chosen from another folder: the
// save copies the picture beside the project, and the project folder moved
// elsewhere opens with the mechanism showing that picture.
TEST_F(EndToEnd, TheMechanismsPhasePictureTravelsWithTheProject)
{
    QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    QImage phase(30, 20, QImage::Format_RGB32);
    phase.fill(Qt::blue);
    const QString chosen = pictures.filePath(u"лопать.png"_s);
    ASSERT_TRUE(phase.save(chosen, "PNG"));
    const QString saved = work.filePath(u"a/mech.prt"_s);
    {
        Config_SCADA w;
        newProject(w, false);
        auto &t = w.model().pages;
        t.Vent_Used(0, 1) = 1;
        t.Vent_Coord_X(0, 1) = 100, t.Vent_Coord_Y(0, 1) = 50;
        t.Vent_Razmer_X(0, 1) = 48, t.Vent_Razmer_Y(0, 1) = 48;
        t.Vent_Picture_Num(0, 1) = 22;
        // As the phase editor records a chosen file.
        t.Mechanizm_Gif_Name(0) = u"\\лопать.png"_s;
        t.Mechanizm_Gif_Source(0) = chosen;
        ui().savePaths.push_back(saved);
        w.projectMenu->mnuSave_Click();
        ASSERT_TRUE(QFile::exists(saved));
        EXPECT_TRUE(QFile::exists(work.filePath(u"a/лопать.png"_s)));
        EXPECT_EQ(ui().messageTexts().filter(u"лопать"_s), QStringList());
    }
    QDir::setCurrent(previousDir);
    ASSERT_TRUE(QDir(work.path()).rename(u"a"_s, u"moved"_s));
    ui().reset();
    Config_SCADA fresh;
    ui().openPaths.push_back(work.filePath(u"moved/mech.prt"_s));
    fresh.projectMenu->mnuLoad_Click();
    const pelmora::pages::ElementImage *v = fresh.pageEditor->elements.Ventilator_Picture(1);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->isVisibleTo(fresh.pageView->SCADA_Picture[0]));
    EXPECT_EQ(v->picture().toImage().convertToFormat(QImage::Format_RGB32), phase);
    EXPECT_EQ(v->size(), QSize(30, 20));
}
