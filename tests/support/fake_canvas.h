#pragma once
// The page canvases as the editing operations see them, without widgets: the
// geometry of every loaded view, laid out from the records as opening a
// project does, changed as an operation's result says. Labels and the other
// views whose size the record does not fix take the size of their template.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"

#include <QPointF>
#include <QRectF>
#include <map>
#include <ostream>

// Readable failures for places and rectangles.
inline void PrintTo(const QPointF &p, std::ostream *os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
inline void PrintTo(const QRectF &r, std::ostream *os)
{
    *os << '(' << r.x() << ", " << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}

namespace pelmora::test {

class FakeCanvas : public pages::CanvasViews {
public:
    std::optional<QRectF> geometry(pages::ViewRef view) const override;

    // The template's design size of an array.
    static QSizeF templateSize(pages::ViewArray array);

    // Loads and places the views of every used element of pages 0..pageCount
    // (the per-page graph windows and clocks too) and the warning line.
    void showRecords(const PageTables &t, int pageCount);
    // Loads and places the views of one element from its record.
    void show(const PageTables &t, const pages::ElementRef &element);
    // A view at a place of the test's choosing, e.g. a template.
    void put(pages::ViewRef view, QRectF rect) { views[view] = rect; }
    void put(pages::ViewArray array, int index, double x, double y);

    // Applies an operation's result: places, creates from the records,
    // unloads, and keeps the texts.
    void apply(const pages::EditorChanges &changes, const PageTables &t);

    std::map<pages::ViewRef, QRectF> views;
    std::map<pages::ViewRef, QString> captions;
    std::map<pages::ViewRef, QString> toolTips;
};

} // namespace pelmora::test
