#pragma once
// The openers of the element dialogs. The page editor hands every
// double-click on an element view to openElementDialog with the view array
// and the control index; the openers attach there and run the opener of the
// kind the kind table gives for that array (when the array opens a dialog). Every opener follows one sequence: the
// element number from the control index (0 for the template), the dialog
// shown (which disables the main window), the prefill the core computed from
// the record and the view, and last the messages of the prefill's guarded
// step (after which the dialog stays open with what was filled).
//
// The warning line's menu item "&Попередження" and a double-click on the
// warning line itself open the banner's dialog through the same dispatch
// (array Varning_Text).

#include "element_dialogs/element_dialog.h"
#include "pages/element_kinds.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

namespace pelmora {

class PageEditor;

class ElementOpeners : public QObject {
    Q_OBJECT

public:
    using Opener = std::function<void(ElementOpeners &openers, int index)>;

    // Attaches to the page editor's openElementDialog, the warning line's
    // menu item and the warning line's double-click, and registers every
    // kind's opener.
    ElementOpeners(ProjectModel &m, MainWindowPort &main, PageEditor &editor);
    ~ElementOpeners() override;

    const ElementContext &context() const { return c_; }

    // The opener of a kind; a later one replaces an earlier one.
    void add(element::Kind kind, Opener opener);
    // Runs the opener of the kind `array` shows, for the control `index`.
    // False when the array opens nothing, the kind has no opener, or while
    // the main window is disabled (a dialog is open already).
    bool open(pages::ViewArray array, int index);

    // "&Попередження": the banner's dialog.
    void MnuJurnSignal_Click();

    // The kind's dialog W, made afresh and shown above the disabled main window.
    template <class W> W &showDialog()
    {
        // A dialog that closed but is not deleted yet is never reused.
        if (W *old = c_.main.windows().find<W>(); old && !old->isVisible())
            c_.main.windows().remove(old);
        W &w = c_.main.windows().open<W>([this] { return new W(c_); });
        w.open();
        return w;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ElementContext c_;
    PageEditor &editor_;                              // whose double-clicks open the dialogs
    std::array<Opener, element::kKindCount> openers_; // by kind
};

// The openers of the banner, control button, menu item, graph window,
// figure, static text, clock and manometer.
void registerFrameOpeners(ElementOpeners &openers);
// The openers of the signal, text signal, numeric parameter, level bar,
// transition and mechanism, which unpack the records' packed fields.
void registerBoundOpeners(ElementOpeners &openers);

} // namespace pelmora
