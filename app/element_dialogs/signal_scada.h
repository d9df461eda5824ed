#pragma once
// The signal indicator's dialog `Signal_SCADA` ("Елемент сигналізація"): its
// place, size and one of nine shapes, the list number, two colours with
// their eyedroppers, frame and blinking, and the block output it shows. The
// preview Sign_Label is an indicator control like the views on the pages;
// the rules (size coupling by shape, limits, packing) are the core's.

#include "element_dialogs/element_dialog.h"
#include "elements/signal_element.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

namespace hosting {
class HostedControl;
}

class BindingPanel;
class BlinkPreview;
class ElementOpeners;
class EyedropperButton;
class NumberBox;

class Signal_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Signal_SCADA(const ElementContext &c);
    ~Signal_SCADA() override;

    NumberBox *Num_Signal_Text;
    QLineEdit *Coord_X_Signal_Text;
    QLineEdit *Coord_Y_Signal_Text;
    QLabel *Label4;
    QLabel *Label5;
    QLineEdit *Signal_Width;
    QLineEdit *Signal_Height;
    QComboBox *Type_SIGNAL;
    QComboBox *Spisok_Signal;
    ColourBox *Color_Signal;
    ColourBox *Color_Signal_Fon;
    EyedropperButton *Pipetka_key;   // the signal colour
    EyedropperButton *Pipetka_key_1; // the second colour
    QCheckBox *Signal_Ramka;
    QCheckBox *Signal_Miganie;
    QWidget *previewArea;
    std::unique_ptr<hosting::HostedControl> Sign_Label; // null when the indicator control is missing
    BlinkPreview *Signal_Timer_Miganie;
    BindingPanel *binding; // Num_Block_Sign_Text and Num_OUT_Sign
    QLineEdit *Num_Block_Sign_Text;
    QComboBox *Num_OUT_Sign;
    QPushButton *Ok_Signal;
    QPushButton *Cancel_Signal;
    QPushButton *Delete_Signal;

    void Form_Load();
    void Type_SIGNAL_Click();
    void Signal_Width_Change();
    void Signal_Height_Change();
    void Color_Signal_Click();
    void Color_Signal_Fon_Click();
    void Pipetka_key_Click();
    void Pipetka_key_1_Click();
    void Signal_Ramka_Click();
    void Signal_Miganie_Click();
    void Ok_Signal_Click();
    void Delete_Signal_Click();
    void Cancel_Signal_Click();

    void showFields(const element::SignalFields &f);
    element::SignalFields fields() const;
    // The preview's ForeColor (0x00BBGGRR), as the blink preview last painted it.
    std::int32_t previewColour() const { return previewColour_; }

    static void Signal_Picture_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Signal_Click(); }

private:
    void showBoxes(const element::SignalFields &f);
    void setPreviewColour(std::int32_t bgr);
    void showPreview(const element::SignalFields &f);
    std::int32_t previewColour_ = 0;
};

} // namespace pelmora
