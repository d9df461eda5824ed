#pragma once
// What confirming the project settings does to the model: reading the request
// period and the port from their text boxes, the default texts of the RS4 and
// ALGORITHM blocks of a new project, and the page names and mechanism
// background flags.

#include "core/model/project_model.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora {

// The request period typed in its box: the leading number, halves to even.
// nullopt when it does not fit the 16-bit field.
std::optional<std::int16_t> requestPeriodFromText(const QString &text);
// The TCP port typed in its box, read the same way; nullopt outside 0..65535.
std::optional<std::int32_t> portFromText(const QString &text);

// How many texts of block b's record really belong to it: its type's text
// count, cut short where the next block's record begins or the pool ends (a
// record laid out under another format version, or an import that stopped
// early, must not lead into a neighbour's texts).
int ownedTextCount(const ProjectModel &m, int block);
// The same for the block's numeric values.
int ownedValueCount(const ProjectModel &m, int block);

// The default texts of a new project for blocks 1 to 96: "0" in the 48
// request texts of every RS4 block that owns them; for every ALGORITHM block
// "0" in all 41 texts of each statement, 0 in the set-points SP1 to SP128,
// then the statement count in texts 39 and 40, "1" in text 20 and "0" in
// text 21 of each statement.
void writeNewProjectDefaults(ProjectModel &m);

// "Сторінка 1" .. "Сторінка 16".
QString defaultPageName(int page);
// Page p: an empty name becomes its default name; both words of the
// mechanisms' background flags are cleared.
void resetPageOnConfirm(ProjectModel &m, int page);

} // namespace pelmora
