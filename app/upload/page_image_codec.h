#pragma once
// The upload image of a SCADA page: the canvas quantised to 12-bit colour,
// run-length encoded in 8 bands of 60 rows, one band to a 48000-byte image
// slot, the element tables after the last band, and the slots cut into
// 0x43 page packets of 1024 data bytes each.

#include "upload/page_tables_codec.h"

#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

namespace pelmora::page {

constexpr int PageWidth = 800;
constexpr int PageHeight = 480;
constexpr int BandCount = 8;
constexpr int BandRows = 60;
constexpr int SlotBytes = 48000;
constexpr int ImageBytes = 384001;   // the whole upload image, indexes 0..384000
constexpr int MaxSlotLength = 32000; // length bytes, reserved bytes and run words of a band
constexpr int PacketData = 1024;
constexpr int PacketBytes = 1034;
constexpr int MaxPackets = 32;

// Level 0..15 of one colour channel 0..255; wide bins at the dark end,
// narrow ones at the bright end.
int channelLevel(int value);
// 0x00BBGGRR -> red level * 256 + green level * 16 + blue level.
int Color_To_444(std::int32_t colour);

// The run words of one band of 12-bit pixels, in scan order: each word holds
// a run count r (0..15) in bits 15..12 for r + 1 equal pixels, and the colour
// in bits 11..0. Runs go on from the end of a row into the next row of the
// band but never past the band's last pixel.
std::vector<std::uint16_t> runWords(const std::vector<int> &pixels, int width, int rows);

enum class PageBuildError {
    None,
    TooLarge,   // the canvas is larger than the page
    OutOfMemory // a band too long, too many packets, or a table value that does not fit
};

struct PageData {
    PageBuildError error = PageBuildError::None;
    std::array<int, BandCount> slotLength{}; // L of every band built
    int tableLength = 0;                     // T counted into band 7's packets
    // Packets of every band built, each PacketBytes long, in sending order.
    std::array<std::vector<QByteArray>, BandCount> packets{};
};

// Builds the upload of page `page` (0..15) from the picture of its canvas.
// `image` is the upload image buffer; it is made ImageBytes long when it is
// shorter, and bytes the build does not write (reserved bytes, the bytes
// after a slot's data) keep what an earlier build left there. A canvas
// smaller than the page reads as black outside it. On a failure the bands
// built before it keep their packets and nothing of the failing band is
// returned.
PageData buildPageData(const QImage &canvas, const ProjectModel &m, int page, QByteArray &image,
                       const ControlViewTop &controlViewTop = {});

} // namespace pelmora::page
