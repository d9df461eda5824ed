#include "elements/element_codec.h"

#include "core/numbers.h"

namespace pelmora::element {

int textSignalFontChoice(int fontSize) { return static_cast<int>(num::roundHalfEven((fontSize - 10) / 4.0)); }

std::optional<int> parameterFontSize(int choice)
{
    switch (choice) {
    case 0: return 10;
    case 1: return 14;
    case 2: return 18;
    case 3: return 25;
    case kParameterTimeFormatChoice: return kParameterTimeFormatFont;
    default: return std::nullopt;
    }
}

int parameterFontChoice(int fontSize)
{
    if (parameterTimeFormat(fontSize))
        return kParameterTimeFormatChoice;
    // The quotient truncates toward zero; 26..29 points give 4, read as 3.
    const int choice = (fontSize - 10) / 4;
    return choice == 4 ? 3 : choice;
}

int transitionTargetPack(int block, bool process, int position, int pageCount)
{
    const bool sixteen = pageCount == 16;
    if (block == 97)
        return (sixteen ? 200 : 201) + position;
    if (block == 98)
        return (sixteen ? 216 : 211) + position;
    if (block == 0)
        return sixteen ? 224 : 220;
    return process ? block + 100 : block;
}

Target transitionTarget(int code, int pageCount)
{
    if (code >= 1 && code <= 99)
        return {TargetKind::Block, code};
    if (code >= 101 && code <= 199)
        return {TargetKind::Process, code - 100};
    if (pageCount == 16) {
        if (code >= 200 && code <= 215)
            return {TargetKind::Page, code - 200};
        if (code >= 216 && code <= 223)
            return {TargetKind::GraphGroup, code - 216};
        if (code >= 224 && code <= 255)
            return {TargetKind::TextSignalling, code - 224};
    } else {
        if (code >= 201 && code <= 208)
            return {TargetKind::Page, code - 201};
        if (code >= 211 && code <= 218)
            return {TargetKind::GraphGroup, code - 211};
        if (code >= 220 && code <= 251)
            return {TargetKind::TextSignalling, code - 220};
    }
    return {};
}

std::optional<QString> transitionCaption(int code, int pageCount)
{
    // The caption ranges of a restored view, which are wider than the codes the
    // dialog produces for the page and graph blocks.
    const QString page = QStringLiteral("97"), graph = QStringLiteral("98"), text = QStringLiteral("Тs");
    if (code >= 1 && code <= 99)
        return QString::number(code);
    if (code >= 101 && code <= 199)
        return QString::number(code - 100);
    if (pageCount == 16) {
        if (code >= 200 && code <= 215)
            return page;
        if (code >= 216 && code <= 223)
            return graph;
        if (code >= 224 && code <= 255)
            return text;
        return std::nullopt;
    }
    if (code >= 201 && code <= 209)
        return page;
    if (code >= 211 && code <= 219)
        return graph;
    if (code >= 220 && code <= 251)
        return text;
    return std::nullopt;
}

bool ventWithoutBackground(const Table2<std::int32_t, 0, 1, 0, 16> &bits, int page, int slot)
{
    if (slot < 1 || slot > 32)
        return false;
    return ventFonFlag(bits(ventFonWord(slot), page), slot);
}

void setVentWithoutBackground(Table2<std::int32_t, 0, 1, 0, 16> &bits, int page, int slot, bool without)
{
    if (slot < 1 || slot > 32)
        return;
    std::int32_t &word = bits(ventFonWord(slot), page);
    word = ventFonSet(word, slot, without);
}

VentLook ventLook(int pictureCode, bool withoutBackground)
{
    if (pictureCode == 22)
        return VentLook::UserPhase;
    if (withoutBackground && pictureCode >= 0 && pictureCode <= 3)
        return VentLook::Impeller1;
    if (withoutBackground && pictureCode >= 4 && pictureCode <= 7)
        return VentLook::Impeller2;
    return VentLook::Picture;
}

std::optional<QString> parameterPlaceholder(int slot, int digits)
{
    if (digits < 0 || digits > 4)
        return std::nullopt;
    const int width = digits + 2;
    return QString::number(slot).rightJustified(width, u'0');
}

ParameterFont parameterFont(int fontCode)
{
    switch (fontCode) {
    case 14: return {14, false};
    case 18: return {14, true};
    case 24: return {24, true};
    case 25: return {25, false};
    default: return {fontCode, std::nullopt};
    }
}

} // namespace pelmora::element
