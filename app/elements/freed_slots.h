#pragma once
// What the page editor's group Delete leaves in a freed slot, kind by kind
// (the kind table names the one for each kind). A few fields of a freed
// record hold 10, and texts one blank, as the project files have always
// carried them; the element dialogs' own Delete resets a record otherwise.

#include "core/model/page_tables.h"

namespace pelmora::element {

void freeParameterSlot(PageTables &t, int p, int s);
void freeSignalSlot(PageTables &t, int p, int s);
void freeTextSignalSlot(PageTables &t, int p, int s);
void freeControlSlot(PageTables &t, int p, int s);
// Level bars and manometers share the level tables.
void freeLevelSlot(PageTables &t, int p, int s);
void freeTransitionSlot(PageTables &t, int p, int s);
void freeFigureSlot(PageTables &t, int p, int s);
// The background bit in Vent_Fon_Bits stays as it was.
void freeMechanismSlot(PageTables &t, int p, int s);
void freeStaticTextSlot(PageTables &t, int p, int s);

} // namespace pelmora::element
