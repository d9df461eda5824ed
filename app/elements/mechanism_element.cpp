#include "elements/mechanism_element.h"

#include "elements/box_numbers.h"

#include <cmath>

namespace pelmora::element {

QSize ventPictureSize(int code)
{
    // clang-format off
    static constexpr int sizes[kVentPictures][2] = {
        {48, 48}, {48, 48}, {48, 48}, {48, 48},   // large fans
        {40, 40}, {40, 40}, {40, 40}, {40, 40},   // small fans
        {38, 60}, {60, 38}, {38, 60}, {60, 38},   // motors, upright and lying
        {30, 48}, {48, 30}, {30, 48}, {48, 30},   // small motors
        {48, 18}, {48, 12},                       // screw and belt conveyor
        {18, 51}, {18, 51},                       // bucket elevators
        {28, 28}, {28, 28},                       // stepped diagonals
        {48, 48},                                 // the user mechanism's placeholder
    };
    // clang-format on
    if (code < 0 || code >= kVentPictures)
        return {};
    return {sizes[code][0], sizes[code][1]};
}

QSize ventImpellerSize(VentLook impeller)
{
    switch (impeller) {
    case VentLook::Impeller1: return {28, 28};
    case VentLook::Impeller2: return {20, 20};
    default: return {};
    }
}

QPoint ventMarkerPos(int code) { return {(code & 7) * 100 + 6, (code / 8) * 65 + 121}; }

MechanismFields designMechanism() { return {}; }

void mechanismBlockChanged(const ProjectModel &m, MechanismFields &f) { f.outputs = outputList(m, f.block); }

void mechanismPictureClicked(ProjectModel &m, MechanismFields &f, int code)
{
    if (code < 0 || code >= kVentPictures)
        return;
    f.picture = code;
    m.pages.Vent_Picture_Choice = static_cast<std::uint8_t>(code);
}

ViewBox mechanismViewBox(const PageTables &t, int page, int slot)
{
    return {t.Vent_Coord_X(page, slot), t.Vent_Coord_Y(page, slot), t.Vent_Razmer_X(page, slot),
            t.Vent_Razmer_Y(page, slot)};
}

Opened<MechanismFields> prefillMechanism(ProjectModel &m, int page, int slot, const ViewBox &view)
{
    const PageTables &t = m.pages;
    Opened<MechanismFields> o{designMechanism(), {}};
    MechanismFields &f = o.fields;
    f.number = QString::number(slot);
    f.x = QString::number(view.left);
    f.y = QString::number(view.top);
    f.width = QString::number(view.width);
    f.height = QString::number(view.height);
    f.block = QString::number(t.Vent_Num_Block(page, slot));
    mechanismBlockChanged(m, f);
    const int code = t.Vent_Picture_Num(page, slot);
    mechanismPictureClicked(m, f, code >= 0 && code < kVentPictures ? code : 0);
    f.background = !ventWithoutBackground(t.Vent_Fon_Bits, page, slot);
    if (!f.outputs.select(t.Vent_Num_OUT(page, slot)))
        o.notices.push_back(critical(kOutputErrorI));
    return o;
}

MechanismView storeMechanism(ProjectModel &m, int page, const SlotChoice &slot, const MechanismFields &f)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    const int code = f.picture >= 0 && f.picture < kVentPictures ? f.picture : 0;
    const QSize size = ventPictureSize(code);
    t.Vent_Coord_X(page, n) = int16Box(f.x);
    t.Vent_Coord_Y(page, n) = int16Box(f.y);
    t.Vent_Razmer_X(page, n) = static_cast<std::int16_t>(size.width());
    t.Vent_Razmer_Y(page, n) = static_cast<std::int16_t>(size.height());
    t.Vent_Num_Block(page, n) = byteField(std::fabs(boxNumber(f.block)));
    t.Vent_Num_OUT(page, n) = static_cast<std::uint8_t>(f.outputs.storedPosition());
    t.Vent_Used(page, n) = 1;
    t.Vent_Picture_Num(page, n) = code;
    setVentWithoutBackground(t.Vent_Fon_Bits, page, n, !f.background);

    MechanismView v;
    v.viewIndex = slot.viewIndex;
    v.pos = {t.Vent_Coord_X(page, n), t.Vent_Coord_Y(page, n)};
    v.picture = code;
    v.look = ventLook(code, !f.background);
    v.size = v.look == VentLook::Impeller1 || v.look == VentLook::Impeller2 ? ventImpellerSize(v.look) : size;
    return v;
}

void resetMechanism(PageTables &t, int page, int slot)
{
    t.Vent_Coord_X(page, slot) = 0;
    t.Vent_Coord_Y(page, slot) = 0;
    t.Vent_Razmer_X(page, slot) = 0;
    t.Vent_Razmer_Y(page, slot) = 0;
    t.Vent_Picture_Num(page, slot) = 0;
    t.Vent_Used(page, slot) = 0;
    setVentWithoutBackground(t.Vent_Fon_Bits, page, slot, true);
}

} // namespace pelmora::element
