#pragma once
// Shared pieces of the schema import: the failure that ends it, the text
// helpers with the column rules of the netlist lines, and the import's state.

#include "core/model/project_model.h"

#include <QString>
#include <QStringView>
#include <string>

namespace pelmora::netlist {

// Thrown by any step of the import that meets a value or an index that does
// not fit; Import_NetList turns it (and TableIndexError) into its one stop
// message.
struct ImportStop {};

// Characters start.. (1-based) of a text, at most length of them; "" when the
// text ends before start. A start below 1 or a negative length is a failure.
QStringView midView(QStringView s, long long start, long long length);
inline QString mid(QStringView s, long long start, long long length) { return midView(s, start, length).toString(); }
QStringView leftView(QStringView s, long long n);
inline QString left(QStringView s, long long n) { return leftView(s, n).toString(); }
QStringView rightView(QStringView s, long long n);

// Whether a text begins with a prefix (case-sensitive).
inline bool startsWith(QStringView s, QStringView prefix)
{
    return s.size() >= prefix.size() &&
           std::char_traits<char16_t>::compare(s.utf16(), prefix.utf16(), static_cast<std::size_t>(prefix.size())) == 0;
}

// The leading number of a text, read as the program reads numbers everywhere
// (num::leadingNumber: blanks ignored, 0 without a number).
double val(QStringView s);
// A number used as a table index: rounded half to even; a failure when it
// cannot be an index at all.
long long toIndex(double v);
// A number stored as a single-precision value; a failure when it does not fit.
float toSingle(double v);

// The pin number at the end of a node line: the number of its last five
// characters, or of its last four when that is 0, or of its last three.
long long nodePin(QStringView line);

struct ImportContext {
    ProjectModel &m;
    int count;
    // The connection scan has started: the stop message then names s.
    bool scanning = false;
    long long source = 0;

    QString &line(long long i) { return m.schema.NetList_Line(i); }
    bool begins(long long i, QStringView prefix) { return startsWith(line(i), prefix); }
};

} // namespace pelmora::netlist
