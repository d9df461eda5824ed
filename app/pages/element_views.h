#pragma once
// One routine shows an element's view(s) from its record: it loads the view
// when it is not loaded yet, puts it on the canvas of the element's page,
// places, sizes and dresses it as the record says and shows it. Opening a
// project, a paste and the element dialogs' Ok all go through it, so a view
// never differs from its record by the way it was made.
//
// The element dialogs reach the page's views only through ElementViews: the
// routine above, what a view shows (for an opener's prefill), unloading a
// deleted element's views and the few touches a dialog gives the insertion
// templates. The page editor implements it.

#include "pages/element_kinds.h"

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora {

struct ProjectModel;
class PageEditor;

// Shows element (kind, page, slot) from its record; graph windows and clocks
// take row page + 1 and ignore the slot. An element of a page without a canvas
// is loaded and dressed but stays hidden. Manometers have no view of their own.
void refreshElementView(ProjectModel &m, PageEditor &editor, element::Kind kind, int page, int slot);

// What a loaded view shows: its box on the canvas and, where the view has
// them, its caption, colours (0x00BBGGRR), frame, font, picture, and a
// figure's shape and line. A level bar's second colour is the half piece's.
struct ShownView {
    QRect box;
    QString caption;
    std::int32_t foreColour = 0;
    std::int32_t backColour = 0;
    std::int32_t pieceColour = 0;
    int borderStyle = 0;
    QFont font;
    QPixmap picture;
    int shapeKind = 0;
    std::int32_t lineColour = 0;
    int lineWidth = 0;
};

class ElementViews {
public:
    virtual ~ElementViews() = default;

    // refreshElementView for element (kind, page, slot).
    virtual void showElement(element::Kind kind, int page, int slot) = 0;
    // What a dialog holds beyond the record, put on the view of (kind, page,
    // slot) after showElement: a control button's picture from its file
    // (stretched over the view), a user mechanism's phase-0 picture (at its
    // own size; a null picture leaves the placeholder), a static text's font
    // with its exact size and effects.
    virtual void showPicture(element::Kind kind, int page, int slot, const QPixmap &picture) = 0;
    virtual void showFont(element::Kind kind, int page, int slot, const QFont &font) = 0;
    // Unloads the view(s) of control index `index` of the kind (Delete).
    virtual void unloadElement(element::Kind kind, int index) = 0;
    // What view `index` of the kind shows; nullopt when it is not loaded (or
    // the indicator control is missing).
    virtual std::optional<ShownView> shownView(element::Kind kind, int index) const = 0;
    // False when the indicator control cannot be created: signals have no view.
    virtual bool signalViewsAvailable() = 0;

    // The insertion template(s) of the kind.
    virtual void hideTemplate(element::Kind kind) = 0;
    virtual void setTemplateCaption(element::Kind kind, const QString &caption) = 0;
    virtual void setTemplateShape(int shapeKind) = 0; // the figure template

    // The element the resize handle belongs to (a figure after its Ok), and
    // hiding the handle.
    virtual void setHandleElement(int index, int zoomKind) = 0;
    virtual void hideResizeHandle() = 0;

    // The colour the eyedropper picked last (0x00BBGGRR), -1 off the page.
    virtual std::int32_t eyedropperColour() const = 0;
};

} // namespace pelmora
