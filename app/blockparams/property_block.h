#pragma once
// The block parameter dialog: one window for every block type except ALG. It
// edits the block Num_Block_Edit of type Type_Block_Edit in place.

#include <QWidget>

class QPushButton;

namespace pelmora {

class Config_SCADA;

class PropertyBLOCK : public QWidget {
    Q_OBJECT

public:
    // The opener sets Type_Block_Edit and Num_Block_Edit first; the dialog
    // loads for that block here. A top-level window without parent that
    // deletes itself when it closes.
    explicit PropertyBLOCK(Config_SCADA &main);
    ~PropertyBLOCK() override;

    QPushButton *Ok_Property;
    QPushButton *Cancel_Property;

    void Ok_Property_Click();
    void Cancel_Property_Click();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Config_SCADA &main_;
};

} // namespace pelmora
