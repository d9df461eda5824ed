#pragma once
// Drawing the schema view: the blocks of the schema as pictures on a grid of
// 13 columns by 8 rows with a pitch of 60 pixels, each with its number. The
// drawing itself goes to a surface; the main window gives its own, a test a
// recording one.

#include "core/model/project_model.h"

#include <QColor>
#include <QString>

namespace pelmora {

class SchemaSurface {
public:
    virtual ~SchemaSurface() = default;
    // Clears everything drawn (the pictures are controls and stay).
    virtual void clearDrawing() = 0;
    // Picture `index` of the schema view shows the picture of `typeCode`, visible, at (left, top).
    virtual void showBlockPicture(int index, int typeCode, int left, int top) = 0;
    virtual void hideBlockPicture(int index) = 0;
    // Writes a text with its top left corner at (x, y), in the given colour and point size.
    virtual void drawText(int x, int y, const QString &text, const QColor &colour, int pointSize) = 0;
};

// Geometry of the grid.
constexpr int kSchemaColumns = 13;
constexpr int kSchemaRows = 8;
constexpr int kSchemaPitch = 60;
constexpr int kSchemaFontSize = 8;

struct SchemaCell {
    int column;
    int row;
};
// The cell of block 1..96 (column 1..12, filled column by column).
SchemaCell schemaCellOfBlock(int block);
// The index of the schema picture of a block: 1, 2, 3 for blocks 97, 98, 99,
// block + 8 for blocks 1 to 96; 0 for any other number.
int schemaPictureOfBlock(int block);
// The number as the view writes it: "01" to "09", " 10" to " 96".
QString schemaBlockNumberText(int block);

// Said by the schema view and the main window's caption while the open
// project's netlist is not loaded.
inline constexpr char16_t kNetlistNotLoaded[] = u"Netlist не завантажено";

// Redraws the schema view from the model. Blocks 97, 98 and 99 are given their
// fixed types (SCA, GRA, JUR) first, whatever the schema holds for them.
// While the netlist is not loaded (Netlist_Not_Loaded) no block is shown: the
// view says that the netlist is not loaded, and the schema is left as it is.
void Draw_Schema(ProjectModel &m, SchemaSurface &surface);

} // namespace pelmora
