// Every dialog of the banner's group on the demo project: Ok without a
// change leaves the element's record and the upload's page tables as they
// were; an element edited in its dialog, saved and opened again, opens with
// the same values, and the upload's page tables carry what the dialog wrote.

#include "element_dialog_rig.h"

#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/figura.h"
#include "element_dialogs/grafik_scada.h"
#include "element_dialogs/image_control.h"
#include "element_dialogs/menu_scada.h"
#include "element_dialogs/text_label.h"
#include "element_dialogs/varning.h"
#include "support/fake_services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace pelmora {
namespace {

using namespace element;
using test::ElementDialogRig;
using test::recordOf;

// A dialog's fields as text, so the kinds compare alike.
template <typename Fields> QStringList asText(const Fields &f);

QString choiceText(const ChoiceList &c)
{
    return c.entries.join(u'|') + QStringLiteral("#%1:").arg(c.selected) + c.text;
}

template <> QStringList asText(const ControlFields &f)
{
    return {
        f.number, f.x, f.y, f.width, f.height, f.gifName, QString::number(f.keyType), f.block, choiceText(f.channels)};
}
template <> QStringList asText(const MenuFields &f) { return {f.number, QString::number(f.target)}; }
template <> QStringList asText(const GraphFields &f) { return {f.x, f.y, f.width, f.height, QString::number(f.group)}; }
template <> QStringList asText(const FigureFields &f)
{
    return {f.number, f.width, f.height, f.widthLabel, QString::number(f.type), f.lineWidth, QString::number(f.colour)};
}
template <> QStringList asText(const StaticTextFields &f)
{
    return {f.number,
            f.text,
            QString::number(f.colour),
            f.font.family,
            QString::number(f.font.pointSize),
            QString::number(f.font.bold),
            QString::number(f.font.italic)};
}
template <> QStringList asText(const VarningFields &f)
{
    return {QString::number(f.page), f.x, f.y, QString::number(f.colour), QString::number(f.colourFon), f.block,
            choiceText(f.outputs)};
}

// One kind: its view array, how to reach its open dialog, read its fields,
// change them and press Ok.
struct KindDriver {
    Kind kind;
    pages::ViewArray array;
    std::function<QStringList(ElementDialogRig &)> fields;
    std::function<void(ElementDialogRig &)> edit;
    std::function<void(ElementDialogRig &)> ok;
    bool inTables = true; // figures and static texts are drawn into the page picture instead
};

template <class W> W *dialogOf(ElementDialogRig &r) { return r.dialog<W>(); }

std::vector<KindDriver> drivers()
{
    return {
        {Kind::Control, pages::ViewArray::Control_Image,
         [](auto &r) { return asText(dialogOf<Image_Control>(r)->fields()); },
         [](auto &r) {
             auto *d = dialogOf<Image_Control>(r);
             d->Coord_X_Control_Text->setText(QStringLiteral("211"));
             d->Type_Key->setCurrentIndex(11);
             d->Type_Key_Click();
             d->Num_Block_Contr_Text->setText(QStringLiteral("3"));
             d->binding->blockChanged();
             d->Num_OUT_Contr->setCurrentIndex(2);
         },
         [](auto &r) { dialogOf<Image_Control>(r)->Ok_Control->click(); }},
        {Kind::Menu, pages::ViewArray::Menu_Image, [](auto &r) { return asText(dialogOf<Menu_SCADA>(r)->fields()); },
         [](auto &r) { dialogOf<Menu_SCADA>(r)->List_Menu->setCurrentIndex(9); },
         [](auto &r) { dialogOf<Menu_SCADA>(r)->Ok_Menu->click(); }},
        {Kind::Graph, pages::ViewArray::Grafik_Image,
         [](auto &r) { return asText(dialogOf<Grafik_SCADA>(r)->fields()); },
         [](auto &r) {
             auto *d = dialogOf<Grafik_SCADA>(r);
             d->Coord_X_Grafik_Text->setText(QStringLiteral("333"));
             d->Grafik_Width->setText(QStringLiteral("200"));
             d->Grafik_Grup->setCurrentIndex(5);
         },
         [](auto &r) { dialogOf<Grafik_SCADA>(r)->Ok_Grafik->click(); }},
        {Kind::Figure, pages::ViewArray::ShapePlus1, [](auto &r) { return asText(dialogOf<Figura>(r)->fields()); },
         [](auto &r) {
             auto *d = dialogOf<Figura>(r);
             d->Razmer_X_Figura_Text->setText(QStringLiteral("55"));
             d->Width_Line_Figura_Text1->setText(QStringLiteral("4"));
             d->Color_Figura->setColour(0x00A0B0);
         },
         [](auto &r) { dialogOf<Figura>(r)->Ok_Figura->click(); }, false},
        {Kind::StaticText, pages::ViewArray::Text_Label_Label,
         [](auto &r) { return asText(dialogOf<Text_Label>(r)->fields()); },
         [](auto &r) {
             auto *d = dialogOf<Text_Label>(r);
             d->Text_Text_Label->setText(QStringLiteral("Тиск, бар"));
             d->Color_Text_Label->setColour(0x112233);
         },
         [](auto &r) { dialogOf<Text_Label>(r)->Ok_Text_Label->click(); }, false},
        {Kind::Varning, pages::ViewArray::Varning_Text, [](auto &r) { return asText(dialogOf<Varning>(r)->fields()); },
         [](auto &r) {
             auto *d = dialogOf<Varning>(r);
             d->Coord_X_Text_Var->setText(QStringLiteral("120"));
             d->Color_Fon_Var->setColour(0x00FFFF);
         },
         [](auto &r) { dialogOf<Varning>(r)->OKButton->click(); }},
    };
}

// The control index of slot n of page p in a kind's view array.
int indexOf(Kind kind, int p, int n) { return kind == Kind::Varning ? 0 : viewIndex(kind, p, n); }

// The (page, slot) of every demo element of a kind.
std::vector<std::pair<int, int>> used(const ProjectModel &m, Kind kind)
{
    std::vector<std::pair<int, int>> out;
    if (kind == Kind::Varning) {
        if (m.pages.Varning_Stranica > 0)
            out.emplace_back(m.pages.Varning_Stranica - 1, 0);
        return out;
    }
    for (int p = 0; p < m.settings.Stranica_Count; ++p) {
        if (kind == Kind::Graph) {
            if (m.pages.Grafik_Used(p + 1) == 1)
                out.emplace_back(p, 0);
            continue;
        }
        for (int n = 1; n <= kindInfo(kind).slotCount; ++n)
            if (slotInUse(m.pages, kind, p, n))
                out.emplace_back(p, n);
    }
    return out;
}

class ElementDialogRoundTrip : public test::WithFakes {};

TEST_F(ElementDialogRoundTrip, OkWithoutAChangeKeepsEveryDemoElement)
{
    ElementDialogRig r;
    r.openDemo();
    for (const KindDriver &k : drivers()) {
        const auto elements = used(r.model, k.kind);
        EXPECT_FALSE(elements.empty()) << kindInfo(k.kind).window << ": the demo project has none";
        for (auto [p, n] : elements) {
            SCOPED_TRACE(QStringLiteral("%1 page %2 slot %3")
                             .arg(QLatin1String(kindInfo(k.kind).window))
                             .arg(p)
                             .arg(n)
                             .toStdString());
            r.selectPage(p);
            const QStringList before = recordOf(r.model, k.kind, p, n);
            const QByteArray tables = test::pageTables(r.model, p);
            r.doubleClick(k.array, indexOf(k.kind, p, n));
            k.ok(r);
            r.settle();
            EXPECT_TRUE(r.window.isEnabled());
            EXPECT_EQ(recordOf(r.model, k.kind, p, n), before);
            EXPECT_EQ(test::pageTables(r.model, p), tables);
        }
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

TEST_F(ElementDialogRoundTrip, AnEditedElementSavedAndOpenedOpensWithTheSameValues)
{
    ElementDialogRig r;
    r.openDemo();
    for (const KindDriver &k : drivers()) {
        SCOPED_TRACE(kindInfo(k.kind).window);
        const auto elements = used(r.model, k.kind);
        ASSERT_FALSE(elements.empty());
        const auto [p, n] = elements.front();
        r.selectPage(p);
        const QByteArray tablesBefore = test::pageTables(r.model, p);
        r.doubleClick(k.array, indexOf(k.kind, p, n));
        k.edit(r);
        k.ok(r);
        r.settle();
        if (k.inTables) {
            EXPECT_NE(test::pageTables(r.model, p), tablesBefore);
        }

        r.doubleClick(k.array, indexOf(k.kind, p, n));
        const QStringList shown = k.fields(r);
        k.ok(r);
        r.settle();

        ElementDialogRig again;
        again.model = test::savedAndOpened(r.model);
        restorePageElements(again.model, again.editor, again.view, again);
        again.selectPage(p);
        again.doubleClick(k.array, indexOf(k.kind, p, n));
        EXPECT_EQ(k.fields(again), shown);
        EXPECT_EQ(recordOf(again.model, k.kind, p, n), recordOf(r.model, k.kind, p, n));
        // The upload writes what the dialog wrote.
        EXPECT_EQ(test::pageTables(again.model, p), test::pageTables(r.model, p));
        k.ok(again);
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

} // namespace
} // namespace pelmora
