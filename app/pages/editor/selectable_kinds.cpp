#include "pages/editor/selectable_kinds.h"

#include "pages/editor/element_fields.h"

namespace pelmora::pages {

const element::KindInfo &kindRow(SelectKind k) { return element::kindOfSelect(k); }

int lastSlot(SelectKind k) { return kindRow(k).slotCount; }

bool carriesList(SelectKind k) { return kindRow(k).listInY; }

element::Kind elementKind(SelectKind k) { return kindRow(k).kind; }

ViewArray viewArray(SelectKind k) { return kindRow(k).views[0].array; }

ViewRef viewOf(SelectKind k, int page, int slot)
{
    return {viewArray(k), element::viewIndex(elementKind(k), page, slot)};
}

// The kind table's accessors write; reading through them changes nothing.
std::int16_t &usedField(PageTables &t, SelectKind k, int page, int slot) { return kindRow(k).used(t, page, slot); }
std::int16_t usedField(const PageTables &t, SelectKind k, int page, int slot)
{
    return usedField(const_cast<PageTables &>(t), k, page, slot);
}
std::int16_t &xField(PageTables &t, SelectKind k, int page, int slot) { return kindRow(k).x(t, page, slot); }
std::int16_t xField(const PageTables &t, SelectKind k, int page, int slot)
{
    return xField(const_cast<PageTables &>(t), k, page, slot);
}
std::int16_t &yField(PageTables &t, SelectKind k, int page, int slot) { return kindRow(k).y(t, page, slot); }
std::int16_t yField(const PageTables &t, SelectKind k, int page, int slot)
{
    return yField(const_cast<PageTables &>(t), k, page, slot);
}

bool slotUsed(const PageTables &t, SelectKind k, int page, int slot) { return usedField(t, k, page, slot) != 0; }

QPoint corner(const PageTables &t, SelectKind k, int page, int slot)
{
    const int y = yField(t, k, page, slot);
    return QPoint(xField(t, k, page, slot), carriesList(k) ? topOfPackedY(y) : y);
}

namespace {

template <typename State> auto &selectedFlagOf(State &s, SelectKind k, int slot)
{
    switch (k) {
    case SelectKind::Parameter: return s.Parametr_Selected(slot);
    case SelectKind::Signal: return s.Signal_Selected(slot);
    case SelectKind::TextSignal: return s.Text_Signal_Selected(slot);
    case SelectKind::Level: return s.Level_Selected(slot);
    case SelectKind::StaticText: return s.Text_Label_Selected(slot);
    case SelectKind::Control: return s.Control_Selected(slot);
    case SelectKind::Transition: return s.Go_Block_Selected(slot);
    case SelectKind::Mechanism: return s.Vent_Selected(slot);
    case SelectKind::Figure: return s.Figura_Selected(slot);
    }
    return s.Parametr_Selected(slot);
}

} // namespace

std::uint8_t &selectedFlag(EditorState &s, SelectKind k, int slot) { return selectedFlagOf(s, k, slot); }
std::uint8_t selectedFlag(const EditorState &s, SelectKind k, int slot) { return selectedFlagOf(s, k, slot); }

} // namespace pelmora::pages
