#pragma once
// The page editor's names for the element kinds and their view index rule,
// all taken from the one kind table of app/elements: the view of slot n on
// page p has the index p * 32 + n (p * 64 + n for static texts, p * 8 + n for
// menu items), graph windows and clocks p + 1. Index 0 of every array is the
// kind's insertion template.

#include "elements/kind_table.h"

namespace pelmora::pages {

using ElementKind = element::Kind;
using element::PendingClock;
using element::PendingControl;
using element::PendingFigure;
using element::PendingKind;
using element::PendingLevel;
using element::PendingMechanism;
using element::PendingMenu;
using element::PendingNone;
using element::PendingParameter;
using element::PendingSignal;
using element::PendingStaticText;
using element::PendingTextSignal;
using element::PendingTransition;
using element::SelectKind;
using element::slotOfIndex;
using element::ViewArray;

// Slots per page in the view index rule (1 for the per-page kinds).
inline int indexStride(ElementKind kind) { return element::kindInfo(kind).viewStride; }

// The view index of slot n on page p; graph windows and clocks take p + 1.
inline int controlIndex(ElementKind kind, int page, int slot) { return element::viewIndex(kind, page, slot); }

} // namespace pelmora::pages
