#pragma once
// The control arrays that show the page elements, with their templates
// (element 0 of each array, hidden until an insert item shows it), and the
// four resize handles Zoom(0..3). Owned by the page editor; the element
// dialogs, the project opener and the rest of the editor load, place and
// unload elements through these arrays by the index rule of the kind table.

#include "pages/control_array.h"
#include "pages/element_kinds.h"
#include "pages/mouse_adapter.h"
#include "pages/page_controls.h"

#include <QLabel>
#include <QString>
#include <array>
#include <functional>
#include <memory>

namespace pelmora::hosting {
class HostedControl;
}

namespace pelmora::pages {

// Lumtor controls held by the signal array: released when unloaded.
struct HostedItems {
    using Handle = std::unique_ptr<hosting::HostedControl>;
    static hosting::HostedControl *get(const Handle &h);
    static void destroy(Handle &h);
};

// Where the mouse events of every element control go: the view array (as
// in Level_Picture_1_MouseDown), the element's control index, and for the
// button events Button, Shift and the position in twips relative to the
// control. The editor's handlers for dragging, selecting and opening the
// element dialogs attach here.
struct ElementMouseSink {
    std::function<void(ViewArray array, int index)> Click;
    std::function<void(ViewArray array, int index)> DblClick;
    std::function<void(ViewArray array, int index, short Button, short Shift, float X, float Y)> MouseDown;
    std::function<void(ViewArray array, int index, short Button, short Shift, float X, float Y)> MouseMove;
    std::function<void(ViewArray array, int index, short Button, short Shift, float X, float Y)> MouseUp;
    // The user typed into a menu item's text box (Menu_Text): its index and new text.
    std::function<void(int index, const QString &text)> CaptionEdited;
};

class PageElements {
public:
    // The templates are placed on `templateCanvas` (page 0's canvas), hidden.
    explicit PageElements(QWidget *templateCanvas);
    ~PageElements();
    PageElements(const PageElements &) = delete;
    PageElements &operator=(const PageElements &) = delete;

    ControlArray<ElementLabel> Parametr_Label;
    ControlArray<hosting::HostedControl, HostedItems> Signal_Picture;
    ControlArray<ElementLabel> Text_Signal_Picture;
    ControlArray<ElementLabel> Level_Picture;
    ControlArray<ElementLabel> Level_Picture_1;
    ControlArray<ElementImage> Manometr_Img;
    ControlArray<ElementLabel> Go_Block_Label;
    ControlArray<ElementImage> Control_Image;
    ControlArray<ElementImage> Ventilator_Picture;
    ControlArray<FigureShape> ShapePlus1;
    ControlArray<ElementLabel> Text_Label_Label;
    ControlArray<ElementImage> Menu_Image;
    ControlArray<ElementLabel> Menu_Text;
    ControlArray<ElementImage> Grafik_Image;
    ControlArray<ElementLabel> Real_Clock;
    ControlArray<ElementLabel> Real_Time;

    // Element i of the view array, or null when it is not loaded (and for
    // the warning line, which is the main window's).
    QWidget *widget(ViewArray array, int i) const;
    // Unloads element i of the view array (the warning line is never unloaded).
    void unload(ViewArray array, int i);

    // The resize handles: 10 x 10 mid-grey squares, hidden.
    std::array<QLabel *, 4> Zoom{};

    // The signal template is a Lumtor control, created on first need (the
    // control library is found through the control registry); null, after
    // the host's message, when it cannot be created.
    hosting::HostedControl *signalTemplate();

    ElementMouseSink events;

private:
    template <typename T> QPointer<T> copyWatched(T &templ, ViewArray array, ControlArray<T> &owner);
    template <typename T> void watch(T *control, ViewArray array, ControlArray<T> &owner);
    void watchSignal(hosting::HostedControl &control);
    template <typename Handlers, typename Index> void forwardEvents(Handlers &h, ViewArray array, Index index);

    QWidget *templateCanvas_;
};

// The widget of a signal control (null when it is gone).
QWidget *signalWidget(const hosting::HostedControl *control);

} // namespace pelmora::pages
