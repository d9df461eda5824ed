// Every kind's dialog opened on an element and confirmed without a change
// leaves the element's record as it was: the demo project's elements, and
// elements of every kind after a save and an open.

#include "element_fixture.h"

#include "elements/control_element.h"
#include "elements/figure_element.h"
#include "elements/graph_element.h"
#include "elements/level_element.h"
#include "elements/mechanism_element.h"
#include "elements/menu_element.h"
#include "elements/parameter_element.h"
#include "elements/signal_element.h"
#include "elements/static_text_element.h"
#include "elements/text_signal_element.h"
#include "elements/transition_element.h"
#include "elements/varning_element.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using test::recordOf;

const TextFont kTemplateFont{QStringLiteral("DejaVu Sans"), 10, false, false};

// Opens slot n of page p as the opener does, on the view the page shows after
// opening the project, and presses Ok. Returns every message shown.
Notices reopenAndOk(ProjectModel &m, Kind kind, int p, int n)
{
    const PageTables &t = m.pages;
    Notices shown;
    auto take = [&](const QString &number) {
        const auto slot = takeSlot(m, kind, p, number);
        EXPECT_TRUE(slot && !slot->created && slot->slot == n);
        return slot.value_or(SlotChoice{});
    };
    auto add = [&shown](const Notices &more) { shown.insert(shown.end(), more.begin(), more.end()); };
    switch (kind) {
    case Kind::Varning: {
        auto o = prefillVarning(m);
        add(o.notices);
        storeVarning(m, o.fields, p);
        break;
    }
    case Kind::Signal: {
        auto o = prefillSignal(m, p, n, signalViewBox(t, p, n));
        add(o.notices);
        add(storeSignal(m, p, take(o.fields.number), o.fields).notices);
        break;
    }
    case Kind::TextSignal: {
        auto o = prefillTextSignal(m, p, n, textSignalViewBox(t, p, n));
        add(o.notices);
        storeTextSignal(m, p, take(o.fields.number), o.fields);
        break;
    }
    case Kind::Parameter: {
        auto o = prefillParameter(m, p, n, {t.Parametr_Coord_X(p, n), t.Parametr_Coord_Y(p, n), 0, 0});
        add(o.notices);
        storeParameter(m, p, take(o.fields.number), o.fields);
        break;
    }
    case Kind::Level: {
        auto o = prefillLevel(m, p, n, levelViewBox(t, p, n));
        add(o.notices);
        add(storeLevel(m, p, take(o.fields.number), o.fields).notices);
        break;
    }
    case Kind::Control: {
        auto o = prefillControl(m, p, n, controlViewBox(t, p, n));
        add(o.notices);
        storeControl(m, p, take(o.fields.number), o.fields);
        break;
    }
    case Kind::Transition: {
        auto o = prefillTransition(m, p, n);
        add(o.notices);
        const QPoint at(t.Go_Block_Coord_X(p, n), t.Go_Block_Coord_Y(p, n));
        storeTransition(m, p, take(o.fields.number), o.fields, at);
        break;
    }
    case Kind::Menu: {
        auto o = prefillMenu(m, p, n);
        const QString caption = t.Menu_Caption(p, n);
        const QPoint at(t.Menu_Coord_X(p, n), t.Menu_Coord_Y(p, n));
        storeMenu(m, p, take(o.fields.number), o.fields, caption, at);
        break;
    }
    case Kind::Manometer:
    case Kind::Clock: break; // no dialog
    case Kind::Graph: {
        auto o = prefillGraph(m, p, graphViewBox(t, p));
        add(storeGraph(m, p, o.fields).notices);
        break;
    }
    case Kind::Figure: {
        auto o = prefillFigure(n, figureViewState(t, p, n));
        const QPoint at(t.Figura_Coord_X(p, n), t.Figura_Coord_Y(p, n));
        storeFigure(m, p, take(o.fields.number), o.fields, at);
        break;
    }
    case Kind::StaticText: {
        auto o = prefillStaticText(n, staticTextViewState(t, p, n, kTemplateFont));
        const QPoint at(t.Text_Label_Coord_X(p, n), t.Text_Label_Coord_Y(p, n));
        storeStaticText(m, p, take(o.fields.number), o.fields, at);
        break;
    }
    case Kind::Mechanism: {
        auto o = prefillMechanism(m, p, n, mechanismViewBox(t, p, n));
        add(o.notices);
        storeMechanism(m, p, take(o.fields.number), o.fields);
        break;
    }
    }
    return shown;
}

// The elements in use on the pages of the project, by kind.
std::vector<std::pair<int, int>> usedElements(const ProjectModel &m, Kind kind)
{
    std::vector<std::pair<int, int>> used;
    for (int p = 0; p < m.settings.Stranica_Count; ++p) {
        if (kind == Kind::Graph) {
            if (m.pages.Grafik_Used(p + 1) == 1)
                used.emplace_back(p, 0);
            continue;
        }
        for (int n = 1; n <= kindInfo(kind).slotCount; ++n)
            if (slotInUse(m.pages, kind, p, n))
                used.emplace_back(p, n);
    }
    if (kind == Kind::Varning && m.pages.Varning_Stranica > 0)
        used.emplace_back(m.pages.Varning_Stranica - 1, 0);
    return used;
}

TEST(ElementRoundTrip, EveryDemoElementSurvivesOkWithoutChanges)
{
    ProjectModel m = test::demoProject();
    for (const KindInfo &k : kindTable()) {
        if (!k.window)
            continue; // the manometer and the clock have no dialog
        const auto used = usedElements(m, k.kind);
        EXPECT_FALSE(used.empty()) << k.window << ": the demo project has none";
        for (auto [p, n] : used) {
            SCOPED_TRACE(::testing::Message() << k.window << " page " << p << " slot " << n);
            const QStringList before = recordOf(m, k.kind, p, n);
            const QByteArray tables = test::pageTables(m, p);
            EXPECT_TRUE(reopenAndOk(m, k.kind, p, n).empty());
            EXPECT_EQ(recordOf(m, k.kind, p, n), before);
            EXPECT_EQ(test::pageTables(m, p), tables);
        }
    }
}

// Stored values a damaged file can hold and no dialog writes open with
// nothing chosen in their list, instead of failing; Ok then stores the first
// entry, or keeps the stored value where a list may stay unchosen.
TEST(ElementRoundTrip, UnshowableStoredValuesOpenWithNothingChosen)
{
    ProjectModel m = test::demoProject();
    PageTables &t = m.pages;
    const int p = 5;
    t.Signal_Used(p, 1) = 1;
    t.Signal_Coord_Y(p, 1) = -2048;
    t.Signal_Razmer_X(p, 1) = 900;
    const SignalFields s = prefillSignal(m, p, 1, {}).fields;
    EXPECT_EQ(s.list, -1);
    EXPECT_EQ(s.shape, -1);

    t.Parametr_Used(p, 1) = 1;
    t.Parametr_Digits(p, 1) = 9;
    t.Parametr_Font_Size(p, 1) = 200;
    ParameterFields f = prefillParameter(m, p, 1, {}).fields;
    EXPECT_EQ(f.digits, -1);
    EXPECT_EQ(f.font, -1);
    storeParameter(m, p, SlotChoice{1, p * 32 + 1, false}, f);
    EXPECT_EQ(t.Parametr_Digits(p, 1), 0);
    EXPECT_EQ(t.Parametr_Font_Size(p, 1), 10);

    t.Control_Key_Type(p, 1) = 40;
    EXPECT_EQ(prefillControl(m, p, 1, {}).fields.keyType, -1);

    t.Menu_Stranica(p, 0) = 200;
    EXPECT_EQ(prefillMenu(m, p, 0).fields.target, -1);

    t.Grafik_Grup_Num(p + 1) = 9;
    GraphFields g = prefillGraph(m, p, {}).fields;
    EXPECT_EQ(g.group, -1);
    storeGraph(m, p, g);
    EXPECT_EQ(t.Grafik_Grup_Num(p + 1), 9);

    t.Vent_Picture_Num(p, 0) = 99;
    EXPECT_EQ(prefillMechanism(m, p, 0, {}).fields.picture, 0);
}

} // namespace
} // namespace pelmora
