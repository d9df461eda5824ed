#include "elements/level_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <cmath>

namespace pelmora::element {

namespace {

constexpr double kMinSize = 5;

// The width and height limits of a type: the long side 200, the short one 80.
double widthLimit(bool horizontal) { return horizontal ? 200 : 80; }
double heightLimit(bool horizontal) { return horizontal ? 80 : 200; }

void checkWidth(LevelFields &f, Notices &out)
{
    const double limit = widthLimit(f.horizontal);
    if (std::fabs(boxNumber(f.width)) > limit) {
        f.width = decimalText(limit);
        out.push_back(question(QStringLiteral("Ширина більше ") + f.width));
    }
}

void checkHeight(LevelFields &f, Notices &out)
{
    const double limit = heightLimit(f.horizontal);
    if (std::fabs(boxNumber(f.height)) > limit) {
        f.height = decimalText(limit);
        out.push_back(question(QStringLiteral("Висота більше ") + f.height));
    }
}

// A box written from code runs its check when its text changes.
void setWidth(LevelFields &f, const QString &text, Notices &out)
{
    if (f.width == text)
        return;
    f.width = text;
    checkWidth(f, out);
}

void setHeight(LevelFields &f, const QString &text, Notices &out)
{
    if (f.height == text)
        return;
    f.height = text;
    checkHeight(f, out);
}

} // namespace

std::pair<int, int> levelBoxLengths(bool horizontal) { return horizontal ? std::pair{3, 2} : std::pair{2, 3}; }

LevelPieces levelPieces(double x, double y, double w, double h, bool horizontal, bool frame, std::int32_t colour,
                        std::int32_t colourFon)
{
    LevelPieces l;
    l.bar = QRectF(x, y, w, h);
    l.borderStyle = frame ? 1 : 0;
    if (horizontal) {
        l.piece = QRectF(x, y, w / 2, h);
        l.barColour = colourFon;
        l.pieceColour = colour;
    } else {
        l.piece = QRectF(x, y, w, h / 2);
        l.barColour = colour;
        l.pieceColour = colourFon;
    }
    return l;
}

LevelFields designLevel(const ProjectModel &m)
{
    LevelFields f;
    levelBlockChanged(m, f);
    return f;
}

void levelBlockChanged(const ProjectModel &m, LevelFields &f) { f.outputs = outputList(m, f.block); }

Notices levelTypeClicked(LevelFields &f)
{
    Notices out;
    const QString width = f.width, height = f.height;
    setWidth(f, height, out);
    setHeight(f, width, out);
    return out;
}

Notices levelWidthChanged(LevelFields &f)
{
    Notices out;
    checkWidth(f, out);
    return out;
}

Notices levelHeightChanged(LevelFields &f)
{
    Notices out;
    checkHeight(f, out);
    return out;
}

ViewBox levelViewBox(const PageTables &t, int page, int slot)
{
    return {t.Level_Coord_X(page, slot), t.Level_Coord_Y(page, slot), t.Level_Razmer_X(page, slot),
            t.Level_Razmer_Y(page, slot)};
}

Opened<LevelFields> prefillLevel(ProjectModel &m, int page, int slot, const ViewBox &bar)
{
    PageTables &t = m.pages;
    if (slot == 0)
        t.Level_Type(page, 0) = 0;
    Opened<LevelFields> o{designLevel(m), {}};
    LevelFields &f = o.fields;

    f.number = QString::number(slot);
    f.x = QString::number(bar.left);
    f.y = QString::number(bar.top);
    f.colour = t.Level_Color(page, slot);
    f.colourFon = t.Level_Color_Fon(page, slot);
    const int type = t.Level_Type(page, slot);
    f.frame = levelFrame(type);
    if (levelHorizontal(type)) {
        f.horizontal = true;
        const Notices swapped = levelTypeClicked(f);
        o.notices.insert(o.notices.end(), swapped.begin(), swapped.end());
    }
    f.scale = QString::number(t.Level_Scale(page, slot));
    setWidth(f, QString::number(bar.width), o.notices);
    setHeight(f, QString::number(bar.height), o.notices);
    f.block = QString::number(t.Level_Num_Block(page, slot));
    levelBlockChanged(m, f);
    if (!f.outputs.select(t.Level_Num_OUT(page, slot)))
        o.notices.push_back(critical(kOutputErrorI));
    return o;
}

LevelStored storeLevel(ProjectModel &m, int page, const SlotChoice &slot, LevelFields &f)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    LevelStored r;
    t.Level_Coord_X(page, n) = int16Box(f.x);
    t.Level_Coord_Y(page, n) = int16Box(f.y);
    if (std::fabs(boxNumber(f.width)) < kMinSize) {
        setWidth(f, QStringLiteral("5"), r.notices);
        r.notices.push_back(question(QStringLiteral("Ширина менше 5")));
    }
    if (std::fabs(boxNumber(f.height)) < kMinSize) {
        setHeight(f, QStringLiteral("5"), r.notices);
        r.notices.push_back(question(QStringLiteral("Висота менше 5")));
    }
    t.Level_Razmer_X(page, n) = int16Field(std::fabs(boxNumber(f.width)));
    t.Level_Razmer_Y(page, n) = int16Field(std::fabs(boxNumber(f.height)));
    t.Level_Type(page, n) = static_cast<std::uint8_t>(levelTypePack(f.horizontal, f.frame));
    t.Level_Color(page, n) = f.colour;
    t.Level_Color_Fon(page, n) = f.colourFon;
    t.Level_Num_Block(page, n) = byteField(std::fabs(boxNumber(f.block)));
    t.Level_Num_OUT(page, n) = static_cast<std::uint8_t>(f.outputs.storedPosition());
    t.Level_Scale(page, n) = int32Field(std::fabs(boxNumber(f.scale)));
    t.Level_Used(page, n) = 1;

    r.view.viewIndex = slot.viewIndex;
    r.view.pieces = levelPieces(int16Box(f.x), int16Box(f.y), t.Level_Razmer_X(page, n), t.Level_Razmer_Y(page, n),
                                f.horizontal, f.frame, f.colour, f.colourFon);
    return r;
}

void resetLevel(PageTables &t, int page, int slot)
{
    t.Level_Coord_X(page, slot) = 0;
    t.Level_Coord_Y(page, slot) = 0;
    t.Level_Type(page, slot) = 0;
    t.Level_Color(page, slot) = 0;
    t.Level_Color_Fon(page, slot) = 0;
    t.Level_Razmer_X(page, slot) = 10;
    t.Level_Razmer_Y(page, slot) = 10;
    t.Level_Used(page, slot) = 0;
}

} // namespace pelmora::element
