// The graph window dialog's core: the size corrections and their messages.

#include "element_fixture.h"

#include "elements/graph_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

TEST(GraphDialog, SizesAreHeldToTheirLimitsWithAMessageEach)
{
    // clang-format off
    struct Case { const char *w, *h; int storedW, storedH; std::vector<const char *> messages; const char *boxW, *boxH; };
    const Case cases[] = {
        {"100", "200", 120, 150, {"Ширина менше 120", "Висота більше 150"}, "120", "150"},
        {"-130", "100", 130, 100, {}, "-130", "100"},
        {"300", "10", 240, 60, {"Висота менше 60", "Ширина більше 240"}, "240", "60"},
        {"120", "60", 120, 60, {}, "120", "60"},
        {"abc", "151", 120, 150, {"Ширина менше 120", "Висота більше 150"}, "120", "150"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.w << " x " << c.h);
        ProjectModel m;
        startUpModel(m);
        GraphFields f = prefillGraph(m, 3, {10, 20, 160, 100}).fields;
        f.width = QString::fromLatin1(c.w);
        f.height = QString::fromLatin1(c.h);
        const GraphStored s = storeGraph(m, 3, f);
        Notices expected;
        for (const char *text : c.messages)
            expected.push_back({QString::fromUtf8(text), MsgIcon::Question});
        EXPECT_EQ(s.notices, expected);
        EXPECT_EQ(m.pages.Grafik_Razmer_X(4), c.storedW);
        EXPECT_EQ(m.pages.Grafik_Razmer_Y(4), c.storedH);
        EXPECT_EQ(f.width, QString::fromLatin1(c.boxW));
        EXPECT_EQ(f.height, QString::fromLatin1(c.boxH));
        EXPECT_EQ(s.viewIndex, 4);
        EXPECT_EQ(s.box, (ViewBox{10, 20, c.storedW, c.storedH}));
    }
}

TEST(GraphDialog, GroupPositionUploadSaveAndDelete)
{
    ProjectModel m;
    startUpModel(m);
    m.settings.Stranica_Count = 16;
    const int p = 3;
    m.pages.Grafik_Used(p + 1) = 1;
    GraphFields f = prefillGraph(m, p, {100, 100, 240, 150}).fields;
    EXPECT_EQ(f.group, 0);
    f.group = 2; // group "3"
    f.x = QStringLiteral("560");
    f.y = QStringLiteral("290");
    f.width = QStringLiteral("200");
    f.height = QStringLiteral("120");
    storeGraph(m, p, f);
    EXPECT_EQ(m.pages.Grafik_Grup_Num(p + 1), 2);
    EXPECT_EQ(m.pages.Grafik_Used(p + 1), 1); // never set by the dialog, never cleared by Ok
    const QByteArray t = test::pageTables(m, p);
    EXPECT_EQ(quint8(t[2340]) + 256 * quint8(t[2341]), 560);
    EXPECT_EQ(quint8(t[2344]), 199);
    EXPECT_EQ(quint8(t[2345]), 119);
    EXPECT_EQ(quint8(t[2346]), 2);

    const ProjectModel opened = test::savedAndOpened(m);
    EXPECT_EQ(prefillGraph(opened, p, graphViewBox(opened.pages, p)).fields, f);

    // No group chosen: the group stays.
    f.group = -1;
    storeGraph(m, p, f);
    EXPECT_EQ(m.pages.Grafik_Grup_Num(p + 1), 2);

    // Delete: no graph window; size and group stay.
    EXPECT_EQ(deleteGraph(m, p), p + 1);
    EXPECT_EQ(m.pages.Grafik_Used(p + 1), 0);
    EXPECT_EQ(m.pages.Grafik_Coord_X(p + 1), 0);
    EXPECT_EQ(m.pages.Grafik_Razmer_X(p + 1), 200);
    EXPECT_EQ(test::savedAndOpened(m).pages.Grafik_Used(p + 1), 0);
}

} // namespace
} // namespace pelmora
