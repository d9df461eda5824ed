#include "pages/page_rules.h"

#include "core/numbers.h"
#include "elements/element_codec.h"
#include "elements/level_element.h"

#include <QColor>
#include <QPainter>
#include <algorithm>

namespace pelmora::pages {

namespace {
constexpr int kLastSlot = 32;
} // namespace

std::vector<BlinkWrite> blinkTick(const PageTables &t, int page, std::int16_t &phase)
{
    std::vector<BlinkWrite> out;
    const bool second = element::blinkStep(phase);
    for (int n = 0; n <= kLastSlot; ++n) {
        const int i = page * 32 + n;
        if (t.Signal_Used(page, n) == 1)
            out.push_back({BlinkWrite::SignalColour,
                           i,
                           element::blinkShown(second, t.Signal_Miganie_Flag(page, n) == 1, t.Signal_Color(page, n),
                                               t.Signal_Color_Fon(page, n)),
                           {}});
        // A steady text keeps its off text: only the first state is written to it.
        if (t.Text_Signal_Used(page, n) == 1) {
            if (!second)
                out.push_back({BlinkWrite::TextCaption, i, 0, t.Text_Signal_Text_Off(page, n)});
            else if (t.Text_Signal_Miganie_Flag(page, n) == 1)
                out.push_back({BlinkWrite::TextCaption, i, 0, t.Text_Signal_Text_On(page, n)});
        }
    }
    return out;
}

LevelLayout levelLayout(const PageTables &t, int page, int slot)
{
    const int type = t.Level_Type(page, slot);
    const element::LevelPieces l =
        element::levelPieces(t.Level_Coord_X(page, slot), t.Level_Coord_Y(page, slot), t.Level_Razmer_X(page, slot),
                             t.Level_Razmer_Y(page, slot), element::levelHorizontal(type), element::levelFrame(type),
                             t.Level_Color(page, slot), t.Level_Color_Fon(page, slot));
    return {l.bar, l.piece, l.barColour, l.pieceColour, l.borderStyle != 0};
}

int controlImageTop(int storedTop, int keyType) { return element::controlViewTop(storedTop, keyType); }

MechanismLook mechanismLook(const PageTables &t, int page, int slot)
{
    const bool without = element::ventWithoutBackground(t.Vent_Fon_Bits, page, slot);
    switch (element::ventLook(t.Vent_Picture_Num(page, slot), without)) {
    case element::VentLook::Impeller1: return MechanismLook::Impeller1;
    case element::VentLook::Impeller2: return MechanismLook::Impeller2;
    case element::VentLook::UserPhase:
        return t.Mechanizm_Gif_Name(0).isEmpty() ? MechanismLook::Hidden : MechanismLook::UserPhase;
    case element::VentLook::Picture: break;
    }
    return MechanismLook::Picture;
}

void drawFigureOutline(QPainter &p, const QRect &box, bool circle, std::int32_t bgrColour, int lineWidth)
{
    const int w = std::max(lineWidth, 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colourOf(bgrColour), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    // A pen of width w put down along the rectangle inset by w / 2 covers the
    // box's outer w pixels.
    const double inset = w / 2.0;
    QRectF r = QRectF(box).adjusted(inset, inset, -inset, -inset);
    if (r.width() >= 0 && r.height() >= 0) {
        if (circle) {
            const double d = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
            p.drawEllipse(r);
        } else {
            p.drawRect(r);
        }
    }
    p.restore();
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

} // namespace pelmora::pages
