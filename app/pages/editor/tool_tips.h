#pragma once
// The tool tip a dragged element shows: the word of its kind, its element
// number and its place, as in "Сигнал 5, X - 120, Y - 60".

#include "pages/editor/editor_changes.h"

#include <QString>
#include <optional>

namespace pelmora::pages {

// The word of the views that show a tool tip; nullopt for the warning line
// and for the companions that are never dragged.
std::optional<QString> toolTipWord(ViewArray array);

// The tool tip of element number n at (left, top).
QString elementToolTip(ViewArray array, int n, double left, double top);

} // namespace pelmora::pages
