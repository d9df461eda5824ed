// Reading netlist files into fields and NetList_Line.

#include "core/cp1251.h"
#include "project/startup.h"
#include "schema/netlist_reader.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

// The fields after the start marker, as the reading stores them.
QStringList fieldsOf(const QByteArray &bytes, int *count = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList out;
    const int n = readNetlistFields(buffer, [&](int k, const QString &f) {
        EXPECT_EQ(k, out.size() + 1);
        out << f;
        return true;
    });
    if (count)
        *count = n;
    return out;
}

struct FieldCase {
    const char *what;
    QByteArray body; // after the marker line; a final ")" line is added
    QStringList fields;
};

TEST(NetlistFields, FieldRules)
{
    // clang-format off
    const FieldCase cases[] = {
        {"leading blanks dropped, quotes inside an unquoted field kept", "   (node \"U1\" \"9\")\r\n",
         {"(node \"U1\" \"9\")"}},
        {"trailing blanks dropped", "(node \"U1\" \"9\")   \t\r\n", {"(node \"U1\" \"9\")"}},
        {"bare LF line ends", "a\nb\n", {"a", "b"}},
        {"bare CR line ends", "a\rb\r", {"a", "b"}},
        {"an empty line is an empty field", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a comma splits a line, also inside quotes", "(attr \"N\" \"a, b\")\r\nnext\r\n",
         {"(attr \"N\" \"a", "b\")", "next"}},
        {"a field starting with a quote runs to the next quote", "  \"a,b\"\r\n", {"a,b"}},
        {"text after the closing quote is dropped up to the comma", "\"ab\"cd,ef\r\n", {"ab", "ef"}},
        {"a quoted field may span lines", "\"a\r\nb\"\r\nc\r\n", {"a\r\nb", "c"}},
        {"Windows-1251 text", "(attr \"\xD2\xE8\xEF\" \"\xD2\xD5\xCA\")\r\n", {u"(attr \"Тип\" \"ТХК\")"_qs}},
    };
    // clang-format on
    for (const auto &c : cases) {
        const QStringList got = fieldsOf("(netlist \"x\"\r\n" + c.body + ")\r\n");
        EXPECT_EQ(got, c.fields) << c.what;
    }
}

TEST(NetlistFields, CountsAndMarker)
{
    struct Case {
        const char *what;
        QByteArray file;
        int count;
        QStringList fields;
    };
    // clang-format off
    const Case cases[] = {
        {"no start marker", "header\r\n(net \"N1\"\r\n)\r\n", 0, {}},
        {"empty file", "", 0, {}},
        {"only the closing line after the marker", "(netlist \"a\"\r\n)\r\n", 1, {}},
        {"the marker is the file's last field", "(netlist \"a\"", 1, {}},
        {"lines before the marker dropped, the last field never stored",
         "header (x)\r\n(stuff)\r\n(netlist \"a\"\r\none\r\ntwo\r\n)\r\n", 3, {"one", "two"}},
        {"without a final line end the last field is still not stored", "(netlist \"a\"\r\none\r\n)", 2, {"one"}},
        {"blank lines at the end: the last empty field is not stored", "(netlist \"a\"\r\none\r\n)\r\n\r\n", 3,
         {"one", ")"}},
        {"only the first nine characters are tested", "(netlist)\r\n(netlist \"b\"\r\nx\r\n)\r\n", 2, {"x"}},
    };
    // clang-format on
    for (const auto &c : cases) {
        int count = -1;
        const QStringList got = fieldsOf(c.file, &count);
        EXPECT_EQ(count, c.count) << c.what;
        EXPECT_EQ(got, c.fields) << c.what;
    }
}

TEST(NetlistFields, StoreRefusalEndsTheReading)
{
    QBuffer buffer;
    buffer.setData("(netlist \"a\"\r\n1\r\n2\r\n3\r\n4\r\n)\r\n");
    buffer.open(QIODevice::ReadOnly);
    QStringList got;
    const int count = readNetlistFields(buffer, [&](int n, const QString &f) {
        if (n > 2)
            return false;
        got << f;
        return true;
    });
    EXPECT_EQ(count, 3);
    EXPECT_EQ(got, (QStringList{"1", "2"}));
}

TEST(NetlistLines, ClearsTheTableExceptItsLastEntry)
{
    ProjectModel m;
    for (int i = 1; i <= 10000; ++i)
        m.schema.NetList_Line(i) = QStringLiteral("old");
    const int count = readNetlist(m, QByteArray("(netlist \"a\"\r\nx\r\n)\r\n"));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(m.schema.NetList_Line(1), QStringLiteral("x"));
    EXPECT_EQ(m.schema.NetList_Line(2), QString());
    EXPECT_EQ(m.schema.NetList_Line(9999), QString());
    EXPECT_EQ(m.schema.NetList_Line(10000), QStringLiteral("old"));
}

TEST(NetlistLines, TooManyFieldsGiveTheCount10001)
{
    ProjectModel m;
    QByteArray file = "(netlist \"a\"\r\n";
    for (int i = 1; i <= 10005; ++i)
        file += "f" + QByteArray::number(i) + "\r\n";
    file += ")\r\n";
    EXPECT_EQ(readNetlist(m, file), 10001);
    EXPECT_EQ(m.schema.NetList_Line(10000), QStringLiteral("f10000"));
}

TEST(NetlistLines, ExactlyFullTable)
{
    ProjectModel m;
    QByteArray file = "(netlist \"a\"\r\n";
    for (int i = 1; i <= 10000; ++i)
        file += "f" + QByteArray::number(i) + "\r\n";
    file += ")\r\n";
    EXPECT_EQ(readNetlist(m, file), 10001);
    EXPECT_EQ(m.schema.NetList_Line(10000), QStringLiteral("f10000"));
}

TEST(NetlistFile, OpenFailureChangesNothing)
{
    ProjectModel m;
    m.schema.NetList_Line(1) = QStringLiteral("kept");
    const auto r = readNetlistFile(m, QStringLiteral("/nonexistent/dir/x.net"));
    EXPECT_FALSE(r.opened);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(m.schema.NetList_Line(1), QStringLiteral("kept"));
}

TEST(NetlistFile, ReadsAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.net"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("(netlist \"a\"\r\n(compInst \"U1\"\r\n)\r\n)\r\n");
    f.close();
    ProjectModel m;
    const auto r = readNetlistFile(m, path);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(m.schema.NetList_Line(1), QStringLiteral("(compInst \"U1\""));
    EXPECT_EQ(m.schema.NetList_Line(2), QStringLiteral(")"));
}

} // namespace
} // namespace pelmora

namespace pelmora {
namespace {

// Fields of every form, many times over, so that they meet the reader's
// buffer boundaries at every position.
TEST(NetlistFields, FieldsAcrossBufferBoundaries)
{
    QByteArray file = "(netlist \"a\"\r\n";
    QStringList expected;
    for (int k = 0; k < 30000; ++k) {
        const QByteArray pad(k % 13, 'x');
        switch (k % 4) {
        case 0:
            file += "  f" + QByteArray::number(k) + pad + "  \r\n";
            expected << u"f"_qs + QString::number(k) + QString::fromLatin1(pad);
            break;
        case 1:
            file += "\"q," + QByteArray::number(k) + "\" tail\n";
            expected << u"q,"_qs + QString::number(k);
            break;
        case 2:
            file += "a" + pad + ",b" + QByteArray::number(k) + "\r";
            expected << u"a"_qs + QString::fromLatin1(pad) << u"b"_qs + QString::number(k);
            break;
        default:
            file += "\r\n";
            expected << QString();
            break;
        }
    }
    file += ")\r\n";
    EXPECT_EQ(fieldsOf(file), expected);
}

} // namespace
} // namespace pelmora
