#include "upload/page_tables_codec.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "elements/element_codec.h"

#include <cmath>
#include <cstdlib>

namespace pelmora::page {

std::uint16_t Color_RGB_565(std::int32_t colour)
{
    const std::uint32_t c = static_cast<std::uint32_t>(colour) & 0xFFFFFFu;
    const std::uint32_t r = c & 0xFF;
    const std::uint32_t g = (c >> 8) & 0xFF;
    const std::uint32_t b = (c >> 16) & 0xFF;
    return static_cast<std::uint16_t>((r / 8) * 2048 + (g / 4) * 32 + b / 8);
}

bool longTableLayout(int formatVersion)
{
    switch (formatVersion) {
    case 0:
    case 3:
    case 4:
    case 5:
    case 6: return true;
    default: return false;
    }
}

int tableLength(int formatVersion) { return longTableLayout(formatVersion) ? 3580 : 2971; }
int tableWrittenLength(int formatVersion) { return longTableLayout(formatVersion) ? 3580 : 3036; }

int textSignalFontCode(int pointSize) { return static_cast<int>(num::roundHalfEven((pointSize - 10) / 4.0 + 2)); }

int parameterFontCode(int pointSize)
{
    switch (pointSize) {
    case 10: return 2;
    case 14: return 3;
    case 18: return 9;
    case 24: return 12;
    case 25: return 11;
    default: return textSignalFontCode(pointSize);
    }
}

int keyCell(int x, int y)
{
    if (x == 0)
        return 0;
    return (x + 22) / 62 + ((y + 9) / 60) * 13 + 1;
}

Offset mechanismOffset(int pictureCode, bool backgroundFlag, int used)
{
    // clang-format off
    static constexpr Offset offsets[16] = {
        {12, 12}, {8, 12}, {8, 8}, {12, 8}, {6, 9}, {11, 6}, {14, 11}, {9, 14},
        {8, 47}, {4, 8}, {8, 4}, {47, 8}, {4, 36}, {3, 4}, {4, 3}, {36, 4},
    };
    // clang-format on
    if (used <= 0 || pictureCode < 0 || pictureCode > 15)
        return {};
    if (pictureCode <= 7 && backgroundFlag)
        return {};
    return offsets[pictureCode];
}

namespace {

struct DoesNotFit {};

// Writes fields at a running index, checking every value against its field
// and every index against the buffer.
class TableWriter {
public:
    TableWriter(QByteArray &image, int start) : image_(image), index_(start) {}

    int index() const { return index_; }

    void b8(long long v)
    {
        if (v < 0 || v > 255)
            throw DoesNotFit{};
        put(static_cast<std::uint8_t>(v));
    }
    // Low byte first.
    void w16(long long v)
    {
        if (v < 0 || v > 65535)
            throw DoesNotFit{};
        put(static_cast<std::uint8_t>(v & 0xFF));
        put(static_cast<std::uint8_t>(v >> 8));
    }
    void rgb565(std::int32_t colour) { w16(Color_RGB_565(colour)); }
    // |v - k| as one byte.
    void distance(long long v, long long k) { b8(std::llabs(v - k)); }
    // Padded with blanks to 12 characters, then cut to 12, one byte a character.
    void text12(const QString &text)
    {
        const QString padded = (text + QString(12, QLatin1Char(' '))).left(12);
        for (QChar c : padded) {
            const char byte = cp1251::encodeChar(c);
            if (byte == '?' && c != QLatin1Char('?'))
                throw DoesNotFit{};
            put(static_cast<std::uint8_t>(byte));
        }
    }
    void skip(int n)
    {
        if (index_ + n > image_.size())
            throw DoesNotFit{};
        index_ += n;
    }

private:
    void put(std::uint8_t v)
    {
        if (index_ < 0 || index_ >= image_.size())
            throw DoesNotFit{};
        image_[index_++] = static_cast<char>(v);
    }

    QByteArray &image_;
    int index_;
};

void writeTables(const ProjectModel &m, int p, int formatVersion, TableWriter &w, const ControlViewTop &controlViewTop)
{
    const PageTables &t = m.pages;
    const int q = p + 1; // the one-per-page tables

    for (int n = 1; n <= 32; ++n) {
        w.w16(t.Parametr_Coord_X(p, n));
        w.w16(t.Parametr_Coord_Y(p, n));
        w.rgb565(t.Parametr_Color(p, n));
        w.rgb565(t.Parametr_Color_Fon(p, n));
        w.b8(t.Parametr_Border_Style(p, n));
        w.b8(parameterFontCode(t.Parametr_Font_Size(p, n)));
        w.b8(t.Parametr_Digits(p, n) + 2);
    }

    for (int n = 1; n <= 32; ++n) {
        const int reduce = t.Signal_Border_Style(p, n) == 1 ? 5 : 1;
        w.w16(t.Signal_Coord_X(p, n));
        w.w16(t.Signal_Coord_Y(p, n));
        w.distance(t.Signal_Razmer_X(p, n), reduce);
        w.distance(t.Signal_Razmer_Y(p, n), reduce);
        w.rgb565(t.Signal_Color(p, n));
        w.rgb565(t.Signal_Color_Fon(p, n));
        w.b8(t.Signal_Border_Style(p, n));
    }

    for (int n = 1; n <= 32; ++n) {
        w.w16(t.Text_Signal_Coord_X(p, n));
        w.w16(t.Text_Signal_Coord_Y(p, n));
        w.b8(textSignalFontCode(t.Text_Signal_Font_Size(p, n)));
        w.rgb565(t.Text_Signal_Color(p, n));
        w.rgb565(t.Text_Signal_Color_Fon(p, n));
        w.b8(2LL * t.Text_Signal_Text_Off(p, n).size() + t.Text_Signal_Border_Style(p, n));
        w.text12(t.Text_Signal_Text_Off(p, n));
        w.text12(t.Text_Signal_Text_On(p, n));
    }

    for (int n = 1; n <= 32; ++n) {
        const int reduce = t.Level_Type(p, n) == 1 ? 5 : 1;
        w.w16(t.Level_Coord_X(p, n));
        w.w16(t.Level_Coord_Y(p, n));
        w.distance(t.Level_Razmer_X(p, n), reduce);
        w.distance(t.Level_Razmer_Y(p, n), reduce);
        w.w16(t.Level_Scale(p, n));
        w.rgb565(t.Level_Color(p, n));
        w.rgb565(t.Level_Color_Fon(p, n));
        w.b8(t.Level_Type(p, n));
    }

    for (int n = 1; n <= 8; ++n) {
        w.w16(t.Menu_Coord_X(p, n));
        w.w16(t.Menu_Coord_Y(p, n));
        w.skip(12);
    }

    w.w16(t.Clock_Coord_X(q));
    w.w16(t.Clock_Coord_Y(q));

    w.w16(t.Grafik_Coord_X(q));
    w.w16(t.Grafik_Coord_Y(q));
    w.distance(t.Grafik_Razmer_X(q), 1);
    w.distance(t.Grafik_Razmer_Y(q), 1);
    w.b8(t.Grafik_Grup_Num(q));

    for (int n = 1; n <= 32; ++n) {
        const int x = t.Control_Coord_X(p, n);
        int y = t.Control_Coord_Y(p, n);
        int cell = keyCell(x, y);
        if (t.Control_Key_Type(p, n) == 13) {
            std::optional<double> top = controlViewTop ? controlViewTop(n) : std::nullopt;
            const double viewTop = top ? *top : y - 10.0;
            if (x == 0) {
                y = 0;
                cell = 0;
            } else {
                const auto rounded = num::toInt32(viewTop);
                const auto below = num::toInt32(viewTop + 9);
                if (!rounded || !below)
                    throw DoesNotFit{};
                y = *rounded;
                cell = (x + 22) / 62 + (*below / 60) * 13 + 1;
            }
        }
        w.w16(x);
        w.w16(y);
        w.b8(t.Control_Key_Type(p, n));
        w.b8(cell);
    }

    for (int n = 1; n <= 32; ++n) {
        const int x = t.Go_Block_Coord_X(p, n);
        int cell = 0;
        if (x != 0)
            cell = keyCell(x, t.Go_Block_Coord_Y(p, n)) +
                   (element::transitionDoubleField(t.Go_Block_Used(p, n)) == 1 ? 128 : 0);
        w.b8(cell);
        w.b8(t.Go_Block_Param(p, n));
    }

    const bool full = longTableLayout(formatVersion);
    if (full) {
        for (int n = 1; n <= 32; ++n) {
            const bool flag = element::ventWithoutBackground(t.Vent_Fon_Bits, p, n);
            const Offset d = mechanismOffset(t.Vent_Picture_Num(p, n), flag, t.Vent_Used(p, n));
            w.w16(static_cast<long long>(t.Vent_Coord_X(p, n)) + d.dx);
            w.w16(static_cast<long long>(t.Vent_Coord_Y(p, n)) + d.dy);
            w.b8(t.Vent_Picture_Num(p, n));
        }

        w.b8(t.Varning_Stranica);
        w.w16(t.Varning_Coord_X);
        w.w16(t.Varning_Coord_Y);
        w.rgb565(t.Varning_Color);
        w.rgb565(t.Varning_Color_Fon);
        w.b8(t.Varning_Num_Block);
        // A banner bound to no block has no output to choose: it goes out as output 0.
        w.b8(t.Varning_Num_Block == 0 && t.Varning_Num_OUT == -1 ? 0 : t.Varning_Num_OUT);

        for (int i = 0; i < 373; ++i)
            w.b8(7);
    }

    w.b8(55);
    w.skip(8);

    for (int n = 1; n <= 32; ++n) {
        w.b8(t.Parametr_Num_Block(p, n));
        w.b8(t.Parametr_Num_OUT(p, n));
    }
    for (int n = 1; n <= 32; ++n) {
        w.b8(t.Signal_Num_Block(p, n));
        w.b8(t.Signal_Num_OUT(p, n));
    }
    for (int n = 1; n <= 32; ++n) {
        w.b8(t.Text_Signal_Num_Block(p, n));
        w.b8(t.Text_Signal_Num_OUT(p, n));
    }
    for (int n = 1; n <= 32; ++n) {
        w.b8(t.Level_Num_Block(p, n));
        w.b8(t.Level_Num_OUT(p, n));
    }
    for (int n = 1; n <= 8; ++n)
        w.b8(t.Menu_Stranica(p, n));
    for (int n = 1; n <= 32; ++n) {
        w.b8(t.Control_Num_Block(p, n));
        w.b8(t.Control_Num_OUT(p, n));
    }
    for (int n = 1; n <= 32; ++n)
        w.b8(t.Go_Block_Target(p, n));
    for (int n = 1; n <= 32; ++n) {
        w.b8(t.Vent_Num_Block(p, n));
        w.b8(t.Vent_Num_OUT(p, n));
    }
}

} // namespace

std::optional<int> writeElementTables(const ProjectModel &m, int page, int formatVersion, QByteArray &image, int start,
                                      const ControlViewTop &controlViewTop)
{
    if (page < 0 || page > 15)
        return std::nullopt;
    TableWriter w(image, start);
    try {
        writeTables(m, page, formatVersion, w, controlViewTop);
    } catch (const DoesNotFit &) {
        return std::nullopt;
    }
    return w.index();
}

} // namespace pelmora::page
