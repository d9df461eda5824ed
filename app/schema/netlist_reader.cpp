#include "schema/netlist_reader.h"

#include "core/cp1251.h"
#include "core/services.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>

namespace pelmora {
namespace {

constexpr qsizetype kChunk = 64 * 1024;
// A field longer than this is no netlist line; the rest of it is skipped so
// that a broken file cannot exhaust the memory.
constexpr qsizetype kMaxField = 1024 * 1024;

QString decodeField(const char *bytes, qsizetype size)
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = cp1251::decodeChar(static_cast<unsigned char>(b)).unicode();
        return t;
    }();
    QString out(size, Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < size; ++i)
        d[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return out;
}
QString decodeField(const QByteArray &bytes) { return decodeField(bytes.constData(), bytes.size()); }

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

bool NetlistFieldReader::atEnd() { return !fill(); }

std::optional<QString> NetlistFieldReader::next()
{
    if (!fill())
        return std::nullopt;
    while (fill() && isBlank(static_cast<unsigned char>(buffer_[pos_])))
        ++pos_;

    QByteArray field;
    auto add = [&](const char *from, qsizetype n) {
        const qsizetype room = kMaxField - field.size();
        if (room > 0)
            field.append(from, std::min(n, room));
    };
    // Consumes one delimiter: a comma or a line end (CR LF, LF or CR).
    auto delimiter = [&] {
        const char c = buffer_[pos_++];
        if (c == '\r' && fill() && buffer_[pos_] == '\n')
            ++pos_;
    };

    if (fill() && buffer_[pos_] == '"') {
        ++pos_;
        while (fill()) {
            const char *data = buffer_.constData();
            const char *from = data + pos_;
            const auto *quote =
                static_cast<const char *>(std::memchr(from, '"', static_cast<std::size_t>(buffer_.size() - pos_)));
            if (quote) {
                add(from, quote - from);
                pos_ = quote - data + 1;
                break;
            }
            add(from, buffer_.size() - pos_);
            pos_ = buffer_.size();
        }
        // What follows the closing quote up to the field's end is dropped.
        while (fill()) {
            const char c = buffer_[pos_];
            if (c == ',' || c == '\r' || c == '\n') {
                delimiter();
                break;
            }
            ++pos_;
        }
        return decodeField(field);
    }

    // The common case: the whole field lies in the buffer.
    {
        const char *data = buffer_.constData();
        const qsizetype size = buffer_.size();
        qsizetype end = pos_;
        while (end < size && data[end] != ',' && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end < size && end - pos_ <= kMaxField) {
            qsizetype n = end - pos_;
            while (n > 0 && isBlank(static_cast<unsigned char>(data[pos_ + n - 1])))
                --n;
            QString out = decodeField(data + pos_, n);
            pos_ = end;
            delimiter();
            return out;
        }
    }
    while (fill()) {
        const char *data = buffer_.constData();
        qsizetype end = pos_;
        const qsizetype size = buffer_.size();
        while (end < size && data[end] != ',' && data[end] != '\r' && data[end] != '\n')
            ++end;
        add(data + pos_, end - pos_);
        pos_ = end;
        if (end < size) {
            delimiter();
            break;
        }
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

std::optional<ChosenNetlist> chooseAndReadNetlist(ProjectModel &m)
{
    FileDialogRequest request;
    request.filter = QStringLiteral("P-CAD file|*.net");
    const std::optional<QString> path = Services::files().open(request);
    // No file named counts as a cancel: importing over no fields would only
    // wipe the schema that is there.
    if (!path || path->isEmpty())
        return std::nullopt;
    QDir::setCurrent(QFileInfo(*path).absolutePath());
    const NetlistFileRead read = readNetlistFile(m, *path);
    if (!read.opened)
        return std::nullopt;
    return ChosenNetlist{*path, read.count};
}

} // namespace pelmora
