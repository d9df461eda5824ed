#include "pages/editor/delete_selection.h"

#include "pages/editor/copy_selection.h"
#include "pages/editor/selectable_kinds.h"

namespace pelmora::pages {

void freeSlot(PageTables &t, element::Kind kind, int p, int s)
{
    // Menu items, graph windows and clocks are not freed by the group commands.
    if (const element::SlotReset free = element::kindInfo(kind).freed)
        free(t, p, s);
}

EditorChanges deleteSelection(PageTables &t, const EditorState &s)
{
    EditorChanges c;
    const int page = t.Num_Stranica_SCADA;
    auto take = [&](SelectKind k, int slot) {
        if (!slotUsed(t, k, page, slot))
            return;
        const QPoint at = corner(t, k, page, slot);
        if (!strictlyInside(s.Select_copy, at.x(), at.y()))
            return;
        freeSlot(t, elementKind(k), page, slot);
        c.freed.push_back({elementKind(k), page, slot});
    };
    for (int slot = 1; slot <= lastSlot(kSlotOrder[0]); ++slot)
        for (SelectKind k : kSlotOrder)
            take(k, slot);
    for (int slot = 1; slot <= lastSlot(SelectKind::StaticText); ++slot)
        take(SelectKind::StaticText, slot);
    return c;
}

} // namespace pelmora::pages
