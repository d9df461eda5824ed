#pragma once
// The page editor of the SCADA view: the insert items of the "&SCADA" menu
// and the pending kind, the canvas events (eyedropper, hiding the resize
// handles, insertion at a double-click, the rubber band and the group move),
// the mouse on the element views (dragging, the resize handle), the edit menu
// (copy, paste, delete), the blink preview, and the page settings —
// background colour and picture, element lock, grid dialog, page name and
// controller number. Owned by the main window; it works on the canvases of
// the page view and on the element arrays it holds. The editing itself is the
// core's (pages/editor); the editor hands it the mouse and shows what it
// changed.

#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"
#include "pages/element_views.h"
#include "pages/page_elements.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;

namespace pelmora {

struct MainMenu;
struct ProjectModel;
class MainWindowPort;
class PageView;

namespace pages {
class Coord_Setka;
class Num_Net_Orvo;
} // namespace pages

class PageEditor : public QObject, public ElementViews {
    Q_OBJECT

public:
    PageEditor(ProjectModel &m, MainWindowPort &main, PageView &view);
    ~PageEditor() override;

    // The editing state the core operations work on: pointer point,
    // selection rectangle and flags, copy buffer, resize handle, lock.
    pages::EditorState state;

    pages::PageElements elements;

    // Editor state. The pointer point, the insertion flag and the handle's
    // element are the names the dialogs know them by, kept in `state`.
    std::int16_t &Mouse_X = state.Mouse_X, &Mouse_Y = state.Mouse_Y; // last pointer position, pixels
    std::int16_t Insert_X = 0, Insert_Y = 0;                         // point of the last page double-click
    std::uint8_t &Insert_Flag = state.Insert_Flag;                   // 1 while an insertion runs from a double-click
    std::int32_t Pipetka_Color = 0;                                  // eyedropper colour, 0x00BBGGRR, -1 off the page
    std::int16_t Miganie_Phase = 0;                                  // blink phase, 0 or 1
    std::uint8_t &Zoom_Kind = state.Zoom_Kind;                       // 0 figure, 1 signal, 2 level bar
    std::int16_t &Zoom_Index = state.Zoom_Index;                     // control index of the element with the handle

    // The canvas of page p (0..15), null for any other index.
    QLabel *canvas(int page) const;
    // Paints canvas p with the page colour held in the model.
    void paintPageColour(int page);

    // Insert items.
    void MnuSignalSCADA_Click();
    void MnuTextSignal_Click();
    void MnuParametrSCADA_Click();
    void MnuLevelSCADA_Click();
    void mnuManometr_Click();
    void MnuGotoBlockSCADA_Click();
    void MnuControl_Click();
    void mnuVent_Click();
    void MnuFigura_Click();
    void mnuText_Click();
    void MnuMenuSCADA_Click();
    void MnuClockSCADA_Click();
    // The insert item of a kind (the one a double-click on the page repeats).
    void insertItem(element::Kind kind);

    // Canvas events (pixels).
    void SCADA_Picture_Click(int Index);
    void SCADA_Picture_DblClick(int Index);
    void SCADA_Picture_MouseDown(int Index, short Button, short Shift, float X, float Y);
    void SCADA_Picture_MouseMove(int Index, short Button, short Shift, float X, float Y);
    void SCADA_Picture_MouseUp(int Index, short Button, short Shift, float X, float Y);

    // Element views (twips relative to the view), by the view array as in
    // Signal_Picture_MouseDown.
    void elementClick(pages::ViewArray array, int Index);
    void elementMouseDown(pages::ViewArray array, int Index, short Button, short Shift, float X, float Y);
    void elementMouseMove(pages::ViewArray array, int Index, short Button, short Shift, float X, float Y);
    // The caption typed into a menu item's text box.
    void Menu_Text_Change(int Index, const QString &text);
    // The warning line (twips relative to it).
    void Varning_Text_MouseDown(short Button, short Shift, float X, float Y);
    void Varning_Text_MouseMove(short Button, short Shift, float X, float Y);
    // The resize handles (twips relative to the handle).
    void Zoom_MouseDown(int Index, short Button, short Shift, float X, float Y);
    void Zoom_MouseMove(int Index, short Button, short Shift, float X, float Y);

    // The edit menu mnuEditMenu.
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();

    // Shows an element's view(s) from its record (refreshElementView).
    void refreshView(element::Kind kind, int page, int slot);

    // The element views as the element dialogs reach them.
    // A text signal shown this way takes its first text at once instead of
    // at the blink preview's next tick.
    void showElement(element::Kind kind, int page, int slot) override;
    void showPicture(element::Kind kind, int page, int slot, const QPixmap &picture) override;
    void showFont(element::Kind kind, int page, int slot, const QFont &font) override;
    void unloadElement(element::Kind kind, int index) override;
    std::optional<ShownView> shownView(element::Kind kind, int index) const override;
    bool signalViewsAvailable() override;
    void hideTemplate(element::Kind kind) override;
    void setTemplateCaption(element::Kind kind, const QString &caption) override;
    void setTemplateShape(int shapeKind) override;
    void setHandleElement(int index, int zoomKind) override;
    void hideResizeHandle() override;
    std::int32_t eyedropperColour() const override { return Pipetka_Color; }
    // Brings the canvases in line with what an editing operation changed.
    void apply(const pages::EditorChanges &changes);
    // Draws the selection rectangle and the resize handle from the state.
    void drawBand();
    void drawHandle();
    // The outline that shows the selection rectangle.
    QWidget *selectionBand() const { return band_; }

    // Entering the SCADA view: page 0's level bars go back onto its canvas and
    // its numeric parameters show their placeholder captions again.
    void enterPageZero();

    // Blink preview.
    void Signal_Timer_Miganie_SCADA_Timer();

    // Page settings.
    void MnuColorFonSCADA_Click();
    void MnuInsertFonSCADA_Click();
    void mnuBlockSCADA_Click();
    void MnuCoordNetSCADA_Click();
    void SCADA_SSTab_DblClick();

    // Opens the dialog of the element that was double-clicked: the view array
    // and the element's control index (0 is the kind's template). The
    // element dialogs attach here; until they do, a double-click opens nothing.
    std::function<void(pages::ViewArray array, int index)> openElementDialog;

    // The open dialogs, null when closed.
    pages::Coord_Setka *coordSetka() const;
    pages::Num_Net_Orvo *numNetOrvo() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProjectModel &model() const;
    int currentPage() const;
    QLabel *currentCanvas() const;
    QPoint insertionPoint() const;
    void unlockElements();
    void syncLock();
    template <typename T> void showTemplate(T *templ, QPoint at);
    QWidget *viewWidget(pages::ViewRef view) const;
    void place(pages::ViewRef view, const QRectF &rect);
    void unloadViews(const pages::ElementRef &element);
    class Views;

    ProjectModel &m_;
    MainWindowPort &main_;
    MainMenu &menu_;
    PageView &view_;
    std::unique_ptr<Views> views_;  // where the views stand, for the editing operations
    QWidget *band_ = nullptr;       // the outline of the selection rectangle
    QPointer<QObject> bannerMouse_; // the warning line's mouse adapter
};

} // namespace pelmora
