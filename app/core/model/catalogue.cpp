#include "core/model/catalogue.h"

#include <initializer_list>

namespace pelmora {
namespace {

struct TypeRow {
    int code;
    const char *name;
    int values;
    int texts; // -1: the ALG text count (Alg_Name_Count)
    int first; // Num_OUT_First
    int last;  // Num_OUT_Last
    int setpoints;
};

// The catalogue by type code. Codes not listed are "NO_" with no parameters
// and no outputs (100, 100).
// clang-format off
constexpr TypeRow kTypes[] = {
    {1, "A_I", 29, 0, 1, 16, 0},     {2, "A_O", 5, 0, 100, 100, 0},   {3, "D_I", 9, 0, 1, 8, 0},
    {4, "D_O", 9, 0, 9, 10, 5},      {5, "RS4", 3, 48, 9, 17, 0},     {6, "SYS", 1, 0, 1, 2, 0},
    {9, "MUL", 4, 0, 9, 13, 0},      {10, "SUM", 10, 0, 9, 13, 0},    {11, "DIV", 4, 0, 9, 13, 0},
    {12, "SQR", 4, 0, 5, 9, 0},      {13, "ABS", 0, 0, 5, 9, 0},      {17, "AND", 1, 0, 9, 13, 0},
    {18, "OR_", 1, 0, 9, 13, 0},     {19, "XOR", 0, 0, 9, 13, 0},     {20, "TRI", 0, 0, 9, 13, 0},
    {21, "REG", 1, 0, 9, 13, 0},     {25, "S_P", 8, 9, 2, 10, 7},     {26, "PID", 18, 0, 9, 14, 7},
    {27, "MUX", 1, 0, 9, 17, 0},     {28, "PRO", 137, 0, 5, 9, 95},   {29, "PAN", 14, 5, 9, 17, 0},
    {30, "RTC", 6, 0, 8, 9, 0},      {31, "COD", 100, 0, 6, 9, 95},   {33, "MIN", 1, 0, 9, 11, 0},
    {34, "LIM", 4, 0, 3, 9, 0},      {35, "CMP", 6, 0, 5, 11, 5},     {36, "TIM", 5, 0, 9, 17, 3},
    {37, "COU", 3, 0, 9, 12, 0},     {38, "OSC", 9, 0, 9, 17, 7},     {41, "GRA", 99, 34, 100, 100, 0},
    {42, "JUR", 82, 33, 33, 41, 0},  {43, "SCA", 1, 0, 32, 100, 0},   {44, "LOG", 9, 0, 9, 15, 0},
    {45, "ALG", 129, -1, 33, 65, 95}, {46, "UNI", 9, 0, 9, 17, 7},    {47, "MON", 0, 0, 100, 100, 0},
    {48, "REP", 0, 16, 17, 100, 0},  {49, "INV", 0, 0, 2, 3, 0},      {50, "TOU", 0, 0, 1, 256, 0},
};
// clang-format on

// Output labels: a run from `from` to `to` (either direction), or one label.
struct LabelRow {
    int code;
    int from;
    int to;
};

// clang-format off
constexpr LabelRow kLabels[] = {
    {1, 1, 16},   {3, 1, 8},    {4, 9, 9},    {5, 16, 9},   {6, 1, 1},    {9, 12, 9},   {10, 12, 9},
    {11, 12, 9},  {12, 12, 9},  {13, 8, 5},   {17, 12, 9},  {18, 12, 9},  {19, 12, 9},  {20, 12, 9},
    {21, 12, 9},  {25, 9, 2},   {26, 13, 9},  {27, 16, 9},  {28, 8, 5},   {29, 16, 9},  {30, 8, 8},
    {31, 8, 6},   {33, 10, 9},  {34, 8, 3},   {35, 10, 5},  {36, 16, 9},  {37, 11, 9},  {38, 16, 9},
    {42, 40, 33}, {44, 14, 9},  {45, 64, 33}, {46, 16, 9},
};
// clang-format on

// Identity maps n -> n + shift for n = 0..last.
struct IdentityRow {
    int code;
    int last;
    int shift;
};

// clang-format off
constexpr IdentityRow kValueIdentity[] = {
    {4, 8, 0}, {5, 2, 0}, {9, 3, 0}, {11, 3, 0}, {12, 3, 0}, {30, 5, 0}, {34, 3, 0},
    {35, 5, 0}, {36, 3, 1}, {37, 2, 0}, {50, 8, 0},
};
// clang-format on

constexpr IdentityRow kNameIdentity[] = {{29, 4, 0}, {48, 15, 0}};

} // namespace

void fillCatalogueLists(Catalogue &c)
{
    c.ALGORITHM_Field_Size.fill(0);
    const int fieldSizes[] = {8, 8, 4, 4, 8, 8, 4, 4};
    for (int i = 0; i < 8; ++i)
        c.ALGORITHM_Field_Size(i) = static_cast<std::int16_t>(fieldSizes[i]);

    const char *speeds[] = {"9600", "19200", "38400", "57600", "115200", "230400"};
    for (int i = 0; i < 6; ++i)
        c.Speed_List(i) = QString::fromLatin1(speeds[i]);

    const char16_t *sensors[] = {u"Выкл.", u"50П ", u"50М ", u"100П", u"100М",  u"гр21",   u"гр23",   u"Pt100",
                                 u"ТХК ",  u"ТХА ", u"ТПП ", u"ТЖК ", u"0-5мА", u"0-20мА", u"4-20мА", u""};
    for (int i = 0; i < 16; ++i)
        c.Sensor_Type_Names(i) = QString::fromUtf16(sensors[i]);

    // Numeric attribute slots.
    auto &vs = c.Parametr_Value_Slot;
    vs.fill(0);
    for (const auto &r : kValueIdentity)
        for (int n = 0; n <= r.last; ++n)
            vs(r.code, n) = static_cast<std::int16_t>(n + r.shift);
    // A_I: after value 0, seven groups of four channel values.
    for (int k = 0; k <= 3; ++k)
        for (int j = 0; j <= 6; ++j)
            vs(type::A_I, 7 * k + j + 1) = static_cast<std::int16_t>(4 * j + k + 1);
    vs(type::SUM, 0) = 8;
    for (int n = 1; n <= 8; ++n)
        vs(type::SUM, n) = static_cast<std::int16_t>(n - 1);
    for (int n = 2; n <= 16; n += 2)
        vs(type::S_P, n) = static_cast<std::int16_t>(n / 2 - 1);
    const int pid[] = {4, 11, 1, 2, 3, 12, 13, 14, 7, 16, 17};
    for (int n = 0; n <= 10; ++n)
        vs(type::PID, n) = static_cast<std::int16_t>(pid[n]);
    vs(type::PRO, 0) = 136;
    for (int k = 0; k <= 31; ++k) {
        vs(type::PRO, 4 * k + 1) = static_cast<std::int16_t>(k + 4);
        vs(type::PRO, 4 * k + 2) = static_cast<std::int16_t>(k + 36);
        vs(type::PRO, 4 * k + 3) = static_cast<std::int16_t>(k + 68);
        vs(type::PRO, 4 * k + 4) = static_cast<std::int16_t>(k + 100);
        vs(type::COD, 3 * k + 1) = static_cast<std::int16_t>(k + 4);
        vs(type::COD, 3 * k + 2) = static_cast<std::int16_t>(k + 36);
        vs(type::COD, 3 * k + 3) = static_cast<std::int16_t>(k + 68);
        vs(type::GRA, 3 * k + 2) = static_cast<std::int16_t>(k + 34);
        vs(type::GRA, 3 * k + 3) = static_cast<std::int16_t>(k + 67);
        // JUR: the last pair maps 95 -> 41 and 96 -> 82, one past the record;
        // the import drops a store past a block's record.
        vs(type::JUR, 3 * k + 2) = static_cast<std::int16_t>(k + 10);
        vs(type::JUR, 3 * k + 3) = static_cast<std::int16_t>(k + 51);
    }
    vs(type::COD, 0) = 0;
    vs(type::GRA, 0) = 0;
    vs(type::JUR, 0) = 50;
    for (int n = 0; n <= 8; ++n)
        vs(type::LOG, n) = static_cast<std::int16_t>(3 * (n % 3) + n / 3);

    // Text attribute slots.
    auto &ns = c.Parametr_Name_Slot;
    ns.fill(0);
    for (const auto &r : kNameIdentity)
        for (int n = 0; n <= r.last; ++n)
            ns(r.code, n) = static_cast<std::uint8_t>(n + r.shift);
    ns(type::S_P, 0) = 8;
    for (int n = 1; n <= 17; n += 2)
        ns(type::S_P, n) = static_cast<std::uint8_t>((n - 1) / 2);
    ns(type::GRA, 1) = 33;
    for (int n = 4; n <= 97; n += 3) {
        ns(type::GRA, n) = static_cast<std::uint8_t>((n - 1) / 3);
        ns(type::JUR, n) = static_cast<std::uint8_t>((n - 1) / 3);
    }

    // Output labels.
    c.Num_OUT_List.fill(0);
    for (const auto &r : kLabels) {
        const int step = r.to >= r.from ? 1 : -1;
        int ordinal = 0;
        for (int v = r.from;; v += step) {
            c.Num_OUT_List(r.code, ordinal++) = static_cast<std::uint8_t>(v);
            if (v == r.to)
                break;
        }
    }
}

void fillCatalogueTypes(Catalogue &c, std::int16_t algNameCount)
{
    for (int t = 1; t <= 50; ++t)
        c.Block_Type_Names(t) = QStringLiteral("NO_");
    c.Parametr_Value_Count.fill(0);
    c.Parametr_Name_Count.fill(0);
    c.Num_OUT_First.fill(100);
    c.Num_OUT_Last.fill(100);
    c.Num_Zad_Max.fill(0);
    c.Num_OUT_First(0) = 0;
    c.Num_OUT_Last(0) = 0;
    for (const auto &r : kTypes) {
        c.Block_Type_Names(r.code) = QString::fromLatin1(r.name);
        c.Parametr_Value_Count(r.code) = static_cast<std::int16_t>(r.values);
        c.Parametr_Name_Count(r.code) = r.texts < 0 ? algNameCount : static_cast<std::int16_t>(r.texts);
        c.Num_OUT_First(r.code) = static_cast<std::uint8_t>(r.first);
        c.Num_OUT_Last(r.code) = static_cast<std::int16_t>(r.last);
        c.Num_Zad_Max(r.code) = static_cast<std::int16_t>(r.setpoints);
    }
    c.Alg_Pin_Group.fill(0);
    const int pins[] = {33, 34, 67, 68, 101, 102, 135, 136};
    for (int i = 0; i < 8; ++i)
        c.Alg_Pin_Group(i) = static_cast<std::int16_t>(pins[i]);
}

int schemaTextWidth(int t)
{
    switch (t) {
    case type::RS4:
    case type::ALG: return 1;
    case type::S_P:
    case type::PAN:
    case type::GRA:
    case type::REP: return 17;
    case type::JUR: return 40;
    default: return 0;
    }
}

} // namespace pelmora
