#pragma once
// The layout of a project file, written down once for both directions.
//
// walkProjectFile() goes through the file's sections in their order and hands
// every line to an Io object: the writer prints the model's value, the reader
// parses the line into the model. Because both directions run the same walk,
// the reader consumes exactly the lines the writer produces.
//
// Io provides, for a field of the model:
//   I(v), L(v), B(v)     16-bit, 32-bit and byte lines (print form " 5 ")
//   leadI(v), leadL(v), leadB(v)
//                        the same, but a reader takes the line's leading
//                        number (a line without one reads as 0)
//   real(v)              a single-precision line (" .5 ")
//   X(v)                 a text line
//   marker(text)         a fixed line; a reader refuses a file where it is
//                        not the line the layout puts there
//   record(page, label, slot)
//                        a record marker "Сторінка SCADA  - " page label slot,
//                        checked by a reader like a marker
//   reserve()            a reserve line of a mechanism record ("Reserv")
//   tolerant(f)          runs f; a reader skips it when the file ends before
//                        it (the comments section may be left out)
// and the constant Io::reading. The few places where the two directions
// differ are spelled out with `if constexpr (Io::reading)`.

#include "core/model/project_model.h"
#include "elements/element_codec.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace pelmora::projectfile {

inline constexpr char16_t kHeader16[] = u"*************** Проект Velkorline 16****************";
inline constexpr char16_t kHeader8[] = u"*************** Проект Velkorline 8****************";
inline constexpr char16_t kGridMarker[] = u"*************** Параметры координатной сетки ****************";
inline constexpr char16_t kSchemaMarker[] = u"*************** Параметры схемы ****************";
inline constexpr char16_t kNamesMarker[] = u"*************** Имена схемы ****************";
inline constexpr char16_t kCommentsMarker[] =
    u"*************** Коментарии АЛГОРИТМ SP/TIMER/FLAG/INPUT/OUTPUT****************";
inline constexpr char16_t kRecordPrefix[] = u"Сторінка SCADA  - ";
inline constexpr char16_t kReserve[] = u"Reserv";
inline constexpr char16_t kBlockHeader[] = u" *************** Блок ";
inline constexpr char16_t kBlockTrailer[] = u"****************";

// Whether the format version carries a section.
inline bool hasMechanisms(int v) { return v != 1; }
inline bool hasStepOffsets(int v) { return v == 5 || v == 6; }
inline bool hasRs4Texts(int v) { return v == 5 || v == 6; }
inline bool hasComments(int v) { return v == 3 || v == 4 || v == 5 || v == 6; }

// Block types whose texts the schema texts section carries.
inline bool hasSchemaTexts(int type, int v)
{
    switch (type) {
    case type::S_P:
    case type::PAN:
    case type::GRA:
    case type::JUR:
    case type::ALG:
    case type::REP: return true;
    case type::RS4: return hasRs4Texts(v);
    default: return false;
    }
}

// Header lines of a block's records: "5 *************** Блок ALG5****************"
// in the numeric values, " *************** Блок ALG5****************" in the texts.
inline QString valuesHeader(const Catalogue &c, int b, int t)
{
    return QString::number(b) + QString::fromUtf16(kBlockHeader) + c.Block_Type_Names(t) + QString::number(b) +
           QString::fromUtf16(kBlockTrailer);
}
inline QString textsHeader(const Catalogue &c, int b, int t)
{
    return QString::fromUtf16(kBlockHeader) + c.Block_Type_Names(t) + QString::number(b) +
           QString::fromUtf16(kBlockTrailer);
}

template <class Io, class Model> void walkElementRecords(Io &io, Model &m, int p, int n)
{
    auto &e = m.pages;
    io.record(p + 1, u"Параметр - ", n);
    io.I(e.Parametr_Used(p, n));
    io.I(e.Parametr_Coord_X(p, n));
    io.I(e.Parametr_Coord_Y(p, n));
    io.L(e.Parametr_Color(p, n));
    io.L(e.Parametr_Color_Fon(p, n));
    io.B(e.Parametr_Border_Style(p, n));
    io.B(e.Parametr_Font_Size(p, n));
    io.B(e.Parametr_Digits(p, n));
    io.B(e.Parametr_Num_Block(p, n));
    io.B(e.Parametr_Num_OUT(p, n));
    if constexpr (Io::reading) {
        // A parameter in the time format always shows two characters.
        if (e.Parametr_Used(p, n) == 1)
            e.Parametr_Digits(p, n) = static_cast<std::uint8_t>(
                element::parameterDigits(e.Parametr_Digits(p, n), e.Parametr_Font_Size(p, n)));
    }

    io.record(p + 1, u"Сигнал - ", n);
    io.I(e.Signal_Used(p, n));
    io.I(e.Signal_Coord_X(p, n));
    io.I(e.Signal_Coord_Y(p, n));
    io.I(e.Signal_Razmer_X(p, n));
    io.I(e.Signal_Razmer_Y(p, n));
    io.L(e.Signal_Color(p, n));
    io.L(e.Signal_Color_Fon(p, n));
    io.B(e.Signal_Border_Style(p, n));
    io.B(e.Signal_Miganie_Flag(p, n));
    io.B(e.Signal_Num_Block(p, n));
    io.B(e.Signal_Num_OUT(p, n));

    io.record(p + 1, u"Текст сигнал - ", n);
    io.I(e.Text_Signal_Used(p, n));
    io.I(e.Text_Signal_Coord_X(p, n));
    io.I(e.Text_Signal_Coord_Y(p, n));
    io.B(e.Text_Signal_Font_Size(p, n));
    io.L(e.Text_Signal_Color(p, n));
    io.L(e.Text_Signal_Color_Fon(p, n));
    io.X(e.Text_Signal_Text_Off(p, n));
    io.X(e.Text_Signal_Text_On(p, n));
    io.B(e.Text_Signal_Border_Style(p, n));
    io.B(e.Text_Signal_Miganie_Flag(p, n));
    io.B(e.Text_Signal_Num_Block(p, n));
    io.B(e.Text_Signal_Num_OUT(p, n));

    io.record(p + 1, u"Рівень - ", n);
    io.I(e.Level_Used(p, n));
    io.I(e.Level_Coord_X(p, n));
    io.I(e.Level_Coord_Y(p, n));
    io.I(e.Level_Razmer_X(p, n));
    io.I(e.Level_Razmer_Y(p, n));
    io.L(e.Level_Scale(p, n));
    io.L(e.Level_Color(p, n));
    io.L(e.Level_Color_Fon(p, n));
    io.B(e.Level_Type(p, n));
    io.B(e.Level_Num_Block(p, n));
    io.B(e.Level_Num_OUT(p, n));

    io.record(p + 1, u"Блок - ", n);
    io.I(e.Go_Block_Used(p, n));
    io.I(e.Go_Block_Coord_X(p, n));
    io.I(e.Go_Block_Coord_Y(p, n));
    io.I(e.Go_Block_Target(p, n));
    io.I(e.Go_Block_Param(p, n));

    io.record(p + 1, u"Фігура - ", n);
    io.I(e.Figura_Used(p, n));
    io.I(e.Figura_Coord_X(p, n));
    io.I(e.Figura_Coord_Y(p, n));
    io.I(e.Figura_Razmer_X(p, n));
    io.I(e.Figura_Razmer_Y(p, n));
    io.L(e.Figura_Color(p, n));
    io.I(e.Figura_Type(p, n));
    io.I(e.Figura_Line_Width(p, n));
}

// The 16 reserve lines of mechanism record (p, n). Those of page 0, slots 0
// to 6, carry project-wide values; the others are "Reserv".
template <class Io, class Model> void walkReserveLines(Io &io, Model &m, int p, int n)
{
    auto &e = m.pages;
    for (int k = 0; k <= 15; ++k) {
        if (p != 0) {
            io.reserve();
            continue;
        }
        switch (n) {
        case 0: io.leadI(e.Stranica_Num_Net(k)); break;
        case 1: io.X(e.Stranica_Name(k)); break;
        case 2: io.leadL(e.Vent_Fon_Bits(0, k)); break;
        case 3:
            if (k == 0)
                io.leadI(m.settings.T_Zapyt);
            else if (k == 1)
                io.leadI(e.Rep_Arch_Signal);
            else
                io.reserve();
            break;
        case 4: io.leadL(e.Vent_Fon_Bits(1, k)); break;
        case 5:
            switch (k) {
            case 0: io.leadI(e.Varning_Stranica); break;
            case 1: io.leadI(e.Varning_Coord_X); break;
            case 2: io.leadI(e.Varning_Coord_Y); break;
            case 3: io.leadL(e.Varning_Color); break;
            case 4: io.leadL(e.Varning_Color_Fon); break;
            case 5: io.leadI(e.Varning_Num_Block); break;
            case 6: io.leadI(e.Varning_Num_OUT); break;
            default: io.reserve(); break;
            }
            break;
        case 6: io.X(e.Mechanizm_Gif_Name(k)); break;
        default: io.reserve(); break;
        }
    }
}

template <class Io, class Model> void walkProjectFile(Io &io, Model &m)
{
    // Header: the version code and the page count. A reader sets the
    // version, the page count and the counts that follow from the version.
    io.header(m);
    const int N = m.settings.Stranica_Count;
    const int V = m.settings.Format_Version;
    const int S = m.settings.ALGORITHM_Statement_Max;
    const int C = m.settings.Comment_Count;
    auto &pg = m.pages;

    // Settings.
    io.X(m.settings.Name_Project);
    io.leadI(m.settings.Num_COM_Link);
    io.X(m.settings.Adr_IP);
    io.leadL(m.settings.Port_IP);
    io.leadI(m.settings.Num_Net);
    io.netlistName(m);

    // Page backgrounds.
    for (int i = 0; i <= 2 * N - 1; ++i)
        io.X(pg.Stranica_Fon_Name(i));
    for (int i = 0; i <= N; ++i)
        io.leadB(pg.Stranica_Fon_Flag(i));

    // Coordinate grid.
    io.marker(kGridMarker);
    io.I(pg.Setka_Razmer);
    io.I(pg.Control_Grid);
    io.I(pg.Setka_Razmer_Menu);
    io.I(pg.Control_Grid_Menu);

    // Page elements, the six records of a slot together.
    for (int p = 0; p <= N; ++p)
        for (int n = 0; n <= 32; ++n)
            walkElementRecords(io, m, p, n);

    // Mechanisms, with the project-wide values in the reserve lines.
    if (hasMechanisms(V)) {
        for (int p = 0; p <= N; ++p)
            for (int n = 0; n <= 32; ++n) {
                io.record(p + 1, u"Вентилятор - ", n);
                io.I(pg.Vent_Used(p, n));
                io.I(pg.Vent_Coord_X(p, n));
                io.I(pg.Vent_Coord_Y(p, n));
                io.I(pg.Vent_Razmer_X(p, n));
                io.I(pg.Vent_Razmer_Y(p, n));
                io.L(pg.Vent_Picture_Num(p, n));
                io.B(pg.Vent_Num_Block(p, n));
                io.leadB(pg.Vent_Num_OUT(p, n));
                walkReserveLines(io, m, p, n);
            }
    } else if constexpr (Io::reading) {
        // Without the section no mechanism is placed; the project-wide values
        // keep what they held.
        for (int p = 0; p <= N; ++p)
            for (int n = 0; n <= 32; ++n) {
                pg.Vent_Used(p, n) = 0;
                pg.Vent_Coord_X(p, n) = 0;
                pg.Vent_Coord_Y(p, n) = 0;
            }
    }

    // Static texts.
    for (int p = 0; p <= N; ++p)
        for (int n = 0; n <= 64; ++n) {
            io.record(p + 1, u"Текст - ", n);
            io.I(pg.Text_Label_Used(p, n));
            io.I(pg.Text_Label_Coord_X(p, n));
            io.I(pg.Text_Label_Coord_Y(p, n));
            io.L(pg.Text_Label_Color(p, n));
            io.X(pg.Text_Label_Text(p, n));
            io.X(pg.Text_Label_Font_Name(p, n));
            io.I(pg.Text_Label_Font_Bold(p, n));
            io.I(pg.Text_Label_Font_Italic(p, n));
            io.B(pg.Text_Label_Font_Size(p, n));
        }

    // Page colours of the pages shown.
    for (int p = 0; p <= N - 1; ++p) {
        io.record(p + 1, u"Фон SCADA - ", p);
        io.L(pg.Stranica_Fon_Color(p));
    }

    // Graph windows and clocks, index page + 1.
    for (int i = 0; i <= N; ++i) {
        io.record(i + 1, u"Графік - ", i);
        io.I(pg.Grafik_Used(i));
        io.I(pg.Grafik_Coord_X(i));
        io.I(pg.Grafik_Coord_Y(i));
        io.I(pg.Grafik_Razmer_X(i));
        io.I(pg.Grafik_Razmer_Y(i));
        io.B(pg.Grafik_Grup_Num(i));
    }
    for (int i = 0; i <= N; ++i) {
        io.record(i + 1, u"Годинник - ", i);
        io.I(pg.Clock_Used(i));
        io.I(pg.Clock_Coord_X(i));
        io.I(pg.Clock_Coord_Y(i));
    }

    // Control images.
    for (int p = 0; p <= N; ++p)
        for (int n = 0; n <= 32; ++n) {
            io.record(p + 1, u"Керування - ", n);
            io.I(pg.Control_Used(p, n));
            io.I(pg.Control_Coord_X(p, n));
            io.I(pg.Control_Coord_Y(p, n));
            io.B(pg.Control_Num_Block(p, n));
            io.B(pg.Control_Num_OUT(p, n));
            io.X(pg.Control_Gif_Name(p, n));
            io.I(pg.Control_Razmer_X(p, n));
            io.I(pg.Control_Razmer_Y(p, n));
            io.B(pg.Control_Key_Type(p, n));
        }

    // Menus.
    for (int p = 0; p <= N; ++p)
        for (int n = 0; n <= 8; ++n) {
            io.record(p + 1, u"Меню - ", n);
            io.I(pg.Menu_Used(p, n));
            io.I(pg.Menu_Coord_X(p, n));
            io.I(pg.Menu_Coord_Y(p, n));
            io.X(pg.Menu_Caption(p, n));
            io.B(pg.Menu_Stranica(p, n));
        }

    // Schema parameters: the step offsets and the block types, which fix
    // the lengths of the records that follow.
    io.marker(kSchemaMarker);
    if (hasStepOffsets(V)) {
        io.I(m.alg.Alg_Size);
        io.I(m.alg.Alg_Size_Empty);
        for (int s = 0; s <= 500; ++s) {
            io.I(m.alg.Step_Offset(0, s));
            io.I(m.alg.Step_Offset(1, s));
        }
    }
    for (int b = 1; b <= 99; ++b)
        io.blockType(m.schema.Block_Type(b));

    const auto &cat = m.catalogue;
    auto &sch = m.schema;

    // Numeric values: P(t) + 1 values a block, taken at a running offset,
    // so the last value of a record is the first of the next one.
    int o = 0;
    for (int b = 1; b <= 99; ++b) {
        const int t = sch.Block_Type(b);
        if (t == 0)
            continue;
        const int P = cat.Parametr_Value_Count(t);
        io.marker(valuesHeader(cat, b, t));
        for (int k = 0; k <= P; ++k) {
            if constexpr (Io::reading) {
                // The ALGORITHM set-points are kept as the texts of their lines.
                io.real(sch.Parametr_Value(o + k),
                        t == type::ALG && k >= 1 ? &sch.ALGORITHM_Block_Line(0, k) : nullptr);
            } else {
                io.real(sch.Parametr_Value(o + k));
            }
        }
        o += P;
    }

    // Report record of the first REP block.
    for (int b = 1; b <= 99; ++b) {
        if (sch.Block_Type(b) != type::REP)
            continue;
        io.reportValue(sch.Rep_Block_Value);
        for (int k = 0; k <= 16; ++k)
            io.X(sch.Rep_Block_Text(k));
        break;
    }

    // Schema texts, at a running offset of their own.
    io.marker(kNamesMarker);
    o = 0;
    for (int b = 1; b <= 99; ++b) {
        const int t = sch.Block_Type(b);
        if (!hasSchemaTexts(t, V))
            continue;
        const int Q = cat.Parametr_Name_Count(t);
        io.marker(textsHeader(cat, b, t));
        for (int k = 0; k <= Q - 1; ++k) {
            io.X(sch.Parametr_Name(o + k));
            if constexpr (Io::reading) {
                if (t == type::ALG)
                    sch.ALGORITHM_Parametr(0, k) = sch.Parametr_Name(o + k);
            }
        }
        o += Q;
    }

    // ALGORITHM comments and group flags; a reader accepts a short section.
    if (hasComments(V)) {
        io.tolerant([&] {
            io.marker(kCommentsMarker);
            for (int i = 0; i <= C; ++i)
                io.X(m.alg.ALGORITHM_Comment(i));
            for (int r = 0; r <= 1; ++r)
                for (int g = 0; g <= S - 1; ++g)
                    io.B(m.alg.Alg_Group_Flag(r, g));
        });
    }
}

} // namespace pelmora::projectfile
