#pragma once
// The memory editor of an ALGORITHM block: opened from the schema view for
// the block Num_Block_Edit. A top-level window without parent, modal by hand:
// the opener disables the main window and every way out enables it again.

#include <QWidget>

namespace pelmora {

class Config_SCADA;

class Mem_ALGORITHM : public QWidget {
    Q_OBJECT

public:
    // Loads the window for the block the opener recorded; deletes itself when it closes.
    explicit Mem_ALGORITHM(Config_SCADA &main);
    ~Mem_ALGORITHM() override;

    void Form_Load();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Config_SCADA &main_;
};

} // namespace pelmora
