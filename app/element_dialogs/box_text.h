#pragma once
// Writing a dialog's controls from the fields the core computed, without
// running the controls' own change handlers (the core ran the handlers'
// rules already) and without moving the cursor of a box whose text stays.

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>

namespace pelmora {

inline void setBoxText(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        return;
    const QSignalBlocker block(box);
    box->setText(text);
}

inline void setTicked(QAbstractButton *box, bool on)
{
    const QSignalBlocker block(box);
    box->setChecked(on);
}

} // namespace pelmora
