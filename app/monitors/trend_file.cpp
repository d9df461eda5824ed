#include "monitors/trend_file.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "core/services.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>

namespace pelmora {
namespace {

const QString kFilter = QStringLiteral("Grafik file|*.grf");

class LineWriter {
public:
    explicit LineWriter(int lines) { out_.reserve(lines * 8); }
    void integer(long long v) { text(num::printInteger(v)); }
    void real(float v) { text(num::printReal(v)); }
    void name(const QString &s) { line(cp1251::encode(s)); }
    QByteArray take() { return std::move(out_); }

private:
    void text(const QString &s) { line(s.toLatin1()); }
    void line(const QByteArray &bytes)
    {
        out_ += bytes;
        out_ += "\r\n";
    }
    QByteArray out_;
};

// Thrown inside the reader only; turned into a TrendFileError at its edge.
struct BadLine {
    int line;
    QString reason;
};

class LineReader {
public:
    explicit LineReader(QList<QByteArrayView> lines) : lines_(std::move(lines)) {}

    long long integer(long long lo, long long hi)
    {
        const double v = number();
        const auto r = num::roundToInteger(v, lo, hi);
        if (!r)
            throw BadLine{at_, QStringLiteral("значення %1 поза межами %2..%3").arg(v).arg(lo).arg(hi)};
        return *r;
    }
    float real()
    {
        const double v = number();
        // "Inf", "-Inf" and "NaN" are how an infinite or undefined sample is
        // written, so they read back as themselves; a finite value beyond a
        // single is refused.
        if (std::isfinite(v) && std::fabs(v) > std::numeric_limits<float>::max())
            throw BadLine{at_, QStringLiteral("значення поза межами числа")};
        return static_cast<float>(v);
    }
    QString name() { return cp1251::decode(next().toByteArray()); }

private:
    QByteArrayView next() { return lines_[at_++]; }
    double number()
    {
        const QByteArrayView raw = next();
        const QByteArray text = raw.trimmed().toByteArray().toLower();
        if (text == "inf" || text == "+inf")
            return std::numeric_limits<double>::infinity();
        if (text == "-inf")
            return -std::numeric_limits<double>::infinity();
        if (text == "nan")
            return std::numeric_limits<double>::quiet_NaN();
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok)
            throw BadLine{at_, QStringLiteral("замість числа «%1»")
                                   .arg(cp1251::decode(raw.first(std::min<qsizetype>(raw.size(), 40)).toByteArray()))};
        return v;
    }

    QList<QByteArrayView> lines_;
    int at_ = 0; // lines read so far, so also the 1-based number of the last one
};

// The file split into lines: CR LF (a bare LF is taken too); the break after
// the last line is optional.
QList<QByteArrayView> splitLines(const QByteArray &bytes)
{
    QList<QByteArrayView> lines;
    QByteArrayView rest(bytes);
    while (!rest.isEmpty()) {
        const qsizetype nl = rest.indexOf('\n');
        QByteArrayView line = nl < 0 ? rest : rest.first(nl);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << line;
        rest = nl < 0 ? QByteArrayView() : rest.sliced(nl + 1);
    }
    return lines;
}

float toOneDecimal(float v) { return static_cast<float>(num::roundHalfEven(static_cast<double>(v) * 10.0) / 10.0); }

// An entry of the eight-entry address and port lists of the 22-channel monitor.
std::uint8_t listEntryValue(long long v, int line)
{
    const long long entry = v > 1 ? v - 1 : 1 - v;
    if (entry > 7)
        throw BadLine{line, QStringLiteral("значення %1 поза списком 1..8").arg(v)};
    return static_cast<std::uint8_t>(entry + 1);
}

void readLayout22(LineReader &in, MonitorTables &m, std::int32_t &background)
{
    m.Grafik_Num_Net = listEntryValue(in.integer(0, 255), 1);
    m.Grafik_COM = listEntryValue(in.integer(0, 255), 2);
    background = static_cast<std::int32_t>(in.integer(INT32_MIN, INT32_MAX));
    for (int c = 1; c <= 22; ++c) {
        m.Grafik_Color(c) = static_cast<std::int32_t>(in.integer(INT32_MIN, INT32_MAX));
        m.Grafik_Max(c) = in.real();
        m.Grafik_Min(c) = in.real();
    }
    for (int c = 1; c <= 22; ++c)
        for (int s = 0; s < kTrendSamples; ++s)
            m.Grafik_Data(s, c) = toOneDecimal(in.real());
    for (int e = 0; e <= 21; ++e)
        m.Grafik_Name(e) = in.name();
}

void readLayout46(LineReader &in, MonitorTables &m, std::int32_t &background)
{
    m.Grafik_Num_Net = static_cast<std::uint8_t>(in.integer(0, 255));
    m.Grafik_COM = static_cast<std::uint8_t>(in.integer(0, 255));
    background = static_cast<std::int32_t>(in.integer(INT32_MIN, INT32_MAX));
    m.Grafik_Cikl = static_cast<std::int16_t>(in.integer(INT16_MIN, INT16_MAX));
    for (int i = 0; i <= 45; ++i) {
        m.Grafik_Color(i) = static_cast<std::int32_t>(in.integer(INT32_MIN, INT32_MAX));
        m.Grafik_Max(i) = in.real();
        m.Grafik_Min(i) = in.real();
        m.Grafik_Name_IO(i) = in.name();
    }
    for (int c = 0; c <= 45; ++c)
        for (int s = 0; s < kTrendSamples; ++s)
            m.Grafik_Data(s, c) = toOneDecimal(in.real());
}

} // namespace

int trendFileLines(TrendLayout layout) { return layout == TrendLayout::Channels22 ? kTrendLines22 : kTrendLines46; }

QByteArray writeTrendFile(const MonitorTables &m, std::int32_t background, TrendLayout layout)
{
    LineWriter out(trendFileLines(layout));
    out.integer(m.Grafik_Num_Net);
    out.integer(m.Grafik_COM);
    out.integer(background);
    if (layout == TrendLayout::Channels22) {
        for (int c = 1; c <= 22; ++c) {
            out.integer(m.Grafik_Color(c));
            out.real(m.Grafik_Max(c));
            out.real(m.Grafik_Min(c));
        }
        for (int c = 1; c <= 22; ++c)
            for (int s = 0; s < kTrendSamples; ++s)
                out.real(m.Grafik_Data(s, c));
        for (int e = 0; e <= 21; ++e)
            out.name(m.Grafik_Name(e));
    } else {
        out.integer(m.Grafik_Cikl);
        for (int i = 0; i <= 45; ++i) {
            out.integer(m.Grafik_Color(i));
            out.real(m.Grafik_Max(i));
            out.real(m.Grafik_Min(i));
            out.name(m.Grafik_Name_IO(i));
        }
        for (int c = 0; c <= 45; ++c)
            for (int s = 0; s < kTrendSamples; ++s)
                out.real(m.Grafik_Data(s, c));
    }
    return out.take();
}

std::optional<TrendFileError> readTrendFile(const QByteArray &bytes, TrendLayout layout, MonitorTables &m,
                                            std::int32_t &background)
{
    QList<QByteArrayView> lines = splitLines(bytes);
    const int expected = trendFileLines(layout);
    if (lines.size() != expected)
        return TrendFileError{0, QStringLiteral("у файлі %1 рядків замість %2").arg(lines.size()).arg(expected)};

    // Read into a copy, so a fault half way leaves the tables as they were.
    MonitorTables staged = m;
    std::int32_t stagedBackground = background;
    LineReader in(std::move(lines));
    try {
        if (layout == TrendLayout::Channels22)
            readLayout22(in, staged, stagedBackground);
        else
            readLayout46(in, staged, stagedBackground);
    } catch (const BadLine &bad) {
        return TrendFileError{bad.line, bad.reason};
    }
    m = std::move(staged);
    background = stagedBackground;
    return std::nullopt;
}

QString saveFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

bool saveTrendFileAs(MonitorTables &m, std::int32_t background, TrendLayout layout, const QString &projectName)
{
    const std::optional<QString> path = Services::files().save({QString(), kFilter, projectName, QString()});
    if (!path || path->isEmpty())
        return false;
    if (*path != m.Grafik_File_Name) {
        if (showMessage(QStringLiteral("Ім'я проекта не співпадає! Зберегти проект?"), MsgIcon::None,
                        MsgButtons::YesNo) != MsgAnswer::Yes)
            return false;
        m.Grafik_File_Name = *path;
    }
    if (!saveFileSafely(*path, writeTrendFile(m, background, layout)).isEmpty()) {
        showMessage(QStringLiteral("Помилка запису файла!!!"), MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    return true;
}

TrendOpenResult openTrendFile(MonitorTables &m, std::int32_t &background, TrendLayout layout)
{
    const std::optional<QString> path = Services::files().open({QString(), kFilter, QString(), QString()});
    if (!path || path->isEmpty())
        return TrendOpenResult::Cancelled;
    QFile file(*path);
    QString why;
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else if (const auto bad = readTrendFile(file.readAll(), layout, m, background)) {
        why = bad->line > 0 ? QStringLiteral("рядок %1: %2").arg(bad->line).arg(bad->reason) : bad->reason;
    }
    if (why.isEmpty())
        return TrendOpenResult::Opened;
    showMessage(QStringLiteral("Помилка читання файла!!!\n%1\n%2").arg(*path, why), MsgIcon::Critical, MsgButtons::Ok);
    return TrendOpenResult::Refused;
}

} // namespace pelmora
