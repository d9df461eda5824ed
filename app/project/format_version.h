#pragma once
// The format version: the five version menu items and what the version code
// selects in the catalogue and the ALGORITHM capacity.

#include "core/model/project_model.h"

#include <QString>
#include <array>
#include <cstdint>

namespace pelmora {

struct VersionItem {
    const char *menuName;    // mnuHelp5 ...
    const char16_t *caption; // menu caption
    std::uint8_t code;       // Format_Version
    const char16_t *windowCaption;
    bool mechanismsVisible; // mnuVent
    std::int16_t touValues; // Parametr_Value_Count(50)
    std::int16_t rs4Texts;  // Parametr_Name_Count(5)
};

// In menu order.
const std::array<VersionItem, 5> &versionItems();
const VersionItem *versionItemByCode(int code);

// What a version menu item does to the model (the caption, the mechanism item
// and the check marks are the window's part).
void applyVersionItem(ProjectModel &m, const VersionItem &item);

// What the project writer and reader set from the code: the TOU value count,
// the RS4 text count, the ALGORITHM capacity and the ALG text count.
void applyVersionCapacity(ProjectModel &m, int code);

// "Конфігуратор Velkor 5.71 - " and its siblings: the caption put before the
// netlist path after a project is opened or a netlist imported.
QString captionWithPath(int code, const QString &path);

} // namespace pelmora
