#include "pages/page_rules.h"

#include "core/numbers.h"
#include "elements/element_codec.h"

#include <QColor>

namespace pelmora::pages {

namespace {
constexpr int kLastSlot = 32;
constexpr int kUserMechanism = 22;
} // namespace

std::vector<BlinkWrite> blinkTick(const PageTables &t, int page, std::int16_t &phase)
{
    std::vector<BlinkWrite> out;
    const bool firstState = phase == 0;
    phase = firstState ? 1 : 0;
    for (int n = 0; n <= kLastSlot; ++n) {
        const int i = page * 32 + n;
        if (t.Signal_Used(page, n) == 1) {
            const bool second = !firstState && t.Signal_Miganie_Flag(page, n) == 1;
            out.push_back(
                {BlinkWrite::SignalColour, i, second ? t.Signal_Color_Fon(page, n) : t.Signal_Color(page, n), {}});
        }
        if (t.Text_Signal_Used(page, n) == 1) {
            if (firstState)
                out.push_back({BlinkWrite::TextCaption, i, 0, t.Text_Signal_Text_Off(page, n)});
            else if (t.Text_Signal_Miganie_Flag(page, n) == 1)
                out.push_back({BlinkWrite::TextCaption, i, 0, t.Text_Signal_Text_On(page, n)});
        }
    }
    return out;
}

LevelLayout levelLayout(const PageTables &t, int page, int slot)
{
    const double x = t.Level_Coord_X(page, slot), y = t.Level_Coord_Y(page, slot);
    const double w = t.Level_Razmer_X(page, slot), h = t.Level_Razmer_Y(page, slot);
    const int type = t.Level_Type(page, slot);
    LevelLayout l;
    l.bar = QRectF(x, y, w, h);
    l.frame = element::levelFrame(type);
    if (element::levelHorizontal(type)) {
        // Filled from the left: the half box carries the level colour.
        l.fill = QRectF(x, y, w / 2, h);
        l.barColour = t.Level_Color_Fon(page, slot);
        l.fillColour = t.Level_Color(page, slot);
    } else {
        // Filled from the bottom: the upper half is covered in the background colour.
        l.fill = QRectF(x, y, w, h / 2);
        l.barColour = t.Level_Color(page, slot);
        l.fillColour = t.Level_Color_Fon(page, slot);
    }
    return l;
}

int controlImageTop(int storedTop, int keyType) { return keyType == 13 ? storedTop - 10 : storedTop; }

MechanismLook mechanismLook(const PageTables &t, int page, int slot)
{
    const std::int32_t code = t.Vent_Picture_Num(page, slot);
    MechanismLook look = MechanismLook::Picture;
    // Slot 0 (the template) has no flag bit.
    if (slot >= 1 && slot <= kLastSlot &&
        element::ventFonFlag(t.Vent_Fon_Bits(element::ventFonWord(slot), page), slot)) {
        if (code >= 0 && code <= 3)
            look = MechanismLook::Impeller1;
        else if (code >= 4 && code <= 7)
            look = MechanismLook::Impeller2;
    }
    if (code == kUserMechanism)
        look = t.Mechanizm_Gif_Name(0).isEmpty() ? MechanismLook::Hidden : MechanismLook::UserPhase;
    return look;
}

std::optional<std::int16_t> gridStepFromText(const QString &text)
{
    const auto step = num::toInt16(num::leadingNumber(text));
    if (!step || *step < 1)
        return std::nullopt;
    return step;
}

std::optional<QString> backgroundEntryName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const QString bare = path.mid(cut + 1);
    if (bare.size() < 4)
        return std::nullopt;
    return QLatin1Char('\\') + bare;
}

std::int32_t canvasPointColour(const QImage &picture, std::int32_t pageColour, int canvasWidth, int canvasHeight, int x,
                               int y)
{
    if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight)
        return -1;
    if (!picture.isNull() && picture.rect().contains(x, y)) {
        const QColor c = picture.pixelColor(x, y);
        // A transparent pixel of the picture shows the page colour below it.
        if (c.alpha() != 0)
            return bgrOf(c);
    }
    return pageColour;
}

std::int32_t bgrOf(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QColor colourOf(std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

} // namespace pelmora::pages
