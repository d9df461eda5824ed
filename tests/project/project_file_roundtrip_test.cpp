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
