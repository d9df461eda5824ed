#include "pages/editor/selectable_kinds.h"

#include "pages/editor/element_fields.h"

namespace pelmora::pages {

ElementKind elementKind(SelectKind k)
{
    switch (k) {
    case SelectKind::Parameter: return ElementKind::Parameter;
    case SelectKind::Signal: return ElementKind::Signal;
    case SelectKind::TextSignal: return ElementKind::TextSignal;
    case SelectKind::Level: return ElementKind::Level;
    case SelectKind::StaticText: return ElementKind::StaticText;
    case SelectKind::Control: return ElementKind::Control;
    case SelectKind::Transition: return ElementKind::Transition;
    case SelectKind::Mechanism: return ElementKind::Mechanism;
    case SelectKind::Figure: return ElementKind::Figure;
    }
    return ElementKind::Parameter;
}

ViewArray viewArray(SelectKind k)
{
    switch (k) {
    case SelectKind::Parameter: return ViewArray::Parametr_Label;
    case SelectKind::Signal: return ViewArray::Signal_Picture;
    case SelectKind::TextSignal: return ViewArray::Text_Signal_Picture;
    case SelectKind::Level: return ViewArray::Level_Picture;
    case SelectKind::StaticText: return ViewArray::Text_Label_Label;
    case SelectKind::Control: return ViewArray::Control_Image;
    case SelectKind::Transition: return ViewArray::Go_Block_Label;
    case SelectKind::Mechanism: return ViewArray::Ventilator_Picture;
    case SelectKind::Figure: return ViewArray::ShapePlus1;
    }
    return ViewArray::Parametr_Label;
}

ViewRef viewOf(SelectKind k, int page, int slot) { return {viewArray(k), controlIndex(elementKind(k), page, slot)}; }

namespace {

// One switch per field serves the const and the writable access.

template <typename Tables> auto &usedFieldOf(Tables &t, SelectKind k, int page, int slot)
{
    switch (k) {
    case SelectKind::Parameter: return t.Parametr_Used(page, slot);
    case SelectKind::Signal: return t.Signal_Used(page, slot);
    case SelectKind::TextSignal: return t.Text_Signal_Used(page, slot);
    case SelectKind::Level: return t.Level_Used(page, slot);
    case SelectKind::StaticText: return t.Text_Label_Used(page, slot);
    case SelectKind::Control: return t.Control_Used(page, slot);
    case SelectKind::Transition: return t.Go_Block_Used(page, slot);
    case SelectKind::Mechanism: return t.Vent_Used(page, slot);
    case SelectKind::Figure: return t.Figura_Used(page, slot);
    }
    return t.Parametr_Used(page, slot);
}

template <typename Tables> auto &xFieldOf(Tables &t, SelectKind k, int page, int slot)
{
    switch (k) {
    case SelectKind::Parameter: return t.Parametr_Coord_X(page, slot);
    case SelectKind::Signal: return t.Signal_Coord_X(page, slot);
    case SelectKind::TextSignal: return t.Text_Signal_Coord_X(page, slot);
    case SelectKind::Level: return t.Level_Coord_X(page, slot);
    case SelectKind::StaticText: return t.Text_Label_Coord_X(page, slot);
    case SelectKind::Control: return t.Control_Coord_X(page, slot);
    case SelectKind::Transition: return t.Go_Block_Coord_X(page, slot);
    case SelectKind::Mechanism: return t.Vent_Coord_X(page, slot);
    case SelectKind::Figure: return t.Figura_Coord_X(page, slot);
    }
    return t.Parametr_Coord_X(page, slot);
}

template <typename Tables> auto &yFieldOf(Tables &t, SelectKind k, int page, int slot)
{
    switch (k) {
    case SelectKind::Parameter: return t.Parametr_Coord_Y(page, slot);
    case SelectKind::Signal: return t.Signal_Coord_Y(page, slot);
    case SelectKind::TextSignal: return t.Text_Signal_Coord_Y(page, slot);
    case SelectKind::Level: return t.Level_Coord_Y(page, slot);
    case SelectKind::StaticText: return t.Text_Label_Coord_Y(page, slot);
    case SelectKind::Control: return t.Control_Coord_Y(page, slot);
    case SelectKind::Transition: return t.Go_Block_Coord_Y(page, slot);
    case SelectKind::Mechanism: return t.Vent_Coord_Y(page, slot);
    case SelectKind::Figure: return t.Figura_Coord_Y(page, slot);
    }
    return t.Parametr_Coord_Y(page, slot);
}

} // namespace

std::int16_t &usedField(PageTables &t, SelectKind k, int page, int slot) { return usedFieldOf(t, k, page, slot); }
std::int16_t usedField(const PageTables &t, SelectKind k, int page, int slot) { return usedFieldOf(t, k, page, slot); }
std::int16_t &xField(PageTables &t, SelectKind k, int page, int slot) { return xFieldOf(t, k, page, slot); }
std::int16_t xField(const PageTables &t, SelectKind k, int page, int slot) { return xFieldOf(t, k, page, slot); }
std::int16_t &yField(PageTables &t, SelectKind k, int page, int slot) { return yFieldOf(t, k, page, slot); }
std::int16_t yField(const PageTables &t, SelectKind k, int page, int slot) { return yFieldOf(t, k, page, slot); }

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
