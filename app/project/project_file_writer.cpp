// Writing a project file: the layout walk with an Io that prints the model.

#include "core/cp1251.h"
#include "core/numbers.h"
#include "project/project_file.h"
#include "project/project_file_layout.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace pelmora::projectfile {
namespace {

// A value that its line cannot carry.
struct WriteStop {
    QString reason;
};

// A text on one line: every line break (CR LF, CR or LF) becomes one blank.
QString oneLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

class Writer {
public:
    static constexpr bool reading = false;

    Writer() { out_.reserve(1 << 21); }
    QString &text() { return out_; }

    template <class T> void I(const T &v)
    {
        integer(v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    }
    template <class T> void L(const T &v)
    {
        integer(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    }
    template <class T> void B(const T &v) { integer(v, 0, 255); }
    template <class T> void leadI(const T &v) { I(v); }
    template <class T> void leadL(const T &v) { L(v); }
    template <class T> void leadB(const T &v) { B(v); }

    void real(const float &v)
    {
        if (!std::isfinite(v))
            throw WriteStop{QStringLiteral("значення не є числом")};
        line(num::printReal(v));
    }
    void X(const QString &v) { line(oneLine(v)); }
    void marker(const char16_t *text) { line(QStringView(text)); }
    void marker(const QString &text) { line(text); }
    void record(int first, const char16_t *label, int second)
    {
        out_ += QStringView(kRecordPrefix);
        out_ += QString::number(first);
        out_ += QStringView(label);
        out_ += QString::number(second);
        out_ += u"\r\n";
    }
    void reserve() { line(QStringView(kReserve)); }
    template <class F> void tolerant(F f) { f(); }

    void header(const ProjectModel &m)
    {
        const int N = m.settings.Stranica_Count;
        const int V = m.settings.Format_Version;
        if (N != 8 && N != 16)
            throw WriteStop{QStringLiteral("кількість сторінок не 8 і не 16")};
        if (V != 0 && V != 1 && V != 3 && V != 5 && V != 6)
            throw WriteStop{QStringLiteral("невідома версія формату")};
        out_ += QString::number(V);
        line(QStringView(N == 16 ? kHeader16 : kHeader8));
    }
    void netlistName(const ProjectModel &m) { X(backslashName(m.settings.Name_Schema).value_or(QString())); }
    void blockType(const std::uint8_t &t) { I(t); }
    void reportValue(const std::int16_t &v) { I(v); }

private:
    void line(QStringView s)
    {
        out_ += s;
        out_ += u"\r\n";
    }
    template <class T> void integer(const T &v, long long lo, long long hi)
    {
        const long long x = static_cast<long long>(v);
        if (x < lo || x > hi)
            throw WriteStop{QStringLiteral("значення %1 не вміщується у свій рядок").arg(x)};
        line(num::printInteger(x));
    }

    QString out_;
};

} // namespace

QString bareFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

std::optional<QString> backslashName(const QString &path)
{
    if (!path.contains(u'/') && !path.contains(u'\\'))
        return std::nullopt;
    return QStringLiteral("\\") + bareFileName(path);
}

QString inFolder(const QString &folder, const QString &storedName)
{
    QString name = storedName;
    name.replace(u'\\', u'/');
    while (name.startsWith(u'/'))
        name.remove(0, 1);
    if (name.isEmpty())
        return folder;
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

void prepareForSave(ProjectModel &m)
{
    applyVersionCapacity(m, m.settings.Format_Version);
    const int N = m.settings.Stranica_Count;
    for (int p = 0; p <= N && p <= 16; ++p)
        for (int n = 0; n <= 32; ++n) {
            QString &name = m.pages.Control_Gif_Name(p, n);
            if (name.contains(u'\\') || name.contains(u'/'))
                name = *backslashName(name);
        }
}

WriteResult writeProjectFile(const ProjectModel &m)
{
    WriteResult result;
    Writer w;
    try {
        walkProjectFile(w, m);
    } catch (const WriteStop &stop) {
        result.reason = stop.reason;
        return result;
    } catch (const TableIndexError &e) {
        result.reason = QString::fromStdString(e.what());
        return result;
    }
    result.bytes = cp1251::encode(w.text());
    result.ok = true;
    return result;
}

} // namespace pelmora::projectfile
