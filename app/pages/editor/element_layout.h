#pragma once
// Where the views of an element stand when they are shown from its record:
// on opening a project, after a paste and after a dialog's Ok. The widths and
// heights the record fixes come with them; a view whose size follows its
// caption or its template (labels, a transition's height) keeps its own.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"

#include <QPointF>
#include <optional>
#include <vector>

namespace pelmora::pages {

// The warning line stands in the main window, where the page origin lies at (2, 42).
constexpr int kBannerDx = 2, kBannerDy = 42;

struct ViewLayout {
    ViewRef view;
    QPointF pos;
    std::optional<double> width, height; // nullopt: the view keeps its own
};

// The views of the element (kind, page, slot) laid out from its record; graph
// windows and clocks take the record of row page + 1 and ignore the slot.
// Manometers have no layout of their own.
std::vector<ViewLayout> elementLayout(const PageTables &t, element::Kind kind, int page, int slot);

// The warning line, in pixels of the main window.
ViewLayout bannerLayout(const PageTables &t);

} // namespace pelmora::pages
