#pragma once
// The program's font dialog with effects: the family, its style and the size,
// underline and strikeout, and the text colour from a list of sixteen
// colours, all shown in a sample as they will look. It starts from the font
// and colour it is given; a family that is not installed starts on an
// installed one with the same style.

#include "core/services.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pelmora {

struct NamedColour {
    QString name;
    QColor colour;
};

class FontDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontDialog(const FontChoice &initial, QWidget *parent = nullptr);

    // The dialog's colours, in the order of its list.
    static const QList<NamedColour> &colours();
    // The style names of the list, by weight and slant.
    static QString styleName(bool bold, bool italic);

    // The font and colour as the dialog shows them now.
    FontChoice choice() const;

    QListWidget *Family;
    QListWidget *Style;
    QLineEdit *Size_Text;
    QListWidget *Size;
    QCheckBox *Strikeout;
    QCheckBox *Underline;
    QComboBox *Colour;
    QLabel *Sample;
    QPushButton *Ok;
    QPushButton *Cancel;

private:
    void fillStyles(bool bold, bool italic);
    void showSample();

    QColor initialColour_;
};

} // namespace pelmora
