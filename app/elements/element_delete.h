#pragma once
// Delete in every slotted element dialog, and the clock's deletion, which
// has no dialog: the page editor asks "Видалити годинник?" and on Yes clears
// the page's clock record and unloads its two labels.

#include "core/model/project_model.h"
#include "elements/kind_table.h"

#include <QString>
#include <optional>

namespace pelmora::element {

// Delete with the number box's text: for a slot 1..N of the kind on `page`
// the record gets the kind's reset values (the binding and any field the
// kind does not reset stay in the freed slot) and the view index to unload
// is returned; any other number frees nothing. The other elements keep their
// numbers.
std::optional<int> deleteElement(ProjectModel &m, Kind kind, int page, const QString &numberText);

// The clock's question, with Yes and No, no icon.
inline constexpr char16_t kDeleteClockQuestion[] = u"Видалити годинник?";
// The clock's deletion on Yes: Clock_Used, Clock_Coord_X and Clock_Coord_Y of
// the page go to 0. Returns the index of Real_Clock and Real_Time to unload.
int deleteClock(ProjectModel &m, int page);

} // namespace pelmora::element
