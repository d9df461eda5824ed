#include "monitors/trend_file.h"

#include "support/fake_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelmora {
namespace {

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.last().isEmpty()); // the last line ends with its break too
    lines.removeLast();
    for (QByteArray &l : lines) {
        EXPECT_TRUE(l.endsWith('\r'));
        l.chop(1);
    }
    return lines;
}

// Tables with a distinct value in every place a file carries. Samples have one
// decimal place, so they survive the rounding of the reader.
MonitorTables distinctTables()
{
    MonitorTables m;
    m.Grafik_Num_Net = 3;
    m.Grafik_COM = 5;
    m.Grafik_Cikl = 1;
    for (int c = 0; c <= 45; ++c) {
        m.Grafik_Color(c) = 0x010203 * (c + 1);
        m.Grafik_Max(c) = 100.5f + static_cast<float>(c);
        m.Grafik_Min(c) = -0.25f * static_cast<float>(c);
        m.Grafik_Name_IO(c) = QStringLiteral("вхід_%1").arg(c);
        for (int s = 0; s <= 5000; ++s)
            m.Grafik_Data(s, c) = static_cast<float>((s * 7 + c * 13) % 2001 - 1000) / 10.0f;
    }
    for (int e = 0; e <= 23; ++e)
        m.Grafik_Name(e) = QStringLiteral("канал%1").arg(e);
    return m;
}

TEST(TrendFile, FortySixChannelLayoutPlacesEveryValueAndReadsBackTheSame)
{
    const MonitorTables m = distinctTables();
    const QByteArray bytes = writeTrendFile(m, 0x123456, TrendLayout::Channels46);
    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 230234);
    EXPECT_EQ(lines[0], " 3 ");
    EXPECT_EQ(lines[1], " 5 ");
    EXPECT_EQ(lines[2], " 1193046 ");
    EXPECT_EQ(lines[3], " 1 ");
    // Record i (line 5 + 4i): colour, maximum, minimum, name entry i.
    EXPECT_EQ(lines[4 + 4 * 2], " 198153 ");
    EXPECT_EQ(lines[4 + 4 * 2 + 1], " 102.5 ");
    EXPECT_EQ(lines[4 + 4 * 2 + 2], "-.5 ");
    EXPECT_EQ(lines[4 + 4 * 45 + 3], QByteArray("\xe2\xf5\xb3\xe4_45")); // Windows-1251
    // Sample s of channel c is line 189 + 5001c + s.
    EXPECT_EQ(lines[188 + 5001 * 2 + 10], QByteArray("-90.4 "));
    EXPECT_EQ(lines[188 + 5001 * 45 + 5000], QByteArray(" 56.8 "));

    MonitorTables back;
    back.Grafik_Data(5050, 3) = 7.0f; // samples beyond 5000 are not in the file and stay
    std::int32_t background = 0;
    ASSERT_FALSE(readTrendFile(bytes, TrendLayout::Channels46, back, background));
    EXPECT_EQ(background, 0x123456);
    EXPECT_EQ(back.Grafik_Data(5050, 3), 7.0f);
    back.Grafik_Data(5050, 3) = 0.0f;
    back.Grafik_Name = m.Grafik_Name; // not in this layout
    EXPECT_TRUE(back == m);
}

TEST(TrendFile, TwentyTwoChannelLayoutPlacesEveryValueAndReadsBackTheSame)
{
    const MonitorTables m = distinctTables();
    const QByteArray bytes = writeTrendFile(m, 255, TrendLayout::Channels22);
    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 110113);
    EXPECT_EQ(lines[2], " 255 ");
    // Channel c starts at line 4 + 3(c - 1): colour, maximum, minimum.
    EXPECT_EQ(lines[3], " 132102 ");             // channel 1
    EXPECT_EQ(lines[3 + 3 * 21 + 1], " 122.5 "); // maximum of channel 22
    // Sample s of channel c is line 70 + 5001(c - 1) + s.
    EXPECT_EQ(lines[69], QByteArray("-98.7 "));                    // channel 1, sample 0
    EXPECT_EQ(lines[69 + 5001 * 21 + 4999], QByteArray(" 26.2 ")); // channel 22, sample 4999
    EXPECT_EQ(lines[110091], QByteArray("\xea\xe0\xed\xe0\xeb"
                                        "0"));
    EXPECT_EQ(lines[110112], QByteArray("\xea\xe0\xed\xe0\xeb"
                                        "21"));

    MonitorTables back;
    std::int32_t background = 0;
    ASSERT_FALSE(readTrendFile(bytes, TrendLayout::Channels22, back, background));
    EXPECT_EQ(background, 255);
    EXPECT_EQ(back.Grafik_Num_Net, 3);
    EXPECT_EQ(back.Grafik_COM, 5);
    for (int c = 1; c <= 22; ++c) {
        EXPECT_EQ(back.Grafik_Color(c), m.Grafik_Color(c));
        EXPECT_EQ(back.Grafik_Max(c), m.Grafik_Max(c));
        EXPECT_EQ(back.Grafik_Min(c), m.Grafik_Min(c));
        for (int s = 0; s <= 5000; ++s)
            ASSERT_EQ(back.Grafik_Data(s, c), m.Grafik_Data(s, c)) << s << "," << c;
    }
    for (int e = 0; e <= 21; ++e)
        EXPECT_EQ(back.Grafik_Name(e), m.Grafik_Name(e));
    EXPECT_EQ(back.Grafik_Color(0), 0); // channel 0 and 23.. are not in this layout
    EXPECT_EQ(back.Grafik_Data(0, 23), 0.0f);
}

// Byte 0x98, which Windows-1251 leaves undefined, in a channel name of either
// layout reads and writes back as the same byte.
TEST(TrendFile, TheUndefinedByteOfTheCodePageInANameWritesBackUnchanged)
{
    MonitorTables m = distinctTables();
    m.Grafik_Name_IO(7) = QStringLiteral("NAMEIO");
    m.Grafik_Name(4) = QStringLiteral("NAME22");
    for (const TrendLayout layout : {TrendLayout::Channels46, TrendLayout::Channels22}) {
        QByteArray bytes = writeTrendFile(m, 77, layout);
        const qsizetype at = bytes.indexOf(layout == TrendLayout::Channels46 ? "NAMEIO" : "NAME22");
        ASSERT_GE(at, 0);
        bytes[at + 2] = '\x98';
        MonitorTables back;
        std::int32_t background = 0;
        ASSERT_FALSE(readTrendFile(bytes, layout, back, background));
        EXPECT_TRUE(writeTrendFile(back, background, layout) == bytes);
    }
}

// One 46-channel file with line `line` (1-based) replaced by `text`.
QByteArray withLine46(int line, const QByteArray &text)
{
    QList<QByteArray> lines = linesOf(writeTrendFile(MonitorTables{}, 0, TrendLayout::Channels46));
    lines[line - 1] = text;
    return lines.join("\r\n") + "\r\n";
}

QByteArray withLine22(int line, const QByteArray &text)
{
    QList<QByteArray> lines = linesOf(writeTrendFile(MonitorTables{}, 0, TrendLayout::Channels22));
    lines[line - 1] = text;
    return lines.join("\r\n") + "\r\n";
}

TEST(TrendFile, NumberTextsAndTheOneDecimalRoundingOfSamples)
{
    const struct {
        float sample;
        const char *text; // the line as written
        float readBack;
        // clang-format off
    } cases[] = {
        {12.34f, " 12.34 ", 12.3f},   {0.5f, " .5 ", 0.5f},     {-12.25f, "-12.25 ", -12.2f},
        {0.25f, " .25 ", 0.2f},       {0.75f, " .75 ", 0.8f},   {0.0f, " 0 ", 0.0f},
        {123456789.0f, " 1.234568E+08 ", 123456800.0f},         {1.2345678f, " 1.234568 ", 1.2f},
    };
    // clang-format on
    for (const auto &c : cases) {
        MonitorTables m;
        m.Grafik_Data(7, 3) = c.sample;
        const QByteArray bytes = writeTrendFile(m, 0, TrendLayout::Channels46);
        EXPECT_EQ(linesOf(bytes)[188 + 5001 * 3 + 7], QByteArray(c.text)) << c.text;
        MonitorTables back;
        std::int32_t background = 0;
        ASSERT_FALSE(readTrendFile(bytes, TrendLayout::Channels46, back, background)) << c.text;
        EXPECT_FLOAT_EQ(back.Grafik_Data(7, 3), c.readBack) << c.text;
    }
}

TEST(TrendFile, InfiniteAndUndefinedSamplesReadBackAsWritten)
{
    MonitorTables m;
    m.Grafik_Data(0, 40) = std::numeric_limits<float>::infinity();
    m.Grafik_Data(1, 40) = -std::numeric_limits<float>::infinity();
    m.Grafik_Data(2, 40) = std::numeric_limits<float>::quiet_NaN();
    m.Grafik_Max(40) = std::numeric_limits<float>::infinity();
    for (TrendLayout layout : {TrendLayout::Channels22, TrendLayout::Channels46}) {
        MonitorTables back;
        std::int32_t background = 0;
        ASSERT_FALSE(readTrendFile(writeTrendFile(m, 0, layout), layout, back, background));
        if (layout == TrendLayout::Channels22)
            continue; // channel 40 is not in this layout; the file must still read
        EXPECT_EQ(back.Grafik_Data(0, 40), std::numeric_limits<float>::infinity());
        EXPECT_EQ(back.Grafik_Data(1, 40), -std::numeric_limits<float>::infinity());
        EXPECT_TRUE(std::isnan(back.Grafik_Data(2, 40)));
        EXPECT_EQ(back.Grafik_Max(40), std::numeric_limits<float>::infinity());
    }
}

TEST(TrendFile, AddressAndPortOfTheTwentyTwoChannelFileSelectAListEntry)
{
    const struct {
        QByteArray line;
        int value; // the address or port taken, 0 when the file is refused
    } cases[] = {
        {" 1 ", 1}, {" 8 ", 8}, {" 0 ", 2}, {" 9 ", 0}, {" 200 ", 0}, {"-3 ", 0}, // a byte has no sign
    };
    for (const auto &c : cases) {
        for (int line : {1, 2}) {
            MonitorTables m;
            std::int32_t background = 0;
            const auto bad = readTrendFile(withLine22(line, c.line), TrendLayout::Channels22, m, background);
            const int taken = line == 1 ? m.Grafik_Num_Net : m.Grafik_COM;
            if (c.value == 0) {
                ASSERT_TRUE(bad) << c.line.constData();
                EXPECT_EQ(bad->line, line);
            } else {
                EXPECT_FALSE(bad) << c.line.constData();
                EXPECT_EQ(taken, c.value) << c.line.constData();
            }
        }
    }
    // The 46-channel file takes the values as they are; a period of 5 stays 5.
    MonitorTables m;
    std::int32_t background = 0;
    ASSERT_FALSE(readTrendFile(withLine46(4, " 5 "), TrendLayout::Channels46, m, background));
    EXPECT_EQ(m.Grafik_Cikl, 5);
    ASSERT_FALSE(readTrendFile(withLine46(2, " 0 "), TrendLayout::Channels46, m, background));
    EXPECT_EQ(m.Grafik_COM, 0);
}

TEST(TrendFile, ABadFileIsRefusedAndChangesNothing)
{
    const QByteArray good46 = writeTrendFile(MonitorTables{}, 0, TrendLayout::Channels46);
    const QByteArray good22 = writeTrendFile(MonitorTables{}, 0, TrendLayout::Channels22);
    const struct {
        const char *what;
        QByteArray bytes;
        TrendLayout layout;
        int line; // of the fault, 0 for the file as a whole
    } cases[] = {
        {"empty", QByteArray(), TrendLayout::Channels46, 0},
        {"other layout", good22, TrendLayout::Channels46, 0},
        {"other layout 22", good46, TrendLayout::Channels22, 0},
        {"cut short", good46.left(good46.size() / 2), TrendLayout::Channels46, 0},
        {"one line more", good46 + " 1 \r\n", TrendLayout::Channels46, 0},
        {"text for a sample", withLine46(189 + 5001 * 45 + 5000, "abc"), TrendLayout::Channels46, 230234},
        {"blank sample", withLine46(300, ""), TrendLayout::Channels46, 300},
        {"number then text", withLine46(1, " 1x "), TrendLayout::Channels46, 1},
        {"address above a byte", withLine46(1, " 256 "), TrendLayout::Channels46, 1},
        {"period beyond 16 bits", withLine46(4, " 40000 "), TrendLayout::Channels46, 4},
        {"colour beyond 32 bits", withLine46(5, " 4294967296 "), TrendLayout::Channels46, 5},
        {"maximum beyond single", withLine46(6, " 1E+300 "), TrendLayout::Channels46, 6},
        {"two signs", withLine46(7, "--5"), TrendLayout::Channels46, 7},
        {"infinite colour", withLine46(9, "Inf"), TrendLayout::Channels46, 9},
        {"text for a colour", withLine22(4, "red"), TrendLayout::Channels22, 4},
    };
    for (const auto &c : cases) {
        MonitorTables m = distinctTables();
        const MonitorTables before = m;
        std::int32_t background = 77;
        const auto bad = readTrendFile(c.bytes, c.layout, m, background);
        ASSERT_TRUE(bad) << c.what;
        EXPECT_EQ(bad->line, c.line) << c.what;
        EXPECT_FALSE(bad->reason.isEmpty()) << c.what;
        EXPECT_TRUE(m == before) << c.what;
        EXPECT_EQ(background, 77) << c.what;
    }
}

class TrendFileMenus : public test::WithFakes {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    static QByteArray contents(const QString &p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(TrendFileMenus, SaveAsksOnANewNameOnlyAndNoWritesNothing)
{
    MonitorTables m = distinctTables();
    const QString file = path("a.grf");

    // The first save of a run asks even under the project's own name; No writes nothing.
    ui().savePaths = {file};
    ui().answers = {MsgAnswer::No};
    EXPECT_FALSE(saveTrendFileAs(m, 5, TrendLayout::Channels46, file));
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Ім'я проекта не співпадає! Зберегти проект?"));
    EXPECT_EQ(ui().messages[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(m.Grafik_File_Name.isEmpty());
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("Grafik file|*.grf"));
    EXPECT_EQ(ui().fileRequests[0].defaultName, file);

    ui().reset();
    ui().savePaths = {file};
    ui().answers = {MsgAnswer::Yes};
    EXPECT_TRUE(saveTrendFileAs(m, 5, TrendLayout::Channels46, QStringLiteral("proj")));
    EXPECT_EQ(m.Grafik_File_Name, file);
    EXPECT_EQ(contents(file), writeTrendFile(m, 5, TrendLayout::Channels46));

    // The same name again: written without a question.
    ui().reset();
    m.Grafik_Data(0, 1) = 42.0f;
    ui().savePaths = {file};
    EXPECT_TRUE(saveTrendFileAs(m, 5, TrendLayout::Channels22, QStringLiteral("proj")));
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(contents(file), writeTrendFile(m, 5, TrendLayout::Channels22));

    // A cancelled dialog or an empty name: nothing at all.
    for (std::optional<QString> cancel : {std::optional<QString>(), std::optional<QString>(QString())}) {
        ui().reset();
        ui().savePaths = {cancel};
        EXPECT_FALSE(saveTrendFileAs(m, 5, TrendLayout::Channels46, QStringLiteral("proj")));
        EXPECT_TRUE(ui().messages.empty());
    }
}

TEST_F(TrendFileMenus, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    for (TrendLayout layout : {TrendLayout::Channels22, TrendLayout::Channels46}) {
        ui().reset();
        MonitorTables m;
        const QString bad = path("no-such-folder/x.grf");
        m.Grafik_File_Name = bad;
        ui().savePaths = {bad};
        EXPECT_FALSE(saveTrendFileAs(m, 0, layout, QString()));
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка запису файла!!!"));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    }
    // An existing file stays whole when its replacement cannot be written.
    const QString file = path("keep.grf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool canStillWrite = QFile(path("probe")).open(QIODevice::WriteOnly); // running as root
    ui().reset();
    MonitorTables m;
    m.Grafik_File_Name = file;
    ui().savePaths = {file};
    const bool saved = saveTrendFileAs(m, 0, TrendLayout::Channels46, QString());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!canStillWrite) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(contents(file), QByteArray("old"));
    }
}

TEST_F(TrendFileMenus, OpenTakesAGoodFileAndRefusesABadOneWithAMessage)
{
    const MonitorTables source = distinctTables();
    const QString good = path("good.grf");
    ASSERT_TRUE(saveFileSafely(good, writeTrendFile(source, 99, TrendLayout::Channels46)).isEmpty());
    const QString wrong = path("wrong.grf");
    ASSERT_TRUE(saveFileSafely(wrong, writeTrendFile(source, 99, TrendLayout::Channels22)).isEmpty());

    MonitorTables m;
    std::int32_t background = 0;
    ui().openPaths = {std::nullopt};
    EXPECT_EQ(openTrendFile(m, background, TrendLayout::Channels46), TrendOpenResult::Cancelled);
    EXPECT_TRUE(ui().messages.empty());

    ui().openPaths = {wrong};
    EXPECT_EQ(openTrendFile(m, background, TrendLayout::Channels46), TrendOpenResult::Refused);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(ui().messages[0].text.startsWith(QStringLiteral("Помилка читання файла!!!")));
    EXPECT_TRUE(ui().messages[0].text.contains(wrong));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(m == MonitorTables{});

    ui().reset();
    ui().openPaths = {path("missing.grf")};
    EXPECT_EQ(openTrendFile(m, background, TrendLayout::Channels46), TrendOpenResult::Refused);
    EXPECT_EQ(ui().messages.size(), 1u);

    ui().reset();
    ui().openPaths = {good};
    EXPECT_EQ(openTrendFile(m, background, TrendLayout::Channels46), TrendOpenResult::Opened);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(background, 99);
    EXPECT_EQ(m.Grafik_Name_IO(0), source.Grafik_Name_IO(0));
    EXPECT_EQ(m.Grafik_Data(5000, 45), source.Grafik_Data(5000, 45));
}

} // namespace
} // namespace pelmora
