// The save and open items of the file menu, on a main window with scripted
// dialogs: questions, messages, the file left intact, the copies, the open
// project left unchanged by a file that cannot be read, the netlist import and
// an opening whose netlist is missing.

#include "core/cp1251.h"
#include "link/controller_link.h"
#include "link/write_schema.h"
#include "mainwindow/config_scada.h"
#include "project/config_project.h"
#include "project/format_version.h"
#include "project/project_file.h"
#include "project/project_file_disk.h"
#include "project/project_file_layout.h"
#include "project/project_menu.h"
#include "project/schema_drawing.h"
#include "project/schema_view.h"
#include "project/startup.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/file_size_limit.h"
#include "support/lumtor_registry.h"
#include "support/netlist_builder.h"
#include "support/project_fixture.h"
#include "support/simulator.h"
#include "support/simulator_schema.h"
#include "upload/scada_upload.h"
#include "upload/schema_upload.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

using namespace pelmora;
using namespace pelmora::projectfile;
using pelmora::test::ControllerSimulator;
using pelmora::test::SchemaController;
using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A netlist of a few blocks, the fixed GRA and JUR blocks included.
QByteArray smallNetlist()
{
    test::NetlistBuilder n;
    n.block(1, u"D_I"_s, {u"1"_s});
    n.block(5, u"AND2_4"_s);
    n.block(7, u"RS485"_s, {u"1"_s, u"9600"_s});
    n.net({test::U(1, 1), test::U(5, 1)});
    return n.bytes();
}

class ProjectMenuTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        previousDir = QDir::currentPath();
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkpath(u"source"_s));
        ASSERT_TRUE(QDir(work.path()).mkpath(u"saved"_s));
        netlist = work.filePath(u"source/plant.net"_s);
        writeBytes(netlist, smallNetlist());
        picture = work.filePath(u"source/fon.gif"_s);
        writeBytes(picture, "GIF89a");
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    // The opened projects hold indicator elements, which are Lumtor controls.
    test::LumtorRegistry lumtor;

    // A project in the window: the varied tables over the small netlist.
    void makeProject(Config_SCADA &w, int version = 6, int pages = 8)
    {
        ProjectModel &m = w.model();
        test::fillVariedProject(m, version, pages);
        // The schema comes from the netlist alone, over the pools of a program just started.
        ProjectModel started;
        startUpModel(started);
        m.schema = started.schema;
        m.settings.Name_Schema = netlist;
        ASSERT_TRUE(importNetlistFile(m, netlist));
        for (int i = 0; i <= 2 * pages - 1; ++i)
            m.pages.Stranica_Fon_Name(i) = QString();
        m.pages.Stranica_Fon_Name(0) = u"\\fon.gif"_s;
        m.pages.Stranica_Fon_Name(pages) = picture;
        w.mnuSave->setEnabled(true);
    }

    QString savedPath(const QString &name = u"k2.prt"_s) { return work.filePath(u"saved/"_s + name); }

    QTemporaryDir work;
    QString previousDir, netlist, picture;
};

} // namespace

TEST_F(ProjectMenuTest, FirstSaveAsksAndNoWritesNothing)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    w.mnuBlockSCADA->setChecked(false);
    ui().savePaths.push_back(savedPath());
    ui().answers.push_back(MsgAnswer::No);
    menu.mnuSave_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kNameDiffers));
    EXPECT_EQ(ui().messages[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(QFile::exists(savedPath()));
    EXPECT_TRUE(w.model().settings.Project_File_Path.isEmpty());
    EXPECT_FALSE(w.mnuBlockSCADA->isChecked());
}

TEST_F(ProjectMenuTest, SaveWritesTheFileLocksTheElementsAndCopiesNextToIt)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    w.mnuBlockSCADA->setChecked(false);
    ui().savePaths.push_back(savedPath());
    ui().answers.push_back(MsgAnswer::Yes);
    menu.mnuSave_Click();
    EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kNameDiffers)});
    EXPECT_EQ(ui().fileRequests.at(0).filter, u"project file|*.prt"_s);
    EXPECT_EQ(w.model().settings.Project_File_Path, savedPath());
    EXPECT_TRUE(w.mnuBlockSCADA->isChecked());
    EXPECT_EQ(QDir::currentPath(), work.filePath(u"saved"_s));
    EXPECT_EQ(fileBytes(work.filePath(u"saved/plant.net"_s)), fileBytes(netlist));
    EXPECT_EQ(fileBytes(work.filePath(u"saved/fon.gif"_s)), "GIF89a");
    const QByteArray written = fileBytes(savedPath());
    EXPECT_TRUE(written.startsWith("6*"));
    EXPECT_EQ(written.count("\r\n"), test::expectedLineCount(w.model()));

    // Again to the same file: no question.
    ui().reset();
    ui().savePaths.push_back(savedPath());
    menu.mnuSave_Click();
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(fileBytes(savedPath()), written);
}

TEST_F(ProjectMenuTest, ANameTypedWithoutExtensionIsSavedAsAProjectFile)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    w.model().settings.Name_Project = u"Новий проект"_s;
    ui().savePaths.push_back(savedPath(u"Новий проект"_s));
    ui().answers.push_back(MsgAnswer::Yes);
    menu.mnuSave_Click();
    EXPECT_EQ(ui().fileRequests.at(0).defaultName, u"Новий проект"_s);
    EXPECT_FALSE(QFile::exists(savedPath(u"Новий проект"_s)));
    ASSERT_TRUE(QFile::exists(savedPath(u"Новий проект.prt"_s)));
    EXPECT_EQ(w.model().settings.Project_File_Path, savedPath(u"Новий проект.prt"_s));
    // The open dialog's filter lists it.
    EXPECT_EQ(QDir(work.filePath(u"saved"_s)).entryList({u"*.prt"_s}, QDir::Files), QStringList{u"Новий проект.prt"_s});

    // The same name typed again is the same file: nothing is asked.
    ui().reset();
    ui().savePaths.push_back(savedPath(u"Новий проект"_s));
    menu.mnuSave_Click();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
}

// A save that fails keeps the previous file, and the project stays where it
// was: its file and the current folder change only when a save succeeds. A
// project the writer refuses says why. A write that fails part-way (past a
// file-size limit, which holds for root as well, as a full disk would) leaves
// nothing behind either.
TEST_F(ProjectMenuTest, AFailedSaveKeepsThePreviousFileAndDoesNotMoveTheProject)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    ProjectModel &m = w.model();
    m.settings.Project_File_Path = savedPath();
    ui().savePaths.push_back(savedPath());
    ASSERT_TRUE(menu.mnuSave_Click());
    const QByteArray good = fileBytes(savedPath());
    const QString folder = work.filePath(u"saved"_s);
    ASSERT_EQ(QDir::currentPath(), folder);
    ASSERT_TRUE(QDir(work.path()).mkpath(u"other/folder.prt"_s));
    const QString old = work.filePath(u"other/old.prt"_s);
    writeBytes(old, "previous project");

    const QString locked = QString::fromUtf16(kFileLocked);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char *what;
        QString target;
        std::function<void()> spoil, mend;
        QString message;
    };
    const float value = m.schema.Parametr_Value(0);
    const auto offset = m.alg.Step_Offset(0, 3);
    std::optional<test::FileSizeLimit> fsize;
    const Case cases[] = {
        {"a folder where the file should be", work.filePath(u"other/folder.prt"_s), [] {}, [] {}, locked},
        {"a folder that does not exist", work.filePath(u"missing/k2.prt"_s), [] {}, [] {}, locked},
        {"a value that is not a number", old, [&] { m.schema.Parametr_Value(0) = nan; },
         [&] { m.schema.Parametr_Value(0) = value; }, locked + u"\nзначення не є числом"_s},
        {"an infinite value", old, [&] { m.schema.Parametr_Value(0) = -inf; },
         [&] { m.schema.Parametr_Value(0) = value; }, locked + u"\nзначення не є числом"_s},
        {"a step offset no 16-bit line carries", old, [&] { m.alg.Step_Offset(0, 3) = 70000; },
         [&] { m.alg.Step_Offset(0, 3) = offset; }, locked + u"\nзначення 70000 не вміщується у свій рядок"_s},
        {"a write that fails part-way", old,
         [&] {
             fsize.emplace(good.size() / 2);
             ASSERT_TRUE(fsize->ok());
         },
         [&] { fsize.reset(); }, locked},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui().reset();
        c.spoil();
        ui().savePaths.push_back(c.target);
        ui().answers.push_back(MsgAnswer::Yes); // another file than the project's
        EXPECT_FALSE(menu.mnuSave_Click());
        c.mend();
        ASSERT_EQ(ui().messages.size(), 2u);
        EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kNameDiffers));
        EXPECT_EQ(ui().messages[1].text, c.message);
        EXPECT_EQ(ui().messages[1].icon, MsgIcon::Critical);
        EXPECT_EQ(m.settings.Project_File_Path, savedPath());
        EXPECT_EQ(QDir::currentPath(), folder);
        EXPECT_EQ(fileBytes(old), "previous project");
        EXPECT_EQ(QDir(work.filePath(u"other"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{u"folder.prt"_s, u"old.prt"_s}));
        EXPECT_FALSE(QFileInfo::exists(work.filePath(u"missing"_s)));
    }

    // Another file declined: nothing moves either.
    ui().reset();
    ui().savePaths.push_back(work.filePath(u"other/new.prt"_s));
    ui().answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(menu.mnuSave_Click());
    EXPECT_EQ(QDir::currentPath(), folder);
    EXPECT_FALSE(QFile::exists(work.filePath(u"other/new.prt"_s)));

    // The project's own file is still its file: saved again without a question.
    ui().reset();
    ui().savePaths.push_back(savedPath());
    EXPECT_TRUE(menu.mnuSave_Click());
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
    EXPECT_EQ(fileBytes(savedPath()), good);
}

// A copy that fails (here: past a file-size limit, which holds for root as
// well) leaves the copy already in the project folder as it was, and is named;
// the project file is complete and the project stays where it is.
TEST_F(ProjectMenuTest, ACopyThatFailsKeepsTheOldCopy)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    ProjectModel &m = w.model();
    m.settings.Project_File_Path = savedPath();
    const QString phase = work.filePath(u"source/phase.gif"_s);
    m.pages.Mechanizm_Gif_Name(0) = u"\\фаза0.gif"_s;
    m.pages.Mechanizm_Gif_Source(0) = phase;
    prepareForSave(m);
    const QByteArray project = writeProjectFile(m).bytes;
    ASSERT_FALSE(project.isEmpty());

    // Each source is larger than the limit; each target holds an old copy.
    const qint64 limit = project.size() + 64 * 1024;
    const struct {
        QString source, target;
    } copies[] = {
        {netlist, work.filePath(u"saved/plant.net"_s)},
        {picture, work.filePath(u"saved/fon.gif"_s)},
        {phase, work.filePath(u"saved/фаза0.gif"_s)},
    };
    for (const auto &c : copies) {
        writeBytes(c.source, "GIF89a" + QByteArray(limit + 64 * 1024, 'x'));
        writeBytes(c.target, QByteArray(100, 'o'));
    }
    {
        test::FileSizeLimit fsize(limit);
        ASSERT_TRUE(fsize.ok());
        ui().savePaths.push_back(savedPath());
        EXPECT_TRUE(menu.mnuSave_Click());
    }
    ASSERT_EQ(ui().messages.size(), 1u) << ui().messageTexts().join(u" | "_s).toStdString();
    EXPECT_EQ(ui().messages[0].text,
              QString::fromUtf16(kCopyFailed) + u'\n' + netlist + u'\n' + picture + u'\n' + phase);
    for (const auto &c : copies)
        EXPECT_EQ(fileBytes(c.target), QByteArray(100, 'o')) << c.target.toStdString();
    EXPECT_EQ(fileBytes(savedPath()), project);
    EXPECT_EQ(m.settings.Project_File_Path, savedPath());
    EXPECT_EQ(QDir::currentPath(), work.filePath(u"saved"_s));
    // Nothing left behind by the copies that failed.
    EXPECT_EQ(QDir(work.filePath(u"saved"_s)).entryList(QDir::Files),
              (QStringList{u"fon.gif"_s, u"k2.prt"_s, u"plant.net"_s, u"фаза0.gif"_s}));

    // Without the limit the same save replaces every copy.
    ui().reset();
    ui().savePaths.push_back(savedPath());
    EXPECT_TRUE(menu.mnuSave_Click());
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
    for (const auto &c : copies)
        EXPECT_EQ(fileBytes(c.target), fileBytes(c.source)) << c.target.toStdString();
}

TEST_F(ProjectMenuTest, CopiesThatFailAreNamedAndTheFileStaysComplete)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    w.model().settings.Project_File_Path = savedPath();
    w.model().pages.Stranica_Fon_Name(8 + 0) = work.filePath(u"source/gone.gif"_s);
    QFile::remove(netlist);
    ui().savePaths.push_back(savedPath());
    menu.mnuSave_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(ui().messages[0].text.startsWith(QString::fromUtf16(kCopyFailed)));
    EXPECT_TRUE(ui().messages[0].text.contains(netlist));
    EXPECT_TRUE(ui().messages[0].text.contains(u"gone.gif"_s));
    EXPECT_EQ(fileBytes(savedPath()).count("\r\n"), test::expectedLineCount(w.model()));
}

TEST_F(ProjectMenuTest, SavingTwoAlgorithmBlocksWarnsThatOneProgramIsKept)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    w.model().schema.Block_Type(20) = type::ALG;
    w.model().schema.Block_Type(21) = type::ALG;
    w.model().settings.Project_File_Path = savedPath();
    ui().savePaths.push_back(savedPath());
    menu.mnuSave_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kOneAlgorithmProgram));
    EXPECT_TRUE(QFile::exists(savedPath()));
}

TEST_F(ProjectMenuTest, OpeningRestoresTheProjectAndImportsItsNetlist)
{
    QByteArray saved;
    {
        Config_SCADA w;
        ProjectMenu &menu = *w.projectMenu;
        makeProject(w, 5, 16);
        w.model().settings.Project_File_Path = savedPath();
        ui().savePaths.push_back(savedPath());
        menu.mnuSave_Click();
        ASSERT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u' ').toStdString();
        saved = fileBytes(savedPath());
    }
    QDir::setCurrent(previousDir);
    ui().reset();

    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    ui().openPaths.push_back(savedPath());
    menu.mnuLoad_Click();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u' ').toStdString();
    const ProjectModel &m = w.model();
    EXPECT_EQ(m.settings.Project_File_Path, savedPath());
    EXPECT_EQ(m.settings.Format_Version, 5);
    EXPECT_EQ(m.settings.Stranica_Count, 16);
    EXPECT_EQ(m.settings.Name_Schema, work.filePath(u"saved/plant.net"_s));
    EXPECT_EQ(m.pages.Stranica_Name(2), u"Сторінка «3»"_s);
    EXPECT_EQ(m.schema.Block_Type(7), type::RS4); // from the netlist
    EXPECT_TRUE(w.Logo->isHidden());
    EXPECT_TRUE(w.mnuSave->isEnabled());
    EXPECT_TRUE(w.mnuHelp4->isChecked());
    EXPECT_FALSE(w.mnuHelp5->isChecked());
    EXPECT_TRUE(w.mnuNetlist->isVisible());
    EXPECT_TRUE(w.mnuConfig->isVisible());
    EXPECT_TRUE(w.MnuOrvo->isVisible());
    EXPECT_EQ(w.windowTitle(), captionWithPath(5, work.filePath(u"saved/plant.net"_s)));
    EXPECT_FALSE(w.schemaView->drawnTexts().isEmpty());
    // The project's link is the TCP client: the pages of a range are 3 s apart.
    EXPECT_EQ(w.scadaUpload->Timer_Stranica_SCADA->interval(), 3000);
    EXPECT_FALSE(w.scadaUpload->Timer_Stranica_SCADA->isActive());

    // Saving the opened project again gives the same file.
    ui().savePaths.push_back(savedPath(u"again.prt"_s));
    menu.mnuSave_Click();
    EXPECT_EQ(fileBytes(savedPath(u"again.prt"_s)), saved);
}

TEST_F(ProjectMenuTest, AFileThatCannotBeReadLeavesTheOpenProjectAsItWas)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w, 6, 16);
    prepareForSave(w.model());
    const QByteArray before = writeProjectFile(w.model()).bytes;
    const QString title = w.windowTitle();

    ProjectModel other = w.model();
    test::fillVariedProject(other, 3, 8);
    prepareForSave(other);
    const QByteArray good = writeProjectFile(other).bytes;
    // The same file with the type code 77 for block 40.
    QList<QByteArray> lines = good.split('\n');
    const qsizetype schema = lines.indexOf(cp1251::encode(QString::fromUtf16(kSchemaMarker)) + '\r');
    ASSERT_GT(schema, 0);
    lines[schema + 40] = " 77 \r";
    const QByteArray typed77 = lines.join('\n');
    // The same file with a clock on index 0, which belongs to no page.
    QList<QByteArray> clockLines = good.split('\n');
    const qsizetype clock = clockLines.indexOf(cp1251::encode(u"Сторінка SCADA  - 1Годинник - 0"_s) + '\r');
    ASSERT_GT(clock, 0);
    clockLines[clock + 1] = " 1 \r";
    const QByteArray pageless = clockLines.join('\n');
    // Files whose contents a lost or added line has shifted.
    const qsizetype algTexts = lines.indexOf(cp1251::encode(textsHeader(other.catalogue, 5, type::ALG)) + '\r');
    const qsizetype comments = lines.indexOf(cp1251::encode(QString::fromUtf16(kCommentsMarker)) + '\r');
    ASSERT_GT(algTexts, 0);
    ASSERT_GT(comments, 0);
    QList<QByteArray> shifted = good.split('\n');
    shifted.removeAt(algTexts + 10);
    QList<QByteArray> misplacedMarker = good.split('\n');
    misplacedMarker[clock] = cp1251::encode(u"Сторінка SCADA  - 1Годинник - 1"_s) + '\r';
    QList<QByteArray> shortComments = good.split('\n');
    shortComments.erase(shortComments.begin() + comments + 40, shortComments.end() - 1);
    const QByteArray files[] = {good.left(good.size() / 2),
                                typed77,
                                pageless,
                                QByteArray("\x01\x02garbage\r\n"),
                                QByteArray(),
                                shifted.join('\n'),
                                misplacedMarker.join('\n'),
                                shortComments.join('\n'),
                                good + " 0 \r\n"};
    int k = 0;
    for (const QByteArray &bytes : files) {
        const QString path = savedPath(u"bad%1.prt"_s.arg(k++));
        writeBytes(path, bytes);
        ui().reset();
        // The project in the window was never saved: the question first, answered No.
        ui().answers.push_back(MsgAnswer::No);
        ui().openPaths.push_back(path);
        menu.mnuLoad_Click();
        ASSERT_EQ(ui().messages.size(), 2u) << k;
        EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kSaveChanges));
        EXPECT_EQ(ui().messages[1].icon, MsgIcon::Critical);
        EXPECT_TRUE(ui().messages[1].text.startsWith(u"Файл проекту неможливо прочитати"_s));
        EXPECT_TRUE(writeProjectFile(w.model()).bytes == before) << k;
        EXPECT_EQ(w.model().settings.Project_File_Path, QString());
        EXPECT_EQ(w.windowTitle(), title);
    }
    // A file that does not exist.
    ui().reset();
    ui().answers.push_back(MsgAnswer::No);
    ui().openPaths.push_back(savedPath(u"none.prt"_s));
    menu.mnuLoad_Click();
    EXPECT_EQ(ui().messages.size(), 2u);
    EXPECT_TRUE(writeProjectFile(w.model()).bytes == before);
}

TEST_F(ProjectMenuTest, AMissingNetlistIsNamedAndTheWindowIsNotFinished)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w, 6, 8);
    w.model().settings.Project_File_Path = savedPath();
    ui().savePaths.push_back(savedPath());
    menu.mnuSave_Click();
    QFile::remove(work.filePath(u"saved/plant.net"_s));

    Config_SCADA fresh;
    ProjectMenu &freshMenu = *fresh.projectMenu;
    ui().reset();
    ui().openPaths.push_back(savedPath());
    freshMenu.mnuLoad_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kNetlistMissing) + work.filePath(u"saved/plant.net"_s));
    // The pages are restored, the schema is not rebuilt and the window is not
    // finished; the view says why.
    EXPECT_EQ(fresh.model().pages.Stranica_Name(0), u"Сторінка «1»"_s);
    EXPECT_FALSE(fresh.mnuConfig->isVisible());
    ASSERT_EQ(fresh.schemaView->drawnTexts().size(), 1);
    EXPECT_EQ(fresh.schemaView->drawnTexts()[0].text, QString::fromUtf16(kNetlistNotLoaded));
}

// A project opened without its netlist after another project: its pages and
// settings stand alone, the schema holds nothing of the project before (saving
// gives the opened file back unchanged), the caption and the schema view say
// that the netlist is not loaded, and the schema write is refused before
// anything leaves. Once the netlist is loaded the write goes out.
TEST_F(ProjectMenuTest, AProjectOpenedWithoutItsNetlistKeepsNothingOfTheSchemaBefore)
{
    ControllerSimulator sim;
    SchemaController controller(sim);
    ASSERT_TRUE(sim.listenTcp());

    // The project whose netlist goes missing; its link is the simulator.
    QByteArray opened;
    {
        Config_SCADA w;
        makeProject(w, 6, 8);
        auto &s = w.model().settings;
        s.Num_COM_Link = 9;
        s.Adr_IP = u"127.0.0.1"_s;
        s.Port_IP = sim.tcpPort();
        s.T_Zapyt = 20;
        s.Project_File_Path = savedPath();
        w.model().pages.Stranica_Name(0) = u"Котельня"_s;
        ui().savePaths.push_back(savedPath());
        ASSERT_TRUE(w.projectMenu->mnuSave_Click());
        opened = fileBytes(savedPath());
        w.Form_Unload();
    }
    const QString missing = work.filePath(u"saved/plant.net"_s);
    ASSERT_TRUE(QFile::remove(missing));

    // The project before: another schema, in a folder of its own.
    const QString before = work.filePath(u"before/before.prt"_s);
    {
        ASSERT_TRUE(QDir(work.path()).mkpath(u"before"_s));
        test::NetlistBuilder n;
        n.block(3, u"D_I"_s, {u"1"_s}).block(9, u"AND2_4"_s).block(12, u"D_I"_s, {u"2"_s}).inverter(1);
        n.net({test::U(3, 1), test::D(1, 1)});
        n.net({test::D(1, 2), test::U(9, 1)});
        n.net({test::U(12, 1), test::U(9, 2)});
        writeBytes(work.filePath(u"before/before.net"_s), n.bytes());
        Config_SCADA w;
        ProjectModel &m = w.model();
        test::fillVariedProject(m, 5, 16);
        m.settings.Name_Schema = work.filePath(u"before/before.net"_s);
        ASSERT_TRUE(importNetlistFile(m, m.settings.Name_Schema));
        w.mnuSave->setEnabled(true);
        m.settings.Project_File_Path = before;
        ui().savePaths.push_back(before);
        ASSERT_TRUE(w.projectMenu->mnuSave_Click());
        w.Form_Unload();
    }

    ui().reset();
    Config_SCADA w;
    const ProjectModel &m = w.model();
    ui().openPaths.push_back(before);
    w.mnuLoad->trigger();
    ASSERT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
    ASSERT_EQ(m.schema.Block_Type(12), type::D_I);
    ASSERT_NE(m.schema.Invert_Input(9), 0);

    ui().openPaths.push_back(savedPath());
    w.mnuLoad->trigger();
    ASSERT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kNetlistMissing) + missing});
    // The opened file's pages and settings.
    EXPECT_EQ(m.settings.Project_File_Path, savedPath());
    EXPECT_EQ(m.settings.Stranica_Count, 8);
    EXPECT_EQ(m.settings.Format_Version, 6);
    EXPECT_EQ(m.settings.Port_IP, sim.tcpPort());
    EXPECT_EQ(m.pages.Stranica_Name(0), u"Котельня"_s);
    // The schema: nothing laid out, nothing of the project before.
    EXPECT_TRUE(m.schema.Netlist_Not_Loaded);
    ProjectModel fileAlone;
    startUpModel(fileAlone);
    ASSERT_TRUE(readProjectFile(opened, fileAlone, work.filePath(u"saved"_s)).ok);
    for (int b = 0; b <= 100; ++b) {
        EXPECT_EQ(m.schema.Block_Type(b), fileAlone.schema.Block_Type(b)) << b;
        EXPECT_EQ(m.schema.Parametr_Value_Start(b), 0) << b;
        EXPECT_EQ(m.schema.Parametr_Name_Start(b), 0) << b;
        EXPECT_TRUE(m.schema.Block_Name(2, b).isEmpty()) << b;
        for (int k = 0; k <= 16; ++k)
            EXPECT_EQ(m.schema.Block_Link(k, b), 0) << b;
    }
    for (int b = 0; b <= 104; ++b)
        EXPECT_EQ(m.schema.Invert_Input(b), 0) << b;
    EXPECT_EQ(m.schema.Parametr_Value_Size, 0);
    EXPECT_EQ(m.schema.Parametr_Name_Size, 0);
    EXPECT_TRUE(m.schema.NetList_Line(1).isEmpty());
    prepareForSave(w.model());
    EXPECT_TRUE(writeProjectFile(m).bytes == opened) << "saving gives the opened file back";
    // The caption and the schema view say so.
    EXPECT_EQ(w.windowTitle(), captionWithPath(6, QString::fromUtf16(kNetlistNotLoaded)));
    ASSERT_EQ(w.schemaView->drawnTexts().size(), 1);
    EXPECT_EQ(w.schemaView->drawnTexts()[0].text, QString::fromUtf16(kNetlistNotLoaded));
    for (int i = 1; i <= 104; ++i)
        EXPECT_TRUE(w.Block_IMAGE[static_cast<std::size_t>(i)]->isHidden()) << i;
    // Nothing asked when the opened project is left as it was opened.
    EXPECT_TRUE(w.projectMenu->askToSaveChanges());

    // The schema write: refused with its message, and not a byte leaves.
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return w.link().clientConnected(); }));
    ui().reset();
    w.MnuSaveOrvo->trigger();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kNoSchemaToWrite));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(m.link.busy());
    EXPECT_FALSE(w.schemaUpload->Timer_05->isActive());
    EXPECT_EQ(Write_SCHEMA::loaded(w), nullptr);
    ControllerSimulator::waitFor([] { return false; }, 300); // anything on its way arrives
    EXPECT_TRUE(sim.received().isEmpty());

    // The netlist loaded from the menu: the schema is the opened project's,
    // and the write sends it.
    writeBytes(missing, smallNetlist());
    ui().reset();
    ui().openPaths.push_back(missing);
    w.mnuNetlist->trigger();
    EXPECT_FALSE(m.schema.Netlist_Not_Loaded);
    EXPECT_EQ(m.schema.Block_Type(7), type::RS4);
    EXPECT_EQ(m.schema.Block_Type(12), 0);
    EXPECT_GT(w.schemaView->drawnTexts().size(), 1);
    w.MnuSaveOrvo->trigger();
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return !m.link.busy(); }, 30000));
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
    EXPECT_TRUE(controller.complete()) << controller.problems().join(u"; "_s).toStdString();
    for (int b = 0; b <= 99; ++b)
        EXPECT_EQ(static_cast<std::uint8_t>(controller.table(1).at(b)), m.schema.Block_Type(b)) << b;
}

TEST_F(ProjectMenuTest, CancelAndAnEmptyName)
{
    Config_SCADA w;
    ProjectMenu &menu = *w.projectMenu;
    makeProject(w);
    // The project in the window was never saved: each opening asks first.
    ui().answers = {MsgAnswer::No, MsgAnswer::No};
    ui().openPaths.push_back(std::nullopt);
    menu.mnuLoad_Click();
    EXPECT_TRUE(w.Logo->isHidden());
    EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kSaveChanges)});
    EXPECT_FALSE(w.mnuConfig->isVisible());

    // An empty name imports the netlist of the project in memory and finishes the window.
    ui().reset();
    ui().answers = {MsgAnswer::No};
    ui().openPaths.push_back(QString());
    menu.mnuLoad_Click();
    EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kSaveChanges)});
    EXPECT_TRUE(w.mnuConfig->isVisible());
    EXPECT_EQ(w.windowTitle(), captionWithPath(6, netlist));
    EXPECT_FALSE(w.schemaView->drawnTexts().isEmpty());
}

// Closing the program, "&Створити проект" and "&Відкрити проект" with a
// project edited since its last save: the question, and each answer's effect
// on the window, the model and the file.
TEST_F(ProjectMenuTest, UnsavedChangesAreSavedOrGivenUpOnlyWhenTheUserSays)
{
    enum class Step { Close, New, Open };
    const QString question = QString::fromUtf16(kSaveChanges);
    for (const Step step : {Step::Close, Step::New, Step::Open}) {
        for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel}) {
            SCOPED_TRACE(static_cast<int>(step) * 10 + static_cast<int>(answer));
            ui().reset();
            Config_SCADA w;
            makeProject(w);
            w.model().settings.Project_File_Path = savedPath();
            ui().savePaths.push_back(savedPath());
            ASSERT_TRUE(w.projectMenu->mnuSave_Click());
            const QByteArray saved = fileBytes(savedPath());
            ASSERT_FALSE(saved.isEmpty());

            // An element moved after the save.
            ProjectModel &m = w.model();
            const std::int16_t savedX = m.pages.Text_Label_Coord_X(0, 4);
            m.pages.Text_Label_Coord_X(0, 4) = static_cast<std::int16_t>(savedX + 7);
            ui().reset();
            ui().answers.push_back(answer);
            if (answer == MsgAnswer::Yes)
                ui().savePaths.push_back(savedPath());
            if (step == Step::Open)
                ui().openPaths.push_back(savedPath());

            bool closed = false;
            switch (step) {
            case Step::Close: closed = w.close(); break;
            case Step::New: w.mnuNEW->trigger(); break;
            case Step::Open: w.mnuLoad->trigger(); break;
            }
            ASSERT_FALSE(ui().messages.empty());
            EXPECT_EQ(ui().messages[0].text, question);
            EXPECT_EQ(ui().messages[0].buttons, MsgButtons::YesNoCancel);
            EXPECT_EQ(ui().messages[0].icon, MsgIcon::Question);

            const bool goesOn = answer != MsgAnswer::Cancel;
            const QByteArray file = fileBytes(savedPath());
            if (answer == MsgAnswer::Yes) {
                EXPECT_NE(file, saved);
                ProjectModel back;
                startUpModel(back);
                ASSERT_TRUE(readProjectFile(file, back, work.filePath(u"saved"_s)).ok);
                EXPECT_EQ(back.pages.Text_Label_Coord_X(0, 4), savedX + 7);
            } else {
                EXPECT_EQ(file, saved);
            }
            switch (step) {
            case Step::Close: EXPECT_EQ(closed, goesOn); break;
            case Step::New: {
                Config_Project *settings = w.windows().find<Config_Project>();
                EXPECT_EQ(settings && settings->isVisible(), goesOn);
                if (settings)
                    settings->close();
                break;
            }
            case Step::Open:
                // The file dialog appears only when the open goes on; the
                // model then holds the file's project.
                EXPECT_EQ(ui().fileRequests.size(), answer == MsgAnswer::Yes ? 2u : goesOn ? 1u : 0u);
                EXPECT_EQ(m.pages.Text_Label_Coord_X(0, 4), answer == MsgAnswer::No ? savedX : savedX + 7);
                break;
            }
            if (step != Step::Open) {
                EXPECT_EQ(m.pages.Text_Label_Coord_X(0, 4), savedX + 7); // the model keeps the edit
            }
            w.Form_Unload();
        }
    }
}

// Nothing edited since the project was saved or opened, or no project at
// all: nothing is asked. A save the user cancels keeps the program open.
TEST_F(ProjectMenuTest, NoQuestionWithoutChangesAndACancelledSaveKeepsTheProject)
{
    {
        Config_SCADA w;
        EXPECT_TRUE(w.close()); // no project
        EXPECT_TRUE(ui().messages.empty());
    }
    Config_SCADA w;
    makeProject(w);
    w.model().settings.Project_File_Path = savedPath();
    ui().savePaths.push_back(savedPath());
    ASSERT_TRUE(w.projectMenu->mnuSave_Click());
    ui().reset();
    ui().openPaths.push_back(savedPath());
    w.mnuLoad->trigger();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u' ').toStdString();
    w.mnuNEW->trigger();
    EXPECT_TRUE(ui().messages.empty());
    if (Config_Project *settings = w.windows().find<Config_Project>())
        settings->Cancel_Click();

    // Edited after the open; Yes, then the save dialog cancelled.
    w.model().pages.Stranica_Name(1) = u"Котельня"_s;
    ui().answers.push_back(MsgAnswer::Yes);
    ui().savePaths.push_back(std::nullopt);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kSaveChanges)});
    EXPECT_EQ(w.model().pages.Stranica_Name(1), u"Котельня"_s);
    w.Form_Unload();
}
