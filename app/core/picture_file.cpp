#include "core/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <array>
#include <cstdint>

namespace pelmora {
namespace {

class GifCursor {
public:
    explicit GifCursor(const QByteArray &bytes) : b_(bytes) {}

    bool has(qsizetype n) const { return pos_ + n <= b_.size(); }
    bool atEnd() const { return pos_ >= b_.size(); }
    int byte() { return static_cast<unsigned char>(b_[pos_++]); }
    int word()
    {
        const int lo = byte();
        return lo | (byte() << 8);
    }
    bool skip(qsizetype n)
    {
        if (!has(n))
            return false;
        pos_ += n;
        return true;
    }
    // The data sub-blocks up to their terminator, appended to `out` (when
    // given); false when the file ends first.
    bool subBlocks(QByteArray *out)
    {
        for (;;) {
            if (!has(1))
                return false;
            const int size = byte();
            if (size == 0)
                return true;
            if (!has(size))
                return false;
            if (out)
                out->append(b_.constData() + pos_, size);
            pos_ += size;
        }
    }

private:
    const QByteArray &b_;
    qsizetype pos_ = 0;
};

// Decodes the LZW codes of one picture far enough to count its pixels: true
// when they cover all `pixels` before a code that the table cannot hold yet.
bool lzwCoversPixels(const QByteArray &data, int minCodeSize, std::int64_t pixels)
{
    if (minCodeSize < 1 || minCodeSize > 11)
        return false;
    const int clear = 1 << minCodeSize;
    const int endOfData = clear + 1;
    std::array<std::int32_t, 4096> length{};
    int codeSize = minCodeSize + 1;
    int next = endOfData + 1;
    int previous = -1;
    std::int64_t decoded = 0;
    std::uint32_t bits = 0;
    int bitCount = 0;
    qsizetype at = 0;
    while (decoded < pixels) {
        while (bitCount < codeSize) {
            if (at >= data.size())
                return false; // the pixels end before the picture is full
            bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[at++])) << bitCount;
            bitCount += 8;
        }
        const int code = static_cast<int>(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = endOfData + 1;
            previous = -1;
            continue;
        }
        if (code == endOfData)
            return false;
        int produced = 0;
        if (previous < 0) {
            if (code > clear)
                return false;
            produced = 1;
        } else if (code < next) {
            produced = code < clear ? 1 : length[static_cast<std::size_t>(code)];
        } else if (code == next && next < 4096) {
            produced = (previous < clear ? 1 : length[static_cast<std::size_t>(previous)]) + 1;
        } else {
            return false; // a code the table does not hold
        }
        if (previous >= 0 && next < 4096) {
            length[static_cast<std::size_t>(next)] =
                (previous < clear ? 1 : length[static_cast<std::size_t>(previous)]) + 1;
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        decoded += produced;
        previous = code;
    }
    return true;
}

} // namespace

bool gifIsWhole(const QByteArray &bytes)
{
    GifCursor c(bytes);
    if (!bytes.startsWith("GIF87a") && !bytes.startsWith("GIF89a"))
        return false;
    c.skip(6);
    if (!c.has(7))
        return false;
    c.word();
    c.word();
    const int flags = c.byte();
    c.skip(2);
    if ((flags & 0x80) && !c.skip(3 * (2 << (flags & 7))))
        return false;
    bool pictureSeen = false;
    for (;;) {
        if (c.atEnd())
            return pictureSeen; // a file without its trailer, but with a whole picture
        switch (c.byte()) {
        case 0x3B: return pictureSeen;
        case 0x21:
            if (!c.skip(1) || !c.subBlocks(nullptr))
                return false;
            break;
        case 0x2C: {
            if (!c.has(9))
                return false;
            c.word();
            c.word();
            const int width = c.word();
            const int height = c.word();
            const int imageFlags = c.byte();
            if ((imageFlags & 0x80) && !c.skip(3 * (2 << (imageFlags & 7))))
                return false;
            if (!c.has(1))
                return false;
            const int minCodeSize = c.byte();
            QByteArray data;
            if (!c.subBlocks(&data))
                return false;
            // The first picture is the one shown; it must be whole.
            if (!pictureSeen && !lzwCoversPixels(data, minCodeSize, std::int64_t{width} * height))
                return false;
            pictureSeen = true;
            break;
        }
        default: return false;
        }
    }
}

QImage readPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("GIF8") && !gifIsWhole(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

} // namespace pelmora
