#pragma once
// What every element dialog's core shares: the messages a step gives the
// dialog to show (in order), the place and size of an element's view as the
// openers read it, and the texts of the openers' guarded steps.

#include "core/services.h"

#include <QString>
#include <vector>

namespace pelmora::element {

// A message box a step asks for: its text and icon, one OK button, the
// program's default title.
struct Notice {
    QString text;
    MsgIcon icon = MsgIcon::None;
    bool operator==(const Notice &) const = default;
};
using Notices = std::vector<Notice>;

// Left, top, width and height of an element's view on its canvas, pixels.
struct ViewBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ViewBox &) const = default;
};

// What an opener fills: the dialog's fields, and the messages of its steps
// (a correction while a box is written, or the failure of its guarded last
// step, after which the dialog stays open with what was filled).
template <typename Fields> struct Opened {
    Fields fields;
    Notices notices;
};

// The messages of the openers' guarded steps, with the critical icon. The
// two output messages differ in one letter; each kind shows its own.
inline constexpr char16_t kOutputErrorY[] =
    u"Помилка номера выходу!!!"; // signal, text signal, parameter, button, banner
inline constexpr char16_t kOutputErrorI[] = u"Помилка номера виходу!!!"; // level bar, mechanism
inline constexpr char16_t kBlockError[] = u"Помилка номера блоку!!!";    // transition

inline Notice critical(const char16_t *text) { return {QString::fromUtf16(text), MsgIcon::Critical}; }
inline Notice question(const QString &text) { return {text, MsgIcon::Question}; }

} // namespace pelmora::element
