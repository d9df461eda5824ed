#include "project/schema_drawing.h"

namespace pelmora {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
// The pictures of the view: 1, 2, 3 for the fixed blocks, 9 to 104 for the others.
constexpr int kSchemaPictures = 104;
constexpr int kSchemaNoteFontSize = 12;

} // namespace

SchemaCell schemaCellOfBlock(int block) { return {(block + 7) / 8, (block + 7) % 8}; }

int schemaPictureOfBlock(int block)
{
    if (block >= 1 && block <= 96)
        return block + 8;
    if (block >= 97 && block <= 99)
        return block - 96;
    return 0;
}

QString schemaBlockNumberText(int block)
{
    if (block < 10)
        return QStringLiteral("0") + QString::number(block);
    return QStringLiteral(" ") + QString::number(block);
}

void Draw_Schema(ProjectModel &m, SchemaSurface &surface)
{
    auto &s = m.schema;
    surface.clearDrawing();
    if (s.Netlist_Not_Loaded) {
        for (int i = 1; i <= kSchemaPictures; ++i)
            surface.hideBlockPicture(i);
        surface.drawText(20, 20, QString::fromUtf16(kNetlistNotLoaded), kBlack, kSchemaNoteFontSize);
        return;
    }
    // The three fixed blocks always have their types.
    s.Block_Type(97) = type::SCA;
    s.Block_Type(98) = type::GRA;
    s.Block_Type(99) = type::JUR;
    // Captions below the fixed pictures.
    surface.drawText(22, 62, QStringLiteral("SCADA"), kBlack, kSchemaFontSize);
    surface.drawText(22, 122, QStringLiteral("График"), kBlack, kSchemaFontSize);
    surface.drawText(20, 182, QStringLiteral("Журнал"), kBlack, kSchemaFontSize);
    // The fixed pictures in column 0.
    surface.showBlockPicture(1, s.Block_Type(97), 20, 20);
    surface.showBlockPicture(2, s.Block_Type(98), 20, 80);
    surface.showBlockPicture(3, s.Block_Type(99), 20, 140);
    // Blocks 1 to 96, column by column; a block without a type is hidden.
    int i = 0;
    for (int c = 0; c < kSchemaColumns; ++c)
        for (int r = 0; r < kSchemaRows; ++r) {
            ++i;
            if (i <= 8)
                continue;
            const int b = i - 8;
            if (s.Block_Type(b) > 0)
                surface.showBlockPicture(i, s.Block_Type(b), kSchemaPitch * c + 20, kSchemaPitch * r + 20);
            else
                surface.hideBlockPicture(i);
        }
    // The numbers: above the picture of a block, in the middle of an empty cell.
    i = 0;
    for (int c = 0; c < kSchemaColumns; ++c)
        for (int r = 0; r < kSchemaRows; ++r) {
            ++i;
            if (i <= 8)
                continue;
            const int b = i - 8;
            const int y = s.Block_Type(b) > 0 ? kSchemaPitch * r + 7 : kSchemaPitch * r + 30;
            surface.drawText(kSchemaPitch * c + 30, y, schemaBlockNumberText(b), kBlue, kSchemaFontSize);
        }
}

} // namespace pelmora
