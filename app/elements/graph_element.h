#pragma once
// The graph window's dialog `Grafik_SCADA` without its window. A page has at
// most one graph window, kept at index page + 1 of its tables; its size is
// held to 120..240 x 60..150 with a message for each correction. The dialog
// never marks a page as having a graph window: only the project file does.

#include "core/model/project_model.h"
#include "elements/dialog_common.h"

#include <QString>
#include <QStringList>

namespace pelmora::element {

struct GraphFields {
    QString x = QStringLiteral("1");      // Coord_X_Grafik_Text
    QString y = QStringLiteral("1");      // Coord_Y_Grafik_Text
    QString width = QStringLiteral("1");  // Grafik_Width
    QString height = QStringLiteral("1"); // Grafik_Height
    int group = -1;                       // Grafik_Grup: "1".."8" as 0..7 (design text "1")
    bool operator==(const GraphFields &) const = default;
};

QStringList graphGroupNames(); // "1".."8"

ViewBox graphViewBox(const PageTables &t, int page);

// Grafik_Image_DblClick's prefill from the page's view Grafik_Image(page + 1).
Opened<GraphFields> prefillGraph(const ProjectModel &m, int page, const ViewBox &view);

// Ok: the corrected sizes go back into the fields, with their messages
// (question icon) in the order width < 120, height < 60, width > 240,
// height > 150. With no group chosen the group keeps its value. The view
// Grafik_Image(page + 1) takes the stored place and size.
struct GraphStored {
    int viewIndex = 0;
    ViewBox box;
    Notices notices;
};
GraphStored storeGraph(ProjectModel &m, int page, GraphFields &f);

// Delete: the view goes; used and position 0, size and group stay.
// Returns the view index to unload.
int deleteGraph(ProjectModel &m, int page);

} // namespace pelmora::element
