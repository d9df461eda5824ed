#include "support/project_fixture.h"

#include "project/format_version.h"

#include <array>

namespace pelmora::test {
namespace {

// A small deterministic spread of values from a seed.
int spread(int seed, int lo, int hi)
{
    unsigned x = static_cast<unsigned>(seed) * 2654435761u;
    x ^= x >> 13;
    return lo + static_cast<int>(x % static_cast<unsigned>(hi - lo + 1));
}

const float kValues[] = {0.5f, -1.0f, 123456.7f, 1e-5f, 3e20f, 0.0f, -0.25f, 42.0f, 7.125f, 99999.99f};

} // namespace

void fillVariedProject(ProjectModel &m, int version, int pages)
{
    applyVersionItem(m, *versionItemByCode(version));
    applyVersionCapacity(m, version);
    auto &s = m.settings;
    auto &e = m.pages;
    s.Stranica_Count = static_cast<std::int16_t>(pages);
    s.Name_Project = QStringLiteral("Котельня №2");
    s.Num_COM_Link = 9;
    s.Adr_IP = QStringLiteral("192.168.1.17");
    s.Port_IP = 70000;
    s.Num_Net = 3;
    s.Name_Schema = QStringLiteral("/home/engineer/схеми/demo.net");
    s.T_Zapyt = 250;

    const int N = pages;
    for (int i = 0; i <= 2 * N - 1; ++i)
        e.Stranica_Fon_Name(i) = i % 3 == 0 ? QString() : QStringLiteral("\\фон%1.gif").arg(i);
    for (int i = 0; i <= N; ++i)
        e.Stranica_Fon_Flag(i) = static_cast<std::uint8_t>(i % 2);
    e.Setka_Razmer = 5;
    e.Control_Grid = 1;
    e.Setka_Razmer_Menu = 10;
    e.Control_Grid_Menu = 0;

    for (int p = 0; p <= N; ++p) {
        for (int n = 0; n <= 32; ++n) {
            const int k = p * 100 + n;
            const bool used = (n + p) % 3 == 1;
            e.Parametr_Used(p, n) = used;
            e.Parametr_Coord_X(p, n) = static_cast<std::int16_t>(spread(k, -5, 790));
            e.Parametr_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 1, 0, 470));
            e.Parametr_Color(p, n) = spread(k + 2, 0, 0xFFFFFF);
            e.Parametr_Color_Fon(p, n) = spread(k + 3, 0, 0xFFFFFF);
            e.Parametr_Border_Style(p, n) = static_cast<std::uint8_t>(n % 2);
            e.Parametr_Font_Size(p, n) = static_cast<std::uint8_t>(std::array{10, 14, 18, 25, 24}[n % 5]);
            e.Parametr_Digits(p, n) = static_cast<std::uint8_t>(n % 5 == 4 ? 0 : n % 5);
            e.Parametr_Num_Block(p, n) = static_cast<std::uint8_t>(spread(k + 4, 1, 99));
            e.Parametr_Num_OUT(p, n) = static_cast<std::uint8_t>(spread(k + 5, 0, 255));

            e.Signal_Used(p, n) = (n + p) % 4 == 2;
            e.Signal_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 6, 0, 780));
            e.Signal_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 7, 0, 470) + (n % 32) * 1024);
            e.Signal_Razmer_X(p, n) = static_cast<std::int16_t>(spread(k + 8, 2, 60) + (n % 4) * 64);
            e.Signal_Razmer_Y(p, n) = static_cast<std::int16_t>(spread(k + 9, 2, 60) + (n % 3) * 64);
            e.Signal_Color(p, n) = spread(k + 10, 0, 0xFFFFFF);
            e.Signal_Color_Fon(p, n) = spread(k + 11, 0, 0xFFFFFF);
            e.Signal_Border_Style(p, n) = static_cast<std::uint8_t>(n % 2);
            e.Signal_Miganie_Flag(p, n) = static_cast<std::uint8_t>((n / 2) % 2);
            e.Signal_Num_Block(p, n) = static_cast<std::uint8_t>(spread(k + 12, 1, 99));
            e.Signal_Num_OUT(p, n) = static_cast<std::uint8_t>(spread(k + 13, 0, 31));

            e.Text_Signal_Used(p, n) = (n + p) % 5 == 3;
            e.Text_Signal_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 14, 1, 780));
            e.Text_Signal_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 15, 1, 470) + (n % 7) * 1024);
            e.Text_Signal_Font_Size(p, n) = static_cast<std::uint8_t>(n % 2 ? 14 : 10);
            e.Text_Signal_Color(p, n) = spread(k + 16, 0, 0xFFFFFF);
            e.Text_Signal_Color_Fon(p, n) = spread(k + 17, 0, 0xFFFFFF);
            e.Text_Signal_Text_Off(p, n) = n % 6 == 0 ? QString() : QStringLiteral("Стоп %1").arg(n);
            e.Text_Signal_Text_On(p, n) = QStringLiteral("Run \"%1\", ok").arg(k);
            e.Text_Signal_Border_Style(p, n) = static_cast<std::uint8_t>((n % 2) + (n % 3 == 0 ? 128 : 0));
            e.Text_Signal_Miganie_Flag(p, n) = static_cast<std::uint8_t>(n % 2);
            e.Text_Signal_Num_Block(p, n) = static_cast<std::uint8_t>(spread(k + 18, 1, 99));
            e.Text_Signal_Num_OUT(p, n) = static_cast<std::uint8_t>(spread(k + 19, 0, 255));

            e.Level_Used(p, n) = (n + p) % 6 == 4;
            e.Level_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 20, 0, 780));
            e.Level_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 21, 0, 470));
            e.Level_Razmer_X(p, n) = static_cast<std::int16_t>(spread(k + 22, 5, 200));
            e.Level_Razmer_Y(p, n) = static_cast<std::int16_t>(spread(k + 23, 5, 200));
            e.Level_Scale(p, n) = spread(k + 24, 0, 100000);
            e.Level_Color(p, n) = spread(k + 25, 0, 0xFFFFFF);
            e.Level_Color_Fon(p, n) = spread(k + 26, 0, 0xFFFFFF);
            e.Level_Type(p, n) = static_cast<std::uint8_t>(n % 4);
            e.Level_Num_Block(p, n) = static_cast<std::uint8_t>(spread(k + 27, 1, 99));
            e.Level_Num_OUT(p, n) = static_cast<std::uint8_t>(spread(k + 28, 0, 31));

            e.Go_Block_Used(p, n) = static_cast<std::int16_t>(std::array{0, 1, 3}[(n + p) % 3]);
            e.Go_Block_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 29, 0, 760));
            e.Go_Block_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 30, 0, 460));
            e.Go_Block_Target(p, n) = static_cast<std::int16_t>(spread(k + 31, 1, 255));
            e.Go_Block_Param(p, n) = static_cast<std::int16_t>(spread(k + 32, 0, 255));

            e.Figura_Used(p, n) = (n + p) % 7 == 5;
            e.Figura_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 33, 0, 780));
            e.Figura_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 34, 0, 470));
            e.Figura_Razmer_X(p, n) = static_cast<std::int16_t>(spread(k + 35, 1, 800));
            e.Figura_Razmer_Y(p, n) = static_cast<std::int16_t>(spread(k + 36, 1, 480));
            e.Figura_Color(p, n) = spread(k + 37, 0, 0xFFFFFF);
            e.Figura_Type(p, n) = static_cast<std::int16_t>(n % 2);
            e.Figura_Line_Width(p, n) = static_cast<std::int16_t>(1 + n % 5);

            e.Vent_Used(p, n) = (n + p) % 4 == 1;
            e.Vent_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 38, 0, 750));
            e.Vent_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 39, 0, 430));
            e.Vent_Razmer_X(p, n) = static_cast<std::int16_t>(spread(k + 40, 12, 60));
            e.Vent_Razmer_Y(p, n) = static_cast<std::int16_t>(spread(k + 41, 12, 60));
            e.Vent_Picture_Num(p, n) = spread(k + 42, 0, 22);
            e.Vent_Num_Block(p, n) = static_cast<std::uint8_t>(spread(k + 43, 1, 99));
            e.Vent_Num_OUT(p, n) = static_cast<std::uint8_t>(spread(k + 44, 0, 31));

            e.Control_Used(p, n) = (n + p) % 3 == 2;
            e.Control_Coord_X(p, n) = static_cast<std::int16_t>(spread(k + 45, 0, 760));
            e.Control_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 46, 10, 440));
            e.Control_Num_Block(p, n) = static_cast<std::uint8_t>(spread(k + 47, 1, 99));
            e.Control_Num_OUT(p, n) = static_cast<std::uint8_t>(spread(k + 48, 0, 3));
            e.Control_Gif_Name(p, n) = n % 4 == 0 ? QStringLiteral("\\кнопка%1.gif").arg(n) : QString();
            e.Control_Razmer_X(p, n) = static_cast<std::int16_t>(n % 5 == 0 ? 105 : 40);
            e.Control_Razmer_Y(p, n) = 40;
            e.Control_Key_Type(p, n) = static_cast<std::uint8_t>(n % 20);
        }
        for (int n = 0; n <= 64; ++n) {
            const int k = p * 1000 + n;
            e.Text_Label_Used(p, n) = (n + p) % 4 == 0;
            e.Text_Label_Coord_X(p, n) = static_cast<std::int16_t>(spread(k, 0, 780));
            e.Text_Label_Coord_Y(p, n) = static_cast<std::int16_t>(spread(k + 1, 0, 470));
            e.Text_Label_Color(p, n) = spread(k + 2, 0, 0xFFFFFF);
            e.Text_Label_Text(p, n) = n % 9 == 0 ? QString() : QStringLiteral("Насос %1 — тиск, бар").arg(n);
            e.Text_Label_Font_Name(p, n) = n % 2 ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif");
            e.Text_Label_Font_Bold(p, n) = static_cast<std::int16_t>(n % 2 ? -1 : 0);
            e.Text_Label_Font_Italic(p, n) = static_cast<std::int16_t>(n % 3 ? 0 : -1);
            e.Text_Label_Font_Size(p, n) = static_cast<std::uint8_t>(8 + n % 20);
        }
        for (int n = 0; n <= 8; ++n) {
            e.Menu_Used(p, n) = n >= 1 && (n + p) % 2 == 0;
            e.Menu_Coord_X(p, n) = static_cast<std::int16_t>(100 + n * 60);
            e.Menu_Coord_Y(p, n) = static_cast<std::int16_t>(50 + p * 3);
            e.Menu_Caption(p, n) = QStringLiteral("Меню %1").arg(n);
            e.Menu_Stranica(p, n) = static_cast<std::uint8_t>((n + p) % 16);
        }
        e.Vent_Fon_Bits(0, p) = static_cast<std::int32_t>(0x0000A5A5u ^ static_cast<unsigned>(p));
        e.Vent_Fon_Bits(1, p) = -static_cast<std::int32_t>(p * 3 + 1);
    }
    for (int p = 0; p <= N - 1; ++p)
        e.Stranica_Fon_Color(p) = spread(p + 500, 0, 0xFFFFFF);
    for (int i = 1; i <= N; ++i) {
        e.Grafik_Used(i) = i % 2;
        e.Grafik_Coord_X(i) = static_cast<std::int16_t>(10 * i);
        e.Grafik_Coord_Y(i) = static_cast<std::int16_t>(20 * i);
        e.Grafik_Razmer_X(i) = static_cast<std::int16_t>(120 + i);
        e.Grafik_Razmer_Y(i) = static_cast<std::int16_t>(60 + i);
        e.Grafik_Grup_Num(i) = static_cast<std::uint8_t>(i % 8);
        e.Clock_Used(i) = (i + 1) % 2;
        e.Clock_Coord_X(i) = static_cast<std::int16_t>(700 - i);
        e.Clock_Coord_Y(i) = static_cast<std::int16_t>(5 + i);
    }
    for (int k = 0; k <= 15; ++k) {
        e.Stranica_Num_Net(k) = static_cast<std::int16_t>(k % 4 == 3 ? -1 : k);
        e.Stranica_Name(k) = k == 5 ? QString() : QStringLiteral("Сторінка «%1»").arg(k + 1);
        e.Mechanizm_Gif_Name(k) = k < 8 ? QStringLiteral("\\фаза%1.gif").arg(k) : QString();
    }
    e.Rep_Arch_Signal = 7;
    e.Varning_Stranica = 2;
    e.Varning_Coord_X = 123;
    e.Varning_Coord_Y = 456;
    e.Varning_Color = 0x0000FF;
    e.Varning_Color_Fon = 0xC0FFC0;
    e.Varning_Num_Block = 12;
    e.Varning_Num_OUT = -1;

    // The schema: a block of each kind the file treats apart.
    auto &sch = m.schema;
    const std::pair<int, int> blocks[] = {{1, type::A_I},  {3, type::RS4},  {5, type::ALG},  {7, type::REP},
                                          {10, type::S_P}, {12, type::TOU}, {20, type::PAN}, {33, type::D_O},
                                          {97, type::SCA}, {98, type::GRA}, {99, type::JUR}};
    for (const auto &[b, t] : blocks)
        sch.Block_Type(b) = static_cast<std::uint8_t>(t);
    int values = 0, texts = 0;
    for (const auto &[b, t] : blocks) {
        values += m.catalogue.Parametr_Value_Count(t);
        texts += m.catalogue.Parametr_Name_Count(t);
    }
    for (int i = 0; i <= values; ++i)
        sch.Parametr_Value(i) = kValues[i % 10] * static_cast<float>(1 + i % 3);
    for (int i = 0; i < texts; ++i)
        sch.Parametr_Name(i) = i % 5 == 0 ? QString::number(i % 256) : QStringLiteral("Т%1 ,;").arg(i);
    sch.Rep_Block_Value = 17;
    for (int k = 0; k <= 16; ++k)
        sch.Rep_Block_Text(k) = k % 4 == 0 ? QString() : QStringLiteral("Звіт %1").arg(k);

    auto &alg = m.alg;
    alg.Alg_Size = 9000;
    alg.Alg_Size_Empty = -3;
    for (int st = 0; st <= 500; ++st) {
        alg.Step_Offset(0, st) = static_cast<std::int32_t>(st * 18);
        alg.Step_Offset(1, st) = static_cast<std::int32_t>(18 + st % 7);
    }
    for (int i = 0; i <= s.Comment_Count; ++i)
        alg.ALGORITHM_Comment(i) = i % 11 == 0 ? QString() : QStringLiteral("Коментар %1").arg(i);
    for (int r = 0; r <= 1; ++r)
        for (int g = 0; g <= s.ALGORITHM_Statement_Max - 1; ++g)
            alg.Alg_Group_Flag(r, g) = static_cast<std::uint8_t>((g + r) % 3 == 0);
}

long long expectedLineCount(const ProjectModel &m)
{
    const long long N = m.settings.Stranica_Count;
    const int V = m.settings.Format_Version;
    const long long S = m.settings.ALGORITHM_Statement_Max;
    const long long C = m.settings.Comment_Count;
    long long lines = 1 + 6 + 2 * N + (N + 1) + 5 + 63 * (N + 1) * 33;
    if (V != 1)
        lines += 25 * (N + 1) * 33;
    lines += 10 * (N + 1) * 65 + 2 * N + 7 * (N + 1) + 4 * (N + 1) + 10 * (N + 1) * 33 + 6 * (N + 1) * 9;
    lines += 1 + 99 + ((V == 5 || V == 6) ? 1004 : 0);
    bool rep = false;
    long long texts = 1;
    for (int b = 1; b <= 99; ++b) {
        const int t = m.schema.Block_Type(b);
        if (t == 0)
            continue;
        lines += m.catalogue.Parametr_Value_Count(t) + 2;
        rep = rep || t == type::REP;
        const bool listed =
            t == 25 || t == 29 || t == 41 || t == 42 || t == 45 || t == 48 || (t == 5 && (V == 5 || V == 6));
        if (listed)
            texts += m.catalogue.Parametr_Name_Count(t) + 1;
    }
    lines += (rep ? 18 : 0) + texts;
    if (V == 3 || V == 5 || V == 6)
        lines += 1 + (C + 1) + 2 * S;
    return lines;
}

} // namespace pelmora::test
