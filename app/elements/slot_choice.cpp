#include "elements/slot_choice.h"

#include "elements/box_numbers.h"

namespace pelmora::element {

namespace {

// The used flag of a slot; the transition keeps 1 or 3 in it.
template <typename Tables> auto &usedFlag(Tables &t, Kind kind, int page, int slot)
{
    switch (kind) {
    case Kind::Signal: return t.Signal_Used(page, slot);
    case Kind::TextSignal: return t.Text_Signal_Used(page, slot);
    case Kind::Parameter: return t.Parametr_Used(page, slot);
    case Kind::Level: return t.Level_Used(page, slot);
    case Kind::Control: return t.Control_Used(page, slot);
    case Kind::Transition: return t.Go_Block_Used(page, slot);
    case Kind::Menu: return t.Menu_Used(page, slot);
    case Kind::Figure: return t.Figura_Used(page, slot);
    case Kind::StaticText: return t.Text_Label_Used(page, slot);
    case Kind::Mechanism: return t.Vent_Used(page, slot);
    case Kind::Varning:
    case Kind::Graph: break;
    }
    throwTableIndexError(slot, 0, 0); // no slots: a caller's mistake
}

} // namespace

long long elementNumber(const QString &numberText) { return wholeNumber(boxNumber(numberText)); }

bool slotInUse(const PageTables &t, Kind kind, int page, int slot)
{
    if (slot < 1 || slot > kindInfo(kind).slotCount)
        return false;
    return usedFlag(t, kind, page, slot) != 0;
}

std::optional<int> lowestFreeSlot(const PageTables &t, Kind kind, int page)
{
    for (int n = 1; n <= kindInfo(kind).slotCount; ++n)
        if (!slotInUse(t, kind, page, n))
            return n;
    return std::nullopt;
}

std::optional<SlotChoice> takeSlot(ProjectModel &m, Kind kind, int page, const QString &numberText)
{
    PageTables &t = m.pages;
    const long long n = elementNumber(numberText);
    if (n >= 1 && n <= kindInfo(kind).slotCount && slotInUse(t, kind, page, static_cast<int>(n))) {
        const int slot = static_cast<int>(n);
        return SlotChoice{slot, viewIndex(kind, page, slot), false};
    }
    const auto free = lowestFreeSlot(t, kind, page);
    if (!free)
        return std::nullopt;
    usedFlag(t, kind, page, *free) = 1;
    return SlotChoice{*free, viewIndex(kind, page, *free), true};
}

Notice limitNotice(Kind kind)
{
    const char16_t *text = kindInfo(kind).limitMessage;
    return {text ? QString::fromUtf16(text) : QString(), MsgIcon::None};
}

std::optional<int> deleteSlot(Kind kind, const QString &numberText)
{
    const long long n = elementNumber(numberText);
    if (n < 1 || n > kindInfo(kind).slotCount)
        return std::nullopt;
    return static_cast<int>(n);
}

} // namespace pelmora::element
