#pragma once
// The element codes the page editor names unqualified (pending and copy
// codes, view arrays), taken from the one kind table of app/elements; the
// kinds themselves and their view index rule (element::Kind,
// element::viewIndex) are named there.

#include "elements/kind_table.h"

namespace pelmora::pages {

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

} // namespace pelmora::pages
