#pragma once
// The frames that write the compiled schema into the controller: a header
// ('A' with the byte sizes of the numeric and the text area) and nine table
// frames ('B' and the step number), each ending in its CRC-16, high byte first.
// Everything is built from the model and checked before anything is sent; the
// model is never changed.

#include "core/model/project_model.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace pelmora {

// A numeric parameter on the wire: the nearest whole number of thousandths as
// 32-bit sign and magnitude, least significant byte first, the sign in bit 7
// of the last byte. Nothing when the magnitude does not fit in 31 bits.
using ParamBytes = std::array<std::uint8_t, 4>;
std::optional<ParamBytes> Param_To_Bytes(float value);

// The largest area a frame can carry (the checksum length of a 16-bit count adds 3).
constexpr int kMaxSchemaArea = 32764;

// Table data of steps 1 to 7 (block types, connections, graph and journal
// inputs, ALGORITHM and report inputs, inverted-input masks).
QByteArray schemaTableData(const ProjectModel &m, int step);

// Data of step 8 (the numeric parameters) and step 9 (the text area), or the
// reason they cannot be sent, naming the block and the value or text.
struct SchemaArea {
    QByteArray bytes;
    QString error;
};
SchemaArea schemaValueArea(const ProjectModel &m);
SchemaArea schemaTextArea(const ProjectModel &m);

// A whole frame, checksum included.
QByteArray schemaHeaderFrame(std::uint8_t address, int valueSize, int textSize);
QByteArray schemaTableFrame(std::uint8_t address, int step, const QByteArray &data);

// The frames of steps 0 to 9, or the reason the schema cannot be sent.
struct SchemaFrames {
    std::array<QByteArray, 10> frame;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
SchemaFrames Schema_Frame(const ProjectModel &m);

} // namespace pelmora
