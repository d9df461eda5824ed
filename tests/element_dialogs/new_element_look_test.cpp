// A new element of every kind, inserted from its menu item and stored by Ok
// without a change, looks on the page as its insertion template looked, and
// stands as its record shows it: opened again and stored again it keeps its
// record and the upload's page tables, and a saved and opened project shows
// it alike.

#include "element_dialog_rig.h"

#include "core/hosting/hosted_control.h"
#include "element_dialogs/figura.h"
#include "element_dialogs/go_block_scada.h"
#include "element_dialogs/image_control.h"
#include "element_dialogs/level_scada.h"
#include "element_dialogs/menu_scada.h"
#include "element_dialogs/parametr_text_scada.h"
#include "element_dialogs/signal_scada.h"
#include "element_dialogs/text_label.h"
#include "element_dialogs/text_signal_scada.h"
#include "element_dialogs/vent.h"
#include "support/fake_services.h"
#include "ui/hosted_control_widget.h"

#include <QAction>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using test::ElementDialogRig;

// One kind: its menu item, its view array (the template is index 0), the
// widgets that show element i, and Ok of its open dialog.
struct NewKind {
    Kind kind;
    pages::ViewArray array;
    QAction *MainMenu::*insert;
    std::function<std::vector<QWidget *>(ElementDialogRig &, int)> views;
    std::function<void(ElementDialogRig &)> ok;
};

template <class T> std::vector<QWidget *> one(pages::ControlArray<T> &a, int i) { return {a(i)}; }

std::vector<NewKind> kinds()
{
    auto el = [](ElementDialogRig &r) -> pages::PageElements & { return r.editor.elements; };
    return {
        {Kind::Signal, pages::ViewArray::Signal_Picture, &MainMenu::MnuSignalSCADA,
         [el](auto &r, int i) -> std::vector<QWidget *> {
             hosting::HostedControl *c = el(r).Signal_Picture(i);
             return {c ? hosting::widgetOf(*c) : nullptr};
         },
         [](auto &r) { r.template dialog<Signal_SCADA>()->Ok_Signal->click(); }},
        {Kind::TextSignal, pages::ViewArray::Text_Signal_Picture, &MainMenu::MnuTextSignal,
         [el](auto &r, int i) { return one(el(r).Text_Signal_Picture, i); },
         [](auto &r) { r.template dialog<Text_Signal_SCADA>()->Ok_Text_Signal->click(); }},
        {Kind::Parameter, pages::ViewArray::Parametr_Label, &MainMenu::MnuParametrSCADA,
         [el](auto &r, int i) { return one(el(r).Parametr_Label, i); },
         [](auto &r) { r.template dialog<Parametr_Text_SCADA>()->Ok_Parametr->click(); }},
        {Kind::Level, pages::ViewArray::Level_Picture, &MainMenu::MnuLevelSCADA,
         [el](auto &r, int i) -> std::vector<QWidget *> {
             return {el(r).Level_Picture(i), el(r).Level_Picture_1(i)};
         },
         [](auto &r) { r.template dialog<Level_SCADA>()->Ok_Level->click(); }},
        {Kind::Transition, pages::ViewArray::Go_Block_Label, &MainMenu::MnuGotoBlockSCADA,
         [el](auto &r, int i) { return one(el(r).Go_Block_Label, i); },
         [](auto &r) { r.template dialog<Go_Block_SCADA>()->Ok_Go_Block->click(); }},
        {Kind::Control, pages::ViewArray::Control_Image, &MainMenu::MnuControl,
         [el](auto &r, int i) { return one(el(r).Control_Image, i); },
         [](auto &r) { r.template dialog<Image_Control>()->Ok_Control->click(); }},
        {Kind::Mechanism, pages::ViewArray::Ventilator_Picture, &MainMenu::mnuVent,
         [el](auto &r, int i) { return one(el(r).Ventilator_Picture, i); },
         [](auto &r) { r.template dialog<Vent>()->Ok_Vent->click(); }},
        {Kind::Figure, pages::ViewArray::ShapePlus1, &MainMenu::MnuFigura,
         [el](auto &r, int i) { return one(el(r).ShapePlus1, i); },
         [](auto &r) { r.template dialog<Figura>()->Ok_Figura->click(); }},
        {Kind::StaticText, pages::ViewArray::Text_Label_Label, &MainMenu::mnuText,
         [el](auto &r, int i) { return one(el(r).Text_Label_Label, i); },
         [](auto &r) { r.template dialog<Text_Label>()->Ok_Text_Label->click(); }},
        {Kind::Menu, pages::ViewArray::Menu_Image, &MainMenu::MnuMenuSCADA,
         [el](auto &r, int i) -> std::vector<QWidget *> {
             return {el(r).Menu_Image(i), el(r).Menu_Text(i)};
         },
         [](auto &r) { r.template dialog<Menu_SCADA>()->Ok_Menu->click(); }},
    };
}

// What the widgets show, and where, relative to the first one.
struct Look {
    std::vector<QImage> pictures;
    std::vector<QRect> places;
    bool operator==(const Look &) const = default;
};

Look lookOf(const std::vector<QWidget *> &views)
{
    Look l;
    for (QWidget *v : views) {
        EXPECT_TRUE(v);
        if (!v)
            return l;
        l.pictures.push_back(v->grab().toImage().convertToFormat(QImage::Format_RGB32));
        l.places.push_back(v->geometry());
    }
    return l;
}

// The slot the first element of a kind took on a page.
int firstUsed(const ProjectModel &m, Kind kind, int page)
{
    for (int n = 1; n <= kindInfo(kind).slotCount; ++n)
        if (slotInUse(m.pages, kind, page, n))
            return n;
    return 0;
}

class NewElementLook : public test::WithFakes {};

TEST_F(NewElementLook, OkWithoutAChangeKeepsTheTemplatesLook)
{
    constexpr int page = 1;
    for (const NewKind &k : kinds()) {
        SCOPED_TRACE(kindInfo(k.kind).window);
        ElementDialogRig r;
        r.selectPage(page);
        (r.*k.insert)->trigger();
        const Look templ = lookOf(k.views(r, 0));
        r.doubleClick(k.array, 0);
        k.ok(r);
        r.settle();
        EXPECT_TRUE(r.window.isEnabled());
        const int n = firstUsed(r.model, k.kind, page);
        ASSERT_EQ(n, 1);
        const int i = viewIndex(k.kind, page, n);
        const Look stored = lookOf(k.views(r, i));
        if (k.kind == Kind::Parameter) {
            // A parameter shows its own number where the template shows 0.
            auto *label = r.editor.elements.Parametr_Label(i);
            EXPECT_EQ(label->caption(), QStringLiteral("01"));
            label->setCaption(r.editor.elements.Parametr_Label(0)->caption());
            EXPECT_EQ(lookOf(k.views(r, i)), templ);
        } else {
            EXPECT_EQ(stored.places, templ.places);
            EXPECT_TRUE(stored.pictures == templ.pictures);
        }

        // Opened and stored again, nothing changes.
        const QStringList record = test::recordOf(r.model, k.kind, page, n);
        const QByteArray tables = test::pageTables(r.model, page);
        r.doubleClick(k.array, i);
        k.ok(r);
        r.settle();
        EXPECT_EQ(test::recordOf(r.model, k.kind, page, n), record);
        EXPECT_EQ(test::pageTables(r.model, page), tables);
        EXPECT_TRUE(lookOf(k.views(r, i)) == stored);

        // A saved and opened project shows the element as the dialog left it.
        ElementDialogRig again;
        again.model = test::savedAndOpened(r.model);
        restorePageElements(again.model, again.editor, again.view, again);
        again.selectPage(page);
        EXPECT_TRUE(lookOf(k.views(again, i)) == stored);
        EXPECT_EQ(test::pageTables(again.model, page), tables);
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

} // namespace
} // namespace pelmora

namespace pelmora {
namespace {

// The look a new element's record takes from its template: readable colours
// and texts where the blank slot-0 record would give black on black.
TEST_F(NewElementLook, TheRecordHoldsTheTemplatesColoursAndTexts)
{
    constexpr int page = 2;
    struct Case {
        Kind kind;
        std::function<QStringList(const PageTables &)> record;
        QStringList expected;
    };
    auto hex = [](std::int32_t c) { return QString::number(c, 16); };
    const std::vector<Case> cases = {
        {Kind::Signal, [&](const PageTables &t) { return QStringList{hex(t.Signal_Color(page, 1))}; }, {hex(0x0000FF)}},
        {Kind::TextSignal,
         [&](const PageTables &t) {
             return QStringList{t.Text_Signal_Text_Off(page, 1), t.Text_Signal_Text_On(page, 1),
                                hex(t.Text_Signal_Color(page, 1)), hex(t.Text_Signal_Color_Fon(page, 1)),
                                QString::number(t.Text_Signal_Font_Size(page, 1))};
         },
         {QStringLiteral("Сигнализация"), QStringLiteral("Сигнализация"), hex(0), hex(0xFFFFFF), QStringLiteral("10")}},
        {Kind::Parameter,
         [&](const PageTables &t) {
             return QStringList{hex(t.Parametr_Color(page, 1)), hex(t.Parametr_Color_Fon(page, 1))};
         },
         {hex(0), hex(0xFFFFFF)}},
        {Kind::Level,
         [&](const PageTables &t) {
             return QStringList{hex(t.Level_Color(page, 1)), hex(t.Level_Color_Fon(page, 1)),
                                QString::number(t.Level_Type(page, 1))};
         },
         {hex(0x00FF00), hex(0xFFFFFF), QStringLiteral("1")}}, // vertical, framed
        {Kind::Transition,
         [&](const PageTables &t) { return QStringList{QString::number(t.Go_Block_Target(page, 1))}; },
         {QStringLiteral("12")}},
        {Kind::Control,
         [&](const PageTables &t) { return QStringList{QString::number(t.Control_Key_Type(page, 1))}; },
         {QStringLiteral("1")}},
    };
    const std::vector<NewKind> all = kinds();
    for (const Case &c : cases) {
        SCOPED_TRACE(kindInfo(c.kind).window);
        const auto k = std::find_if(all.begin(), all.end(), [&](const NewKind &x) { return x.kind == c.kind; });
        ASSERT_NE(k, all.end());
        ElementDialogRig r;
        r.selectPage(page);
        (r.*k->insert)->trigger();
        r.doubleClick(k->array, 0);
        k->ok(r);
        r.settle();
        EXPECT_EQ(c.record(r.model.pages), c.expected);
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

} // namespace
} // namespace pelmora
