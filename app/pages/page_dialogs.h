#pragma once
// The page editor's two dialogs: the coordinate grid (Coord_Setka) and the
// page's name and controller number (Num_Net_Orvo). Both are modal windows on
// the window frame; every way out unloads them.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora {
struct ProjectModel;
class MainWindowPort;
class PageTabControl;
class WindowFrame;
} // namespace pelmora

namespace pelmora::pages {

class Coord_Setka : public QWidget {
    Q_OBJECT

public:
    Coord_Setka(ProjectModel &m, MainWindowPort &main);

    QLineEdit *Text_Razmer_Coord_NET;
    QCheckBox *Control_Coord_Net;
    QPushButton *Ok_Coord_Net;
    QPushButton *Cancel_Coord_Net;

    void Ok_Coord_Net_Click();
    void Cancel_Coord_Net_Click();
    // Shows the dialog over the main window, which it disables.
    void open();

    // The text shown when the typed step cannot be used.
    static QString badStepMessage();

private:
    ProjectModel &m_;
    WindowFrame *frame_;
};

class Num_Net_Orvo : public QWidget {
    Q_OBJECT

public:
    // `tabs` is the page tab control whose current tab the dialog names.
    Num_Net_Orvo(ProjectModel &m, MainWindowPort &main, PageTabControl &tabs);

    QLineEdit *Text1;
    QComboBox *Combo2;
    QPushButton *Ok;
    QPushButton *Cancel;

    void Form_Load();
    void Ok_Click();
    void Cancel_Click();
    // Shows the dialog over the main window, which it disables.
    void open();

private:
    ProjectModel &m_;
    PageTabControl &tabs_;
    WindowFrame *frame_;
};

} // namespace pelmora::pages
