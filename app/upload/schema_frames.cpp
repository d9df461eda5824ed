#include "upload/schema_frames.h"

#include "core/cp1251.h"
#include "core/model/catalogue.h"
#include "core/numbers.h"
#include "link/crc16.h"

#include <cmath>

namespace pelmora {

namespace {

constexpr int kAlgGroupTexts = 41;

QString blockName(const ProjectModel &m, int b)
{
    const int t = m.schema.Block_Type(b);
    const QString name = t >= 1 && t <= 50 ? m.catalogue.Block_Type_Names(t) : QString::number(t);
    return QStringLiteral("блок %1 (%2)").arg(b).arg(name);
}

int textCount(const ProjectModel &m, int type)
{
    if (type < 0 || type > 50)
        return 0;
    return qMax<int>(0, m.catalogue.Parametr_Name_Count(type));
}

// The block whose numeric record holds pool index i, with the parameter's
// number in the record (1-based); block 0 when no block owns it.
std::pair<int, int> valueOwner(const ProjectModel &m, int i)
{
    for (int b = 1; b <= 99; ++b) {
        const int t = m.schema.Block_Type(b);
        if (t < 1 || t > 50)
            continue;
        const int start = m.schema.Parametr_Value_Start(b);
        if (i >= start && i < start + m.catalogue.Parametr_Value_Count(t))
            return {b, i - start + 1};
    }
    return {0, i + 1};
}

// Adds 128 to this text of an ALGORITHM record? Text k of group g (k 0-based)
// is flagged for k = 16 by row 0 and for k = 17 by row 1 of Alg_Group_Flag.
bool groupFlagged(const ProjectModel &m, int textInRecord)
{
    const int g = textInRecord / kAlgGroupTexts;
    const int k = textInRecord % kAlgGroupTexts;
    if (g >= m.settings.ALGORITHM_Statement_Max || g > 499)
        return false;
    if (k == 16)
        return m.alg.Alg_Group_Flag(0, g) == 1;
    if (k == 17)
        return m.alg.Alg_Group_Flag(1, g) == 1;
    return false;
}

} // namespace

std::optional<ParamBytes> Param_To_Bytes(float value)
{
    // The product is formed in double precision, so that no rounding to single
    // precision comes before the rounding to whole thousandths.
    const auto n = num::roundToInteger(static_cast<double>(value) * 1000.0, -2147483647LL, 2147483647LL);
    if (!n)
        return std::nullopt;
    const auto magnitude = static_cast<std::uint32_t>(*n < 0 ? -*n : *n);
    ParamBytes b;
    b[0] = static_cast<std::uint8_t>(magnitude % 256);
    b[1] = static_cast<std::uint8_t>((magnitude / 256) % 256);
    b[2] = static_cast<std::uint8_t>((magnitude / 65536) % 256);
    b[3] = static_cast<std::uint8_t>(magnitude / 16777216);
    if (*n < 0)
        b[3] = static_cast<std::uint8_t>(b[3] + 128);
    return b;
}
QByteArray schemaTableData(const ProjectModel &m, int step)
{
    const SchemaTables &s = m.schema;
    QByteArray d;
    auto put = [&d](std::uint8_t v) { d.append(static_cast<char>(v)); };
    switch (step) {
    case 1:
        for (int b = 0; b <= 99; ++b)
            put(s.Block_Type(b));
        break;
    case 2:
        // Sixteen runs of 100 bytes: every block's entry k before any entry k + 1.
        for (int k = 0; k <= 15; ++k)
            for (int b = 0; b <= 99; ++b)
                put(s.Block_Link(k, b));
        break;
    case 3:
        for (int i = 0; i <= 64; ++i)
            put(s.Grafik_Link(i));
        break;
    case 4:
        for (int i = 0; i <= 64; ++i)
            put(s.Jurnal_Link(i));
        break;
    case 5:
        for (int i = 0; i <= 7; ++i)
            for (int j = 0; j <= 64; ++j)
                put(s.Alg_Link(i, j));
        break;
    case 6:
        for (int b = 0; b <= 99; ++b)
            put(s.Invert_Input(b));
        break;
    case 7:
        for (int i = 0; i <= 3; ++i)
            put(s.Invert_Jurnal(i));
        break;
    default: break;
    }
    return d;
}

SchemaArea schemaValueArea(const ProjectModel &m)
{
    SchemaArea area;
    const int size = m.schema.Parametr_Value_Size;
    if (size < 0 || size > kMaxSchemaArea || size % 4 != 0) {
        area.error = QStringLiteral("Помилка параметра: числові параметри займають %1 байт, "
                                    "так їх неможливо передати в контролер.")
                         .arg(size);
        return area;
    }
    area.bytes.reserve(size);
    for (int i = 0; i < size / 4; ++i) {
        const float v = m.schema.Parametr_Value(i);
        const auto bytes = Param_To_Bytes(v);
        if (!bytes) {
            const auto [b, n] = valueOwner(m, i);
            const QString where =
                b ? blockName(m, b) + QStringLiteral(", параметр %1").arg(n) : QStringLiteral("параметр №%1").arg(n);
            area.error = QStringLiteral("Помилка параметра: %1 = %2 не вміщується у формат контролера.")
                             .arg(where, num::shortText(v));
            area.bytes.clear();
            return area;
        }
        for (std::uint8_t byte : *bytes)
            area.bytes.append(static_cast<char>(byte));
    }
    return area;
}

SchemaArea schemaTextArea(const ProjectModel &m)
{
    SchemaArea area;
    auto fail = [&area](const QString &text) {
        area.error = text;
        area.bytes.clear();
        return area;
    };
    long long next = 0; // running index into Parametr_Name
    for (int b = 1; b <= 99; ++b) {
        const int t = m.schema.Block_Type(b);
        const int count = textCount(m, t);
        if (count == 0)
            continue;
        if (next + count - 1 > decltype(m.schema.Parametr_Name)::hi)
            return fail(QStringLiteral("Помилка параметра: %1: тексти блоку виходять за межі таблиці текстів.")
                            .arg(blockName(m, b)));
        const int width = schemaTextWidth(t);
        for (int k = 0; k < count; ++k) {
            const QString &text = m.schema.Parametr_Name(next + k);
            if (width == 1) {
                // One byte: the number at the start of the text; an ALGORITHM
                // group's flagged texts carry bit 7 on top of it.
                const bool flagged = t == type::ALG && groupFlagged(m, k);
                const int top = flagged ? 127 : 255;
                const auto v = num::roundToInteger(num::leadingNumber(text), 0, top);
                if (!v)
                    return fail(QStringLiteral("Помилка параметра: %1, текст %2 \"%3\" не є числом від 0 до %4.")
                                    .arg(blockName(m, b))
                                    .arg(k + 1)
                                    .arg(text)
                                    .arg(top));
                area.bytes.append(static_cast<char>(*v + (flagged ? 128 : 0)));
            } else if (width > 0) {
                const QByteArray bytes = cp1251::encode(text);
                if (bytes.size() > width)
                    return fail(QStringLiteral("Помилка параметра: %1, текст %2 \"%3\" довший за %4 символів.")
                                    .arg(blockName(m, b))
                                    .arg(k + 1)
                                    .arg(text)
                                    .arg(width));
                area.bytes.append(bytes);
                area.bytes.append(QByteArray(width - bytes.size(), ' '));
            }
        }
        next += count;
    }
    if (area.bytes.size() > kMaxSchemaArea)
        return fail(QStringLiteral("Помилка параметра: тексти блоків займають %1 байт, а в кадр вміщується "
                                   "не більше %2.")
                        .arg(area.bytes.size())
                        .arg(kMaxSchemaArea));
    return area;
}

QByteArray schemaHeaderFrame(std::uint8_t address, int valueSize, int textSize)
{
    QByteArray f;
    f.append(static_cast<char>(address));
    f.append('A');
    f.append(static_cast<char>(valueSize % 256));
    f.append(static_cast<char>(valueSize / 256));
    f.append(static_cast<char>(textSize % 256));
    f.append(static_cast<char>(textSize / 256));
    return withCrc(f, CrcOrder::HighFirst);
}

QByteArray schemaTableFrame(std::uint8_t address, int step, const QByteArray &data)
{
    QByteArray f;
    f.reserve(data.size() + 5);
    f.append(static_cast<char>(address));
    f.append('B');
    f.append(static_cast<char>(step));
    f.append(data);
    return withCrc(f, CrcOrder::HighFirst);
}

SchemaFrames Schema_Frame(const ProjectModel &m)
{
    SchemaFrames out;
    const SchemaArea values = schemaValueArea(m);
    if (!values.error.isEmpty()) {
        out.error = values.error;
        return out;
    }
    const SchemaArea texts = schemaTextArea(m);
    if (!texts.error.isEmpty()) {
        out.error = texts.error;
        return out;
    }
    const auto address = static_cast<std::uint8_t>(m.settings.Num_Net);
    // The header announces the areas exactly as steps 8 and 9 carry them.
    out.frame[0] =
        schemaHeaderFrame(address, static_cast<int>(values.bytes.size()), static_cast<int>(texts.bytes.size()));
    for (int step = 1; step <= 7; ++step)
        out.frame[step] = schemaTableFrame(address, step, schemaTableData(m, step));
    out.frame[8] = schemaTableFrame(address, 8, values.bytes);
    out.frame[9] = schemaTableFrame(address, 9, texts.bytes);
    return out;
}

} // namespace pelmora
