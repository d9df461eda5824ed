#pragma once
// Names of the files the file dialogs hand back.

#include <QString>

namespace pelmora {

// A file name without an extension gets `extension` (given without the dot),
// so that the file is listed again by an open dialog filtered on it; a name
// with any extension of its own is kept. Dots ending the name are dropped
// before the extension is added.
QString withDefaultExtension(const QString &path, const QString &extension);

// The extension that a dialog filter's first pattern asks for ("prt" for
// "project file|*.prt"); empty when that pattern names no single extension.
QString filterExtension(const QString &filter);

} // namespace pelmora
