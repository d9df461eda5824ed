#include "pages/editor/copy_selection.h"

#include "pages/editor/selectable_kinds.h"

namespace pelmora::pages {

namespace {
// The corner of an empty copy lies off the page.
constexpr std::int16_t kNoCopyX = 900, kNoCopyY = 500;
constexpr int kListPositions = 64;
} // namespace

bool strictlyInside(const SelectionRect &r, int x, int y)
{
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    return fx > r.Left && r.Left + r.Width > fx && fy > r.Top && r.Top + r.Height > fy;
}

void copySelection(const PageTables &t, EditorState &s)
{
    for (SelectKind k : kCopyOrder)
        for (int i = 0; i < kListPositions; ++i)
            s.Selection_Table(copyCode(k), i) = 0;
    const int page = t.Num_Stranica_SCADA;
    s.Copy_Stranica = static_cast<std::uint8_t>(page);
    s.Copy_Coord_X = kNoCopyX;
    s.Copy_Coord_Y = kNoCopyY;
    s.Copy_Razmer_X = 0;
    s.Copy_Razmer_Y = 0;
    for (SelectKind k : kCopyOrder) {
        int n = 0;
        for (int slot = 1; slot <= lastSlot(k); ++slot) {
            if (!slotUsed(t, k, page, slot))
                continue;
            // Signals and text signals are tested on their Y without the list number.
            const QPoint at = corner(t, k, page, slot);
            if (!strictlyInside(s.Select_copy, at.x(), at.y()))
                continue;
            s.Selection_Table(copyCode(k), n++) = static_cast<std::int16_t>(slot);
            if (at.x() <= s.Copy_Coord_X)
                s.Copy_Coord_X = static_cast<std::int16_t>(at.x());
            if (at.y() <= s.Copy_Coord_Y)
                s.Copy_Coord_Y = static_cast<std::int16_t>(at.y());
        }
    }
}

} // namespace pelmora::pages
