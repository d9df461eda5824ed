#pragma once
// The static text's dialog `Text_Label` without its window. The opener reads
// the text, its colour and its font from the text's view (so a view changed
// since its last Ok shows its current look); Ok writes the record from the
// view's place and the dialog, the font size rounded to whole points while
// the view keeps the exact size.

#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <cstdint>

namespace pelmora::element {

// The font of the text box: name, size in points, bold, italic, and the
// underline and strikeout of the font dialog (the text box and the view show
// them; the record has no place for them).
struct TextFont {
    QString family;
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool operator==(const TextFont &) const = default;
};

// The font of the text box as a QFont and back (the font dialog's terms).
TextFont textFontOf(const QFont &font);
QFont fontOf(const TextFont &font);

struct StaticTextFields {
    QString number = QStringLiteral("0");   // Num_Label_Text_1
    QString text = QStringLiteral("Текст"); // Text_Text_Label, at most 64 characters
    std::int32_t colour = 0x000000FF;       // Color_Text_Label (and the text box's fore colour)
    TextFont font;                          // the text box's font
    bool operator==(const StaticTextFields &) const = default;
};

inline constexpr int kStaticTextLength = 64;

// The view as the opener reads it: caption, fore colour and font.
struct TextViewState {
    ViewBox box;
    QString caption;
    std::int32_t foreColour = 0;
    TextFont font;
};
// The view of a restored text; a stored font without name or size keeps
// those of `templateFont`.
TextViewState staticTextViewState(const PageTables &t, int page, int slot, const TextFont &templateFont);

Opened<StaticTextFields> prefillStaticText(int slot, const TextViewState &view);

// What Ok sets on Text_Label_Label(viewIndex).
struct StaticTextView {
    int viewIndex = 0;
    std::int32_t foreColour = 0;
    QString caption;
    TextFont font; // the exact size
};
// Ok: `viewPos` is the view's left and top (the template's for a new text).
StaticTextView storeStaticText(ProjectModel &m, int page, const SlotChoice &slot, const StaticTextFields &f,
                               QPoint viewPos);

// Delete's reset: text empty, font size 10; font name, bold and italic stay.
void resetStaticText(PageTables &t, int page, int slot);

} // namespace pelmora::element
