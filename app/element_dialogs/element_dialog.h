#pragma once
// The frame every element dialog stands in. A dialog is a modal window on the
// window frame: while it is open the main window is disabled, and every way
// out (Ok, Delete, Cancel, the close box, Escape) enables it again and unloads
// the dialog, so every opening starts from the dialog's design values. Ok of
// a slotted kind chooses the slot through the core (the element in use under
// the typed number, else the lowest free slot, else the kind's limit message
// and nothing written); Delete resets the slot of the typed number and
// unloads its view; the kind table says which ways out hide the insertion
// template. A kind's dialog states its controls, its fields and its store.

#include "elements/dialog_common.h"
#include "elements/kind_table.h"
#include "elements/slot_choice.h"
#include "pages/element_views.h"

#include <QWidget>
#include <cstdint>

class QLabel;
class QPushButton;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class WindowFrame;
class ColourBox;

// What an element dialog and its opener work with: the model, the main
// window's port and the page's element views (shown from their records).
struct ElementContext {
    ProjectModel &m;
    MainWindowPort &main;
    ElementViews &views;
};

// The box of a shown view as the dialogs' prefills take it.
inline element::ViewBox boxOf(const ShownView &v) { return {v.box.x(), v.box.y(), v.box.width(), v.box.height()}; }

class ElementDialog : public QWidget {
    Q_OBJECT

public:
    ~ElementDialog() override;

    element::Kind kind() const { return kind_; }

    // Shows the dialog above the main window, which it disables.
    void open();

    // Shows the messages of a step in order, each with its icon and an OK button.
    static void notify(const element::Notices &notices);

protected:
    ElementDialog(const ElementContext &c, element::Kind kind, const QString &caption);

    enum class Way { Ok, Delete, Cancel, CloseBox };

    // Every way out: the kind's insertion template(s) are hidden where the
    // kind table says so for this way, then the dialog closes (enabling the main window)
    // and is deleted.
    void leave(Way way);

    // Ok of a slotted kind with the number box's text: the slot, then
    // storeElement(), or the limit message; then leave(Ok).
    void okSlotted(const QString &numberText);
    // Delete of a slotted kind: the slot 1..N of the number is reset and the
    // kind's views of it unloaded; other numbers free nothing; leave(Delete).
    void deleteSlotted(const QString &numberText);

    // The kind's record for the chosen slot (slotted kinds), then its view
    // through ElementViews::showElement.
    virtual void storeElement(const element::SlotChoice &) {}
    // Escape: the kind's Cancel.
    virtual void escapePressed() { leave(Way::Cancel); }

    int page() const; // the current page Num_Stranica_SCADA
    ElementViews &views() const { return views_; }
    std::int32_t eyedropperColour() const { return views_.eyedropperColour(); }
    // What view `index` of the kind shows, or for a view not loaded yet what
    // the template shows: a new element is made from its template, where the
    // template stands.
    std::optional<ShownView> shownOrTemplate(element::Kind kind, int index) const;

    // A click on a colour box: the colour dialog starts at the box's colour;
    // a chosen colour goes into the box. False when the dialog was cancelled
    // (the box keeps its colour).
    bool chooseColour(ColourBox *box);

    // Small helpers for laying out the controls, in pixels.
    QLabel *label(const QString &text, int x, int y, int w, int h = 20, QWidget *parent = nullptr);
    QPushButton *button(const QString &name, const QString &caption, int x, int y, int w = 90, int h = 26);

    ProjectModel &m_;
    MainWindowPort &main_;
    ElementViews &views_;

    void closeEvent(QCloseEvent *event) override;

private:
    element::Kind kind_;
    WindowFrame *frame_;
    bool leaving_ = false;
};

} // namespace pelmora
