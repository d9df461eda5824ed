#include "element_dialogs/menu_scada.h"

#include "core/model/project_model.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"

#include <QComboBox>
#include <QPushButton>

namespace pelmora {

using namespace element;

Menu_SCADA::Menu_SCADA(const ElementContext &c) : ElementDialog(c, Kind::Menu, QStringLiteral("Меню"))
{
    setFixedSize(330, 128);
    label(QStringLiteral("Номер меню"), 12, 14, 150);
    Num_Menu_Text = new NumberBox(QStringLiteral("Num_Menu_Text"), this);
    Num_Menu_Text->setGeometry(168, 12, 60, 24);
    label(QStringLiteral("Перехід на сторінку"), 12, 48, 150);
    List_Menu = new QComboBox(this);
    List_Menu->setObjectName(QStringLiteral("List_Menu"));
    List_Menu->setGeometry(168, 46, 100, 24);
    List_Menu->setMaxVisibleItems(16);
    Ok_Menu = button(QStringLiteral("Ok_Menu"), QStringLiteral("Ok"), 12, 90, 95);
    Cancel_Menu = button(QStringLiteral("Cancel_Menu"), QStringLiteral("Відміна"), 118, 90, 95);
    Delete_Menu = button(QStringLiteral("Delete_Menu"), QStringLiteral("Видалити"), 224, 90, 95);
    connect(Ok_Menu, &QPushButton::clicked, this, &Menu_SCADA::Ok_Menu_Click);
    connect(Cancel_Menu, &QPushButton::clicked, this, &Menu_SCADA::Cancel_Menu_Click);
    connect(Delete_Menu, &QPushButton::clicked, this, &Menu_SCADA::Delete_Menu_Click);
    showFields(MenuFields{});
}

void Menu_SCADA::showFields(const MenuFields &f)
{
    Num_Menu_Text->setText(f.number);
    ChoiceList pages{menuPageNames(), -1, QStringLiteral("Стор.1")};
    pages.select(f.target);
    showChoice(List_Menu, pages);
}

MenuFields Menu_SCADA::fields() const
{
    MenuFields f;
    f.number = Num_Menu_Text->text();
    f.target = List_Menu->currentIndex();
    return f;
}

void Menu_SCADA::Ok_Menu_Click() { okSlotted(Num_Menu_Text->text()); }

void Menu_SCADA::storeElement(const SlotChoice &slot)
{
    // The caption is the one typed into the item's text box on the page; a
    // new item takes the template's.
    const auto text = shownOrTemplate(element::Kind::Menu, slot.viewIndex);
    storeMenu(m_, page(), slot, fields(), text ? text->caption : QString(), text ? text->box.topLeft() : QPoint());
    views().showElement(element::Kind::Menu, page(), slot.slot);
}

void Menu_SCADA::Cancel_Menu_Click() { leave(Way::Cancel); }

void Menu_SCADA::Delete_Menu_Click() { deleteSlotted(Num_Menu_Text->text()); }

void Menu_SCADA::Menu_Image_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const int n = pages::slotOfIndex(element::Kind::Menu, p, Index);
    if (n < 0 || n > kindInfo(Kind::Menu).declaredBound)
        return;
    Menu_SCADA &w = openers.showDialog<Menu_SCADA>();
    const auto opened = prefillMenu(c.m, p, n);
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
