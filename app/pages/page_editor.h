#pragma once
// The page editor of the SCADA view: the insert items of the "&SCADA" menu
// and the pending kind, the canvas events (eyedropper, hiding the resize
// handles, insertion at a double-click), the blink preview, and the page
// settings — background colour and picture, element lock, grid dialog, page
// name and controller number. Owned by the main window; it works on the
// canvases of the page view and on the element arrays it holds.

#include "pages/page_elements.h"

#include <QColor>
#include <QObject>
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

class PageEditor : public QObject {
    Q_OBJECT

public:
    PageEditor(ProjectModel &m, MainWindowPort &main, PageView &view);
    ~PageEditor() override;

    pages::PageElements elements;

    // Editor state.
    std::int16_t Mouse_X = 0, Mouse_Y = 0;   // last pointer position, pixels
    std::int16_t Insert_X = 0, Insert_Y = 0; // point of the last page double-click
    std::uint8_t Insert_Flag = 0;            // 1 while an insertion runs from a double-click
    std::int32_t Pipetka_Color = 0;          // eyedropper colour, 0x00BBGGRR, -1 off the page
    std::int16_t Miganie_Phase = 0;          // blink phase, 0 or 1
    std::uint8_t Zoom_Kind = 0;              // 0 figure, 1 signal, 2 level bar
    std::int16_t Zoom_Index = 0;             // control index of the element with the handle

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

    // Canvas events (pixels).
    void SCADA_Picture_Click(int Index);
    void SCADA_Picture_DblClick(int Index);
    void SCADA_Picture_MouseMove(int Index, short Button, short Shift, float X, float Y);

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

    // Opens the dialog of the element that was double-clicked: the array's
    // name and the element's control index (0 is the kind's template). The
    // element dialogs attach here; until they do, a double-click opens nothing.
    std::function<void(const QString &array, int index)> openElementDialog;

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
    template <typename T> void showTemplate(T *templ, QPoint at);

    ProjectModel &m_;
    MainWindowPort &main_;
    MainMenu &menu_;
    PageView &view_;
    QColor lastFonColour_ = Qt::black; // the colour dialog starts at the colour it gave last
};

} // namespace pelmora
