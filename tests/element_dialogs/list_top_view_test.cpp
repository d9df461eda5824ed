// A signal and a text signal carry their list number in the Y field (top +
// list * 1024). The stored Y keeps the list number; every way to the page
// — the dialog's Ok, a paste, opening the saved project — shows the view at
// the top without it, the field's low nine bits, so the element stands at
// one place whichever way it came.

#include "element_dialog_rig.h"
#include "elements/kind_table.h"

#include "core/hosting/hosted_control.h"
#include "element_dialogs/signal_scada.h"
#include "element_dialogs/text_signal_scada.h"
#include "elements/element_codec.h"
#include "support/fake_services.h"
#include "ui/hosted_control_widget.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::ElementDialogRig;

struct ListKind {
    const char *name;
    element::ViewArray array;
    QAction *MainMenu::*insert;
    // Types x, y and the list number into the open dialog and presses Ok.
    std::function<void(ElementDialogRig &, int, int, int)> store;
    std::function<QWidget *(ElementDialogRig &, int)> view;
    std::function<std::int16_t &(PageTables &, int, int)> y;
};

std::vector<ListKind> listKinds()
{
    return {
        {"signal", element::ViewArray::Signal_Picture, &MainMenu::MnuSignalSCADA,
         [](ElementDialogRig &r, int x, int y, int list) {
             Signal_SCADA *d = r.dialog<Signal_SCADA>();
             d->Coord_X_Signal_Text->setText(QString::number(x));
             d->Coord_Y_Signal_Text->setText(QString::number(y));
             d->Spisok_Signal->setCurrentIndex(list);
             d->Ok_Signal->click();
         },
         [](ElementDialogRig &r, int i) -> QWidget * {
             hosting::HostedControl *c = r.editor.elements.Signal_Picture(i);
             return c ? hosting::widgetOf(*c) : nullptr;
         },
         [](PageTables &t, int p, int n) -> std::int16_t & { return t.Signal_Coord_Y(p, n); }},
        {"text signal", element::ViewArray::Text_Signal_Picture, &MainMenu::MnuTextSignal,
         [](ElementDialogRig &r, int x, int y, int list) {
             Text_Signal_SCADA *d = r.dialog<Text_Signal_SCADA>();
             d->Coord_X_Text_Signal_Text->setText(QString::number(x));
             d->Coord_Y_Text_Signal_Text->setText(QString::number(y));
             d->Spisok_Text_Signal->setCurrentIndex(list);
             d->Ok_Text_Signal->click();
         },
         [](ElementDialogRig &r, int i) -> QWidget * { return r.editor.elements.Text_Signal_Picture(i); },
         [](PageTables &t, int p, int n) -> std::int16_t & { return t.Text_Signal_Coord_Y(p, n); }},
    };
}

class ListTopView : public test::WithFakes {};

TEST_F(ListTopView, OkPasteAndReopeningShowTheTopWithoutTheListNumber)
{
    constexpr int page = 1;
    struct Case {
        int y;
        int list;
        int shownTop;
    };
    // A top within the page, and one typed past 511 whose ninth bit the
    // view does not take (the page upload sends the field as stored).
    for (const Case c : {Case{200, 3, 200}, Case{0, 31, 0}, Case{600, 2, 88}})
        for (const ListKind &k : listKinds()) {
            SCOPED_TRACE(std::string(k.name) + " y " + std::to_string(c.y) + " list " + std::to_string(c.list));
            ElementDialogRig r;
            r.selectPage(page);
            (r.*k.insert)->trigger();
            r.doubleClick(k.array, 0);
            k.store(r, 150, c.y, c.list);
            r.settle();
            const int i = page * 32 + 1;
            EXPECT_EQ(k.y(r.model.pages, page, 1), element::listTopPack(c.y, c.list));
            QWidget *shown = k.view(r, i);
            ASSERT_TRUE(shown);
            EXPECT_EQ(shown->pos(), QPoint(150, c.shownTop));

            // Opened again, the dialog shows the top it stands at and the
            // list; Ok without a change keeps the list number.
            r.doubleClick(k.array, i);
            k.store(r, 150, c.shownTop, c.list);
            r.settle();
            EXPECT_EQ(element::listNumber(k.y(r.model.pages, page, 1)), c.list);
            EXPECT_EQ(k.view(r, i)->pos(), QPoint(150, c.shownTop));

            // Copied and pasted 40 pixels lower: the copy keeps the list
            // number and stands at its record's top.
            pages::EditorState &s = r.editor.state;
            s.Select_copy = {140, static_cast<float>(c.shownTop) - 5, 100, 40, true, page};
            r.editor.mnuCopy_Click();
            s.Mouse_X = 150;
            s.Mouse_Y = static_cast<std::int16_t>(c.shownTop + 40);
            r.editor.mnuPaste_Click();
            const std::int16_t pastedY = k.y(r.model.pages, page, 2);
            EXPECT_EQ(element::listNumber(pastedY), c.list);
            EXPECT_EQ(element::viewTop(pastedY), c.shownTop + 40);
            QWidget *pasted = k.view(r, i + 1);
            ASSERT_TRUE(pasted);
            EXPECT_EQ(pasted->pos(), QPoint(150, element::viewTop(pastedY)));

            // The saved and opened project shows both where they stood.
            ElementDialogRig again;
            again.model = test::savedAndOpened(r.model);
            restorePageElements(again.model, again.editor, again.view, again);
            again.selectPage(page);
            ASSERT_TRUE(k.view(again, i));
            ASSERT_TRUE(k.view(again, i + 1));
            EXPECT_EQ(k.view(again, i)->pos(), QPoint(150, c.shownTop));
            EXPECT_EQ(k.view(again, i + 1)->pos(), pasted->pos());
        }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

} // namespace
} // namespace pelmora
