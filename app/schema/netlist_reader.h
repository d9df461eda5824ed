#pragma once
// Reading a P-CAD ASCII netlist into fields.
//
// A field ends at a comma or at the end of a line (CR LF, bare LF or bare CR).
// Blanks at its start and at its end are dropped. A field that begins with a
// double quote runs to the next double quote; both quotes are dropped and what
// follows up to the next comma or line end is skipped. An empty line gives an
// empty field. Netlists are Windows-1251 text.
//
// The fields before the start marker (the first field whose first nine
// characters are "(netlist ") are dropped, and so is the marker; the fields
// after it are stored from entry 1 on, except the last field of the file,
// which is never stored.

#include "core/model/project_model.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

namespace pelmora {

// Field after field from an open device; nothing is read ahead beyond what a
// field needs, so a huge file costs only the fields asked for.
class NetlistFieldReader {
public:
    explicit NetlistFieldReader(QIODevice &device);

    // The next field, or nullopt when the file has no field left (a read past
    // its end).
    std::optional<QString> next();
    // True once the field last returned ended at the end of the file.
    bool atEnd();

private:
    bool fill(); // false at the end of the file

    QIODevice &device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool eof_ = false;
};

// The reading common to every netlist front end: skips to the start marker and
// hands the fields after it to store(n, field), n = 1, 2, ...; store returns
// false when entry n cannot be stored, which ends the reading.
// Returns the field count the import takes: the number of fields stored plus
// one, 0 when there is no start marker, and the failed n when store refused.
int readNetlistFields(QIODevice &device, const std::function<bool(int, const QString &)> &store);

// The same into m.schema.NetList_Line: entries 1..9999 are emptied first
// (entry 10000 keeps what it held); a 10001st field gives the count 10001.
int readNetlist(ProjectModel &m, QIODevice &device);
int readNetlist(ProjectModel &m, const QByteArray &bytes);

struct NetlistFileRead {
    bool opened = false; // false: the file could not be opened, nothing changed
    int count = 0;       // the field count for Import_NetList
    QString error;       // why it could not be opened
};

// Opens the file and reads it into NetList_Line.
NetlistFileRead readNetlistFile(ProjectModel &m, const QString &path);

// Asks for a netlist file, makes its folder current (the project's relative
// names are looked up in the folder of the file chosen last) and reads it.
// Nothing when the dialog is cancelled, names no file, or the file cannot be
// opened; nothing has changed then.
struct ChosenNetlist {
    QString path;
    int count = 0; // the field count for Import_NetList
};
std::optional<ChosenNetlist> chooseAndReadNetlist(ProjectModel &m);

} // namespace pelmora
