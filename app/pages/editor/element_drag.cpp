#include "pages/editor/element_drag.h"

#include "pages/editor/control_raster.h"
#include "pages/editor/editor_arithmetic.h"
#include "pages/editor/element_fields.h"
#include "pages/editor/element_layout.h"
#include "pages/editor/tool_tips.h"
#include "pages/page_rules.h"

#include <algorithm>

namespace pelmora::pages {

namespace {

const char16_t kBadBlockNumber[] = u"Помилка номера блоку!!!";

// A menu item's text box stands 7 right of and 13 below its picture while it is dragged.
constexpr int kMenuTextDx = 7, kMenuTextDy = 13;

enum class Raster { None, Control, Transition, Menu };

// Where a kind may be dragged: the bounds of its candidate corner, bounds included.
struct DragKind {
    element::Kind kind;
    int xMin, xMax, yMin, yMax;
    Raster raster;
};

struct DragBounds {
    int xMin, xMax, yMin, yMax;
    Raster raster;
};

// clang-format off
std::optional<DragBounds> dragBounds(ViewArray array)
{
    switch (array) {
    case ViewArray::Control_Image:       return DragBounds{0, 760, 0, 440, Raster::Control};
    case ViewArray::Go_Block_Label:      return DragBounds{0, 760, 0, 440, Raster::Transition};
    case ViewArray::Menu_Image:          return DragBounds{0, 760, 0, 440, Raster::Menu};
    case ViewArray::Grafik_Image:
    case ViewArray::Level_Picture:
    case ViewArray::Level_Picture_1:
    case ViewArray::Manometr_Img:
    case ViewArray::Parametr_Label:
    case ViewArray::Real_Clock:
    case ViewArray::ShapePlus1:
    case ViewArray::Signal_Picture:
    case ViewArray::Text_Label_Label:
    case ViewArray::Text_Signal_Picture: return DragBounds{1, 790, 1, 470, Raster::None};
    case ViewArray::Ventilator_Picture:  return DragBounds{1, 765, 1, 445, Raster::None};
    // Main-window pixels, page places 0..398 by 0..470.
    case ViewArray::Varning_Text:        return DragBounds{2, 400, 42, 512, Raster::None};
    case ViewArray::Menu_Text:
    case ViewArray::Real_Time:           return std::nullopt; // companions, never dragged themselves
    }
    return std::nullopt;
}
// clang-format on

// The kind the view shows, as the kind table says, with its bounds.
std::optional<DragKind> dragKind(ViewArray array)
{
    const std::optional<DragBounds> b = dragBounds(array);
    if (!b)
        return std::nullopt;
    return DragKind{element::kindOfView(array).kind, b->xMin, b->xMax, b->yMin, b->yMax, b->raster};
}

// The element number of a view: the slot, or for graph windows and clocks
// the index itself (page + 1); 0 for a template.
int elementNumber(element::Kind kind, int page, int index)
{
    if (kind == element::Kind::Graph || kind == element::Kind::Clock)
        return index;
    return slotOfIndex(kind, page, index);
}

// Whether the element's record lies in the current page's tables.
bool onCurrentPage(element::Kind kind, int page, int index, int n)
{
    switch (kind) {
    case element::Kind::Graph:
    case element::Kind::Clock: return index == page + 1;
    case element::Kind::StaticText: return n >= 1 && n <= 64;
    case element::Kind::Menu: return n >= 1 && n <= 8;
    default: return n >= 1 && n <= 32;
    }
}

// The position fields a drag writes (row n of the page's tables, or row n of
// the one-per-page tables of graph windows and clocks), as the kind table
// gives them.
std::int16_t &xOf(PageTables &t, element::Kind kind, int page, int n) { return element::kindInfo(kind).x(t, page, n); }
std::int16_t &yOf(PageTables &t, element::Kind kind, int page, int n) { return element::kindInfo(kind).y(t, page, n); }

std::int16_t pixel16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

// One drag step of an element that moves.
class DragStep {
public:
    DragStep(PageTables &t, EditorState &s, const CanvasViews &views, ViewRef view, const DragKind &kind, int n,
             EditorChanges &changes)
        : t_(t), s_(s), views_(views), view_(view), k_(kind), n_(n), page_(t.Num_Stranica_SCADA), c_(changes),
          banner_(view.array == ViewArray::Varning_Text), template_(!banner_ && view.index == 0)
    {}

    // Moves the view to candidate corner (cx, cy) on each axis whose
    // candidate lies in the kind's range; returns the view's new place.
    QRectF run(QRectF r, double cx, double cy)
    {
        readAdjustments();
        const bool raster = rasterOn();
        const int step = k_.kind == element::Kind::Menu ? t_.Setka_Razmer_Menu : t_.Setka_Razmer;
        const bool xPass = cx >= k_.xMin && cx <= k_.xMax - allowance_.width;
        const bool yPass = cy >= k_.yMin && cy <= k_.yMax;
        int storedX = 0, storedY = 0;
        if (xPass) {
            int left = snapToGrid(cx, step);
            storedX = left;
            if (raster) {
                const int column = rasterColumnStart(cx);
                switch (k_.raster) {
                case Raster::Control: left = column + kControlColumnOffset - allowance_.shift; break;
                case Raster::Transition: left = column + centredIn(cellWidth_, r.width()); break;
                case Raster::Menu: left = column + centredIn(kRasterWideCell, r.width()); break;
                case Raster::None: break;
                }
                storedX = left;
            }
            r.moveLeft(banner_ ? left : onPageX(left));
        }
        if (yPass) {
            int top = snapToGrid(cy, step);
            storedY = top;
            if (raster) {
                const int row = rasterRowStart(cy);
                switch (k_.raster) {
                case Raster::Control:
                    top = row + centredIn(kRasterCell + allowance_.height, r.height());
                    // A button's record keeps the row top + 20, whatever the picture's height.
                    storedY = row + kControlColumnOffset;
                    break;
                case Raster::Transition:
                case Raster::Menu:
                    top = row + centredIn(kRasterCell, r.height());
                    storedY = top;
                    break;
                case Raster::None: break;
                }
            }
            r.moveTop(banner_ ? top : onPageY(top));
        }
        c_.placed.push_back({view_, r});
        companions(r, xPass, yPass);
        if (template_)
            return r;
        if (banner_) {
            if (xPass)
                t_.Varning_Coord_X = pixel16(roundPixel(r.left()) - kBannerDx);
            if (yPass)
                t_.Varning_Coord_Y = pixel16(roundPixel(r.top()) - kBannerDy);
            return r;
        }
        if (k_.kind == element::Kind::Menu) {
            // The record holds the text box's place, on every step.
            if (menuText_) {
                t_.Menu_Coord_X(page_, n_) = pixel16(roundPixel(menuText_->left()));
                t_.Menu_Coord_Y(page_, n_) = pixel16(roundPixel(menuText_->top()));
            }
            return r;
        }
        if (xPass)
            xOf(t_, k_.kind, page_, n_) = pixel16(onPageX(storedX));
        if (yPass) {
            std::int16_t &y = yOf(t_, k_.kind, page_, n_);
            const int top = onPageY(storedY);
            // The list number of a signal or text signal stays.
            const bool list = element::kindInfo(k_.kind).listInY;
            y = pixel16(list ? withTop(y, top) : top);
        }
        return r;
    }

private:
    void readAdjustments()
    {
        if (template_)
            return;
        if (k_.kind == element::Kind::Control)
            allowance_ = keyAllowance(t_.Control_Key_Type(page_, n_));
        if (k_.kind == element::Kind::Transition && t_.Go_Block_Used(page_, n_) >= 2)
            cellWidth_ = kRasterWideCell; // a double field
    }

    bool rasterOn() const
    {
        switch (k_.raster) {
        case Raster::Control:
        case Raster::Transition: return t_.Control_Grid != 0;
        case Raster::Menu: return t_.Control_Grid_Menu != 0;
        case Raster::None: return false;
        }
        return false;
    }

    void companions(const QRectF &r, bool xPass, bool yPass)
    {
        switch (view_.array) {
        case ViewArray::Menu_Image: {
            const ViewRef text{ViewArray::Menu_Text, view_.index};
            if (const auto g = views_.geometry(text)) {
                QRectF box = *g;
                if (xPass)
                    box.moveLeft(r.left() + kMenuTextDx);
                if (yPass)
                    box.moveTop(r.top() + kMenuTextDy);
                c_.placed.push_back({text, box});
                menuText_ = box;
            }
            break;
        }
        case ViewArray::Real_Clock: {
            // A clock without its date label moves alone.
            const ViewRef date{ViewArray::Real_Time, view_.index};
            if (const auto g = views_.geometry(date)) {
                QRectF d = *g;
                if (xPass)
                    d.moveLeft(r.left());
                if (yPass)
                    d.moveTop(r.top() + kClockDateDy);
                c_.placed.push_back({date, d});
            }
            break;
        }
        case ViewArray::Level_Picture:
        case ViewArray::Level_Picture_1: {
            const ViewRef other{view_.array == ViewArray::Level_Picture ? ViewArray::Level_Picture_1
                                                                        : ViewArray::Level_Picture,
                                view_.index};
            if (const auto g = views_.geometry(other))
                c_.placed.push_back({other, QRectF(r.topLeft(), g->size())});
            break;
        }
        case ViewArray::ShapePlus1:
            // The resize handle follows a dragged figure.
            if (!template_) {
                s_.Zoom.Visible = true;
                s_.Zoom.page = page_;
                s_.Zoom.Left = roundPixel(r.left() + r.width());
                s_.Zoom.Top = roundPixel(r.top() + r.height());
                s_.Zoom_Index = static_cast<std::int16_t>(view_.index);
                s_.Zoom_Kind = 0;
                c_.handleChanged = true;
            }
            break;
        default: break;
        }
    }

    PageTables &t_;
    EditorState &s_;
    const CanvasViews &views_;
    ViewRef view_;
    DragKind k_;
    int n_;
    int page_;
    EditorChanges &c_;
    bool banner_;
    bool template_;
    KeyAllowance allowance_;
    int cellWidth_ = kRasterCell;
    std::optional<QRectF> menuText_;
};

} // namespace

QString transitionDragFailure() { return QString::fromUtf16(kBadBlockNumber); }

EditorChanges elementPress(EditorState &s, const CanvasViews &views, ViewRef view, short Button, float X, float Y)
{
    EditorChanges c;
    s.Drag_Message_Shown = false;
    const int x = pixelsOfTwips(X), y = pixelsOfTwips(Y);
    if (Button == 2) {
        if (const auto g = views.geometry(view)) {
            QPointF at = g->topLeft() + QPointF(x, y);
            if (view.array == ViewArray::Varning_Text)
                at -= QPointF(kBannerDx, kBannerDy);
            s.Mouse_X = pixel16(roundPixel(at.x()));
            s.Mouse_Y = pixel16(roundPixel(at.y()));
        }
        c.popupMenu = true;
        return c;
    }
    s.Mouse_X = pixel16(x);
    s.Mouse_Y = pixel16(y);
    return c;
}

EditorChanges elementMove(PageTables &t, EditorState &s, const CanvasViews &views, ViewRef view, short Button, float X,
                          float Y)
{
    EditorChanges c;
    const auto kind = dragKind(view.array);
    if (!kind)
        return c;
    const auto g = views.geometry(view);
    if (!g)
        return c;
    const int x = pixelsOfTwips(X), y = pixelsOfTwips(Y);
    const int page = t.Num_Stranica_SCADA;
    const bool banner = view.array == ViewArray::Varning_Text;
    const bool menu = kind->kind == element::Kind::Menu;
    const int n = banner ? 0 : elementNumber(kind->kind, page, view.index);
    const bool inTables = banner || view.index == 0 || onCurrentPage(kind->kind, page, view.index, n);
    QRectF r = *g;
    if (Button == 1 && !s.Element_Lock && !(menu && s.Insert_Flag != 0)) {
        if (inTables) {
            r = DragStep(t, s, views, view, *kind, n, c).run(r, r.left() - s.Mouse_X + x, r.top() - s.Mouse_Y + y);
        } else if (kind->kind == element::Kind::Transition && !s.Drag_Message_Shown) {
            c.message = transitionDragFailure();
            s.Drag_Message_Shown = true;
        }
    }
    if (menu)
        s.Insert_Flag = 0;
    if (banner)
        return c;
    // A level bar's tool tip gives the place of its bar, which both pictures share.
    QRectF shown = r;
    if (view.array == ViewArray::Level_Picture_1 && c.placed.empty())
        shown = views.geometry({ViewArray::Level_Picture, view.index}).value_or(r);
    c.toolTips.push_back({view, elementToolTip(view.array, n, shown.left(), shown.top())});
    return c;
}

} // namespace pelmora::pages
