#pragma once
// Font names stored in project files come from another system ("Arial",
// "MS Sans Serif"). A name that is not installed here maps to an installed
// family that has the stored style, so that a bold text stays bold.

#include <QString>

namespace pelmora {

// True when the installed `family` has a style of this weight and slant.
bool familyHasStyle(const QString &family, bool bold, bool italic);

// `stored` when it is installed with the style; else the family the system
// shows for it, when that has the style; else the first installed family
// with the style (the program's own sans-serif first); else `stored`.
QString installedFamily(const QString &stored, bool bold, bool italic);

} // namespace pelmora
