#pragma once
// A project's pages with elements of every kind on several pages, for the
// page tests and the demo project. The model should have its page count set.

#include "core/model/project_model.h"

namespace pelmora::test {

// Page 0: parameters, indicators, a text signal, level bars, transitions,
// figures, mechanisms, static texts, the graph window, the clock, control
// buttons and a menu item; pages 1 and 2 a few more; a static text in slot 64
// of the extra page index 16. Also page names, page colours and the warning line.
void placeDemoPageElements(ProjectModel &m);

} // namespace pelmora::test
