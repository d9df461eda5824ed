#include "elements/kind_table.h"

namespace pelmora::element {

namespace {

constexpr TemplateHiding kNoTemplate{};
constexpr TemplateHiding kOkDelete{true, true, false, false};
constexpr TemplateHiding kOkDeleteCancel{true, true, true, false};
constexpr TemplateHiding kEveryWay{true, true, true, true};

// clang-format off
constexpr std::array<KindInfo, kKindCount> kTable{{
    {Kind::Varning,    "Varning",             nullptr,                0,  0,  0,  nullptr,                                   1, kNoTemplate,     PositionFrom::Boxes},
    {Kind::Signal,     "Signal_SCADA",        "Num_Signal_Text",      32, 32, 32, u"Номер сигналу більше 32!",               1, kOkDeleteCancel, PositionFrom::Boxes},
    {Kind::TextSignal, "Text_Signal_SCADA",   "Num_Text_Signal_Text", 32, 32, 32, u"Номер сигналу більше 32!",               1, kOkDeleteCancel, PositionFrom::Boxes},
    {Kind::Parameter,  "Parametr_Text_SCADA", "Num_Par_Text",         32, 40, 32, u"Встановіть номер параметра!",            1, kOkDeleteCancel, PositionFrom::Boxes},
    // The level bar's message begins with a Latin H.
    {Kind::Level,      "Level_SCADA",         "Num_Level_Text",       32, 32, 32, u"Hомер елемента рівня більше 32!",        2, kOkDeleteCancel, PositionFrom::Boxes},
    {Kind::Control,    "Image_Control",       "Num_Control_Text",     32, 32, 32, u"Номер елемента керування більше 32!",    1, kOkDeleteCancel, PositionFrom::Boxes},
    {Kind::Transition, "Go_Block_SCADA",      "Num_Go_Block_Text",    32, 32, 32, u"Номер переходу більше 32!",              1, kOkDelete,       PositionFrom::View},
    {Kind::Menu,       "Menu_SCADA",          "Num_Menu_Text",        8,  16, 8,  u"Номер элемента меню більше 8!",          2, kOkDelete,       PositionFrom::View},
    {Kind::Graph,      "Grafik_SCADA",        nullptr,                0,  0,  1,  nullptr,                                   1, kNoTemplate,     PositionFrom::Boxes},
    {Kind::Figure,     "Figura",              "Num_Figura_Text",      32, 64, 32, u"Номер фігури більше 32!",                1, kEveryWay,       PositionFrom::View},
    {Kind::StaticText, "Text_Label",          "Num_Label_Text_1",     64, 64, 64, u"Номер тексту більше 64!",                1, kOkDelete,       PositionFrom::View},
    {Kind::Mechanism,  "Vent",                "Num_Vent_Text",        32, 32, 32, u"Номер механізму більше 32!",             1, kOkDeleteCancel, PositionFrom::Boxes},
}};
// clang-format on

} // namespace

const std::array<KindInfo, kKindCount> &kindTable() { return kTable; }

const KindInfo &kindInfo(Kind kind) { return kTable[static_cast<std::size_t>(kind)]; }

int viewIndex(Kind kind, int page, int slot)
{
    switch (kind) {
    case Kind::Varning: return 0;
    case Kind::Graph: return page + 1;
    default: return page * kindInfo(kind).viewStride + slot;
    }
}

} // namespace pelmora::element
