#include "elements/element_delete.h"

#include "elements/slot_choice.h"

namespace pelmora::element {

std::optional<int> deleteElement(ProjectModel &m, Kind kind, int page, const QString &numberText)
{
    if (kindInfo(kind).slotCount == 0)
        return std::nullopt;
    const auto slot = deleteSlot(kind, numberText);
    if (!slot)
        return std::nullopt;
    kindInfo(kind).reset(m.pages, page, *slot);
    return viewIndex(kind, page, *slot);
}

int deleteClock(ProjectModel &m, int page)
{
    PageTables &t = m.pages;
    const int i = page + 1;
    t.Clock_Used(i) = 0;
    t.Clock_Coord_X(i) = 0;
    t.Clock_Coord_Y(i) = 0;
    return i;
}

} // namespace pelmora::element
