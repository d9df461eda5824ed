#include "elements/kind_table.h"

#include "elements/control_element.h"
#include "elements/figure_element.h"
#include "elements/freed_slots.h"
#include "elements/level_element.h"
#include "elements/mechanism_element.h"
#include "elements/menu_element.h"
#include "elements/parameter_element.h"
#include "elements/signal_element.h"
#include "elements/static_text_element.h"
#include "elements/text_signal_element.h"
#include "elements/transition_element.h"

#include <cstddef>

namespace pelmora::element {

namespace {

using T = ElementTables;

// The field M of (page, slot); of row page + 1 for the kinds with one element per page.
template <auto M> std::int16_t &slotField(ElementTables &t, int page, int slot) { return (t.*M)(page, slot); }
template <auto M> std::int16_t &rowField(ElementTables &t, int page, int) { return (t.*M)(page + 1); }

// A pasted element takes field M of its source, or starts it at zero.
template <auto M> void copied(ElementTables &t, int fromPage, int fromSlot, int page, int slot)
{
    (t.*M)(page, slot) = (t.*M)(fromPage, fromSlot);
}
template <auto M> void zeroed(ElementTables &t, int, int, int page, int slot) { (t.*M)(page, slot) = 0; }

// The look a paste copies; the binding (block and output) stays the target slot's.
constexpr FieldCopy kParameterLook[] = {
    copied<&T::Parametr_Color>,     copied<&T::Parametr_Color_Fon>, copied<&T::Parametr_Border_Style>,
    copied<&T::Parametr_Font_Size>, copied<&T::Parametr_Digits>,
};
constexpr FieldCopy kSignalLook[] = {
    copied<&T::Signal_Color>,    copied<&T::Signal_Color_Fon>, copied<&T::Signal_Border_Style>,
    copied<&T::Signal_Razmer_X>, copied<&T::Signal_Razmer_Y>,  copied<&T::Signal_Miganie_Flag>,
};
constexpr FieldCopy kTextSignalLook[] = {
    copied<&T::Text_Signal_Color>,        copied<&T::Text_Signal_Color_Fon>, copied<&T::Text_Signal_Border_Style>,
    copied<&T::Text_Signal_Miganie_Flag>, copied<&T::Text_Signal_Text_Off>,  copied<&T::Text_Signal_Text_On>,
    copied<&T::Text_Signal_Font_Size>,
};
constexpr FieldCopy kLevelLook[] = {
    copied<&T::Level_Razmer_X>,  copied<&T::Level_Razmer_Y>, copied<&T::Level_Color>,
    copied<&T::Level_Color_Fon>, copied<&T::Level_Type>,
};
constexpr FieldCopy kStaticTextLook[] = {
    copied<&T::Text_Label_Color>,     copied<&T::Text_Label_Text>,        copied<&T::Text_Label_Font_Name>,
    copied<&T::Text_Label_Font_Bold>, copied<&T::Text_Label_Font_Italic>, copied<&T::Text_Label_Font_Size>,
};
// A pasted button starts on the first output of its block.
constexpr FieldCopy kControlLook[] = {
    copied<&T::Control_Gif_Name>, copied<&T::Control_Key_Type>, copied<&T::Control_Razmer_X>,
    copied<&T::Control_Razmer_Y>, zeroed<&T::Control_Num_OUT>,
};
// A pasted transition is a fresh single field without lock; the target stays the slot's.
constexpr FieldCopy kTransitionLook[] = {zeroed<&T::Go_Block_Param>};
constexpr FieldCopy kMechanismLook[] = {
    copied<&T::Vent_Razmer_X>,
    copied<&T::Vent_Razmer_Y>,
    copied<&T::Vent_Picture_Num>,
};
constexpr FieldCopy kFigureLook[] = {
    copied<&T::Figura_Razmer_X>, copied<&T::Figura_Razmer_Y>,   copied<&T::Figura_Type>,
    copied<&T::Figura_Color>,    copied<&T::Figura_Line_Width>,
};

constexpr TemplateHiding kNoTemplate{};
constexpr TemplateHiding kOkDelete{true, true, false, false};
constexpr TemplateHiding kOkDeleteCancel{true, true, true, false};
constexpr TemplateHiding kEveryWay{true, true, true, true};

constexpr KindView kNoView{ViewArray::Varning_Text, nullptr, false};

// clang-format off
constexpr std::array<KindInfo, kKindCount> kTable{{
    {.kind = Kind::Varning, .window = "Varning", .numberBox = nullptr, .slotCount = 0, .declaredBound = 0,
     .indexRule = IndexRule::Single, .viewStride = 0, .limitMessage = nullptr,
     .viewsPerElement = 1, .views = {{{ViewArray::Varning_Text, "Varning_Text", true}, kNoView}},
     .hides = kNoTemplate, .position = PositionFrom::Boxes, .pending = PendingNone, .select = std::nullopt,
     .used = nullptr, .x = nullptr, .y = nullptr, .usedIsCount = false, .listInY = false,
     .pasted = {}, .pasteCaption = PasteCaption::None, .reset = nullptr, .freed = nullptr},
    {.kind = Kind::Signal, .window = "Signal_SCADA", .numberBox = "Num_Signal_Text", .slotCount = 32, .declaredBound = 32,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Номер сигналу більше 32!",
     .viewsPerElement = 1, .views = {{{ViewArray::Signal_Picture, "Signal_Picture", true}, kNoView}},
     .hides = kOkDeleteCancel, .position = PositionFrom::Boxes, .pending = PendingSignal, .select = SelectKind::Signal,
     .used = slotField<&T::Signal_Used>, .x = slotField<&T::Signal_Coord_X>, .y = slotField<&T::Signal_Coord_Y>,
     .usedIsCount = false, .listInY = true,
     .pasted = kSignalLook, .pasteCaption = PasteCaption::None, .reset = resetSignal, .freed = freeSignalSlot},
    {.kind = Kind::TextSignal, .window = "Text_Signal_SCADA", .numberBox = "Num_Text_Signal_Text", .slotCount = 32, .declaredBound = 32,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Номер сигналу більше 32!",
     .viewsPerElement = 1, .views = {{{ViewArray::Text_Signal_Picture, "Text_Signal_Picture", true}, kNoView}},
     .hides = kOkDeleteCancel, .position = PositionFrom::Boxes, .pending = PendingTextSignal, .select = SelectKind::TextSignal,
     .used = slotField<&T::Text_Signal_Used>, .x = slotField<&T::Text_Signal_Coord_X>, .y = slotField<&T::Text_Signal_Coord_Y>,
     .usedIsCount = false, .listInY = true,
     .pasted = kTextSignalLook, .pasteCaption = PasteCaption::TextOff, .reset = resetTextSignal, .freed = freeTextSignalSlot},
    {.kind = Kind::Parameter, .window = "Parametr_Text_SCADA", .numberBox = "Num_Par_Text", .slotCount = 32, .declaredBound = 40,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Встановіть номер параметра!",
     .viewsPerElement = 1, .views = {{{ViewArray::Parametr_Label, "Parametr_Label", true}, kNoView}},
     .hides = kOkDeleteCancel, .position = PositionFrom::Boxes, .pending = PendingParameter, .select = SelectKind::Parameter,
     .used = slotField<&T::Parametr_Used>, .x = slotField<&T::Parametr_Coord_X>, .y = slotField<&T::Parametr_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = kParameterLook, .pasteCaption = PasteCaption::SlotNumber, .reset = resetParameter, .freed = freeParameterSlot},
    // The level bar's message begins with a Latin H. Either piece of a bar opens its dialog.
    {.kind = Kind::Level, .window = "Level_SCADA", .numberBox = "Num_Level_Text", .slotCount = 32, .declaredBound = 32,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Hомер елемента рівня більше 32!",
     .viewsPerElement = 2, .views = {{{ViewArray::Level_Picture, "Level_Picture", true}, {ViewArray::Level_Picture_1, "Level_Picture_1", true}}},
     .hides = kOkDeleteCancel, .position = PositionFrom::Boxes, .pending = PendingLevel, .select = SelectKind::Level,
     .used = slotField<&T::Level_Used>, .x = slotField<&T::Level_Coord_X>, .y = slotField<&T::Level_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = kLevelLook, .pasteCaption = PasteCaption::None, .reset = resetLevel, .freed = freeLevelSlot},
    {.kind = Kind::Control, .window = "Image_Control", .numberBox = "Num_Control_Text", .slotCount = 32, .declaredBound = 32,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Номер елемента керування більше 32!",
     .viewsPerElement = 1, .views = {{{ViewArray::Control_Image, "Control_Image", true}, kNoView}},
     .hides = kOkDeleteCancel, .position = PositionFrom::Boxes, .pending = PendingControl, .select = SelectKind::Control,
     .used = slotField<&T::Control_Used>, .x = slotField<&T::Control_Coord_X>, .y = slotField<&T::Control_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = kControlLook, .pasteCaption = PasteCaption::None, .reset = resetControl, .freed = freeControlSlot},
    {.kind = Kind::Transition, .window = "Go_Block_SCADA", .numberBox = "Num_Go_Block_Text", .slotCount = 32, .declaredBound = 32,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Номер переходу більше 32!",
     .viewsPerElement = 1, .views = {{{ViewArray::Go_Block_Label, "Go_Block_Label", true}, kNoView}},
     .hides = kOkDelete, .position = PositionFrom::View, .pending = PendingTransition, .select = SelectKind::Transition,
     .used = slotField<&T::Go_Block_Used>, .x = slotField<&T::Go_Block_Coord_X>, .y = slotField<&T::Go_Block_Coord_Y>,
     .usedIsCount = true, .listInY = false,
     .pasted = kTransitionLook, .pasteCaption = PasteCaption::Zero, .reset = resetTransition, .freed = freeTransitionSlot},
    // The text box beside a menu picture opens nothing: it takes the caption typed.
    {.kind = Kind::Menu, .window = "Menu_SCADA", .numberBox = "Num_Menu_Text", .slotCount = 8, .declaredBound = 16,
     .indexRule = IndexRule::Slot, .viewStride = 8, .limitMessage = u"Номер элемента меню більше 8!",
     .viewsPerElement = 2, .views = {{{ViewArray::Menu_Image, "Menu_Image", true}, {ViewArray::Menu_Text, "Menu_Text", false}}},
     .hides = kOkDelete, .position = PositionFrom::View, .pending = PendingMenu, .select = std::nullopt,
     .used = slotField<&T::Menu_Used>, .x = slotField<&T::Menu_Coord_X>, .y = slotField<&T::Menu_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = {}, .pasteCaption = PasteCaption::None, .reset = resetMenu, .freed = nullptr},
    {.kind = Kind::Graph, .window = "Grafik_SCADA", .numberBox = nullptr, .slotCount = 0, .declaredBound = 0,
     .indexRule = IndexRule::PageRow, .viewStride = 1, .limitMessage = nullptr,
     .viewsPerElement = 1, .views = {{{ViewArray::Grafik_Image, "Grafik_Image", true}, kNoView}},
     .hides = kNoTemplate, .position = PositionFrom::Boxes, .pending = PendingNone, .select = std::nullopt,
     .used = rowField<&T::Grafik_Used>, .x = rowField<&T::Grafik_Coord_X>, .y = rowField<&T::Grafik_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = {}, .pasteCaption = PasteCaption::None, .reset = nullptr, .freed = nullptr},
    {.kind = Kind::Figure, .window = "Figura", .numberBox = "Num_Figura_Text", .slotCount = 32, .declaredBound = 64,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Номер фігури більше 32!",
     .viewsPerElement = 1, .views = {{{ViewArray::ShapePlus1, "ShapePlus1", true}, kNoView}},
     .hides = kEveryWay, .position = PositionFrom::View, .pending = PendingFigure, .select = SelectKind::Figure,
     .used = slotField<&T::Figura_Used>, .x = slotField<&T::Figura_Coord_X>, .y = slotField<&T::Figura_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = kFigureLook, .pasteCaption = PasteCaption::None, .reset = resetFigure, .freed = freeFigureSlot},
    {.kind = Kind::StaticText, .window = "Text_Label", .numberBox = "Num_Label_Text_1", .slotCount = 64, .declaredBound = 64,
     .indexRule = IndexRule::Slot, .viewStride = 64, .limitMessage = u"Номер тексту більше 64!",
     .viewsPerElement = 1, .views = {{{ViewArray::Text_Label_Label, "Text_Label_Label", true}, kNoView}},
     .hides = kOkDelete, .position = PositionFrom::View, .pending = PendingStaticText, .select = SelectKind::StaticText,
     .used = slotField<&T::Text_Label_Used>, .x = slotField<&T::Text_Label_Coord_X>, .y = slotField<&T::Text_Label_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = kStaticTextLook, .pasteCaption = PasteCaption::None, .reset = resetStaticText, .freed = freeStaticTextSlot},
    {.kind = Kind::Mechanism, .window = "Vent", .numberBox = "Num_Vent_Text", .slotCount = 32, .declaredBound = 32,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = u"Номер механізму більше 32!",
     .viewsPerElement = 1, .views = {{{ViewArray::Ventilator_Picture, "Ventilator_Picture", true}, kNoView}},
     .hides = kOkDeleteCancel, .position = PositionFrom::Boxes, .pending = PendingMechanism, .select = SelectKind::Mechanism,
     .used = slotField<&T::Vent_Used>, .x = slotField<&T::Vent_Coord_X>, .y = slotField<&T::Vent_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = kMechanismLook, .pasteCaption = PasteCaption::None, .reset = resetMechanism, .freed = freeMechanismSlot},
    // A manometer is a picture without a record of its own or a dialog: a drag
    // keeps its place in the level bar's fields; its double-click does nothing.
    {.kind = Kind::Manometer, .window = nullptr, .numberBox = nullptr, .slotCount = 0, .declaredBound = 0,
     .indexRule = IndexRule::Slot, .viewStride = 32, .limitMessage = nullptr,
     .viewsPerElement = 1, .views = {{{ViewArray::Manometr_Img, "Manometr_Img", true}, kNoView}},
     .hides = kNoTemplate, .position = PositionFrom::Boxes, .pending = PendingNone, .select = std::nullopt,
     .used = nullptr, .x = slotField<&T::Level_Coord_X>, .y = slotField<&T::Level_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = {}, .pasteCaption = PasteCaption::None, .reset = nullptr, .freed = freeLevelSlot},
    // The clock has no dialog: its double-click asks whether to delete it. Its date opens nothing.
    {.kind = Kind::Clock, .window = nullptr, .numberBox = nullptr, .slotCount = 0, .declaredBound = 0,
     .indexRule = IndexRule::PageRow, .viewStride = 1, .limitMessage = nullptr,
     .viewsPerElement = 2, .views = {{{ViewArray::Real_Clock, "Real_Clock", true}, {ViewArray::Real_Time, "Real_Time", false}}},
     .hides = kNoTemplate, .position = PositionFrom::Boxes, .pending = PendingClock, .select = std::nullopt,
     .used = rowField<&T::Clock_Used>, .x = rowField<&T::Clock_Coord_X>, .y = rowField<&T::Clock_Coord_Y>,
     .usedIsCount = false, .listInY = false,
     .pasted = {}, .pasteCaption = PasteCaption::None, .reset = nullptr, .freed = nullptr},
}};
// clang-format on

// kindInfo indexes the table by kind.
constexpr bool rowsInKindOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].kind) != i)
            return false;
    return true;
}
static_assert(rowsInKindOrder());

// Every view array belongs to exactly one kind.
struct ViewOwner {
    const KindInfo *info = nullptr;
    const KindView *view = nullptr;
};
constexpr std::array<ViewOwner, kViewArrayCount> viewOwners()
{
    std::array<ViewOwner, kViewArrayCount> owners{};
    for (const KindInfo &k : kTable)
        for (int v = 0; v < k.viewsPerElement; ++v) {
            const KindView &view = k.views[static_cast<std::size_t>(v)];
            owners[static_cast<std::size_t>(view.array)] = {&k, &view};
        }
    return owners;
}
constexpr std::array<ViewOwner, kViewArrayCount> kViewOwners = viewOwners();
constexpr bool everyViewOwned()
{
    for (const ViewOwner &o : kViewOwners)
        if (!o.info)
            return false;
    return true;
}
static_assert(everyViewOwned());

} // namespace

const std::array<KindInfo, kKindCount> &kindTable() { return kTable; }

const KindInfo &kindInfo(Kind kind) { return kTable[static_cast<std::size_t>(kind)]; }

int viewIndex(Kind kind, int page, int slot)
{
    const KindInfo &k = kindInfo(kind);
    switch (k.indexRule) {
    case IndexRule::Single: return 0;
    case IndexRule::PageRow: return page + 1;
    case IndexRule::Slot: break;
    }
    return page * k.viewStride + slot;
}

int slotOfIndex(Kind kind, int page, int index)
{
    if (index == 0)
        return 0;
    return index - page * kindInfo(kind).viewStride;
}

const KindInfo &kindOfView(ViewArray array) { return *kViewOwners[static_cast<std::size_t>(array)].info; }

bool viewOpensDialog(ViewArray array) { return kViewOwners[static_cast<std::size_t>(array)].view->opens; }

const char *viewArrayName(ViewArray array) { return kViewOwners[static_cast<std::size_t>(array)].view->name; }

const KindInfo &kindOfSelect(SelectKind select)
{
    for (const KindInfo &k : kTable)
        if (k.select == select)
            return k;
    return kTable[0]; // every copy code has its row
}

const KindInfo *kindOfPending(int pending)
{
    if (pending == PendingNone)
        return nullptr;
    for (const KindInfo &k : kTable)
        if (k.pending == pending)
            return &k;
    return nullptr;
}

bool slotHolds(const PageTables &t, Kind kind, int page, int slot)
{
    const KindInfo &k = kindInfo(kind);
    // Reading through the writable accessor changes nothing.
    return k.used && k.used(const_cast<PageTables &>(t), page, slot) != 0;
}

} // namespace pelmora::element
