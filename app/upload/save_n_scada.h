#pragma once
// "Записати сторінки SCADA": the window that chooses the first and the last
// page of a range to write into the controller. A modal window on the window
// frame above the main window; Ok sets the range up and hands over to the
// page upload, which writes the pages one after the other. The rules of the
// choice are page_range's.

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class WindowFrame;

class Save_n_SCADA : public QWidget {
    Q_OBJECT

public:
    // `startRange` runs after Ok has set the range up and the window has gone.
    Save_n_SCADA(ProjectModel &m, MainWindowPort &main, std::function<void()> startRange);

    QLabel *Label1, *Label2;
    QComboBox *Num_Start_Stor, *Num_Stop_Stor;
    QPushButton *Ok_Save_SCADA, *Cancel_Save_SCADA;

    // The project's pages in both lists; the current page first, the last page
    // of the range confirmed before (page 1 before any) last.
    void Form_Load();
    // Shows the window above the main window, which it disables.
    void open();

    // The order message when the last page comes before the first (the window
    // stays open); else the range starts and the window goes.
    void Ok_Save_SCADA_Click();
    // Closes without writing; Escape and the close box do the same.
    void Cancel_Save_SCADA_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ProjectModel &m_;
    MainWindowPort &main_;
    WindowFrame *frame_;
    std::function<void()> startRange_;
};

} // namespace pelmora
