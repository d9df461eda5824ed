// The dialogs of the signal, text signal, numeric parameter, level bar,
// transition and mechanism, driven through their openers on the demo
// project: Ok without a change keeps the record and the upload's page
// tables; an edited element saved and opened again opens the same; Cancel
// and the close box write nothing; the report signal, the guarded openers'
// messages, the handlers' corrections and the mechanism's phase editor hook.

#include "element_dialog_rig.h"

#include "core/model/catalogue.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/go_block_scada.h"
#include "element_dialogs/level_scada.h"
#include "element_dialogs/mechanizm_window.h"
#include "element_dialogs/parametr_text_scada.h"
#include "element_dialogs/signal_scada.h"
#include "element_dialogs/text_signal_scada.h"
#include "element_dialogs/vent.h"
#include "pages/element_kinds.h"
#include "pages/page_restore.h"
#include "pages/page_rules.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

namespace pelmora::element {

// The dialogs' fields in test messages.
inline std::string listText(const ChoiceList &c)
{
    return QStringLiteral("[%1 entries, #%2 '%3']").arg(c.entries.size()).arg(c.selected).arg(c.text).toStdString();
}
inline void PrintTo(const SignalFields &f, std::ostream *os)
{
    *os << f.number.toStdString() << " " << f.x.toStdString() << "," << f.y.toStdString() << " "
        << f.width.toStdString() << "x" << f.height.toStdString() << " shape " << f.shape << " list " << f.list
        << " frame " << f.frame << " blink " << f.blink << " block " << f.block.toStdString() << listText(f.outputs);
}
inline void PrintTo(const TextSignalFields &f, std::ostream *os)
{
    *os << f.number.toStdString() << " " << f.x.toStdString() << "," << f.y.toStdString() << " '"
        << f.textOff.toStdString() << "' '" << f.textOn.toStdString() << "' font " << f.fontChoice << "/" << f.fontSize
        << " list " << f.list << " number " << f.numberMode << " setpoint " << f.setpoint << " report " << f.report
        << " frame " << f.frame << " blink " << f.blink << " block " << f.block.toStdString() << listText(f.outputs);
}
inline void PrintTo(const ParameterFields &f, std::ostream *os)
{
    *os << f.number.toStdString() << " " << f.x.toStdString() << "," << f.y.toStdString() << " digits " << f.digits
        << " font " << f.font << " frame " << f.frame << " block " << f.block.toStdString() << " setpoint "
        << f.setpoint << listText(f.outputs);
}
inline void PrintTo(const LevelFields &f, std::ostream *os)
{
    *os << f.number.toStdString() << " " << f.x.toStdString() << "," << f.y.toStdString() << " "
        << f.width.toStdString() << "x" << f.height.toStdString() << " scale " << f.scale.toStdString()
        << " horizontal " << f.horizontal << " frame " << f.frame << " block " << f.block.toStdString()
        << listText(f.outputs);
}
inline void PrintTo(const TransitionFields &f, std::ostream *os)
{
    *os << f.number.toStdString() << " block " << f.block.toStdString() << " double " << f.doubleField << " lock "
        << f.lock << " process " << f.process << " '" << f.processCaption.toStdString() << "' '"
        << f.listLabel.toStdString() << "' shown " << f.listShown << listText(f.list);
}
inline void PrintTo(const MechanismFields &f, std::ostream *os)
{
    *os << f.number.toStdString() << " " << f.x.toStdString() << "," << f.y.toStdString() << " size "
        << f.width.toStdString() << "x" << f.height.toStdString() << " picture " << f.picture << " background "
        << f.background << " block " << f.block.toStdString() << listText(f.outputs);
}

} // namespace pelmora::element

namespace pelmora {
namespace {

using namespace element;
using pages::BlinkWrite;
using test::ElementDialogRig;
using test::recordOf;

// The view array whose controls carry `name`.
pages::ViewArray arrayNamed(const char *name)
{
    for (int a = 0; a < element::kViewArrayCount; ++a)
        if (qstrcmp(element::viewArrayName(static_cast<pages::ViewArray>(a)), name) == 0)
            return static_cast<pages::ViewArray>(a);
    ADD_FAILURE() << name;
    return pages::ViewArray::Varning_Text;
}

// One kind as the tests drive it: its view array, the page editor's kind for
// the control index, and the names of its buttons.
struct PackedKind {
    Kind kind;
    const char *array;
    element::Kind viewKind;
    const char *ok, *cancel;
};

const std::vector<PackedKind> &packedKinds()
{
    static const std::vector<PackedKind> kinds{
        {Kind::Signal, "Signal_Picture", element::Kind::Signal, "Ok_Signal", "Cancel_Signal"},
        {Kind::TextSignal, "Text_Signal_Picture", element::Kind::TextSignal, "Ok_Text_Signal", "Cancel_Text_Signal"},
        {Kind::Parameter, "Parametr_Label", element::Kind::Parameter, "Ok_Parametr", "Cancel_Par"},
        {Kind::Level, "Level_Picture", element::Kind::Level, "Ok_Level", "Cancel_Level"},
        // Either piece of a level bar opens its dialog.
        {Kind::Level, "Level_Picture_1", element::Kind::Level, "Ok_Level", "Cancel_Level"},
        {Kind::Transition, "Go_Block_Label", element::Kind::Transition, "Ok_Go_Block", "Cancel_Go_Block"},
        {Kind::Mechanism, "Ventilator_Picture", element::Kind::Mechanism, "Ok_Vent", "Cancel_Vent"},
    };
    return kinds;
}

class PackedDialogTest : public test::WithFakes {
protected:
    PackedDialogTest() { w.openDemo(); }

    // The element dialog the last double-click opened, if it is open.
    static ElementDialog *openDialog()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<ElementDialog *>(top); d && d->isVisible())
                return d;
        return nullptr;
    }
    static ElementDialog *open(ElementDialogRig &rig, const PackedKind &k, int page, int slot)
    {
        rig.selectPage(page);
        rig.doubleClick(arrayNamed(k.array), element::viewIndex(k.viewKind, page, slot));
        return openDialog();
    }
    static void press(ElementDialog *d, const char *button)
    {
        ASSERT_TRUE(d);
        d->findChild<QPushButton *>(QLatin1String(button))->click();
    }
    // The slots of a kind in use on page p.
    std::vector<int> used(Kind kind, int p) const
    {
        std::vector<int> inUse;
        for (int n = 1; n <= kindInfo(kind).slotCount; ++n)
            if (slotInUse(t, kind, p, n))
                inUse.push_back(n);
        return inUse;
    }
    QStringList pageRecords(Kind kind, int p) const
    {
        QStringList all;
        for (int n = 0; n <= kindInfo(kind).declaredBound; ++n)
            all += recordOf(m, kind, p, n);
        return all;
    }

    ElementDialogRig w;
    ProjectModel &m = w.model;
    PageTables &t = w.model.pages;
};

TEST_F(PackedDialogTest, OkWithoutChangesKeepsEveryDemoElementAndItsPageTables)
{
    for (const PackedKind &k : packedKinds()) {
        int opened = 0;
        for (int p = 0; p <= 2; ++p) {
            for (int n : used(k.kind, p)) {
                SCOPED_TRACE(::testing::Message() << k.array << " page " << p << " slot " << n);
                const QStringList before = recordOf(m, k.kind, p, n);
                const QByteArray tables = test::pageTables(m, p);
                ui().reset();
                ElementDialog *d = open(w, k, p, n);
                ASSERT_TRUE(d);
                EXPECT_FALSE(w.window.isEnabled());
                press(d, k.ok);
                w.settle();
                EXPECT_TRUE(ui().messageTexts().isEmpty()) << ui().messageTexts().join(u'|').toStdString();
                EXPECT_TRUE(w.window.isEnabled());
                EXPECT_EQ(recordOf(m, k.kind, p, n), before);
                EXPECT_EQ(test::pageTables(m, p), tables);
                ++opened;
            }
        }
        EXPECT_GT(opened, 0) << k.array << ": the demo project has none";
    }
}

TEST_F(PackedDialogTest, CancelAndTheCloseBoxWriteNothing)
{
    // A numeric parameter of 18 points opens as font "3" and keeps its 18.
    t.Parametr_Font_Size(0, 1) = 18;
    for (const PackedKind &k : packedKinds()) {
        const int n = used(k.kind, 0).front();
        SCOPED_TRACE(k.array);
        const QStringList before = pageRecords(k.kind, 0);
        for (bool closeBox : {false, true}) {
            ElementDialog *d = open(w, k, 0, n);
            ASSERT_TRUE(d);
            for (QLineEdit *box : d->findChildren<QLineEdit *>())
                if (box->objectName().startsWith(QLatin1String("Coord_X")))
                    box->setText(QStringLiteral("333"));
            if (closeBox)
                d->close();
            else
                press(d, k.cancel);
            w.settle();
            EXPECT_TRUE(w.window.isEnabled());
            EXPECT_EQ(pageRecords(k.kind, 0), before);
        }
    }
    w.doubleClick(pages::ViewArray::Parametr_Label, 1);
    auto *par = w.dialog<Parametr_Text_SCADA>();
    ASSERT_TRUE(par);
    EXPECT_EQ(par->Parametr_Shrift->currentIndex(), 2);
    par->Cancel_Par->click();
    EXPECT_EQ(t.Parametr_Font_Size(0, 1), 18);
}

// Opens an element in its dialog, edits it, presses Ok; then a second main
// window opens the saved project and the same element's dialog. The two
// dialogs show the same fields and the upload's page tables are alike.
template <class W, class Edit>
void editSaveReopen(ElementDialogRig &w, const PackedKind &k, int slot, Edit edit, const char *ok)
{
    w.selectPage(0);
    w.doubleClick(arrayNamed(k.array), element::viewIndex(k.viewKind, 0, slot));
    W *d = w.dialog<W>();
    ASSERT_TRUE(d);
    edit(*d);
    const auto shown = d->fields();
    d->template findChild<QPushButton *>(QLatin1String(ok))->click();
    w.settle();
    // The stored element opened again before saving: the dialog shows what
    // was typed, and the view's size as Ok left it (a fan without background
    // shrinks to its impeller).
    w.doubleClick(arrayNamed(k.array), element::viewIndex(k.viewKind, 0, slot));
    W *before = w.dialog<W>();
    ASSERT_TRUE(before);
    const auto stored = before->fields();
    before->close();
    w.settle();

    ElementDialogRig again;
    again.model = test::savedAndOpened(w.model);
    restorePageElements(again.model, again.editor, again.view, again);
    again.selectPage(0);
    EXPECT_EQ(test::pageTables(again.model, 0), test::pageTables(w.model, 0));
    again.doubleClick(arrayNamed(k.array), element::viewIndex(k.viewKind, 0, slot));
    W *reopened = again.dialog<W>();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->fields(), stored);
    if constexpr (std::is_same_v<W, Vent>) {
        auto typed = shown;
        typed.width = stored.width;
        typed.height = stored.height;
        EXPECT_EQ(stored, typed);
    } else {
        EXPECT_EQ(stored, shown);
    }
    reopened->close();
    again.settle();
}

const PackedKind &kindOf(const char *array)
{
    for (const PackedKind &k : packedKinds())
        if (qstrcmp(k.array, array) == 0)
            return k;
    return packedKinds().front();
}

TEST_F(PackedDialogTest, EditedElementsOpenTheSameAfterSaveAndOpen)
{
    // Block 3 is of type 4 (D_O), block 10 an ALGORITHM block.
    ASSERT_EQ(m.schema.Block_Type(3), type::D_O);
    ASSERT_EQ(m.schema.Block_Type(10), type::ALG);

    editSaveReopen<Signal_SCADA>(
        w, kindOf("Signal_Picture"), 1,
        [](Signal_SCADA &d) {
            d.Type_SIGNAL->setCurrentIndex(3); // triangle >: the height follows the width, no frame
            d.Type_SIGNAL_Click();
            d.Signal_Width->setText(QStringLiteral("30"));
            d.Signal_Width_Change();
            d.Spisok_Signal->setCurrentIndex(5);
            d.Signal_Miganie->click();
        },
        "Ok_Signal");
    EXPECT_EQ(t.Signal_Razmer_X(0, 1), 30 + 3 * 64);
    EXPECT_EQ(t.Signal_Razmer_Y(0, 1), 30);
    EXPECT_EQ(t.Signal_Coord_Y(0, 1), 160 + 5 * 1024);
    EXPECT_EQ(t.Signal_Border_Style(0, 1), 0);
    EXPECT_EQ(t.Signal_Miganie_Flag(0, 1), 0);

    editSaveReopen<Text_Signal_SCADA>(
        w, kindOf("Text_Signal_Picture"), 1,
        [](Text_Signal_SCADA &d) {
            d.Spisok_Text_Signal->setCurrentIndex(0);
            d.Text_Num->click();
            d.Text_Signal->setText(QStringLiteral("Пуск"));
            d.Text_Signal_1->setText(QStringLiteral("Стоп"));
            d.Num_Block_Sign_Text_Text->setText(QStringLiteral("10"));
            d.binding->blockChanged();
            d.Out_Sp->click();
            d.Num_OUT_Sign_Text->setCurrentIndex(100); // " SI(SP5)" of the ALGORITHM block
            d.Rep_Arch->click();
        },
        "Ok_Text_Signal");
    EXPECT_EQ(t.Text_Signal_Num_OUT(0, 1), 128 + 100);
    EXPECT_EQ(t.Text_Signal_Border_Style(0, 1), 129); // framed, bound to a set-point
    EXPECT_EQ(t.Text_Signal_Text_Off(0, 1), QStringLiteral("Пуск"));
    EXPECT_EQ(t.Rep_Arch_Signal, 1);

    editSaveReopen<Parametr_Text_SCADA>(
        w, kindOf("Parametr_Label"), 1,
        [](Parametr_Text_SCADA &d) {
            d.Num_Block_Par_Text->setText(QStringLiteral("3"));
            d.binding->blockChanged();
            d.Out_Zad->click();
            d.Num_OUT_Par->setCurrentIndex(1);
            d.Parametr_Shrift->setCurrentIndex(3);
            d.Parametr_Shrift_Click();
        },
        "Ok_Parametr");
    EXPECT_EQ(t.Parametr_Num_OUT(0, 1), 0x83); // a set-point of a type-4 block gets its 2
    EXPECT_EQ(t.Parametr_Font_Size(0, 1), 25);

    editSaveReopen<Level_SCADA>(
        w, kindOf("Level_Picture"), 1,
        [](Level_SCADA &d) {
            d.Check1->click(); // 40 x 160 becomes a horizontal 160 x 40
            d.Level_Mashtab->setText(QStringLiteral("250"));
            d.Level_Ramka->click();
        },
        "Ok_Level");
    EXPECT_EQ(t.Level_Type(0, 1), 2);
    EXPECT_EQ(t.Level_Razmer_X(0, 1), 160);
    EXPECT_EQ(t.Level_Razmer_Y(0, 1), 40);
    EXPECT_EQ(t.Level_Scale(0, 1), 250);

    editSaveReopen<Go_Block_SCADA>(
        w, kindOf("Go_Block_Label"), 1,
        [](Go_Block_SCADA &d) {
            d.Num_Block_Text->setText(QStringLiteral("97"));
            d.Num_Block_Text_Change();
            d.Num_Graf_SCADA->setCurrentIndex(2);
            d.Blokirovka->click();
            d.Go_Dubl->click();
        },
        "Ok_Go_Block");
    EXPECT_EQ(t.Go_Block_Target(0, 1), 202); // page 3 of 16
    EXPECT_EQ(t.Go_Block_Param(0, 1), 130);
    EXPECT_EQ(t.Go_Block_Used(0, 1), 3);
    ASSERT_TRUE(w.editor.elements.Go_Block_Label(1));
    EXPECT_EQ(w.editor.elements.Go_Block_Label(1)->width(), 100);

    editSaveReopen<Vent>(
        w, kindOf("Ventilator_Picture"), 1,
        [](Vent &d) {
            d.PictureVent_Click(5);
            d.Fon_Vent->click();
        },
        "Ok_Vent");
    EXPECT_EQ(t.Vent_Picture_Num(0, 1), 5);
    EXPECT_EQ(t.Vent_Razmer_X(0, 1), 40);
    EXPECT_TRUE(ventWithoutBackground(t.Vent_Fon_Bits, 0, 1));
    ASSERT_TRUE(w.editor.elements.Ventilator_Picture(1));
    EXPECT_EQ(w.editor.elements.Ventilator_Picture(1)->size(), QSize(20, 20)); // the small impeller alone
}

TEST_F(PackedDialogTest, TheReportIsTickedOnlyOnTheTextSignalItNames)
{
    t.Rep_Arch_Signal = 5;
    w.doubleClick(pages::ViewArray::Text_Signal_Picture, 1);
    auto *d = w.dialog<Text_Signal_SCADA>();
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Rep_Arch->isChecked());
    d->Ok_Text_Signal->click();
    w.settle();
    EXPECT_EQ(t.Rep_Arch_Signal, 5);

    t.Rep_Arch_Signal = 1;
    w.doubleClick(pages::ViewArray::Text_Signal_Picture, 1);
    d = w.dialog<Text_Signal_SCADA>();
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Rep_Arch->isChecked());
    d->Rep_Arch->click();
    d->Ok_Text_Signal->click();
    w.settle();
    EXPECT_EQ(t.Rep_Arch_Signal, 0);
}

// A stored value the refilled list cannot take: the kind's message with the
// critical icon, and the dialog stays open over the disabled main window.
TEST_F(PackedDialogTest, AFailedGuardedStepLeavesTheDialogOpenWithTheKindsMessage)
{
    struct Case {
        const char *array;
        int slot;
        std::function<void(PageTables &)> damage;
        const char16_t *message;
    };
    const Case cases[] = {
        {"Signal_Picture", 1, [](PageTables &t) { t.Signal_Num_OUT(0, 1) = 90; }, kOutputErrorY},
        {"Text_Signal_Picture", 1, [](PageTables &t) { t.Text_Signal_Num_OUT(0, 1) = 100; }, kOutputErrorY},
        {"Parametr_Label", 1, [](PageTables &t) { t.Parametr_Num_OUT(0, 1) = 90; }, kOutputErrorY},
        {"Level_Picture_1", 1, [](PageTables &t) { t.Level_Num_OUT(0, 1) = 90; }, kOutputErrorI},
        {"Ventilator_Picture", 1, [](PageTables &t) { t.Vent_Num_OUT(0, 1) = 90; }, kOutputErrorI},
        // Text signalling group 100 is not among the 32 listed.
        {"Go_Block_Label", 1,
         [](PageTables &t) {
             t.Go_Block_Target(0, 1) = 224;
             t.Go_Block_Param(0, 1) = 100;
         },
         kBlockError},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.array);
        c.damage(t);
        ui().reset();
        ElementDialog *d = open(w, kindOf(c.array), 0, c.slot);
        ASSERT_TRUE(d);
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(c.message));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(w.window.isEnabled());
        press(d, kindOf(c.array).cancel);
        w.settle();
        EXPECT_TRUE(w.window.isEnabled());
    }
}

// The previews of the signal and text signal dialogs blink as the page does:
// at every tick they show what the page shows for a blinking element at the
// same phase.
TEST_F(PackedDialogTest, TheDialogPreviewsBlinkAsThePageDoes)
{
    w.doubleClick(pages::ViewArray::Signal_Picture, 1);
    auto *s = w.dialog<Signal_SCADA>();
    ASSERT_TRUE(s);
    s->Color_Signal->setColour(0x0000FF);
    s->Color_Signal_Fon->setColour(0x00FF00);
    if (!s->Signal_Miganie->isChecked())
        s->Signal_Miganie->click();
    EXPECT_TRUE(s->Signal_Timer_Miganie->blinking());

    // A page whose signal 1 and text signal 1 blink between the same states.
    PageTables page = t;
    page.Signal_Used(15, 1) = 1, page.Signal_Miganie_Flag(15, 1) = 1;
    page.Signal_Color(15, 1) = 0x0000FF, page.Signal_Color_Fon(15, 1) = 0x00FF00;
    page.Text_Signal_Used(15, 1) = 1, page.Text_Signal_Miganie_Flag(15, 1) = 1;
    page.Text_Signal_Text_Off(15, 1) = QStringLiteral("Стоп");
    page.Text_Signal_Text_On(15, 1) = QStringLiteral("Пуск");
    const auto shownOnThePage = [&](BlinkWrite::Target target) {
        std::int16_t phase = t.Dialog_Miganie_State; // the page at the dialog's phase
        for (const BlinkWrite &b : pages::blinkTick(page, 15, phase))
            if (b.target == target && b.index == 15 * 32 + 1)
                return b;
        return BlinkWrite{target, -1, 0, {}};
    };
    for (int tick = 0; tick < 4; ++tick) {
        const std::int32_t expected = shownOnThePage(BlinkWrite::SignalColour).colour;
        s->Signal_Timer_Miganie->tick();
        EXPECT_EQ(s->previewColour(), expected) << tick;
    }
    s->Signal_Miganie->click(); // steady: the first colour
    EXPECT_FALSE(s->Signal_Timer_Miganie->blinking());
    EXPECT_EQ(s->previewColour(), 0x0000FF);
    s->Cancel_Signal->click();
    w.settle();

    w.doubleClick(pages::ViewArray::Text_Signal_Picture, 1);
    auto *d = w.dialog<Text_Signal_SCADA>();
    ASSERT_TRUE(d);
    d->Text_Signal->setText(QStringLiteral("Стоп"));
    d->Text_Signal_1->setText(QStringLiteral("Пуск"));
    QStringList seen;
    for (int tick = 0; tick < 4; ++tick) {
        const QString expected = shownOnThePage(BlinkWrite::TextCaption).caption;
        d->Text_Signal_Timer_Miganie->tick();
        EXPECT_EQ(d->Text_Sign_Label->caption(), expected) << tick;
        seen << d->Text_Sign_Label->caption();
    }
    EXPECT_TRUE(seen.contains(QStringLiteral("Стоп")) && seen.contains(QStringLiteral("Пуск")));
    d->Cancel_Text_Signal->click();
    w.settle();
}

TEST_F(PackedDialogTest, TypedValuesAreCorrectedAsTheyAreTyped)
{
    w.doubleClick(pages::ViewArray::Signal_Picture, 1);
    auto *s = w.dialog<Signal_SCADA>();
    ASSERT_TRUE(s);
    s->Signal_Width->clear();
    QTest::keyClicks(s->Signal_Width, QStringLiteral("61"));
    EXPECT_EQ(s->Signal_Width->text(), QStringLiteral("60"));
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Ширина більше 60")});
    EXPECT_EQ(ui().messages.back().icon, MsgIcon::Question);
    // The valve ><: the height is half the width, and cannot be typed.
    s->Type_SIGNAL->setCurrentIndex(6);
    s->Type_SIGNAL_Click();
    EXPECT_FALSE(s->Signal_Height->isEnabled());
    EXPECT_FALSE(s->Signal_Ramka->isEnabled());
    s->Cancel_Signal->click();
    w.settle();

    ui().reset();
    w.doubleClick(pages::ViewArray::Level_Picture, 1); // vertical, 40 x 160
    auto *l = w.dialog<Level_SCADA>();
    ASSERT_TRUE(l);
    EXPECT_EQ(l->Level_Width->maxLength(), 2);
    l->Level_Width->clear();
    QTest::keyClicks(l->Level_Width, QStringLiteral("81"));
    EXPECT_EQ(l->Level_Width->text(), QStringLiteral("80"));
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Ширина більше 80")});
    l->Check1->click();
    EXPECT_EQ(l->Level_Width->text(), QStringLiteral("160"));
    EXPECT_EQ(l->Level_Height->text(), QStringLiteral("80"));
    EXPECT_EQ(l->Level_Width->maxLength(), 3);
    l->Cancel_Level->click();
    w.settle();

    // A transition to a page lists the project's pages.
    w.doubleClick(pages::ViewArray::Go_Block_Label, 1);
    auto *g = w.dialog<Go_Block_SCADA>();
    ASSERT_TRUE(g);
    g->Num_Block_Text->clear();
    QTest::keyClicks(g->Num_Block_Text, QStringLiteral("97"));
    EXPECT_EQ(g->Label3->text(), QStringLiteral("Сторінка SCADA"));
    EXPECT_FALSE(g->Num_Graf_SCADA->isHidden());
    EXPECT_EQ(g->Num_Graf_SCADA->count(), 16);
    g->Cancel_Go_Block->click();
    w.settle();
}

TEST_F(PackedDialogTest, PictureTwentyTwoOpensThePhaseEditorOverADisabledDialog)
{
    Vent *seen = nullptr;
    const auto phaseEditor = Vent::openPhaseEditor;
    Vent::openPhaseEditor = [&seen](Vent &v) { seen = &v; };
    w.doubleClick(pages::ViewArray::Ventilator_Picture, 1);
    Vent *d = w.dialog<Vent>();
    ASSERT_TRUE(d);
    d->PictureVent_DblClick(3);
    EXPECT_EQ(seen, nullptr);
    d->PictureVent_DblClick(kUserMechanism);
    EXPECT_EQ(seen, d);
    EXPECT_FALSE(d->isEnabled());
    EXPECT_EQ(d->LabelVent->pos(), QPoint(606, 251));
    // The editor hands back phase 0 and enables the dialog again.
    QPixmap phase(30, 20);
    phase.fill(Qt::red);
    d->GIF_MECHANIZM->setPixmap(phase);
    d->setEnabled(true);
    d->Ok_Vent->click();
    w.settle();
    Vent::openPhaseEditor = phaseEditor;

    EXPECT_EQ(t.Vent_Picture_Num(0, 1), kUserMechanism);
    EXPECT_EQ(t.Vent_Razmer_X(0, 1), 48);
    EXPECT_EQ(t.Vent_Razmer_Y(0, 1), 48);
    ASSERT_TRUE(w.editor.elements.Ventilator_Picture(1));
    EXPECT_EQ(w.editor.elements.Ventilator_Picture(1)->size(), QSize(30, 20));

    // Opened again, the dialog's picture 22 is this mechanism's own.
    w.doubleClick(pages::ViewArray::Ventilator_Picture, 1);
    d = w.dialog<Vent>();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->GIF_MECHANIZM->pixmap().size(), QSize(30, 20));
    EXPECT_EQ(d->PictureVent[kUserMechanism]->pixmap().size(), QSize(30, 20));
    d->Cancel_Vent_Click(0);
    w.settle();
}

TEST_F(PackedDialogTest, TheChoiceMarkerLeavesThePictureUnderItToTheMouse)
{
    w.doubleClick(pages::ViewArray::Ventilator_Picture, 1);
    Vent *d = w.dialog<Vent>();
    ASSERT_TRUE(d);
    // Once a click has put the marker over a picture, the double-click's
    // second press must still reach that picture.
    for (const int code : {0, 9, 16, kUserMechanism}) {
        d->PictureVent_Click(code);
        const QPoint centre = d->PictureVent[code]->geometry().center();
        EXPECT_EQ(d->childAt(centre), d->PictureVent[code]) << code;
    }
    d->Cancel_Vent->click();
    w.settle();
}

TEST_F(PackedDialogTest, PictureTwentyTwoOpensThePhaseEditorWhichHandsPhaseZeroBack)
{
    w.doubleClick(pages::ViewArray::Ventilator_Picture, 1);
    Vent *d = w.dialog<Vent>();
    ASSERT_TRUE(d);
    d->PictureVent_DblClick(kUserMechanism);
    MECHANIZMf *editor = w.dialog<MECHANIZMf>();
    ASSERT_TRUE(editor);
    EXPECT_FALSE(d->isEnabled());
    ASSERT_TRUE(editor->windowHandle());
    EXPECT_EQ(editor->windowHandle()->transientParent(), d->windowHandle());

    editor->Ok_Vent_Click();
    w.settle();
    EXPECT_EQ(w.dialog<MECHANIZMf>(), nullptr);
    EXPECT_TRUE(d->isEnabled());
    EXPECT_FALSE(d->GIF_MECHANIZM->pixmap().isNull());
    d->Cancel_Vent->click();
    w.settle();
}

} // namespace
} // namespace pelmora
