#pragma once
// The bit calculator: sixteen boxes, one per bit of a 16-bit word, and the
// word's decimal value below them. A modeless tool window on the window frame,
// above the main window; closing it deletes it, so the next opening starts
// with every box unticked.

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pelmora {

class MainWindowPort;

class Calculiator : public QWidget {
    Q_OBJECT

public:
    // "&Калькулятор": shows the window, loading it first when it is not loaded.
    static Calculiator &mnuCalculiator_Click(MainWindowPort &main);
    // The loaded window, or nullptr.
    static Calculiator *loaded(MainWindowPort &main);

    std::array<QCheckBox *, 16> Check1{}; // index i is bit i; Check1[15] is leftmost
    QLabel *Label1;
    QLabel *Dat_dio;
    QPushButton *Command1;

    // A box changed: the value is recomputed from all boxes.
    void Check1_Click(int index);
    // "Очистити": every box unticked, bit 0 first.
    void Command1_Click();

private:
    explicit Calculiator(MainWindowPort &main);
};

} // namespace pelmora
