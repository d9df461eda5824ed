// Every element kind through the one kind table, on the demo project shown
// as opening shows it (every kind has an element there): a kind a band carries is copied, pasted into a free
// slot of its page with the look of its source, and deleted; every kind's
// view opens the kind's dialog on that element (the clock asks, the
// manometer opens nothing), and after saving and opening the project the
// view stands where it stood.

#include "element_dialog_rig.h"

#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_dialog.h"
#include "elements/bgr_colour.h"
#include "elements/slot_choice.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using pages::ViewArray;
using test::ElementDialogRig;

// What a paste carries over for each kind a band carries: the look, never the
// binding (a transition arrives as a fresh single field).
QStringList lookOf(const PageTables &t, Kind kind, int p, int n)
{
    auto s = [](auto v) {
        if constexpr (std::is_same_v<decltype(v), QString>)
            return v;
        else
            return QString::number(static_cast<long long>(v));
    };
    switch (kind) {
    case Kind::Parameter:
        return {s(t.Parametr_Color(p, n)), s(t.Parametr_Color_Fon(p, n)), s(t.Parametr_Border_Style(p, n)),
                s(t.Parametr_Font_Size(p, n)), s(t.Parametr_Digits(p, n))};
    case Kind::Signal:
        return {s(t.Signal_Color(p, n)),    s(t.Signal_Color_Fon(p, n)), s(t.Signal_Border_Style(p, n)),
                s(t.Signal_Razmer_X(p, n)), s(t.Signal_Razmer_Y(p, n)),  s(t.Signal_Miganie_Flag(p, n))};
    case Kind::TextSignal:
        return {s(t.Text_Signal_Color(p, n)),        s(t.Text_Signal_Color_Fon(p, n)),
                s(t.Text_Signal_Border_Style(p, n)), s(t.Text_Signal_Miganie_Flag(p, n)),
                s(t.Text_Signal_Text_Off(p, n)),     s(t.Text_Signal_Text_On(p, n)),
                s(t.Text_Signal_Font_Size(p, n))};
    case Kind::Level:
        return {s(t.Level_Razmer_X(p, n)), s(t.Level_Razmer_Y(p, n)), s(t.Level_Color(p, n)),
                s(t.Level_Color_Fon(p, n)), s(t.Level_Type(p, n))};
    case Kind::StaticText:
        return {s(t.Text_Label_Color(p, n)),     s(t.Text_Label_Text(p, n)),        s(t.Text_Label_Font_Name(p, n)),
                s(t.Text_Label_Font_Bold(p, n)), s(t.Text_Label_Font_Italic(p, n)), s(t.Text_Label_Font_Size(p, n))};
    case Kind::Control:
        return {s(t.Control_Gif_Name(p, n)), s(t.Control_Key_Type(p, n)), s(t.Control_Razmer_X(p, n)),
                s(t.Control_Razmer_Y(p, n))};
    case Kind::Transition: return {};
    case Kind::Mechanism: return {s(t.Vent_Razmer_X(p, n)), s(t.Vent_Razmer_Y(p, n)), s(t.Vent_Picture_Num(p, n))};
    case Kind::Figure:
        return {s(t.Figura_Razmer_X(p, n)), s(t.Figura_Razmer_Y(p, n)), s(t.Figura_Type(p, n)), s(t.Figura_Color(p, n)),
                s(t.Figura_Line_Width(p, n))};
    default: ADD_FAILURE() << "not carried by a band"; return {};
    }
}

// An element of the kind in the demo project, on the last page that has one:
// (page, slot); slot 0 for the kinds with one element per page.
std::optional<std::pair<int, int>> demoElement(const PageTables &t, const KindInfo &k)
{
    if (k.kind == Kind::Varning)
        return t.Varning_Stranica > 0 ? std::optional(std::pair(t.Varning_Stranica - 1, 0)) : std::nullopt;
    for (int p = 15; p >= 0; --p)
        for (int n = k.indexRule == IndexRule::PageRow ? 0 : 1; n <= k.slotCount; ++n)
            if (slotHolds(t, k.kind, p, n))
                return std::pair(p, n);
    return std::nullopt;
}

// The index of the view of (page, slot): 32 views to a page, 64 for static
// texts, 8 for menu items; graph windows and clocks page + 1; the warning line 0.
int expectedIndex(Kind kind, int p, int n)
{
    switch (kind) {
    case Kind::Varning: return 0;
    case Kind::Graph:
    case Kind::Clock: return p + 1;
    case Kind::StaticText: return p * 64 + n;
    case Kind::Menu: return p * 8 + n;
    default: return p * 32 + n;
    }
}

class KindTableTest : public test::WithFakes {
protected:
    KindTableTest() { w.openDemo(); }

    QWidget *view(ElementDialogRig &r, ViewArray array, int index)
    {
        if (array == ViewArray::Varning_Text)
            return r.Varning_Text;
        return r.editor.elements.widget(array, index);
    }
    ElementDialog *openDialog() const
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<ElementDialog *>(top); d && d->isVisible())
                return d;
        return nullptr;
    }

    ElementDialogRig w;
    PageTables &t = w.model.pages;
};

TEST_F(KindTableTest, EveryBandKindIsCopiedPastedWithItsLookAndDeleted)
{
    int kinds = 0;
    for (const KindInfo &k : kindTable()) {
        if (!k.select)
            continue;
        ++kinds;
        SCOPED_TRACE(k.window);
        const auto at = demoElement(t, k);
        ASSERT_TRUE(at) << "the demo project has none";
        const auto [p, n] = *at;
        w.selectPage(p);
        ASSERT_EQ(t.Num_Stranica_SCADA, p);
        const int x = k.x(t, p, n), y = k.y(t, p, n);
        const int top = k.listInY ? y % 1024 : y;

        // A band around the element's corner, copied, pasted at the copied corner.
        auto &s = w.editor.state;
        const pages::SelectionRect band{static_cast<float>(x - 1), static_cast<float>(top - 1), 2, 2, true, p};
        s.Select_copy = band;
        w.editor.mnuCopy_Click();
        const std::optional<int> free = lowestFreeSlot(t, k.kind, p);
        ASSERT_TRUE(free);
        s.Mouse_X = s.Copy_Coord_X;
        s.Mouse_Y = s.Copy_Coord_Y;
        w.editor.mnuPaste_Click();

        const int m = *free;
        EXPECT_TRUE(slotInUse(t, k.kind, p, m));
        EXPECT_EQ(k.x(t, p, m), x);
        EXPECT_EQ(k.y(t, p, m), y); // a list number goes with the top edge
        EXPECT_EQ(lookOf(t, k.kind, p, m), lookOf(t, k.kind, p, n));
        QWidget *pasted = view(w, k.views[0].array, viewIndex(k.kind, p, m));
        ASSERT_TRUE(pasted);
        EXPECT_EQ(pasted->pos(), view(w, k.views[0].array, viewIndex(k.kind, p, n))->pos());

        // The same band deletes both: their slots are free and their views gone.
        s.Select_copy = band;
        w.editor.mnuDelete_Click();
        for (int slot : {n, m}) {
            EXPECT_FALSE(slotInUse(t, k.kind, p, slot)) << slot;
            for (int v = 0; v < k.viewsPerElement; ++v)
                EXPECT_FALSE(view(w, k.views[static_cast<std::size_t>(v)].array, viewIndex(k.kind, p, slot))) << slot;
        }
        // The freed slot is the next element's.
        EXPECT_EQ(lowestFreeSlot(t, k.kind, p), std::min(n, m));
    }
    EXPECT_EQ(kinds, 9);
}

TEST_F(KindTableTest, EveryKindsViewOpensItsDialogAndComesBackAfterSaveAndOpen)
{
    // Page 0's elements pasted onto page 2 as well, so that the views of the
    // last page that has an element stand past the first page's indices.
    auto &s = w.editor.state;
    w.selectPage(0);
    s.Select_copy = {0, 0, 800, 480, true, 0};
    w.editor.mnuCopy_Click();
    w.selectPage(2);
    s.Mouse_X = s.Copy_Coord_X;
    s.Mouse_Y = s.Copy_Coord_Y;
    w.editor.mnuPaste_Click();

    for (const KindInfo &k : kindTable()) {
        SCOPED_TRACE(static_cast<int>(k.kind));
        if (k.kind == Kind::Manometer) {
            // A picture without a record: its double-click opens nothing.
            w.doubleClick(ViewArray::Manometr_Img, 0);
            EXPECT_FALSE(openDialog());
            EXPECT_TRUE(ui().messages.empty());
            EXPECT_TRUE(w.window.isEnabled());
            continue;
        }
        const auto at = demoElement(t, k);
        ASSERT_TRUE(at) << "the project has none";
        const auto [p, n] = *at;
        const int index = viewIndex(k.kind, p, n);
        EXPECT_EQ(index, expectedIndex(k.kind, p, n));
        w.selectPage(p);
        ASSERT_TRUE(view(w, k.views[0].array, index));

        if (k.kind == Kind::Clock) {
            // The clock asks whether it is to go; No keeps it.
            ui().answers = {MsgAnswer::No};
            w.doubleClick(k.views[0].array, index);
            ASSERT_EQ(ui().messages.size(), 1u);
            EXPECT_EQ(ui().messages[0].text, QStringLiteral("Видалити годинник?"));
            EXPECT_TRUE(slotHolds(t, k.kind, p, n));
            ui().reset();
        } else {
            w.doubleClick(k.views[0].array, index);
            ElementDialog *d = openDialog();
            ASSERT_TRUE(d);
            EXPECT_EQ(d->objectName(), QLatin1String(k.window));
            EXPECT_FALSE(w.window.isEnabled());
            // The dialog holds the element the view shows.
            if (k.numberBox) {
                EXPECT_EQ(d->findChild<QLineEdit *>(QLatin1String(k.numberBox))->text().trimmed().toInt(), n);
            }
            d->close();
            w.settle();
            EXPECT_TRUE(w.window.isEnabled());
        }
        // A second view that opens nothing (a menu item's text, a clock's date).
        if (k.viewsPerElement == 2 && !k.views[1].opens) {
            w.doubleClick(k.views[1].array, index);
            EXPECT_FALSE(openDialog());
            EXPECT_TRUE(ui().messages.empty());
        }
    }

    // Saved and opened in a second main window: every element's views stand
    // where they stood.
    ElementDialogRig again;
    again.model = test::savedAndOpened(w.model);
    restorePageElements(again.model, again.editor, again.view, again);
    for (const KindInfo &k : kindTable()) {
        if (k.kind == Kind::Manometer)
            continue;
        SCOPED_TRACE(static_cast<int>(k.kind));
        const auto [p, n] = *demoElement(t, k);
        // Text signals take their caption from the blink preview's tick on their page.
        for (ElementDialogRig *r : {&w, &again}) {
            r->selectPage(p);
            r->editor.Signal_Timer_Miganie_SCADA_Timer();
        }
        const int index = viewIndex(k.kind, p, n);
        for (int v = 0; v < k.viewsPerElement; ++v) {
            const ViewArray array = k.views[static_cast<std::size_t>(v)].array;
            QWidget *before = view(w, array, index);
            QWidget *after = view(again, array, index);
            ASSERT_TRUE(before && after) << v;
            EXPECT_EQ(after->geometry(), before->geometry()) << v;
        }
    }
}

// Every colour box of every kind's dialog starts the colour dialog at the
// colour it shows: the element's own colour as the dialog opens, and after
// a change (the eyedropper's, say) the changed one; a quick Ok keeps it.
TEST_F(KindTableTest, EveryColourBoxStartsTheColourDialogAtItsOwnColour)
{
    int boxes = 0;
    for (const KindInfo &k : kindTable()) {
        if (k.kind == Kind::Manometer || k.kind == Kind::Clock)
            continue; // no dialog
        SCOPED_TRACE(k.window);
        const auto [p, n] = *demoElement(t, k);
        w.selectPage(p);
        w.doubleClick(k.views[0].array, viewIndex(k.kind, p, n));
        ElementDialog *d = openDialog();
        ASSERT_TRUE(d);
        for (ColourBox *box : d->findChildren<ColourBox *>()) {
            SCOPED_TRACE(box->objectName().toStdString());
            ++boxes;
            const std::int32_t shown = box->colour();
            ui().colors = {colourOf(shown)}; // Ok without a change
            QTest::mouseClick(box, Qt::LeftButton);
            ASSERT_EQ(ui().colorRequests.size(), 1u);
            EXPECT_EQ(ui().colorRequests[0], colourOf(shown));
            EXPECT_EQ(box->colour(), shown);

            const std::int32_t changed = 0x102030 + boxes;
            box->setColour(changed);
            ui().colors = {std::nullopt};
            QTest::mouseClick(box, Qt::LeftButton);
            ASSERT_EQ(ui().colorRequests.size(), 2u);
            EXPECT_EQ(ui().colorRequests[1], colourOf(changed));
            EXPECT_EQ(box->colour(), changed);
            ui().reset();
        }
        d->close();
        w.settle();
    }
    // Two boxes each for the signal, text signal, banner, parameter and
    // level bar; one each for the figure and the static text.
    EXPECT_EQ(boxes, 12);
}

} // namespace
} // namespace pelmora
