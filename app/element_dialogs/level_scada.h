#pragma once
// The level bar's dialog `Level_SCADA` ("Елемент рівень"): place, size,
// vertical or horizontal ("Тип", which swaps the sizes and their limits),
// frame, scale, the level and background colours, and the block output it
// shows. The sample Lev_Picture with its half piece Lev_Picture_1 shows the
// bar as the page views will, its bottom edge held in place.

#include "element_dialogs/element_dialog.h"
#include "elements/level_element.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora {

namespace pages {
class ElementLabel;
}

class BindingPanel;
class ElementOpeners;
class NumberBox;

class Level_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Level_SCADA(const ElementContext &c);

    NumberBox *Num_Level_Text;
    QLineEdit *Coord_X_Level_Text;
    QLineEdit *Coord_Y_Level_Text;
    QLineEdit *Level_Width;
    QLineEdit *Level_Height;
    QCheckBox *Check1; // horizontal bar
    QCheckBox *Level_Ramka;
    QLineEdit *Level_Mashtab;
    ColourBox *Color_Level_Level;
    ColourBox *Color_Level_Fon;
    QWidget *sampleArea;
    pages::ElementLabel *Lev_Picture;
    pages::ElementLabel *Lev_Picture_1;
    BindingPanel *binding; // Num_Block_Lev_Text and Num_OUT_Lev
    QLineEdit *Num_Block_Lev_Text;
    QComboBox *Num_OUT_Lev;
    QPushButton *Ok_Level;
    QPushButton *Cancel_Level;
    QPushButton *Delete_Level;

    void Form_Load();
    void Check1_Click();
    void Level_Width_Change();
    void Level_Height_Change();
    void Level_Ramka_Click();
    void Color_Level_Level_Click();
    void Color_Level_Fon_Click();
    void Ok_Level_Click();
    void Cancel_Level_Click();
    void Delete_Level_Click();

    void showFields(const element::LevelFields &f);
    element::LevelFields fields() const;

    static void Level_Picture_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Level_Click(); }

private:
    void showSample();
};

} // namespace pelmora
