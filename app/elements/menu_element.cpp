#include "elements/menu_element.h"

#include "elements/box_numbers.h"

namespace pelmora::element {

QStringList menuPageNames()
{
    QStringList names;
    for (int k = 1; k <= 16; ++k)
        names.push_back(QStringLiteral("Стор.") + QString::number(k));
    return names;
}

Opened<MenuFields> prefillMenu(const ProjectModel &m, int page, int slot)
{
    Opened<MenuFields> o;
    o.fields.number = QString::number(slot);
    const int target = m.pages.Menu_Stranica(page, slot);
    o.fields.target = target <= 15 ? target : -1;
    return o;
}

void storeMenu(ProjectModel &m, int page, const SlotChoice &slot, const MenuFields &f, const QString &caption,
               QPoint textPos)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    t.Menu_Used(page, n) = 1;
    t.Menu_Caption(page, n) = caption;
    if (f.target >= 0 && f.target <= 15)
        t.Menu_Stranica(page, n) = static_cast<std::uint8_t>(f.target);
    t.Menu_Coord_X(page, n) = int16Field(textPos.x());
    t.Menu_Coord_Y(page, n) = int16Field(textPos.y());
}

void resetMenu(PageTables &t, int page, int slot)
{
    t.Menu_Used(page, slot) = 0;
    t.Menu_Coord_X(page, slot) = 0;
    t.Menu_Coord_Y(page, slot) = 0;
    t.Menu_Caption(page, slot).clear();
}

} // namespace pelmora::element
