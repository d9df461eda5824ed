#include "upload/mechanism_packing.h"

#include "link/crc16.h"

#include <algorithm>

namespace pelmora::mechanism {

const char16_t *const kMechanismSizeLabel = u"Розмір масиву GIF - ";
const char16_t *const kMechanismPortError = u"COM";
const char16_t *const kMechanismPortErrorTitle = u"Помилка !!!";

namespace {

const char16_t *const kTooLarge = u"Размер Х x Y должен быть меньше = 800 x 480";
const char16_t *const kPaletteTooLarge = u"Палитра больше 256 цветов!";
const char16_t *const kOver16K = u"Розмір GIF більше 16 Кб!";
const char16_t *const kNoPicture = u"Немає зображення для пакування.";
const char16_t *const kErrorTitleRu = u"Ошибка !!!";
const char16_t *const kErrorTitleUa = u"Помилка !!!";

// The palette of a picture and the palette index of every pixel in sequence
// order (rows from the top, each from left to right).
struct IndexedPicture {
    std::vector<std::uint16_t> palette; // entries taken; entry 0 is black
    std::vector<std::uint8_t> indices;
    bool overflow = false;
};

IndexedPicture indexPicture(const QImage &picture)
{
    const QImage rgb = mechanismPixels(picture);
    const int width = rgb.width();
    const int height = rgb.height();
    IndexedPicture out;
    out.indices.assign(static_cast<std::size_t>(width) * height, 0);
    out.palette.push_back(0x0000);

    // Entry of each RGB565 value, -1 while it has none: the same first match as
    // a search of the entries in order, since every value is taken once.
    std::vector<std::int16_t> entryOf(65536, -1);
    entryOf[0] = 0;

    std::size_t s = 0;
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x, ++s) {
            if (s == 0)
                continue; // the first pixel is coded with its right-hand neighbour's colour, below
            const QRgb p = line[x];
            const std::uint16_t value = rgb565(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
            if (entryOf[value] < 0) {
                if (static_cast<int>(out.palette.size()) >= MaxPaletteColours) {
                    out.overflow = true;
                    return out;
                }
                entryOf[value] = static_cast<std::int16_t>(out.palette.size());
                out.palette.push_back(value);
            }
            out.indices[s] = static_cast<std::uint8_t>(entryOf[value]);
        }
    }
    // A picture one pixel wide has no right-hand neighbour: its first pixel is black.
    if (width >= 2 && !out.indices.empty())
        out.indices[0] = out.indices[1];
    return out;
}

// Run words in sequence order: a lone index, or count x 256 + index for a run
// of count + 1 equal pixels (count 1..125).
std::vector<std::uint16_t> runWords(const std::vector<std::uint8_t> &indices)
{
    std::vector<std::uint16_t> words;
    words.reserve(indices.size());
    int run = 0;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const int cur = indices[i];
        const int next = i + 1 < indices.size() ? indices[i + 1] : 256; // no index is 256
        if (next == cur && run < MaxRunCount) {
            ++run;
        } else {
            words.push_back(static_cast<std::uint16_t>(run == 0 ? cur : run * 256 + cur));
            run = 0;
        }
    }
    return words;
}

// The image up to its code stream: bytes 0 .. 3 zero, then the code bytes of
// the run words from offset 4 on; its last byte is at E.
std::vector<std::uint8_t> writeCodes(const std::vector<std::uint16_t> &words)
{
    // A word takes at most two bytes and the count byte of a group before it.
    std::vector<std::uint8_t> image(4 + 3 * words.size() + 2, 0);
    int p = 4;         // the last byte written
    int countAt = 4;   // the count byte of the literal group being filled
    int groupSize = 0; // indices in that group
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int word = words[i];
        if (word >= 256) {
            image[p + 1] = static_cast<std::uint8_t>(128 + word / 256);
            image[p + 2] = static_cast<std::uint8_t>(word & 255);
            p += 2;
            if (i + 1 < words.size() && words[i + 1] < 256)
                ++p; // the place of the next group's count byte
            groupSize = 0;
            continue;
        }
        if (groupSize == 0 || groupSize == MaxLiteralGroup) {
            countAt = p;
            if (groupSize == MaxLiteralGroup) {
                ++countAt; // a full group: the new count byte follows its last index
                ++p;
                groupSize = 0;
            }
            image[countAt] = 1;
        } else {
            ++image[countAt];
        }
        image[p + 1] = static_cast<std::uint8_t>(word);
        ++p;
        ++groupSize;
    }
    image.resize(static_cast<std::size_t>(p) + 1);
    return image;
}

PackedPicture pack(const QImage &picture, int codeLimit, bool limitLength)
{
    PackedPicture out;
    out.width = picture.width();
    out.height = picture.height();
    if (picture.isNull() || out.width < 1 || out.height < 1) {
        out.error = PackError::NoPicture;
        return out;
    }
    if (out.width > MaxWidth || out.height > MaxHeight) {
        out.error = PackError::TooLarge;
        return out;
    }
    const IndexedPicture indexed = indexPicture(picture);
    if (indexed.overflow) {
        out.error = PackError::PaletteTooLarge;
        return out;
    }

    const std::vector<std::uint8_t> codes = writeCodes(runWords(indexed.indices));
    const int end = static_cast<int>(codes.size()) - 1;
    out.codeEnd = end;
    if (end > codeLimit) {
        out.error = PackError::CodesTooLong;
        return out;
    }

    // The palette with its free last entry, which reads 0.
    const int entries = static_cast<int>(indexed.palette.size()) + 1;
    const int length = end + 4 + 2 * entries;
    out.length = length;
    out.paletteEntries = entries;
    if (limitLength && length > UploadLimit) {
        out.error = PackError::ImageTooLong;
        return out;
    }
    QByteArray image(length + 4, '\0');
    std::copy(codes.begin(), codes.end(), image.begin());
    int p = end + 4;
    for (std::uint16_t colour : indexed.palette) {
        image[p] = static_cast<char>(colour & 0xFF);
        image[p + 1] = static_cast<char>(colour >> 8);
        p += 2;
    }
    image[0] = static_cast<char>(length & 0xFF);
    image[1] = static_cast<char>(length >> 8);
    image[2] = static_cast<char>(entries);
    const int w = out.width - 1;
    const int h = out.height - 1;
    image[length] = static_cast<char>(w / 256);
    image[length + 1] = static_cast<char>(w & 0xFF);
    image[length + 2] = static_cast<char>(h / 256);
    image[length + 3] = static_cast<char>(h & 0xFF);
    out.image = image;
    return out;
}

} // namespace

QImage mechanismPixels(const QImage &picture)
{
    // Through premultiplied ARGB: the picture as drawn over black. A picture
    // loaded through a pixmap is premultiplied already; one loaded as an
    // image (a GIF's transparent entry keeping its table colour) reads the same.
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied).convertToFormat(QImage::Format_RGB32);
}

std::uint16_t rgb565(std::int32_t colour)
{
    const std::uint32_t c = static_cast<std::uint32_t>(colour);
    const std::uint32_t r = c & 0xFF;
    const std::uint32_t g = (c >> 8) & 0xFF;
    const std::uint32_t b = (c >> 16) & 0xFF;
    return static_cast<std::uint16_t>((r / 8) * 2048 + (g / 4) * 32 + b / 8);
}

PackedPicture packMechanism(const QImage &picture) { return pack(picture, UploadLimit, true); }

PackedPicture packArray(const QImage &picture) { return pack(picture, ArrayCodeLimit, false); }

int packetCount(int length) { return (length + 3) / PacketData + 1; }

std::vector<QByteArray> mechanismPackets(const PackedPicture &packed, int netNumber, int phase)
{
    std::vector<QByteArray> packets;
    if (packed.error != PackError::None || packed.image.isEmpty())
        return packets;
    const int length = packed.length;
    const int count = packetCount(length);
    QByteArray image = packed.image;
    image.append(QByteArray(count * PacketData - image.size(), '\0'));
    for (int k = 1; k <= count; ++k) {
        QByteArray data;
        data.reserve(PacketBytes);
        data.append(static_cast<char>(netNumber & 0xFF));
        data.append(PacketKind);
        data.append(static_cast<char>((phase * 16) & 0xFF));
        data.append(static_cast<char>(k));
        data.append(static_cast<char>(length >> 8));
        data.append(static_cast<char>(length & 0xFF));
        data.append(char(0));
        data.append(image.at(1));
        data.append(image.mid((k - 1) * PacketData, PacketData));
        packets.push_back(withCrc(data, CrcOrder::LowFirst));
    }
    return packets;
}

namespace {

PackMessage message(const char16_t *text, const char16_t *title)
{
    return {QString::fromUtf16(text), QString::fromUtf16(title)};
}

} // namespace

PackMessage mechanismMessage(PackError error)
{
    switch (error) {
    case PackError::None: return {};
    case PackError::NoPicture: return message(kNoPicture, kErrorTitleUa);
    case PackError::TooLarge: return message(kTooLarge, kErrorTitleRu);
    case PackError::PaletteTooLarge: return message(kPaletteTooLarge, kErrorTitleRu);
    case PackError::CodesTooLong:
    case PackError::ImageTooLong: return message(kOver16K, kErrorTitleUa);
    }
    return {};
}

} // namespace pelmora::mechanism
