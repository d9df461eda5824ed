#pragma once
// The caption typed into a menu item's text box on the canvas goes into the
// item's record at once.

#include "core/model/page_tables.h"

#include <QString>

namespace pelmora::pages {

// The text of Menu_Text(Index) changed: stores it as the caption of slot
// Index - 8 x page of the current page. The template (index below 1) and an
// index outside the page's table store nothing. True when stored.
bool menuTextChange(PageTables &t, int Index, const QString &text);

} // namespace pelmora::pages
