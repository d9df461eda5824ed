#pragma once
// One routine shows an element's view(s) from its record: it loads the view
// when it is not loaded yet, puts it on the canvas of the element's page,
// places, sizes and dresses it as the record says and shows it. Opening a
// project, a paste and the element dialogs' Ok all go through it, so a view
// never differs from its record by the way it was made.

#include "pages/element_kinds.h"

namespace pelmora {

struct ProjectModel;
class PageEditor;

// Shows element (kind, page, slot) from its record; graph windows and clocks
// take row page + 1 and ignore the slot. An element of a page without a canvas
// is loaded and dressed but stays hidden. Manometers have no view of their own.
void refreshElementView(ProjectModel &m, PageEditor &editor, pages::ElementKind kind, int page, int slot);

} // namespace pelmora
