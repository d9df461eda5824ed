// The frame every slotted element dialog stands in, for each slotted kind,
// driven through the windows: a new element takes the lowest free slot, a
// used number edits that element's one view, a full page gives the kind's
// limit message and writes nothing, Delete keeps the other numbers, Cancel
// and the close box write nothing and hide the template of their kinds;
// every way out enables the main window.

#include "element_dialog_rig.h"

#include "element_dialogs/element_dialog.h"
#include "element_dialogs/figura.h"
#include "element_dialogs/image_control.h"
#include "element_dialogs/menu_scada.h"
#include "element_dialogs/text_label.h"
#include "support/fake_services.h"
#include "support/stop_on_failure.h"
#include "ui/hosted_control_widget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using test::recordOf;

// One kind as the tests drive it: its insert item, its view array, the
// names of its number box and buttons, and an edit that restyles the view.
struct KindRow {
    Kind kind;
    QAction *MainMenu::*insert;
    pages::ViewArray array;
    const char *numberBox, *ok, *cancel, *del;
    std::function<void(ElementDialog *)> edit;         // changes the look
    std::function<bool(const QWidget *view)> restyled; // the view shows the change
};

QWidget *viewOf(pages::PageElements &e, pages::ViewArray array, int i)
{
    using pages::ViewArray;
    switch (array) {
    case ViewArray::Control_Image: return e.Control_Image(i);
    case ViewArray::Menu_Image: return e.Menu_Image(i);
    case ViewArray::ShapePlus1: return e.ShapePlus1(i);
    case ViewArray::Text_Label_Label: return e.Text_Label_Label(i);
    case ViewArray::Signal_Picture: return e.Signal_Picture(i) ? hosting::widgetOf(*e.Signal_Picture(i)) : nullptr;
    case ViewArray::Text_Signal_Picture: return e.Text_Signal_Picture(i);
    case ViewArray::Parametr_Label: return e.Parametr_Label(i);
    case ViewArray::Level_Picture: return e.Level_Picture(i);
    case ViewArray::Go_Block_Label: return e.Go_Block_Label(i);
    case ViewArray::Ventilator_Picture: return e.Ventilator_Picture(i);
    default: return nullptr;
    }
}

std::vector<KindRow> rows()
{
    auto setText = [](const char *box, const char *text) {
        return [box, text](ElementDialog *d) {
            d->findChild<QLineEdit *>(QLatin1String(box))->setText(QString::fromUtf8(text));
        };
    };
    auto atX321 = [](const QWidget *v) { return v->x() == 321; };
    return {
        {Kind::Control, &MainMenu::MnuControl, pages::ViewArray::Control_Image, "Num_Control_Text", "Ok_Control",
         "Cancel_Control", "Delete_Control", setText("Coord_X_Control_Text", "321"),
         [](const QWidget *v) { return v->x() == 321; }},
        {Kind::Menu, &MainMenu::MnuMenuSCADA, pages::ViewArray::Menu_Image, "Num_Menu_Text", "Ok_Menu", "Cancel_Menu",
         "Delete_Menu", [](ElementDialog *d) { static_cast<Menu_SCADA *>(d)->List_Menu->setCurrentIndex(6); },
         [](const QWidget *) { return true; }},
        {Kind::Figure, &MainMenu::MnuFigura, pages::ViewArray::ShapePlus1, "Num_Figura_Text", "Ok_Figura",
         "Cancel_Figura", "Delete_Figura", setText("Razmer_X_Figura_Text", "77"),
         [](const QWidget *v) { return v->width() == 77; }},
        {Kind::StaticText, &MainMenu::mnuText, pages::ViewArray::Text_Label_Label, "Num_Label_Text_1", "Ok_Text_Label",
         "Cancel_Text", "Delete_Text", setText("Text_Text_Label", "Змінено"),
         [](const QWidget *v) {
             return static_cast<const pages::ElementLabel *>(v)->caption() == QStringLiteral("Змінено");
         }},
        {Kind::Signal, &MainMenu::MnuSignalSCADA, pages::ViewArray::Signal_Picture, "Num_Signal_Text", "Ok_Signal",
         "Cancel_Signal", "Delete_Signal", setText("Coord_X_Signal_Text", "321"), atX321},
        {Kind::TextSignal, &MainMenu::MnuTextSignal, pages::ViewArray::Text_Signal_Picture, "Num_Text_Signal_Text",
         "Ok_Text_Signal", "Cancel_Text_Signal", "Delete_Text_Signal", setText("Coord_X_Text_Signal_Text", "321"),
         atX321},
        {Kind::Parameter, &MainMenu::MnuParametrSCADA, pages::ViewArray::Parametr_Label, "Num_Par_Text", "Ok_Parametr",
         "Cancel_Par", "Delete_Parametr", setText("Coord_X_Parametr_Text", "321"), atX321},
        {Kind::Level, &MainMenu::MnuLevelSCADA, pages::ViewArray::Level_Picture, "Num_Level_Text", "Ok_Level",
         "Cancel_Level", "Delete_Level", setText("Coord_X_Level_Text", "321"), atX321},
        {Kind::Transition, &MainMenu::MnuGotoBlockSCADA, pages::ViewArray::Go_Block_Label, "Num_Go_Block_Text",
         "Ok_Go_Block", "Cancel_Go_Block", "Delete_Go_Block",
         [](ElementDialog *d) { d->findChild<QCheckBox *>(QStringLiteral("Go_Dubl"))->setChecked(true); },
         [](const QWidget *v) { return v->width() == 100; }},
        {Kind::Mechanism, &MainMenu::mnuVent, pages::ViewArray::Ventilator_Picture, "Num_Vent_Text", "Ok_Vent",
         "Cancel_Vent", "Delete_Vent", setText("Coord_X_Vent_Text", "321"), atX321},
    };
}

class ElementFrameDialogTest : public test::WithFakes {
protected:
    ElementDialog *open() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<ElementDialog *>(w); d && d->isVisible())
                return d;
        return nullptr;
    }
    QPushButton *buttonOf(ElementDialog *d, const char *name)
    {
        return d->findChild<QPushButton *>(QLatin1String(name));
    }
    // The template inserted, double-clicked, the number typed.
    ElementDialog *insert(const KindRow &r, const QString &number = QStringLiteral("0"))
    {
        (w.*r.insert)->trigger();
        w.doubleClick(r.array, 0);
        ElementDialog *d = open();
        if (d)
            d->findChild<QLineEdit *>(QLatin1String(r.numberBox))->setText(number);
        return d;
    }
    QStringList pageRecords(Kind kind, int p) const
    {
        QStringList all;
        for (int n = 0; n <= kindInfo(kind).declaredBound; ++n)
            all += recordOf(m, kind, p, n);
        return all;
    }
    QWidget *view(const KindRow &r, int i) { return viewOf(w.editor.elements, r.array, i); }
    bool templateShown(const KindRow &r) { return view(r, 0)->isVisibleTo(w.view.SCADA_Picture[kPage]); }
    // Leaves the dialog by `button` and checks the main window is usable again.
    void leave(ElementDialog *d, const char *button)
    {
        test::stopOnFailure([&] { ASSERT_TRUE(d) << "no element dialog is open"; });
        buttonOf(d, button)->click();
        EXPECT_TRUE(w.window.isEnabled());
        EXPECT_FALSE(d->isVisible());
        w.settle();
    }

    static constexpr int kPage = 2;
    test::ElementDialogRig w;
    ProjectModel &m = w.model;
};

TEST_F(ElementFrameDialogTest, NewElementsTakeTheLowestFreeSlotAndEditingKeepsOneView)
{
    w.selectPage(kPage);
    for (const KindRow &r : rows()) {
        SCOPED_TRACE(kindInfo(r.kind).window);
        const int stride = kindInfo(r.kind).viewStride;
        leave(insert(r), r.ok);
        leave(insert(r), r.ok);
        // A typed free number is not honoured: the lowest free slot, 3.
        ElementDialog *d = insert(r, QStringLiteral("7"));
        ASSERT_TRUE(d);
        EXPECT_FALSE(w.window.isEnabled());
        leave(d, r.ok);
        for (int n = 1; n <= 3; ++n) {
            EXPECT_TRUE(slotInUse(m.pages, r.kind, kPage, n)) << n;
            ASSERT_TRUE(view(r, kPage * stride + n)) << n;
            EXPECT_TRUE(view(r, kPage * stride + n)->isVisibleTo(w.view.SCADA_Picture[kPage])) << n;
        }
        EXPECT_FALSE(templateShown(r));
        EXPECT_FALSE(view(r, kPage * stride + 7));

        // Editing element 2 restyles its one view and makes no new element.
        w.doubleClick(r.array, kPage * stride + 2);
        d = open();
        ASSERT_TRUE(d);
        EXPECT_EQ(d->findChild<QLineEdit *>(QLatin1String(r.numberBox))->text(), QStringLiteral("2"));
        r.edit(d);
        leave(d, r.ok);
        EXPECT_TRUE(r.restyled(view(r, kPage * stride + 2)));
        EXPECT_FALSE(slotInUse(m.pages, r.kind, kPage, 4));
        EXPECT_FALSE(view(r, kPage * stride + 4));
    }
    EXPECT_EQ(m.pages.Menu_Stranica(kPage, 2), 6);
}

// Enter typed into a box of the dialog presses its Ok, the default button:
// the element is stored and its view restyled as Ok does it.
TEST_F(ElementFrameDialogTest, EnterInATextBoxPressesOk)
{
    w.selectPage(kPage);
    for (const KindRow &r : rows()) {
        SCOPED_TRACE(kindInfo(r.kind).window);
        ElementDialog *d = insert(r);
        ASSERT_TRUE(d);
        EXPECT_TRUE(buttonOf(d, r.ok)->isDefault());
        EXPECT_FALSE(buttonOf(d, r.cancel)->isDefault());
        r.edit(d);
        QLineEdit *box = d->findChild<QLineEdit *>(QLatin1String(r.numberBox));
        QApplication::setActiveWindow(d);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
        EXPECT_TRUE(w.window.isEnabled());
        w.settle();
        EXPECT_TRUE(slotInUse(m.pages, r.kind, kPage, 1));
        ASSERT_TRUE(view(r, kPage * kindInfo(r.kind).viewStride + 1));
        EXPECT_TRUE(r.restyled(view(r, kPage * kindInfo(r.kind).viewStride + 1)));
    }
}

TEST_F(ElementFrameDialogTest, DeleteFreesOneSlotAndKeepsTheOtherNumbers)
{
    w.selectPage(kPage);
    for (const KindRow &r : rows()) {
        SCOPED_TRACE(kindInfo(r.kind).window);
        const int stride = kindInfo(r.kind).viewStride;
        for (int i = 0; i < 5; ++i)
            leave(insert(r), r.ok);
        w.doubleClick(r.array, kPage * stride + 3);
        leave(open(), r.del);
        EXPECT_FALSE(view(r, kPage * stride + 3));
        for (int n : {1, 2, 4, 5}) {
            EXPECT_TRUE(slotInUse(m.pages, r.kind, kPage, n)) << n;
            EXPECT_TRUE(view(r, kPage * stride + n)) << n;
        }
        EXPECT_FALSE(slotInUse(m.pages, r.kind, kPage, 3));
        // Delete with 0 or a number above N frees nothing; the template goes.
        const QStringList before = pageRecords(r.kind, kPage);
        for (const QString &number : {QStringLiteral("0"), QString::number(kindInfo(r.kind).slotCount + 1)}) {
            ElementDialog *d = insert(r, number);
            leave(d, r.del);
            EXPECT_FALSE(templateShown(r));
        }
        EXPECT_EQ(pageRecords(r.kind, kPage), before);
        // The freed slot is the next new element's.
        leave(insert(r), r.ok);
        EXPECT_TRUE(slotInUse(m.pages, r.kind, kPage, 3));
        EXPECT_TRUE(view(r, kPage * stride + 3));
    }
}

TEST_F(ElementFrameDialogTest, AFullPageShowsTheLimitMessageAndWritesNothing)
{
    w.selectPage(kPage);
    for (const KindRow &r : rows()) {
        SCOPED_TRACE(kindInfo(r.kind).window);
        for (int n = 1; n <= kindInfo(r.kind).slotCount; ++n)
            ASSERT_TRUE(takeSlot(m, r.kind, kPage, QStringLiteral("0")));
        // The insert item may give the template's slot its starting values
        // (a numeric parameter's font); the dialog writes nothing after it.
        (w.*r.insert)->trigger();
        const QStringList before = pageRecords(r.kind, kPage);
        ui().reset();
        leave(insert(r), r.ok);
        EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kindInfo(r.kind).limitMessage)});
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::None);
        EXPECT_EQ(ui().messages[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(pageRecords(r.kind, kPage), before);
        EXPECT_FALSE(templateShown(r));
    }
}

TEST_F(ElementFrameDialogTest, CancelAndTheCloseBoxWriteNothingAndHideTheTemplateOfTheirKinds)
{
    w.selectPage(kPage);
    for (const KindRow &r : rows()) {
        SCOPED_TRACE(kindInfo(r.kind).window);
        // Cancel hides the template of every kind but the transition, the menu
        // item and the static text; the close box only the figure's.
        const bool cancelHides = r.kind != Kind::Transition && r.kind != Kind::Menu && r.kind != Kind::StaticText;
        const bool closeHides = r.kind == Kind::Figure;
        (w.*r.insert)->trigger(); // what the insert item writes is not the dialog's
        const QStringList before = pageRecords(r.kind, kPage);
        ElementDialog *d = insert(r);
        r.edit(d);
        leave(d, r.cancel);
        EXPECT_EQ(templateShown(r), !cancelHides);
        EXPECT_EQ(pageRecords(r.kind, kPage), before);

        d = insert(r);
        r.edit(d);
        d->close(); // the close box
        EXPECT_TRUE(w.window.isEnabled());
        w.settle();
        EXPECT_EQ(templateShown(r), !closeHides);
        EXPECT_EQ(pageRecords(r.kind, kPage), before);
        view(r, 0)->hide();
    }
}

} // namespace
} // namespace pelmora
