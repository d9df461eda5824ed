#include "elements/element_delete.h"

#include "elements/control_element.h"
#include "elements/figure_element.h"
#include "elements/level_element.h"
#include "elements/mechanism_element.h"
#include "elements/menu_element.h"
#include "elements/parameter_element.h"
#include "elements/signal_element.h"
#include "elements/slot_choice.h"
#include "elements/static_text_element.h"
#include "elements/text_signal_element.h"
#include "elements/transition_element.h"

namespace pelmora::element {

std::optional<int> deleteElement(ProjectModel &m, Kind kind, int page, const QString &numberText)
{
    if (kindInfo(kind).slotCount == 0)
        return std::nullopt;
    const auto slot = deleteSlot(kind, numberText);
    if (!slot)
        return std::nullopt;
    PageTables &t = m.pages;
    switch (kind) {
    case Kind::Signal: resetSignal(t, page, *slot); break;
    case Kind::TextSignal: resetTextSignal(t, page, *slot); break;
    case Kind::Parameter: resetParameter(t, page, *slot); break;
    case Kind::Level: resetLevel(t, page, *slot); break;
    case Kind::Control: resetControl(t, page, *slot); break;
    case Kind::Transition: resetTransition(t, page, *slot); break;
    case Kind::Menu: resetMenu(t, page, *slot); break;
    case Kind::Figure: resetFigure(t, page, *slot); break;
    case Kind::StaticText: resetStaticText(t, page, *slot); break;
    case Kind::Mechanism: resetMechanism(t, page, *slot); break;
    case Kind::Varning:
    case Kind::Graph: return std::nullopt;
    }
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
