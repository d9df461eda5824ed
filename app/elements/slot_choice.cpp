#include "elements/slot_choice.h"

#include "elements/box_numbers.h"

namespace pelmora::element {

long long elementNumber(const QString &numberText) { return wholeNumber(boxNumber(numberText)); }

bool slotInUse(const PageTables &t, Kind kind, int page, int slot)
{
    // The transition keeps 1 or 3 in its used flag.
    if (slot < 1 || slot > kindInfo(kind).slotCount)
        return false;
    return slotHolds(t, kind, page, slot);
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
    kindInfo(kind).used(t, page, *free) = 1;
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
