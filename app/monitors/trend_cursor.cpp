#include "monitors/trend_cursor.h"

#include "core/numbers.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace pelmora {
namespace {

const std::int32_t kLampColours[3] = {kLampOff, kLampOn, 0};

// The sample store holds samples 0..5100; the cursor reaches 5010 at most.
float sampleAt(const MonitorTables &m, int sample, int column)
{
    return m.Grafik_Data(std::clamp<long long>(sample, decltype(m.Grafik_Data)::lo1, decltype(m.Grafik_Data)::hi1),
                         column);
}

} // namespace

const char16_t *const kScaleWarning = u"Число (1 - 10000)";

int twipsToPixels(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    const double t = std::clamp(num::roundHalfEven(twips), -1e9, 1e9);
    return static_cast<int>(static_cast<long long>(t) / 15);
}

CursorPlace cursorAtLoad() { return {-10, 0, 0}; }

CursorPlace dragCursor(int handleLeft, int grabX, int pointerX, int zoom)
{
    zoom = std::max(1, zoom);
    const long long n = static_cast<long long>(handleLeft) - grabX + pointerX;
    int handle = handleLeft;
    if (n >= -10 && n <= static_cast<long long>(zoom) * kPlotSamples)
        handle = static_cast<int>(n - n % zoom);
    const int line = handle + 10;
    return {handle, line, cursorSample(line, zoom)};
}

int cursorSample(int lineLeft, int zoom) { return lineLeft / std::max(1, zoom); }

QString cursorValueText(float v, QChar decimalPoint)
{
    QString text = num::shortText(v);
    if (decimalPoint != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

std::int32_t lampColour(float v)
{
    if (std::isnan(v))
        return 0;
    const double r = num::roundHalfEven(v);
    return r >= 0 && r <= 2 ? kLampColours[static_cast<int>(r)] : 0;
}

TeskCursorValues teskCursorValues(const MonitorTables &m, int sample, int kanal, QChar decimalPoint)
{
    TeskCursorValues out;
    for (int c = 1; c <= 22; ++c) {
        const float v = sampleAt(m, sample, c);
        out.cells[static_cast<std::size_t>(c - 1)] = cursorValueText(v, decimalPoint);
        if (c >= 7)
            out.lamps[static_cast<std::size_t>(c - 7)] = lampColour(v);
    }
    out.cells[22] = out.cells[12];
    out.cells[23] = out.cells[13];
    out.time = QString::number(sample);
    out.caption =
        m.Grafik_Name(kanal - 1) + QStringLiteral(" = ") + cursorValueText(sampleAt(m, sample, kanal), decimalPoint);
    return out;
}

std::optional<OrvoCursorValues> orvoCursorValues(const MonitorTables &m, int lineLeft, int zoom,
                                                 std::int32_t background, QChar decimalPoint)
{
    zoom = std::max(1, zoom);
    if (static_cast<long long>(lineLeft) >= static_cast<long long>(zoom) * kPlotSamples)
        return std::nullopt;
    const int sample = cursorSample(lineLeft, zoom);
    OrvoCursorValues out;
    for (int c = 0; c < 40; ++c)
        out.squares[static_cast<std::size_t>(c)] = sampleAt(m, sample, c) != 0.0f ? m.Grafik_Color(c) : background;
    for (int i = 0; i < 6; ++i)
        out.analog[static_cast<std::size_t>(i)] = cursorValueText(sampleAt(m, sample, 45 - i), decimalPoint);
    out.time = QString::number((static_cast<long long>(m.Grafik_Cikl) + 1) * sample);
    const int column = m.Grafik_Kanal_IO;
    out.caption = m.Grafik_Name_IO(45 - column) + QStringLiteral(" = ") +
                  cursorValueText(sampleAt(m, sample, column), decimalPoint);
    out.captionColour = m.Grafik_Color(column);
    return out;
}

CaptionPlace captionPlace(PlotWindow w, int lineLeft, int pointerY)
{
    return {lineLeft + 10, pointerY + (w == PlotWindow::Tesk ? 60 : 20)};
}

std::optional<bool> cursorBlinkTick(MonitorTables &m)
{
    if (m.Cursor_Drag_Flag != 0)
        return std::nullopt;
    const bool visible = m.Cursor_Miganie_Count != 0;
    m.Cursor_Miganie_Count = static_cast<std::int16_t>(m.Cursor_Miganie_Count >= 20 ? 0 : m.Cursor_Miganie_Count + 1);
    return visible;
}

namespace {

// The whole text, blanks around it aside, as a number: a sign, digits with
// one '.' or ',' and an exponent.
std::optional<double> wholeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    QString t = text.trimmed();
    if (!number.match(t).hasMatch())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok && !std::isinf(v))
        return std::nullopt;
    return v;
}

} // namespace

bool scaleTextWarns(const QString &text)
{
    if (text.isEmpty())
        return false;
    const std::optional<double> v = wholeNumber(text);
    return !v || *v < 0.0 || *v > 10000.0;
}

std::optional<float> scaleTextValue(const QString &text)
{
    const std::optional<double> v = wholeNumber(text);
    if (!v || !std::isfinite(*v) || std::fabs(*v) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*v);
}

bool renameTeskChannel(MonitorTables &m, int nameEdit, const QString &text)
{
    if (nameEdit <= 5 || nameEdit > 23)
        return false;
    m.Grafik_Name(nameEdit) = text;
    return true;
}

PanelPlace dragLampPanel(PanelPlace panel, int grabX, int grabY, int pointerX, int pointerY)
{
    const int left = panel.left - grabX + pointerX;
    const int top = panel.top - grabY + pointerY;
    if (left >= 1 && left <= 1200)
        panel.left = left;
    if (top >= 1 && top <= 500)
        panel.top = top;
    return panel;
}

} // namespace pelmora
