#include "upload/page_image_codec.h"

#include "link/crc16.h"

namespace pelmora::page {

int channelLevel(int value)
{
    // Upper bound of each level.
    static constexpr int upper[16] = {29, 58, 87, 103, 119, 135, 151, 167, 183, 199, 215, 223, 231, 239, 247, 255};
    for (int level = 0; level < 16; ++level)
        if (value <= upper[level])
            return level;
    return 15;
}

int Color_To_444(std::int32_t colour)
{
    // Every pixel of a page goes through here: the levels come from a table.
    static const std::array<std::uint8_t, 256> levels = [] {
        std::array<std::uint8_t, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[v] = static_cast<std::uint8_t>(channelLevel(v));
        return t;
    }();
    const std::uint32_t c = static_cast<std::uint32_t>(colour);
    return levels[c & 0xFF] * 256 + levels[(c >> 8) & 0xFF] * 16 + levels[(c >> 16) & 0xFF];
}

std::vector<std::uint16_t> runWords(const std::vector<int> &pixels, int width, int rows)
{
    std::vector<std::uint16_t> words;
    const std::size_t count = static_cast<std::size_t>(width) * rows;
    if (width <= 0 || rows <= 0 || pixels.size() < count)
        return words;
    int run = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int cur = pixels[i];
        const int next = i + 1 < count ? pixels[i + 1] : 4096; // no colour is 4096
        if (next == cur && run < 15) {
            ++run;
        } else {
            words.push_back(static_cast<std::uint16_t>(run * 4096 + cur));
            run = 0;
        }
    }
    return words;
}

namespace {

// 0x00BBGGRR of a pixel of the canvas.
std::int32_t tableColour(QRgb rgb)
{
    return static_cast<std::int32_t>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

// The 12-bit pixels of rows first .. first + BandRows - 1, width columns each.
std::vector<int> bandPixels(const QImage &canvas, int first, int width)
{
    std::vector<int> pixels(static_cast<std::size_t>(width) * BandRows, 0);
    for (int row = 0; row < BandRows; ++row) {
        const int y = first + row;
        if (y >= canvas.height())
            break;
        const QRgb *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(row) * width + x] = Color_To_444(tableColour(line[x]));
    }
    return pixels;
}

std::vector<QByteArray> slotPackets(const QByteArray &image, int band, int page, int netNumber, int length, int count,
                                    bool lastBand)
{
    std::vector<QByteArray> packets;
    const int base = band * SlotBytes;
    for (int k = 1; k <= count; ++k) {
        QByteArray data;
        data.reserve(PacketBytes);
        data.append(static_cast<char>(netNumber & 0xFF));
        data.append(char(0x43));
        data.append(static_cast<char>(band * 16 + page));
        data.append(static_cast<char>(k + (lastBand && k == count ? 0x80 : 0)));
        data.append(static_cast<char>(length / 256));
        data.append(static_cast<char>(length % 256));
        data.append(char(0));
        data.append(static_cast<char>(length / 256));
        data.append(image.mid(base + (k - 1) * PacketData, PacketData));
        packets.push_back(withCrc(data, CrcOrder::LowFirst));
    }
    return packets;
}

} // namespace

PageData buildPageData(const QImage &canvas, const ProjectModel &m, int page, QByteArray &image,
                       const ControlViewTop &controlViewTop)
{
    PageData out;
    if (canvas.width() - 1 > PageWidth - 1 || canvas.height() - 1 > PageHeight - 1) {
        out.error = PageBuildError::TooLarge;
        return out;
    }
    if (page < 0 || page > 15) {
        out.error = PageBuildError::OutOfMemory;
        return out;
    }
    if (image.size() < ImageBytes)
        image.append(QByteArray(ImageBytes - image.size(), '\0'));

    const QImage rgb = canvas.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int formatVersion = m.settings.Format_Version;

    for (int band = 0; band < BandCount; ++band) {
        const int base = band * SlotBytes;
        const std::vector<std::uint16_t> words = runWords(bandPixels(rgb, band * BandRows, width), width, BandRows);
        const long long length = 4 + 2LL * static_cast<long long>(words.size());
        if (length > MaxSlotLength) {
            out.error = PageBuildError::OutOfMemory;
            return out;
        }
        int p = base + 4;
        for (std::uint16_t w : words) {
            image[p] = static_cast<char>(w & 0xFF);
            image[p + 1] = static_cast<char>(w >> 8);
            p += 2;
        }

        int tables = 0;
        if (band == BandCount - 1) {
            if (!writeElementTables(m, page, formatVersion, image, p, controlViewTop)) {
                out.error = PageBuildError::OutOfMemory;
                return out;
            }
            tables = tableLength(formatVersion);
            out.tableLength = tables;
        }

        const int slotLength = static_cast<int>(length);
        image[base] = static_cast<char>(slotLength % 256);
        image[base + 1] = static_cast<char>(slotLength / 256);

        const int count = (slotLength + tables) / PacketData + 1;
        if (count > MaxPackets) {
            out.error = PageBuildError::OutOfMemory;
            return out;
        }
        out.slotLength[band] = slotLength;
        out.packets[band] =
            slotPackets(image, band, page, m.settings.Num_Net, slotLength, count, band == BandCount - 1);
    }
    return out;
}

} // namespace pelmora::page
