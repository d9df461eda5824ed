// Writing a project and reading it back: for every format version and page
// count, the file read into a fresh model writes back byte for byte, and its
// length follows the section table.

#include "core/cp1251.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "support/project_fixture.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::projectfile;

namespace {

struct Combination {
    int version;
    int pages;
};

class RoundTrip : public ::testing::TestWithParam<Combination> {};

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TEST_P(RoundTrip, WritesBackByteForByteAndHasTheSectionTableLength)
{
    const auto [version, pages] = GetParam();
    ProjectModel saved;
    startUpModel(saved);
    test::fillVariedProject(saved, version, pages);
    prepareForSave(saved);
    const WriteResult first = writeProjectFile(saved);
    ASSERT_TRUE(first.ok) << first.reason.toStdString();

    ProjectModel fresh;
    startUpModel(fresh);
    const ReadResult read = readProjectFile(first.bytes, fresh, QStringLiteral("/projects/k2"));
    ASSERT_TRUE(read.ok) << read.reason.toStdString() << " at line " << read.line;
    EXPECT_EQ(read.version, std::optional<int>(version));
    EXPECT_EQ(fresh.settings.Stranica_Count, pages);

    const WriteResult second = writeProjectFile(fresh);
    ASSERT_TRUE(second.ok);
    EXPECT_TRUE(first.bytes == second.bytes);

    const QList<QByteArray> lines = linesOf(first.bytes);
    EXPECT_EQ(lines.size(), test::expectedLineCount(saved));
    EXPECT_EQ(read.line, lines.size()) << "the reader consumed every line";
    // Every line ends with CR LF, the last one included.
    EXPECT_TRUE(first.bytes.endsWith("\r\n"));
    for (const QByteArray &l : lines)
        ASSERT_TRUE(l.endsWith('\r'));
}

INSTANTIATE_TEST_SUITE_P(AllVersionsAndPageCounts, RoundTrip,
                         ::testing::Values(Combination{0, 8}, Combination{0, 16}, Combination{1, 8}, Combination{1, 16},
                                           Combination{3, 8}, Combination{3, 16}, Combination{5, 8}, Combination{5, 16},
                                           Combination{6, 8}, Combination{6, 16}),
                         [](const auto &info) {
                             return "V" + std::to_string(info.param.version) + "_N" + std::to_string(info.param.pages);
                         });

// Byte 0x98, which Windows-1251 leaves undefined, in the texts a file carries
// (a page name, a menu caption, a static text and its font name) reads and
// writes back as the same byte: opening and saving never changes the file.
TEST(RoundTripBytes, TheUndefinedByteOfTheCodePageStaysInEveryText)
{
    ProjectModel saved;
    startUpModel(saved);
    test::fillVariedProject(saved, 6, 16);
    saved.pages.Stranica_Name(2) = QStringLiteral("PAGENAME");
    saved.pages.Text_Label_Text(1, 3) = QStringLiteral("TEXTCAPTION");
    saved.pages.Text_Label_Font_Name(1, 3) = QStringLiteral("FONTNAME");
    saved.pages.Menu_Caption(0, 2) = QStringLiteral("MENUCAPTION");
    prepareForSave(saved);
    QByteArray bytes = writeProjectFile(saved).bytes;
    for (const char *marker : {"PAGENAME", "TEXTCAPTION", "FONTNAME", "MENUCAPTION"}) {
        const qsizetype at = bytes.indexOf(marker);
        ASSERT_GE(at, 0) << marker;
        bytes[at + 1] = '\x98';
    }

    ProjectModel fresh;
    startUpModel(fresh);
    const ReadResult read = readProjectFile(bytes, fresh, QStringLiteral("/projects/k2"));
    ASSERT_TRUE(read.ok) << read.reason.toStdString() << " at line " << read.line;
    EXPECT_EQ(fresh.pages.Stranica_Name(2), QStringLiteral("P\u0098GENAME"));
    const WriteResult again = writeProjectFile(fresh);
    ASSERT_TRUE(again.ok);
    EXPECT_TRUE(again.bytes == bytes);
}
