#pragma once
// The element kinds of the SCADA pages, the codes the insert items leave in
// Pending_Element_Kind, and the rule that maps an element (kind, page, slot)
// to the index of its control in the kind's control array: page * 32 + slot,
// page * 64 + slot for static texts, page * 8 + slot for menu items, and
// page + 1 for the one graph window and clock of a page. Index 0 of every
// array is the kind's insertion template.

#include <cstdint>

namespace pelmora::pages {

enum class ElementKind {
    Signal,
    TextSignal,
    Parameter,
    Level,
    Manometer,
    Transition,
    Control,
    Mechanism,
    Figure,
    StaticText,
    Menu,
    Graph,
    Clock,
};

// Pending_Element_Kind: the kind chosen last in an insert item (0 = none yet).
enum PendingKind : std::int16_t {
    PendingNone = 0,
    PendingFigure = 2,
    PendingMenu = 3,
    PendingStaticText = 4,
    PendingTransition = 5,
    PendingParameter = 6,
    PendingLevel = 7,
    PendingSignal = 8,
    PendingTextSignal = 9,
    PendingControl = 10,
    PendingClock = 11,
    PendingMechanism = 12,
};

// Slots per page in the control index rule (1 for the per-page kinds).
constexpr int indexStride(ElementKind kind)
{
    switch (kind) {
    case ElementKind::StaticText: return 64;
    case ElementKind::Menu: return 8;
    case ElementKind::Graph:
    case ElementKind::Clock: return 1;
    default: return 32;
    }
}

// The control index of slot n on page p; graph windows and clocks take p + 1.
constexpr int controlIndex(ElementKind kind, int page, int slot)
{
    if (kind == ElementKind::Graph || kind == ElementKind::Clock)
        return page + 1;
    return page * indexStride(kind) + slot;
}

// The element number shown to the user: the slot of control index i on page p
// (0 for a template).
constexpr int slotOfIndex(ElementKind kind, int page, int index)
{
    if (index == 0)
        return 0;
    return index - page * indexStride(kind);
}

} // namespace pelmora::pages
