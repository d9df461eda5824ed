#pragma once
// The page editor's two dialogs: the coordinate grid (Coord_Setka) and the
// page's name and controller number (Num_Net_Orvo). Both are modal by hand:
// the opener disables the main window, every way out enables it again and
// unloads the dialog. They are top-level windows without a parent.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora {
class Config_SCADA;
}

namespace pelmora::pages {

class Coord_Setka : public QWidget {
    Q_OBJECT

public:
    explicit Coord_Setka(Config_SCADA &main);

    QLineEdit *Text_Razmer_Coord_NET;
    QCheckBox *Control_Coord_Net;
    QPushButton *Ok_Coord_Net;
    QPushButton *Cancel_Coord_Net;

    void Ok_Coord_Net_Click();
    void Cancel_Coord_Net_Click();
    void Form_Unload();

    // The text shown when the typed step cannot be used.
    static QString badStepMessage();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unload();
    Config_SCADA &main_;
    bool unloading_ = false;
};

class Num_Net_Orvo : public QWidget {
    Q_OBJECT

public:
    explicit Num_Net_Orvo(Config_SCADA &main);

    QLineEdit *Text1;
    QComboBox *Combo2;
    QPushButton *Ok;
    QPushButton *Cancel;

    void Form_Load();
    void Ok_Click();
    void Cancel_Click();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unload();
    Config_SCADA &main_;
    bool unloading_ = false;
};

} // namespace pelmora::pages
