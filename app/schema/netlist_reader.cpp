#include "schema/netlist_reader.h"

#include "core/cp1251.h"

#include <QBuffer>
#include <QFile>
#include <array>

namespace pelmora {
namespace {

constexpr qsizetype kChunk = 64 * 1024;
// A field longer than this is no netlist line; the rest of it is skipped so
// that a broken file cannot exhaust the memory.
constexpr qsizetype kMaxField = 1024 * 1024;

QString decodeField(const QByteArray &bytes)
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = cp1251::decodeChar(static_cast<unsigned char>(b)).unicode();
        return t;
    }();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return out;
}

bool isBlank(int c) { return c == ' ' || c == '\t'; }

} // namespace

NetlistFieldReader::NetlistFieldReader(QIODevice &device) : device_(device) {}

bool NetlistFieldReader::fill()
{
    if (eof_)
        return false;
    if (pos_ < buffer_.size())
        return true;
    buffer_ = device_.read(kChunk);
    pos_ = 0;
    if (buffer_.isEmpty()) {
        eof_ = true;
        return false;
    }
    return true;
}

int NetlistFieldReader::peek()
{
    if (!fill())
        return -1;
    return static_cast<unsigned char>(buffer_[pos_]);
}

int NetlistFieldReader::get()
{
    const int c = peek();
    if (c >= 0)
        ++pos_;
    return c;
}

bool NetlistFieldReader::atEnd()
{
    return peek() < 0;
}

std::optional<QString> NetlistFieldReader::next()
{
    if (peek() < 0)
        return std::nullopt;
    while (isBlank(peek()))
        get();

    QByteArray field;
    auto add = [&](int c) {
        if (field.size() < kMaxField)
            field.append(static_cast<char>(c));
    };
    auto endOfLine = [&] {
        if (get() == '\r' && peek() == '\n')
            get();
    };

    int c;
    if (peek() == '"') {
        get();
        while ((c = get()) >= 0 && c != '"')
            add(c);
        // What follows the closing quote up to the field's end is dropped.
        while ((c = peek()) >= 0) {
            if (c == ',') {
                get();
                break;
            }
            if (c == '\r' || c == '\n') {
                endOfLine();
                break;
            }
            get();
        }
        return decodeField(field);
    }

    while ((c = peek()) >= 0) {
        if (c == ',') {
            get();
            break;
        }
        if (c == '\r' || c == '\n') {
            endOfLine();
            break;
        }
        add(get());
    }
    qsizetype n = field.size();
    while (n > 0 && isBlank(static_cast<unsigned char>(field[n - 1])))
        --n;
    field.truncate(n);
    return decodeField(field);
}

int readNetlistFields(QIODevice &device, const std::function<bool(int, const QString &)> &store)
{
    NetlistFieldReader reader(device);
    QString field = QStringLiteral("*********");
    while (!field.startsWith(QLatin1StringView("(netlist "))) {
        auto f = reader.next();
        if (!f)
            return 0;
        field = std::move(*f);
    }
    int n = 1;
    for (;;) {
        auto f = reader.next();
        // The last field of the file is never stored.
        if (!f || reader.atEnd())
            break;
        if (!store(n, *f))
            break;
        ++n;
    }
    return n;
}

int readNetlist(ProjectModel &m, QIODevice &device)
{
    auto &lines = m.schema.NetList_Line;
    for (int i = 1; i <= 9999; ++i)
        lines(i).clear();
    return readNetlistFields(device, [&lines](int n, const QString &field) {
        if (!lines.inRange(n))
            return false;
        lines(n) = field;
        return true;
    });
}

int readNetlist(ProjectModel &m, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readNetlist(m, buffer);
}

NetlistFileRead readNetlistFile(ProjectModel &m, const QString &path)
{
    NetlistFileRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.opened = true;
    result.count = readNetlist(m, file);
    return result;
}

} // namespace pelmora
