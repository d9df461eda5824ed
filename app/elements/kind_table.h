#pragma once
// The one description of every element kind, as data: one row per kind with
// everything that varies between kinds — its dialog window and number box,
// how many elements a page holds (N) and the slot bound its tables are
// declared with, the view index rule, the limit message of a full page, the
// view arrays that show it and which of them open its dialog, the insert
// item's pending code, the copy code a band carries, the in-use and position
// fields, the packing of its Y, the fields a paste copies, the caption a
// pasted view takes, the dialog's Delete, which ways out hide the insertion
// template, and where Ok takes the element's position from.
//
// The page editor, the element dialogs, the openers, the restore on opening
// and the uploads read this table instead of naming the kinds one by one.

#include "core/model/page_tables.h"
#include "elements/element_kinds.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace pelmora::element {

// Where Ok takes the stored position from: the dialog's coordinate boxes, or
// the element's view (the template's place for a new element).
enum class PositionFrom { Boxes, View };

// The ways out that hide the kind's insertion template (both templates for
// the kinds with two views). Every way out enables the main window.
struct TemplateHiding {
    bool ok = false;
    bool del = false;
    bool cancel = false;
    bool closeBox = false;
};

// How the view index of an element follows from its page and slot.
enum class IndexRule {
    Slot,    // page * viewStride + slot; index 0 is the template
    PageRow, // page + 1: one element per page (graph window, clock)
    Single,  // 0: the one warning line
};

// The caption a pasted element's view takes once shown from its record.
enum class PasteCaption {
    None,
    SlotNumber, // the slot number with the parameter's leading zeros
    TextOff,    // the text signal's "off" text
    Zero,       // "0"
};

// One view array of a kind, by the name its controls carry, and whether a
// double-click on it opens the kind's dialog (through the kind's opener).
struct KindView {
    ViewArray array;
    const char *name;
    bool opens;
};

// A field of the page tables at (page, slot).
using SlotField = std::int16_t &(*)(ElementTables &t, int page, int slot);
// Copies one field of the element at (fromPage, fromSlot) into (page, slot),
// or sets it to the value a pasted element starts with.
using FieldCopy = void (*)(ElementTables &t, int fromPage, int fromSlot, int page, int slot);
// Frees the record of (page, slot) as the kind's dialog Delete does.
using SlotReset = void (*)(PageTables &t, int page, int slot);

struct KindInfo {
    Kind kind;
    const char *window;    // the dialog window's name; null for the kinds without a dialog
    const char *numberBox; // the element number box; null for the kinds without element numbers
    int slotCount;         // N: slots 1..N hold elements; 0 for the kinds without element numbers
    int declaredBound;     // the highest slot of the kind's tables (0 where there are no slots)
    IndexRule indexRule;
    int viewStride;                // slots per page in the view index rule
    const char16_t *limitMessage;  // shown when a new element finds the page full; null: none
    int viewsPerElement;           // 1 or 2
    std::array<KindView, 2> views; // views[1] only with two views per element
    TemplateHiding hides;
    PositionFrom position;
    PendingKind pending;              // the insert item's code; PendingNone: the item leaves none
    std::optional<SelectKind> select; // the copy code; none for the kinds a band does not carry
    // The in-use field and the stored corner; null for the kinds without them.
    SlotField used;
    SlotField x;
    SlotField y;
    bool usedIsCount; // the in-use field counts the element's fields (1 or more)
    bool listInY;     // the stored Y packs the list number above the top edge
    std::span<const FieldCopy> pasted;
    PasteCaption pasteCaption;
    SlotReset reset; // the dialog's Delete; null for the kinds without one
    SlotReset freed; // what the page editor's group Delete leaves; null where it frees nothing
};

const std::array<KindInfo, kKindCount> &kindTable();
const KindInfo &kindInfo(Kind kind);

// The view index of slot n of page p (graph window and clock: page + 1; the
// warning line: 0).
int viewIndex(Kind kind, int page, int slot);
// The element number shown to the user: the slot of view index i on page p
// (0 for a template).
int slotOfIndex(Kind kind, int page, int index);

// The kind a view array shows, and whether a double-click on it opens the
// kind's dialog.
const KindInfo &kindOfView(ViewArray array);
bool viewOpensDialog(ViewArray array);
// The name the controls of a view array carry.
const char *viewArrayName(ViewArray array);
// The kind of a copy code, and of a pending code (null: none).
const KindInfo &kindOfSelect(SelectKind select);
const KindInfo *kindOfPending(int pending);

// The in-use field of (page, slot) holds an element.
bool slotHolds(const PageTables &t, Kind kind, int page, int slot);

} // namespace pelmora::element
