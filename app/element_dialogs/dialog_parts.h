#pragma once
// The controls every element dialog builds from: the element number box, a
// colour box, an eyedropper button, the block-and-output panel "Схема", the
// blink preview's timer, and the way a dialog's combo boxes show and give
// back a list of the core (ChoiceList). Each part shows what the core
// computed and reports the user's edits; the rules stay in the core.

#include "elements/binding_lists.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <functional>

class QLabel;
class QTimer;

namespace pelmora {

// A combo box shows a core list: its entries, the selected one, and with
// nothing selected the text the list shows (entry 0's text, greyed).
void showChoice(QComboBox *box, const element::ChoiceList &list);
element::ChoiceList choiceOf(const QComboBox *box);

// The element number box: digits only, so no typed text can name a slot
// outside the tables; any number that is not a used slot makes a new element.
class NumberBox : public QLineEdit {
    Q_OBJECT

public:
    NumberBox(const QString &name, QWidget *parent);
};

// A colour box: a locked text box whose background is the colour
// (0x00BBGGRR); a click on it asks for the colour dialog.
class ColourBox : public QLineEdit {
    Q_OBJECT

public:
    ColourBox(const QString &name, QWidget *parent);

    std::int32_t colour() const { return colour_; }
    void setColour(std::int32_t bgr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::int32_t colour_ = 0;
};

// An eyedropper button: painted with the eyedropper colour when the dialog
// loads; its click hands that colour to a colour box.
class EyedropperButton : public QPushButton {
    Q_OBJECT

public:
    EyedropperButton(const QString &name, QWidget *parent);
    void paint(std::int32_t bgr);
};

// The frame "Схема": the block-number box (two characters typed, "0") under
// "Номер блоку 1-99" and the output list under `listLabel`. A change of the
// block number rebuilds the list through `rebuild` (the kind's list rule).
class BindingPanel : public QGroupBox {
    Q_OBJECT

public:
    BindingPanel(const QString &blockBoxName, const QString &listName, const QString &listLabel, QWidget *parent);

    QLineEdit *blockBox() const { return block_; }
    QComboBox *list() const { return list_; }
    QLabel *listLabel() const { return listLabel_; }

    // The kind's list for a block-number text.
    std::function<element::ChoiceList(const QString &blockText)> rebuild;

    // The block number and the list as the core has them, without running
    // the change handler (the core's prefill built the list already).
    void show(const QString &blockText, const element::ChoiceList &list);
    element::ChoiceList choice() const { return choiceOf(list_); }

    // The block box's change handler: the list is built afresh.
    void blockChanged();

private:
    QLineEdit *block_;
    QComboBox *list_;
    QLabel *listLabel_;
};

// The blink preview of a dialog: a 500 ms timer, off at design. Each tick is
// the pages' blink step (element::blinkStep) on the shared phase
// Dialog_Miganie_State; `showPhase` is told whether the second state shows.
// Switching it off shows the steady state through `showSteady`.
class BlinkPreview : public QObject {
    Q_OBJECT

public:
    BlinkPreview(std::int16_t &phase, QObject *parent);

    QTimer *timer() const { return timer_; }
    void setBlinking(bool on);
    bool blinking() const;
    // One tick of the timer (tests call it instead of waiting).
    void tick();

    std::function<void(bool secondState)> showPhase;
    std::function<void()> showSteady;

private:
    std::int16_t &phase_;
    QTimer *timer_;
};

} // namespace pelmora
