#pragma once
// The menu item's dialog `Menu_SCADA` without its window. An item has two
// views, the picture Menu_Image and the text box Menu_Text on it; the
// caption is typed on the page itself and Ok takes it, and the position, from
// the text box. The page list always offers 16 pages.

#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QPoint>
#include <QString>
#include <QStringList>

namespace pelmora::element {

struct MenuFields {
    QString number = QStringLiteral("0"); // Num_Menu_Text
    int target = -1;                      // List_Menu: "Стор.1".."Стор.16" as 0..15 (design text "Стор.1")
    bool operator==(const MenuFields &) const = default;
};

QStringList menuPageNames(); // "Стор.1".."Стор.16"

// Menu_Image_DblClick's prefill: the number and the stored target page.
Opened<MenuFields> prefillMenu(const ProjectModel &m, int page, int slot);

// Ok with the caption and the place of the item's text box (the template's
// for a new item); with no page chosen the target keeps its value. Both views
// go on the current page's canvas and are shown.
void storeMenu(ProjectModel &m, int page, const SlotChoice &slot, const MenuFields &f, const QString &caption,
               QPoint textPos);

// Delete's reset: position 0, empty caption; the target page stays.
void resetMenu(PageTables &t, int page, int slot);

} // namespace pelmora::element
