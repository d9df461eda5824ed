#pragma once
// The packed picture of the user mechanism: a palette of RGB565 colours and
// the pixels as run-length coded palette indices, followed by the picture's
// size, cut into 'D' packets of 1024 data bytes for the controller.
//
// Image layout (L = image length, E = offset of the last code byte,
// N = palette entries stored):
//   0, 1          L, low byte first
//   2             N
//   3             0
//   4 .. E        code stream; when it starts with a run, byte 4 is 0 and the
//                 run starts at byte 5
//   E+1 .. E+3    0
//   E+4 .. L-1    palette entries 0 .. N-1, RGB565, low byte first; entry 0 is
//                 black, the last entry is a free one and reads 0
//   L .. L+3      size trailer: (W-1) high, (W-1) low, (H-1) high, (H-1) low
// The code stream holds literal groups (a count 1..125, then that many
// indices) and runs (128 + r with r 1..125, then one index for r + 1 pixels),
// over the pixels taken row after row, a run going on into the next row.
// Every byte the layout does not name is 0, so a picture always packs to the
// same bytes.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace pelmora::mechanism {

constexpr int MaxWidth = 800;
constexpr int MaxHeight = 480;
// The furthest the last code byte and the image length may reach in an upload.
constexpr int UploadLimit = 16000;
// The furthest the last code byte may reach in the picture array export.
constexpr int ArrayCodeLimit = 24701;
// Palette entries a picture may take (black included): with the free entry
// the stored count still fits its byte.
constexpr int MaxPaletteColours = 254;
constexpr int MaxLiteralGroup = 125;
constexpr int MaxRunCount = 125; // the pixels of a run are one more
constexpr int PacketData = 1024;
constexpr int PacketBytes = 1034;
constexpr char PacketKind = 'D';

// 0x00BBGGRR -> (R \ 8) * 2048 + (G \ 4) * 32 + B \ 8, red in the top bits.
std::uint16_t rgb565(std::int32_t colour);

enum class PackError {
    None,
    NoPicture,       // the picture has no pixels
    TooLarge,        // wider than 800 or higher than 480 pixels
    PaletteTooLarge, // more than MaxPaletteColours entries
    CodesTooLong,    // the last code byte lies beyond the limit
    ImageTooLong,    // the image length is beyond the upload limit
};

struct PackedPicture {
    PackError error = PackError::None;
    int width = 0;
    int height = 0;
    int codeEnd = 0;        // E
    int length = 0;         // L; also known when only the length check failed
    int paletteEntries = 0; // N
    // Image bytes 0 .. L + 3 (trailer included); empty on a failure.
    QByteArray image;
};

// The pixels the packing reads from a picture, however it was loaded: the
// picture as drawn over black, so a clear pixel is black, the colour of
// palette entry 0, which the controller's mechanism image keeps for it.
QImage mechanismPixels(const QImage &picture);

// The packing of a mechanism phase for the upload: code stream and length
// each within UploadLimit.
PackedPicture packMechanism(const QImage &picture);
// The packing of the picture array export: the code stream within
// ArrayCodeLimit, the length without a limit of its own.
PackedPicture packArray(const QImage &picture);

// Packets a packed image of length L goes in: enough for its whole size
// trailer, (L + 3) \ 1024 + 1.
int packetCount(int length);

// The 'D' packets of a packed image, in sending order, each PacketBytes long:
// address, 'D', phase x 16, packet number k (1-based), L high, L low, 0, L high
// again, image bytes (k - 1) x 1024 .. k x 1024 - 1 (0 past the trailer), and
// the CRC-16 of all that, low byte first. Nothing for a failed packing.
std::vector<QByteArray> mechanismPackets(const PackedPicture &packed, int netNumber, int phase = 0);

// Shown with the packed length L by the phase editor.
extern const char16_t *const kMechanismSizeLabel; // "Розмір масиву GIF - "

// What a failed packing tells the user: its text and its title (the error icon
// goes with every one).
struct PackMessage {
    QString text;
    QString title;
};
PackMessage mechanismMessage(PackError error);

// Said by the upload when the serial port cannot be opened.
extern const char16_t *const kMechanismPortError;      // "COM"
extern const char16_t *const kMechanismPortErrorTitle; // "Помилка !!!"

} // namespace pelmora::mechanism
