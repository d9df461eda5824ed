// Reading a project file: the layout walk with an Io that parses each line
// into a staging model, and the adoption of a file read to its end.

#include "core/cp1251.h"
#include "core/numbers.h"
#include "project/format_version.h"
#include "project/project_file.h"
#include "project/project_file_layout.h"
#include "project/startup.h"

#include <cmath>
#include <limits>
#include <string>

namespace pelmora::projectfile {
namespace {

// Why reading stopped.
struct ReadStop {
    QString reason;
};

const QString kEnded = QStringLiteral("файл закінчується раніше, ніж має");
const QString kNotANumber = QStringLiteral("рядок не є числом");
const QString kOutOfRange = QStringLiteral("число не вміщується у своє поле");
const QString kBadType = QStringLiteral("тип блоку поза межами 0..50");
const QString kMisplaced = QStringLiteral("рядок розмітки не на своєму місці, вміст зсунуто");
const QString kTrailing = QStringLiteral("після останнього розділу є зайві рядки");

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The number a whole line holds (blanks around it allowed; '.' or ',' as the
// decimal separator; an exponent with E or D), or nullopt.
std::optional<double> numberLine(QStringView line)
{
    qsizetype i = 0, n = line.size();
    while (i < n && isBlank(line[i]))
        ++i;
    while (n > i && isBlank(line[n - 1]))
        --n;
    std::string s;
    if (i < n && (line[i] == u'+' || line[i] == u'-'))
        s += static_cast<char>(line[i++].unicode());
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = line[i];
        if (c >= u'0' && c <= u'9') {
            s += static_cast<char>(c.unicode());
            digits = true;
        } else if (!point && (c == u'.' || c == u',')) {
            s += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < n && (line[i] == u'E' || line[i] == u'e' || line[i] == u'D' || line[i] == u'd')) {
        s += 'e';
        ++i;
        if (i < n && (line[i] == u'+' || line[i] == u'-'))
            s += static_cast<char>(line[i++].unicode());
        bool expDigits = false;
        for (; i < n && line[i] >= u'0' && line[i] <= u'9'; ++i) {
            s += static_cast<char>(line[i].unicode());
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    const double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

class Reader {
public:
    static constexpr bool reading = true;

    Reader(const QString &text, const QString &currentDir) : text_(text), dir_(currentDir) {}

    int lineNumber() const { return line_; }
    std::optional<int> version() const { return version_; }

    template <class T> void I(T &v)
    {
        store(v, strict(), std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    }
    template <class T> void L(T &v)
    {
        store(v, strict(), std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    }
    template <class T> void B(T &v) { store(v, strict(), 0, 255); }
    template <class T> void leadI(T &v)
    {
        store(v, leading(), std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    }
    template <class T> void leadL(T &v)
    {
        store(v, leading(), std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    }
    template <class T> void leadB(T &v) { store(v, leading(), 0, 255); }

    void real(float &v, QString *keepText)
    {
        const QStringView line = next();
        const auto d = numberLine(line);
        if (!d)
            throw ReadStop{kNotANumber};
        if (std::fabs(*d) > static_cast<double>(std::numeric_limits<float>::max()))
            throw ReadStop{kOutOfRange};
        v = static_cast<float>(*d);
        if (keepText)
            *keepText = line.toString();
    }
    void X(QString &v) { v = next().toString(); }
    // Section and record markers must stand where the layout puts them: a
    // line lost or added before one shifts every value after it.
    void marker(const char16_t *text) { expect(QStringView(text)); }
    void marker(const QString &text) { expect(text); }
    void record(int first, const char16_t *label, int second)
    {
        QString text = QString::fromUtf16(kRecordPrefix);
        text += QString::number(first);
        text += QStringView(label);
        text += QString::number(second);
        expect(text);
    }
    void reserve() { next(); }
    // The comments section may be left out, but one that begins must be whole.
    template <class F> void tolerant(F f)
    {
        if (!atEnd())
            f();
    }
    // Only a file read to its end is taken: nothing may follow the last section.
    void finish()
    {
        if (!atEnd())
            throw ReadStop{kTrailing};
    }

    void header(ProjectModel &m)
    {
        const QString line = next().toString();
        auto &s = m.settings;
        s.ALGORITHM_Statement_Max = 128;
        s.Alg_Name_Count = 5248;
        s.Comment_Count = 1408;
        s.Stranica_Count = line.contains(QStringLiteral("16")) ? 16 : 8;
        const double c = num::leadingNumber(line);
        int code = -1;
        if (c == 0 || c == 2)
            code = 0;
        else if (c == 1)
            code = 1;
        else if (c == 3 || c == 4)
            code = 3;
        else if (c == 5)
            code = 5;
        else if (c == 6)
            code = 6;
        if (code >= 0) {
            applyVersionItem(m, *versionItemByCode(code));
            applyVersionCapacity(m, code);
            version_ = code;
        }
        m.catalogue.Parametr_Name_Count(type::ALG) = s.Alg_Name_Count;

        // The state an opening starts from, before the sections fill it.
        m.pages.Varning_Stranica = 0;
        m.schema.Block_Link.fill(0);
        m.schema.Grafik_Link.fill(0);
        m.schema.Jurnal_Link.fill(0);
        m.schema.Alg_Link.fill(0);
        m.pages.Num_Stranica_SCADA = 0;
    }

    // An empty line names no netlist (the folder alone is none).
    void netlistName(ProjectModel &m)
    {
        const QString line = next().toString();
        m.settings.Name_Schema = line.isEmpty() ? kNoSchema : inFolder(dir_, line);
    }

    void blockType(std::uint8_t &t)
    {
        const auto r = num::roundToInteger(leading(), 0, 50);
        if (!r)
            throw ReadStop{kBadType};
        t = static_cast<std::uint8_t>(*r);
    }

    void reportValue(std::int16_t &v) { store(v, std::fabs(leading()), 0, std::numeric_limits<std::int16_t>::max()); }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    void expect(QStringView text)
    {
        QStringView line = next();
        while (!line.isEmpty() && isBlank(line.back()))
            line.chop(1);
        if (line != text)
            throw ReadStop{kMisplaced};
    }
    QStringView next()
    {
        const qsizetype n = text_.size();
        if (pos_ >= n)
            throw ReadStop{kEnded};
        const QChar *d = text_.constData();
        qsizetype end = pos_;
        while (end < n && d[end] != u'\n' && d[end] != u'\r')
            ++end;
        const QStringView line(d + pos_, end - pos_);
        if (end < n && d[end] == u'\r' && end + 1 < n && d[end + 1] == u'\n')
            pos_ = end + 2;
        else
            pos_ = end + 1;
        ++line_;
        return line;
    }
    double strict()
    {
        const auto v = numberLine(next());
        if (!v)
            throw ReadStop{kNotANumber};
        return *v;
    }
    double leading() { return num::leadingNumberAnySeparator(next().toString()); }

    template <class T> void store(T &field, double v, long long lo, long long hi)
    {
        const auto r = num::roundToInteger(v, lo, hi);
        if (!r || *r < static_cast<long long>(std::numeric_limits<T>::min()) ||
            *r > static_cast<long long>(std::numeric_limits<T>::max()))
            throw ReadStop{kOutOfRange};
        field = static_cast<T>(*r);
    }

    const QString &text_;
    QString dir_;
    qsizetype pos_ = 0;
    int line_ = 0;
    std::optional<int> version_;
};

// Values the program later uses as indexes of pages, pictures and lists.
QString checkIndexes(const ProjectModel &m)
{
    const auto &e = m.pages;
    const int N = m.settings.Stranica_Count;
    for (int p = 0; p <= N; ++p) {
        for (int n = 0; n <= 32; ++n) {
            if (e.Control_Used(p, n) == 1 && e.Control_Key_Type(p, n) > 19)
                return QStringLiteral("тип кнопки поза межами 0..19");
            if (hasMechanisms(m.settings.Format_Version) && e.Vent_Used(p, n) == 1 &&
                (e.Vent_Picture_Num(p, n) < 0 || e.Vent_Picture_Num(p, n) > 22))
                return QStringLiteral("код механізму поза межами 0..22");
        }
        for (int n = 0; n <= 8; ++n)
            if (e.Menu_Used(p, n) == 1 && e.Menu_Stranica(p, n) > 15)
                return QStringLiteral("сторінка меню поза межами 1..16");
        if (e.Grafik_Used(p) == 1 && e.Grafik_Grup_Num(p) > 7)
            return QStringLiteral("група графіків поза межами 1..8");
    }
    if (e.Grafik_Used(0) == 1 || e.Clock_Used(0) == 1)
        return QStringLiteral("графік або годинник без сторінки");
    if (e.Varning_Stranica < 0 || e.Varning_Stranica > 16)
        return QStringLiteral("сторінка попередження поза межами 0..16");
    if (e.Rep_Arch_Signal < 0 || e.Rep_Arch_Signal > 32)
        return QStringLiteral("сигнал звіту поза межами 0..32");
    for (int k = 0; k <= 15; ++k)
        if (e.Stranica_Num_Net(k) < -1 || e.Stranica_Num_Net(k) > 15)
            return QStringLiteral("номер контролера сторінки поза межами");
    return {};
}

} // namespace

ReadResult readProjectFile(const QByteArray &bytes, ProjectModel &staging, const QString &currentDir)
{
    ReadResult result;
    const QString text = cp1251::decode(bytes);
    Reader r(text, currentDir);
    try {
        walkProjectFile(r, staging);
        r.finish();
    } catch (const ReadStop &stop) {
        result.line = r.lineNumber();
        result.reason = stop.reason;
        return result;
    } catch (const TableIndexError &) {
        result.line = r.lineNumber();
        result.reason = QStringLiteral("запис виходить за межі таблиць");
        return result;
    }
    result.line = r.lineNumber();
    // The mechanism's phase pictures lie beside the project file.
    for (int k = 0; k <= 16; ++k) {
        const QString &name = staging.pages.Mechanizm_Gif_Name(k);
        staging.pages.Mechanizm_Gif_Source(k) = name.isEmpty() ? QString() : inFolder(currentDir, name);
    }
    const QString bad = checkIndexes(staging);
    if (!bad.isEmpty()) {
        result.reason = bad;
        return result;
    }
    // A TCP link kind also says whether the program is the client or the server.
    if (staging.settings.Num_COM_Link == 9)
        staging.settings.TCP_Server = 0;
    else if (staging.settings.Num_COM_Link == 10)
        staging.settings.TCP_Server = 1;
    // Where the RS4 texts were placed: the running text offset of the texts section.
    const int V = staging.settings.Format_Version;
    int o = 0;
    for (int b = 1; b <= 99; ++b) {
        const int t = staging.schema.Block_Type(b);
        if (!hasSchemaTexts(t, V))
            continue;
        const int q = staging.catalogue.Parametr_Name_Count(t);
        if (t == type::RS4 && q > 0)
            result.rs4Texts.append({o, q});
        o += q;
    }
    result.version = r.version();
    result.ok = true;
    return result;
}

void adoptProject(ProjectModel &live, ProjectModel &&staging, const ReadResult &read)
{
    auto values = std::move(live.schema.Parametr_Value);
    auto names = std::move(live.schema.Parametr_Name);
    for (const auto &[start, count] : read.rs4Texts)
        for (int i = start; i < start + count; ++i)
            names(i) = staging.schema.Parametr_Name(i);
    live = std::move(staging);
    live.schema.Parametr_Value = std::move(values);
    live.schema.Parametr_Name = std::move(names);
}

void adoptSchemaWithoutNetlist(ProjectModel &opened, const QByteArray &bytes, const QString &currentDir)
{
    // The first reading went over the schema of the project open before, so
    // the schema the file alone gives is not at hand: the same bytes are read
    // again over a start-up schema. The settings and the catalogue the first
    // reading left give them the same layout, so this reading ends as that
    // one did; only its schema is taken.
    ProjectModel again = opened;
    again.schema = SchemaTables();
    startUpSchema(again.schema);
    readProjectFile(bytes, again, currentDir);
    opened.schema = std::move(again.schema);
    opened.schema.Netlist_Not_Loaded = true;
}

QString unreadableMessage(const ReadResult &read)
{
    return QStringLiteral("Файл проекту неможливо прочитати (рядок %1: %2). Відкритий проект не змінено.")
        .arg(read.line)
        .arg(read.reason);
}

} // namespace pelmora::projectfile
