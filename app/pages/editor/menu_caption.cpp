#include "pages/editor/menu_caption.h"

#include "pages/element_kinds.h"

namespace pelmora::pages {

bool menuTextChange(PageTables &t, int Index, const QString &text)
{
    if (Index < 1)
        return false;
    const int page = t.Num_Stranica_SCADA;
    const int n = slotOfIndex(element::Kind::Menu, page, Index);
    if (!decltype(t.Menu_Caption)::inRange(page, n))
        return false;
    t.Menu_Caption(page, n) = text;
    return true;
}

} // namespace pelmora::pages
