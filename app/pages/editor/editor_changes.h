#pragma once
// What the editing operations read of the canvas and what they hand back to
// it. An operation reads where a view stands through CanvasViews (the window
// answers from its controls, a test from a map) and returns EditorChanges:
// the views to move or resize, the elements to create or remove, the texts to
// set, and whether the selection rectangle or the resize handle are to be
// drawn again from the editor state. Nothing else on the canvas changes.

#include "pages/element_kinds.h"

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace pelmora::pages {

// One view: an array and the control index in it.
struct ViewRef {
    ViewArray array;
    int index = 0;
    bool operator==(const ViewRef &) const = default;
    auto operator<=>(const ViewRef &) const = default;
};

// One element: kind, page and slot.
struct ElementRef {
    element::Kind kind;
    int page = 0;
    int slot = 0;
    bool operator==(const ElementRef &) const = default;
};

// Where the views stand now.
class CanvasViews {
public:
    virtual ~CanvasViews() = default;
    // Left, Top, Width and Height of a loaded view, in pixels of its container;
    // nullopt when the view is not loaded.
    virtual std::optional<QRectF> geometry(ViewRef view) const = 0;
};

struct ViewPlacement {
    ViewRef view;
    QRectF rect; // the new Left, Top, Width and Height
};

struct ViewText {
    ViewRef view;
    QString text;
};

struct EditorChanges {
    // Views to give a new place or size, in this order.
    std::vector<ViewPlacement> placed;
    // New elements: load their view(s) and show them from their records.
    std::vector<ElementRef> created;
    // Freed elements: unload their view(s).
    std::vector<ElementRef> freed;
    // Captions to set once the created views are shown.
    std::vector<ViewText> captions;
    std::vector<ViewText> toolTips;
    // A message to show with the critical icon and an OK button.
    std::optional<QString> message;
    bool bandChanged = false;   // draw Select_copy again from the editor state
    bool handleChanged = false; // draw Zoom(2) again from the editor state
    bool popupMenu = false;     // show the edit menu at the pointer, "Копіювати" as its default

    bool empty() const
    {
        return placed.empty() && created.empty() && freed.empty() && captions.empty() && toolTips.empty() && !message &&
               !bandChanged && !handleChanged && !popupMenu;
    }
};

} // namespace pelmora::pages
