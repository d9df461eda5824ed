#pragma once
// Which slot an element dialog's Ok writes and which one its Delete frees.
//
// Ok: the number in the dialog's number box, rounded, names the element to
// edit when it is a slot 1..N of the current page that is in use. Any other
// number (0, an empty box, a free slot, one above N or above the tables'
// bound) makes a new element in the lowest free slot 1..N, whose used flag is
// set at once; a page whose N slots are all in use gets the kind's limit
// message and nothing is written. No number ever indexes a table outside its
// bound. Delete frees slot 1..N of the number, in use or not; other numbers
// free nothing. Elements are never renumbered.

#include "core/model/project_model.h"
#include "elements/dialog_common.h"
#include "elements/kind_table.h"

#include <QString>
#include <optional>

namespace pelmora::element {

struct SlotChoice {
    int slot = 0;
    int viewIndex = 0;
    bool created = false; // a new element (the view is loaded from the template)
    bool operator==(const SlotChoice &) const = default;
};

// The rounded number of an element number box.
long long elementNumber(const QString &numberText);

bool slotInUse(const PageTables &t, Kind kind, int page, int slot);
std::optional<int> lowestFreeSlot(const PageTables &t, Kind kind, int page);

// Ok's slot choice for a slotted kind on `page`; nullopt when the page is full.
std::optional<SlotChoice> takeSlot(ProjectModel &m, Kind kind, int page, const QString &numberText);
// The kind's limit message, with an OK button and no icon.
Notice limitNotice(Kind kind);

// Delete's slot: 1..N, or nullopt when the number frees nothing.
std::optional<int> deleteSlot(Kind kind, const QString &numberText);

} // namespace pelmora::element
