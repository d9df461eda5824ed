#pragma once
// What varies between the element dialogs, as data: for every dialog its
// window, its number box, how many elements a page holds (N) and the slot
// bound its tables are declared with, the view index rule, the limit message
// of a full page, how many views an element has, which ways out hide the
// insertion template, and where Ok takes the element's position from.

#include <array>

namespace pelmora::element {

enum class Kind {
    Varning,    // warning banner, one per project
    Signal,     // signal indicator
    TextSignal, // text signal
    Parameter,  // numeric parameter
    Level,      // level bar
    Control,    // control button
    Transition, // transition
    Menu,       // menu item
    Graph,      // graph window, one per page
    Figure,     // figure
    StaticText, // static text
    Mechanism,  // mechanism
};

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

struct KindInfo {
    Kind kind;
    const char *window;    // the dialog window's name
    const char *numberBox; // the element number box; null for the banner and the graph window
    int slotCount;         // N: slots 1..N hold elements; 0 for the banner and the graph window
    int declaredBound;     // the highest slot of the kind's tables (0 where there are no slots)
    // View index of slot n on page p: p * viewStride + n; the graph window's
    // view is page + 1 (stride 1, no slot); the banner has one view of its own (0).
    int viewStride;
    const char16_t *limitMessage; // shown when a new element finds the page full; null: none
    int viewsPerElement;
    TemplateHiding hides;
    PositionFrom position;
};

inline constexpr int kKindCount = 12;

const std::array<KindInfo, kKindCount> &kindTable();
const KindInfo &kindInfo(Kind kind);

// The view index of slot n of page p (graph window: page + 1).
int viewIndex(Kind kind, int page, int slot);

} // namespace pelmora::element
