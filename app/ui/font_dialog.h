#pragma once
// The program's font dialog with effects: the family, its style and the size,
// underline and strikeout, and the text colour from a list of sixteen
// colours, all shown in a sample as they will look. It starts from the font
// and colour it is given; a family that is not installed starts on an
// installed one with the same style. What the user leaves as it started comes
// back as it was given: the family by the name given (also one that is not
// installed and is shown through its substitute), the style and the exact
// size, so Ok without a change changes no stored font.

#include "core/services.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
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
    bool familyKept() const;

    FontChoice initial_;
    QListWidgetItem *startFamily_ = nullptr; // the family shown for the given one
    int startStyle_ = -1;                    // the style row shown for the given style
    QString startSize_;                      // the size text shown for the given size
    bool wantBold_ = false;                  // the style the style list looks for when
    bool wantItalic_ = false;                // another family is chosen
};

} // namespace pelmora
