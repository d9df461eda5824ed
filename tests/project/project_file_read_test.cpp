// Reading project files: a file written by hand, the header's version and page
// count, files of older versions, short comments, and files that cannot be read.

#include "core/cp1251.h"
#include "project/format_version.h"
#include "project/project_file.h"
#include "project/project_file_disk.h"
#include "project/project_file_layout.h"
#include "project/startup.h"
#include "support/project_fixture.h"

#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::projectfile;

namespace {

const QString kDir = QStringLiteral("/projects/k2");

ProjectModel startedModel()
{
    ProjectModel m;
    startUpModel(m);
    return m;
}

// A saved file of a varied project, with the model changed first by `tweak`.
QByteArray fileOf(int version, int pages, const std::function<void(ProjectModel &)> &tweak = {})
{
    ProjectModel m = startedModel();
    test::fillVariedProject(m, version, pages);
    if (tweak)
        tweak(m);
    prepareForSave(m);
    const WriteResult w = writeProjectFile(m);
    EXPECT_TRUE(w.ok) << w.reason.toStdString();
    return w.bytes;
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last CR LF
    for (QByteArray &l : lines)
        l.chop(1); // the CR
    return lines;
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

QByteArray cp(const QString &s) { return cp1251::encode(s); }

// Index of the first line equal to `text`.
qsizetype lineIndex(const QList<QByteArray> &lines, const QString &text, qsizetype from = 0)
{
    return lines.indexOf(cp(text), from);
}

} // namespace

// --- A file written by hand ---------------------------------------------------

TEST(ProjectFileGolden, HandWrittenFileIsReadAndWrittenBackIdentically)
{
    QFile f(QStringLiteral(PELMORA_PROJECT_TEST_DATA "/golden_v5_8.prt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();

    ProjectModel m = startedModel();
    const ReadResult r = readProjectFile(bytes, m, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString() << " at " << r.line;
    EXPECT_EQ(r.line, 38493);

    const auto &s = m.settings;
    const auto &e = m.pages;
    EXPECT_EQ(r.version, std::optional<int>(5));
    EXPECT_EQ(s.Format_Version, 5);
    EXPECT_EQ(s.Stranica_Count, 8);
    EXPECT_EQ(s.ALGORITHM_Statement_Max, 128);
    EXPECT_EQ(s.Name_Project, QStringLiteral("Котельня"));
    EXPECT_EQ(s.Num_COM_Link, 9);
    EXPECT_EQ(s.Adr_IP, QStringLiteral("10.0.0.5"));
    EXPECT_EQ(s.Port_IP, 502);
    EXPECT_EQ(s.Num_Net, 2);
    EXPECT_EQ(s.Name_Schema, QStringLiteral("/projects/k2/demo.net"));
    EXPECT_EQ(e.Stranica_Fon_Name(0), QStringLiteral("\\fon1.gif"));
    EXPECT_EQ(e.Stranica_Fon_Name(8), QStringLiteral("D:\\pics\\fon1.gif"));
    EXPECT_EQ(e.Stranica_Fon_Flag(0), 1);
    EXPECT_EQ(e.Setka_Razmer, 5);
    EXPECT_EQ(e.Control_Grid, 1);
    EXPECT_EQ(e.Setka_Razmer_Menu, 10);

    EXPECT_EQ(e.Parametr_Used(0, 1), 1);
    EXPECT_EQ(e.Parametr_Color_Fon(0, 1), 16777215);
    EXPECT_EQ(e.Parametr_Digits(0, 1), 2);
    EXPECT_EQ(e.Parametr_Num_OUT(0, 1), 131);
    EXPECT_EQ(e.Signal_Coord_Y(0, 2), 1124);
    EXPECT_EQ(e.Signal_Razmer_X(0, 2), 130);
    EXPECT_EQ(e.Text_Signal_Text_Off(1, 3), QStringLiteral("Вимк"));
    EXPECT_EQ(e.Text_Signal_Text_On(1, 3), QStringLiteral("Увімк"));
    EXPECT_EQ(e.Text_Signal_Border_Style(1, 3), 129);
    EXPECT_EQ(e.Go_Block_Used(0, 4), 3);
    EXPECT_EQ(e.Go_Block_Target(0, 4), 205);
    EXPECT_EQ(e.Vent_Used(2, 17), 1);
    EXPECT_EQ(e.Vent_Picture_Num(2, 17), 5);
    EXPECT_EQ(e.Vent_Fon_Bits(1, 2), 1);

    for (int k = 0; k <= 15; ++k)
        EXPECT_EQ(e.Stranica_Num_Net(k), k % 3);
    EXPECT_EQ(e.Stranica_Name(0), QStringLiteral("Сторінка 1"));
    EXPECT_EQ(e.Stranica_Name(8), QString());
    EXPECT_EQ(s.T_Zapyt, 250);
    EXPECT_EQ(e.Rep_Arch_Signal, 3);
    EXPECT_EQ(e.Varning_Stranica, 2);
    EXPECT_EQ(e.Varning_Coord_Y, 200);
    EXPECT_EQ(e.Varning_Color_Fon, -1);
    EXPECT_EQ(e.Varning_Num_Block, 12);
    EXPECT_EQ(e.Mechanizm_Gif_Name(1), QStringLiteral("\\phase1.gif"));

    EXPECT_EQ(e.Text_Label_Used(0, 64), 1);
    EXPECT_EQ(e.Text_Label_Text(0, 64), QStringLiteral("Тиск, бар"));
    EXPECT_EQ(e.Text_Label_Font_Bold(0, 64), -1);
    EXPECT_EQ(e.Stranica_Fon_Color(7), 0xC0FFC0);
    EXPECT_EQ(e.Grafik_Used(1), 1);
    EXPECT_EQ(e.Grafik_Grup_Num(1), 7);
    EXPECT_EQ(e.Clock_Used(8), 1);
    EXPECT_EQ(e.Control_Key_Type(0, 5), 13);
    EXPECT_EQ(e.Control_Gif_Name(0, 5), QStringLiteral("\\stop.gif"));
    EXPECT_EQ(e.Menu_Caption(0, 1), QStringLiteral("Насоси"));
    EXPECT_EQ(e.Menu_Stranica(0, 1), 3);

    EXPECT_EQ(m.schema.Block_Type(2), type::RS4);
    EXPECT_EQ(m.schema.Block_Type(97), type::SCA);
    EXPECT_FLOAT_EQ(m.schema.Parametr_Value(0), 0.5f);
    EXPECT_FLOAT_EQ(m.schema.Parametr_Value(1), -0.25f);
    EXPECT_FLOAT_EQ(m.schema.Parametr_Value(4), 2500000.0f);
    EXPECT_EQ(m.schema.Rep_Block_Value, 17);
    EXPECT_EQ(m.schema.Rep_Block_Text(1), QStringLiteral("Звіт 1"));
    EXPECT_EQ(m.schema.Parametr_Name(47), QStringLiteral("235"));
    EXPECT_EQ(m.schema.Parametr_Name(48), QStringLiteral("Вхід 0"));
    EXPECT_EQ(r.rs4Texts, (QList<QPair<int, int>>{{0, 48}}));
    EXPECT_EQ(m.alg.ALGORITHM_Comment(282), QStringLiteral("Уставка 282"));
    EXPECT_EQ(m.alg.ALGORITHM_Comment(1408), QStringLiteral("Уставка 1408"));
    EXPECT_EQ(m.alg.Alg_Group_Flag(0, 0), 1);
    EXPECT_EQ(m.alg.Alg_Group_Flag(1, 127), 1);
    EXPECT_EQ(m.alg.Alg_Group_Flag(1, 126), 0);

    const WriteResult w = writeProjectFile(m);
    ASSERT_TRUE(w.ok);
    EXPECT_TRUE(w.bytes == bytes);
}

// --- The header ----------------------------------------------------------------

TEST(ProjectFileHeader, VersionAndPageCountFromTheFirstLine)
{
    struct Case {
        const char16_t *header;
        int prior; // version of the project open before
        int fileV, fileN;
        std::optional<int> version;
        int format, pages, statements;
    };
    const std::u16string h16(kHeader16), h8(kHeader8);
    const std::u16string six16 = u"6" + h16, six8 = u"6" + h8, two8 = u"2" + h8, four16 = u"4" + h16,
                         seven8 = u"7" + h8, twelve8 = u"12" + h8, lead3 = u"  3 " + h8;
    const Case cases[] = {
        {u"", 6, 0, 8, 0, 0, 8, 128},
        {six16.c_str(), 0, 6, 16, 6, 6, 16, 224},
        {six8.c_str(), 0, 6, 8, 6, 6, 8, 224},
        {two8.c_str(), 6, 0, 8, 0, 0, 8, 128},
        {four16.c_str(), 6, 3, 16, 3, 3, 16, 128},
        {seven8.c_str(), 5, 5, 8, std::nullopt, 5, 8, 128},
        {twelve8.c_str(), 3, 3, 8, std::nullopt, 3, 8, 128},
        {u"Проект на 16 сторінок", 6, 0, 16, 0, 0, 16, 128},
        {lead3.c_str(), 0, 3, 8, 3, 3, 8, 128},
        {u"1 x16x", 6, 1, 16, 1, 1, 16, 128},
    };
    for (const Case &c : cases) {
        const QString header = QString::fromUtf16(c.header);
        QList<QByteArray> lines = linesOf(fileOf(c.fileV, c.fileN));
        lines[0] = cp(header);
        ProjectModel m = startedModel();
        applyVersionItem(m, *versionItemByCode(c.prior));
        applyVersionCapacity(m, c.prior);
        const ReadResult r = readProjectFile(joined(lines), m, kDir);
        SCOPED_TRACE(header.toStdString());
        ASSERT_TRUE(r.ok) << r.reason.toStdString() << " at " << r.line;
        EXPECT_EQ(r.version, c.version);
        EXPECT_EQ(m.settings.Format_Version, c.format);
        EXPECT_EQ(m.settings.Stranica_Count, c.pages);
        EXPECT_EQ(m.settings.ALGORITHM_Statement_Max, c.statements);
        EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::ALG), m.settings.Alg_Name_Count);
    }
}

TEST(ProjectFileHeader, CapacityIsTheSmallOneForUnknownCodes)
{
    // A code of 7 keeps the version of the open project (6) but not its large
    // ALGORITHM capacity: the file is read with the sections of version 6 and
    // the counts of version 5.
    QList<QByteArray> lines = linesOf(fileOf(5, 8));
    lines[0] = cp(QStringLiteral("7") + QString::fromUtf16(kHeader8));
    ProjectModel m = startedModel(); // version 6
    const ReadResult r = readProjectFile(joined(lines), m, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    EXPECT_EQ(r.version, std::nullopt);
    EXPECT_EQ(m.settings.Format_Version, 6);
    EXPECT_EQ(m.settings.ALGORITHM_Statement_Max, 128);
    EXPECT_EQ(m.settings.Alg_Name_Count, 5248);
    EXPECT_EQ(m.settings.Comment_Count, 1408);
    EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::ALG), 5248);
}

// --- Older versions and short sections ----------------------------------------

TEST(ProjectFileVersions, VersionOneHasNoMechanismsAndNoComments)
{
    const QByteArray bytes = fileOf(1, 8);
    const QList<QByteArray> lines = linesOf(bytes);
    // After the last menu record (page 8, slot 8) comes the schema marker.
    const qsizetype lastMenu = lineIndex(lines, QStringLiteral("Сторінка SCADA  - 9Меню - 8"));
    ASSERT_GT(lastMenu, 0);
    EXPECT_EQ(lines[lastMenu + 6], cp(QString::fromUtf16(kSchemaMarker)));
    EXPECT_EQ(lineIndex(lines, QStringLiteral("Сторінка SCADA  - 1Вентилятор - 0")), -1);
    EXPECT_EQ(lineIndex(lines, QString::fromUtf16(kCommentsMarker)), -1);

    // The project-wide values of the reserve lines keep the open project's.
    ProjectModel m = startedModel();
    test::fillVariedProject(m, 6, 16);
    m.pages.Stranica_Name(3) = QStringLiteral("Стара");
    m.pages.Vent_Razmer_X(2, 5) = 33;
    const ReadResult r = readProjectFile(bytes, m, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    EXPECT_EQ(r.line, lines.size());
    EXPECT_EQ(m.pages.Stranica_Name(3), QStringLiteral("Стара"));
    EXPECT_EQ(m.pages.Rep_Arch_Signal, 7);
    EXPECT_EQ(m.settings.T_Zapyt, 250);
    EXPECT_EQ(m.pages.Mechanizm_Gif_Name(0), QStringLiteral("\\фаза0.gif"));
    // Opening clears the banner's page; a version-1 file does not set it again.
    EXPECT_EQ(m.pages.Varning_Stranica, 0);
    EXPECT_EQ(m.pages.Varning_Coord_X, 123);
    // No mechanism is placed; their other fields stay.
    for (int p = 0; p <= 8; ++p)
        for (int n = 0; n <= 32; ++n)
            ASSERT_EQ(m.pages.Vent_Used(p, n) + m.pages.Vent_Coord_X(p, n) + m.pages.Vent_Coord_Y(p, n), 0);
    EXPECT_EQ(m.pages.Vent_Razmer_X(2, 5), 33);
    // Pages above the file's count keep their tables.
    EXPECT_EQ(m.pages.Vent_Used(12, 2), (12 + 2) % 4 == 1 ? 1 : 0);
    EXPECT_EQ(m.pages.Parametr_Used(12, 1), (12 + 1) % 3 == 1 ? 1 : 0);
}

TEST(ProjectFileVersions, CommentsSectionIsWholeOrLeftOut)
{
    const QList<QByteArray> lines = linesOf(fileOf(3, 8));
    const qsizetype marker = lineIndex(lines, QString::fromUtf16(kCommentsMarker));
    ASSERT_GT(marker, 0);
    // A file that ends before the section is read whole; the comments and
    // flags keep what they held.
    ProjectModel m = startedModel();
    for (int i = 0; i <= 2464; ++i)
        m.alg.ALGORITHM_Comment(i) = QStringLiteral("старий");
    m.alg.Alg_Group_Flag(1, 5) = 9;
    const ReadResult r = readProjectFile(joined(lines.mid(0, marker)), m, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    EXPECT_EQ(m.alg.ALGORITHM_Comment(7), QStringLiteral("старий"));
    EXPECT_EQ(m.alg.Alg_Group_Flag(1, 5), 9);
    EXPECT_EQ(m.pages.Stranica_Name(0), QStringLiteral("Сторінка «1»"));

    // A section that begins but stops early: the marker alone, ten comments,
    // all comments and half the flags, all but the last flag.
    for (qsizetype keep : {marker + 1, marker + 11, marker + 1 + 1409 + 128, qsizetype(lines.size() - 1)}) {
        ProjectModel cut = startedModel();
        const ReadResult short_ = readProjectFile(joined(lines.mid(0, keep)), cut, kDir);
        EXPECT_FALSE(short_.ok) << keep;
        EXPECT_EQ(short_.line, keep) << "stops where the file ends";
    }
}

TEST(ProjectFileVersions, BareLineFeedsAndDecimalCommas)
{
    const QByteArray crlf = fileOf(5, 8);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    lf.replace(" .5 \n", " ,5 \n");
    ASSERT_NE(lf.indexOf(" ,5 \n"), -1);
    ProjectModel m = startedModel();
    const ReadResult r = readProjectFile(lf, m, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString() << " at " << r.line;
    const WriteResult w = writeProjectFile(m);
    EXPECT_TRUE(w.bytes == crlf);
}

// --- Writing -----------------------------------------------------------------------

TEST(ProjectFileWriting, TextsStayOnTheirLineAndNamesAreShort)
{
    ProjectModel m = startedModel();
    test::fillVariedProject(m, 6, 8);
    m.pages.Text_Label_Text(1, 2) = QStringLiteral("два\r\nрядки\nі\rще");
    m.alg.ALGORITHM_Comment(3) = QStringLiteral("a\nb");
    m.pages.Control_Gif_Name(0, 1) = QStringLiteral("C:\\Pics\\Start.gif");
    m.pages.Control_Gif_Name(0, 2) = QStringLiteral("/home/u/pics/stop.gif");
    m.pages.Control_Gif_Name(0, 3) = QStringLiteral("plain.gif");
    m.settings.Name_Schema = QStringLiteral("demo.net"); // no folder: an empty netlist line
    prepareForSave(m);
    EXPECT_EQ(m.pages.Control_Gif_Name(0, 1), QStringLiteral("\\Start.gif"));
    EXPECT_EQ(m.pages.Control_Gif_Name(0, 2), QStringLiteral("\\stop.gif"));
    EXPECT_EQ(m.pages.Control_Gif_Name(0, 3), QStringLiteral("plain.gif"));
    const WriteResult w = writeProjectFile(m);
    ASSERT_TRUE(w.ok);
    const QList<QByteArray> lines = linesOf(w.bytes);
    EXPECT_EQ(lines.size(), test::expectedLineCount(m));
    EXPECT_NE(lineIndex(lines, QStringLiteral("два рядки і ще")), -1);
    EXPECT_NE(lineIndex(lines, QStringLiteral("a b")), -1);
    EXPECT_EQ(lines[6], QByteArray());
}

TEST(ProjectFileWriting, ValuesThatDoNotFitTheirLineStopTheWrite)
{
    const std::function<void(ProjectModel &)> faults[] = {
        [](ProjectModel &m) { m.settings.Stranica_Count = 0; },
        [](ProjectModel &m) { m.settings.Format_Version = 2; },
        [](ProjectModel &m) { m.alg.Step_Offset(1, 7) = 40000; },
        [](ProjectModel &m) { m.schema.Parametr_Value(3) = std::numeric_limits<float>::infinity(); },
    };
    for (const auto &fault : faults) {
        ProjectModel m = startedModel();
        test::fillVariedProject(m, 6, 8);
        fault(m);
        const WriteResult w = writeProjectFile(m);
        EXPECT_FALSE(w.ok);
        EXPECT_FALSE(w.reason.isEmpty());
    }
}

// --- Files that cannot be read ---------------------------------------------------

TEST(ProjectFileBad, TruncatedFilesCannotBeRead)
{
    const QList<QByteArray> lines = linesOf(fileOf(5, 8));
    const qsizetype schema = lineIndex(lines, QString::fromUtf16(kSchemaMarker));
    const qsizetype names = lineIndex(lines, QString::fromUtf16(kNamesMarker));
    const qsizetype mech = lineIndex(lines, QStringLiteral("Сторінка SCADA  - 1Вентилятор - 0"));
    const qsizetype comments = lineIndex(lines, QString::fromUtf16(kCommentsMarker));
    ASSERT_GT(schema, 0);
    ASSERT_GT(mech, 0);
    const qsizetype cuts[] = {0,
                              1,
                              4,
                              7,
                              30,
                              5000,
                              mech + 3,
                              mech + 500,
                              schema + 1,
                              schema + 1010,
                              schema + 1104,
                              schema + 1130,
                              names + 2,
                              comments - 1,
                              comments + 1,
                              comments + 300};
    for (qsizetype cut : cuts) {
        ProjectModel m = startedModel();
        const ReadResult r = readProjectFile(joined(lines.mid(0, cut)), m, kDir);
        EXPECT_FALSE(r.ok) << "cut at " << cut;
        EXPECT_EQ(r.line, cut) << "stops where the file ends";
        EXPECT_FALSE(r.reason.isEmpty());
    }
}

TEST(ProjectFileBad, ValuesThatCannotBeTakenStopTheReading)
{
    struct Case {
        const char *what;
        std::function<void(QList<QByteArray> &)> damage;
    };
    const auto at = [](QList<QByteArray> &l, const QString &marker, int offset, const QByteArray &text) {
        const qsizetype i = lineIndex(l, marker);
        ASSERT_GE(i, 0);
        l[i + offset] = text;
    };
    const QString schema = QString::fromUtf16(kSchemaMarker);
    // clang-format off
    const Case cases[] = {
        {"type code 77", [&](auto &l) { at(l, schema, 1 + 1004 + 4, " 77 "); }},
        {"negative type", [&](auto &l) { at(l, schema, 1 + 1004 + 4, "-1 "); }},
        {"text for a number", [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 1Сигнал - 3"), 2, "abc"); }},
        {"empty number line", [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 1Рівень - 3"), 6, ""); }},
        {"number with a tail", [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 1Рівень - 3"), 6, " 5 x"); }},
        {"16-bit overflow", [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 2Блок - 1"), 1, " 70000 "); }},
        {"byte overflow", [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 2Сигнал - 1"), 8, " 256 "); }},
        {"settings number too large", [&](auto &l) { l[2] = " 99999 "; }},
        {"warning page 17", [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 1Вентилятор - 5"), 9, " 17 "); }},
        {"graph without a page",
         [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 1Графік - 0"), 1, " 1 "); }},
        {"clock without a page",
         [&](auto &l) { at(l, QStringLiteral("Сторінка SCADA  - 1Годинник - 0"), 1, " 1 "); }},
        {"menu page out of range", [&](auto &l) {
             at(l, QStringLiteral("Сторінка SCADA  - 1Меню - 2"), 1, " 1 ");
             at(l, QStringLiteral("Сторінка SCADA  - 1Меню - 2"), 5, " 16 ");
         }},
        {"button kind out of range", [&](auto &l) {
             at(l, QStringLiteral("Сторінка SCADA  - 3Керування - 4"), 1, " 1 ");
             at(l, QStringLiteral("Сторінка SCADA  - 3Керування - 4"), 9, " 20 ");
         }},
        {"mechanism picture out of range", [&](auto &l) {
             at(l, QStringLiteral("Сторінка SCADA  - 3Вентилятор - 4"), 1, " 1 ");
             at(l, QStringLiteral("Сторінка SCADA  - 3Вентилятор - 4"), 6, " 23 ");
         }},
    };
    // clang-format on
    const QList<QByteArray> good = linesOf(fileOf(5, 8));
    for (const Case &c : cases) {
        QList<QByteArray> lines = good;
        c.damage(lines);
        ProjectModel m = startedModel();
        const ReadResult r = readProjectFile(joined(lines), m, kDir);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_FALSE(r.reason.isEmpty()) << c.what;
        EXPECT_TRUE(unreadableMessage(r).contains(r.reason));
    }
}

// A line lost or added shifts every value after it; the markers after it are
// then not where the layout puts them, or lines are left after the end.
TEST(ProjectFileBad, ShiftedContentsAreRefused)
{
    const QList<QByteArray> good = linesOf(fileOf(6, 16));
    const QString algTexts = textsHeader(startedModel().catalogue, 5, type::ALG);
    const QString repTexts = textsHeader(startedModel().catalogue, 7, type::REP);
    const qsizetype alg = lineIndex(good, algTexts), rep = lineIndex(good, repTexts);
    const qsizetype signal = lineIndex(good, QStringLiteral("Сторінка SCADA  - 2Сигнал - 7"));
    const qsizetype target = lineIndex(good, QStringLiteral("Сторінка SCADA  - 2Блок - 7"));
    const qsizetype values = lineIndex(good, valuesHeader(startedModel().catalogue, 5, type::ALG));
    const qsizetype comments = lineIndex(good, QString::fromUtf16(kCommentsMarker));
    ASSERT_GT(alg, 0);
    ASSERT_GT(rep, alg);
    ASSERT_GT(signal, 0);
    ASSERT_GT(target, 0);
    ASSERT_GT(values, 0);
    const QString misplaced = QStringLiteral("рядок розмітки не на своєму місці");
    const QString trailing = QStringLiteral("після останнього розділу є зайві рядки");
    struct Case {
        const char *what;
        std::function<void(QList<QByteArray> &)> damage;
        qsizetype stopsAt; // the line (from 1) where reading stops
        QString reason;
    };
    // clang-format off
    const Case cases[] = {
        {"a line lost inside the ALGORITHM texts", [&](auto &l) { l.removeAt(alg + 100); }, rep + 1, misplaced},
        {"a line added to a transition record", [&](auto &l) { l.insert(target + 2, " 0 "); }, target + 7, misplaced},
        {"a record marker of another slot", [&](auto &l) { l[signal] = cp(QStringLiteral("Сторінка SCADA  - 2Сигнал - 8")); },
         signal + 1, misplaced},
        {"a value added to the numeric records", [&](auto &l) { l.insert(values - 2, " 1.5 "); }, values + 1, misplaced},
        {"a comment lost: a marker read as a comment", [&](auto &l) { l.removeAt(comments - 3); }, comments + 1, misplaced},
        {"a line after the last section", [&](auto &l) { l.append(" 0 "); }, good.size(), trailing},
        {"an empty line after the last section", [&](auto &l) { l.append(""); }, good.size(), trailing},
    };
    // clang-format on
    for (const Case &c : cases) {
        QList<QByteArray> lines = good;
        c.damage(lines);
        ProjectModel m = startedModel();
        const ReadResult r = readProjectFile(joined(lines), m, kDir);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.line, c.stopsAt) << c.what;
        EXPECT_TRUE(r.reason.startsWith(c.reason)) << c.what << ": " << r.reason.toStdString();
    }
    // Markers with blanks after them are still where they belong.
    QList<QByteArray> padded = good;
    padded[signal] += "  ";
    ProjectModel m = startedModel();
    EXPECT_TRUE(readProjectFile(joined(padded), m, kDir).ok);
}

TEST(ProjectFileBad, RandomBytesAndMutatedFilesNeverCrashTheReader)
{
    QRandomGenerator rng(20261210);
    for (int i = 0; i < 20; ++i) {
        QByteArray noise(static_cast<qsizetype>(rng.bounded(1, 200000)), '\0');
        for (char &c : noise)
            c = static_cast<char>(rng.bounded(256));
        ProjectModel m = startedModel();
        EXPECT_FALSE(readProjectFile(noise, m, kDir).ok);
    }
    // Small damage to a valid file: a line replaced, dropped or repeated, a byte
    // changed, the file cut. Whatever the reader decides, it decides without a
    // crash, and a file it accepts can be written again.
    const QList<QByteArray> good = linesOf(fileOf(5, 8));
    const QByteArray junk[] = {"", " 1e9 ", "-", ",", "Reserv", "\x98\xff", " 3.5 ", " 1,5E+2 ", "  -0  "};
    for (int i = 0; i < 40; ++i) {
        QList<QByteArray> lines = good;
        const int edits = rng.bounded(1, 4);
        for (int k = 0; k < edits; ++k) {
            const qsizetype at = rng.bounded(lines.size());
            switch (rng.bounded(4)) {
            case 0: lines[at] = junk[rng.bounded(static_cast<int>(std::size(junk)))]; break;
            case 1: lines.removeAt(at); break;
            case 2: lines.insert(at, lines[at]); break;
            default:
                if (!lines[at].isEmpty())
                    lines[at][rng.bounded(lines[at].size())] = static_cast<char>(rng.bounded(256));
                break;
            }
        }
        QByteArray bytes = joined(lines);
        if (rng.bounded(3) == 0)
            bytes.truncate(rng.bounded(bytes.size()));
        ProjectModel m = startedModel();
        const ReadResult r = readProjectFile(bytes, m, kDir);
        if (r.ok) {
            EXPECT_TRUE(writeProjectFile(m).ok);
        }
    }
}

// --- What opening keeps ----------------------------------------------------------

TEST(ProjectFileAdopt, PoolsStayExceptTheRs4TextsAndTheAlgorithmDataIsKept)
{
    const QByteArray bytes = fileOf(6, 16, [](ProjectModel &m) {
        // A second ALG block before the first: the file keeps one program, the last one's.
        m.schema.Block_Type(2) = type::ALG;
        m.schema.Parametr_Name(0) = QStringLiteral("first program");
    });
    ProjectModel live = startedModel();
    live.schema.Parametr_Value(0) = 77.0f;
    live.schema.Parametr_Name(20000) = QStringLiteral("old");
    ProjectModel staging = live;
    const ReadResult r = readProjectFile(bytes, staging, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    adoptProject(live, std::move(staging), r);

    EXPECT_EQ(live.settings.Stranica_Count, 16);
    EXPECT_EQ(live.pages.Stranica_Name(1), QStringLiteral("Сторінка «2»"));
    EXPECT_FLOAT_EQ(live.schema.Parametr_Value(0), 77.0f);
    EXPECT_EQ(live.schema.Parametr_Name(20000), QStringLiteral("old"));
    // The texts section runs: ALG(2) 9184 texts, RS4(3) 48 texts, ...
    ASSERT_EQ(r.rs4Texts.size(), 1);
    EXPECT_EQ(r.rs4Texts[0].first, 9184);
    EXPECT_EQ(r.rs4Texts[0].second, 48);
    const ProjectModel saved = [&] {
        ProjectModel m = startedModel();
        test::fillVariedProject(m, 6, 16);
        return m;
    }();
    EXPECT_EQ(live.schema.Parametr_Name(9184), saved.schema.Parametr_Name(9184));
    EXPECT_EQ(live.schema.Parametr_Name(9184 + 47), saved.schema.Parametr_Name(9184 + 47));
    // Record 0 holds the last ALG block's texts and set-points, as written.
    EXPECT_EQ(live.schema.ALGORITHM_Parametr(0, 0), saved.schema.Parametr_Name(9184 + 48));
    EXPECT_NE(live.schema.ALGORITHM_Parametr(0, 0), QStringLiteral("first program"));
    EXPECT_FALSE(live.schema.ALGORITHM_Block_Line(0, 1).isEmpty());
    EXPECT_TRUE(live.schema.ALGORITHM_Block_Line(0, 1).startsWith(u' ') ||
                live.schema.ALGORITHM_Block_Line(0, 1).startsWith(u'-'));
    EXPECT_EQ(live.schema.Rep_Block_Value, 17);
    EXPECT_EQ(live.alg.Alg_Size, 9000);
    EXPECT_EQ(live.alg.Step_Offset(1, 500), 18 + 500 % 7);
    EXPECT_EQ(live.alg.ALGORITHM_Comment(2463), QStringLiteral("Коментар 2463"));
}

TEST(ProjectFileSettings, AnEmptyNetlistLineNamesNoNetlistAndIsWrittenBackEmpty)
{
    // A project whose netlist path holds no folder writes an empty netlist line.
    const QByteArray bytes = fileOf(6, 8, [](ProjectModel &m) { m.settings.Name_Schema = kNoSchema; });
    ASSERT_EQ(linesOf(bytes)[6], QByteArray());
    ProjectModel m = startedModel();
    m.settings.Name_Schema = QStringLiteral("/projects/k1/old.net");
    const ReadResult r = readProjectFile(bytes, m, kDir);
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    EXPECT_EQ(m.settings.Name_Schema, kNoSchema);
    const WriteResult w = writeProjectFile(m);
    ASSERT_TRUE(w.ok);
    EXPECT_TRUE(w.bytes == bytes);
    // Such a project has no netlist to copy next to the project file.
    EXPECT_FALSE(copyProjectFiles(m, QStringLiteral("/nonexistent/pelmora")).failed.contains(kNoSchema));
    // A named netlist is looked up in the folder.
    QList<QByteArray> named = linesOf(bytes);
    named[6] = "\\plant.net";
    ASSERT_TRUE(readProjectFile(joined(named), m, kDir).ok);
    EXPECT_EQ(m.settings.Name_Schema, kDir + QStringLiteral("/plant.net"));
}

TEST(ProjectFileSettings, TcpLinkKindsSetTheServerFlag)
{
    // clang-format off
    struct Case { int kind; int before; int after; };
    // clang-format on
    for (const Case c : {Case{1, 1, 1}, Case{9, 1, 0}, Case{10, 0, 1}, Case{8, 0, 0}}) {
        const QByteArray bytes =
            fileOf(3, 8, [&](ProjectModel &m) { m.settings.Num_COM_Link = static_cast<std::int16_t>(c.kind); });
        ProjectModel m = startedModel();
        m.settings.TCP_Server = static_cast<std::int16_t>(c.before);
        ASSERT_TRUE(readProjectFile(bytes, m, kDir).ok);
        EXPECT_EQ(m.settings.Num_COM_Link, c.kind);
        EXPECT_EQ(m.settings.TCP_Server, c.after) << c.kind;
    }
}
