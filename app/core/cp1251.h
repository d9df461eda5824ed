#pragma once
// Windows-1251 text: project files, netlists, trend files and names on the wire.
// Built on the C library's iconv, never on the system locale. A character that
// Windows-1251 cannot hold is written as '?'. Every byte reads as a character
// that writes back as the same byte: the one byte the code page leaves
// undefined (0x98) reads as U+0098.

#include <QByteArray>
#include <QString>

namespace pelmora::cp1251 {

QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

// The byte of one character ('?' when it has none).
char encodeChar(QChar c);
QChar decodeChar(unsigned char byte);

} // namespace pelmora::cp1251
