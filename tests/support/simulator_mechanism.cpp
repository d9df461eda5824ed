#include "support/simulator_mechanism.h"

#include <optional>

namespace pelmora::test {

namespace {

constexpr int kPacketBytes = 1034;
constexpr int kPacketData = 1024;

int byteAt(const QByteArray &b, qsizetype i) { return static_cast<std::uint8_t>(b.at(i)); }

QRgb widen565(int v) { return qRgb(((v >> 11) & 31) << 3, ((v >> 5) & 63) << 2, (v & 31) << 3); }

} // namespace

MechanismController::MechanismController(ControllerSimulator &sim)
{
    ControllerSimulator::FrameRule rule;
    rule.kind = 'D';
    rule.order = CrcOrder::LowFirst;
    rule.length = [](const QByteArray &) -> qsizetype { return kPacketBytes; };
    rule.answers = [](const ReceivedFrame &) { return true; };
    rule.status = [this](const ReceivedFrame &f) { return take(f); };
    sim.addRule(rule);
}

std::uint8_t MechanismController::take(const ReceivedFrame &f)
{
    if (!f.crcGood) {
        ++refused_;
        return 1;
    }
    const int k = byteAt(f.bytes, 3);
    const int length = byteAt(f.bytes, 4) * 256 + byteAt(f.bytes, 5);
    const int phase = byteAt(f.bytes, 2);
    auto refuse = [this](const QString &why) -> std::uint8_t {
        problems_ << why;
        ++refused_;
        return 1;
    };
    if (k == 1) {
        // A new image: what came before it is dropped.
        problems_.clear();
        complete_ = false;
        image_.clear();
        picture_ = QImage();
        length_ = length;
        phaseField_ = phase;
        count_ = (length + 3) / kPacketData + 1;
        data_ = QByteArray(count_ * kPacketData, '\0');
        expected_ = 1;
    }
    if (count_ == 0)
        return refuse(QStringLiteral("packet %1 before packet 1").arg(k));
    // The packet due, or the last one again after a reply the program judged bad.
    if (k != expected_ && k != expected_ - 1)
        return refuse(QStringLiteral("packet %1 where packet %2 was due").arg(k).arg(expected_));
    if (k > count_)
        return refuse(QStringLiteral("packet %1 beyond the %2 packets of the image").arg(k).arg(count_));
    if (length != length_ || phase != phaseField_)
        return refuse(QStringLiteral("packet %1 gives length %2, phase field %3 after %4, %5")
                          .arg(k)
                          .arg(length)
                          .arg(phase)
                          .arg(length_)
                          .arg(phaseField_));
    if (byteAt(f.bytes, 6) != 0 || byteAt(f.bytes, 7) != length / 256)
        return refuse(QStringLiteral("packet %1: bytes 6 and 7 are %2, %3")
                          .arg(k)
                          .arg(byteAt(f.bytes, 6))
                          .arg(byteAt(f.bytes, 7)));
    data_.replace((k - 1) * kPacketData, kPacketData, f.bytes.mid(8, kPacketData));
    ++taken_;
    expected_ = k + 1;
    if (k == count_)
        finish();
    return 0;
}

void MechanismController::finish()
{
    image_ = data_.left(length_ + 4);
    if (byteAt(image_, 0) + 256 * byteAt(image_, 1) != length_)
        problems_ << QStringLiteral("image bytes 0 and 1 do not give the length %1").arg(length_);
    picture_ = decode(image_, problems_);
    complete_ = true;
}

QImage MechanismController::decode(const QByteArray &image, QStringList &problems)
{
    if (image.size() < 8) {
        problems << QStringLiteral("image of %1 bytes").arg(image.size());
        return {};
    }
    const int length = byteAt(image, 0) + 256 * byteAt(image, 1);
    const int entries = byteAt(image, 2);
    const int end = length - 4 - 2 * entries; // the last code byte
    if (length + 4 > image.size() || entries < 1 || end < 4) {
        problems << QStringLiteral("length %1 with %2 palette entries does not fit %3 bytes")
                        .arg(length)
                        .arg(entries)
                        .arg(image.size());
        return {};
    }
    const int width = byteAt(image, length) * 256 + byteAt(image, length + 1) + 1;
    const int height = byteAt(image, length + 2) * 256 + byteAt(image, length + 3) + 1;
    if (width > 800 || height > 480) {
        problems << QStringLiteral("picture of %1 x %2").arg(width).arg(height);
        return {};
    }
    for (int i : {3, end + 1, end + 2, end + 3})
        if (byteAt(image, i) != 0)
            problems << QStringLiteral("byte %1 outside codes and palette is %2").arg(i).arg(byteAt(image, i));
    std::vector<QRgb> palette;
    for (int e = 0; e < entries; ++e)
        palette.push_back(widen565(byteAt(image, end + 4 + 2 * e) + 256 * byteAt(image, end + 5 + 2 * e)));
    if (palette.front() != qRgb(0, 0, 0) || palette.back() != qRgb(0, 0, 0))
        problems << QStringLiteral("palette entry 0 or its free last entry is not black");

    // The code stream, pixel after pixel in rows from the top.
    const qsizetype pixels = static_cast<qsizetype>(width) * height;
    std::vector<QRgb> sequence;
    sequence.reserve(static_cast<std::size_t>(pixels));
    auto colourOf = [&](int p) -> std::optional<QRgb> {
        const int index = byteAt(image, p);
        if (index >= entries) {
            problems << QStringLiteral("index %1 at byte %2 beyond %3 palette entries").arg(index).arg(p).arg(entries);
            return std::nullopt;
        }
        return palette[static_cast<std::size_t>(index)];
    };
    int p = 4;
    if (byteAt(image, 4) == 0)
        p = 5; // the hole before a stream that starts with a run
    while (p <= end) {
        const int code = byteAt(image, p);
        if (code >= 1 && code <= 125 && p + code <= end) {
            for (int i = 1; i <= code; ++i) {
                const auto colour = colourOf(p + i);
                if (!colour)
                    return {};
                sequence.push_back(*colour);
            }
            p += code + 1;
        } else if (code >= 129 && code <= 253 && p + 1 <= end) {
            const auto colour = colourOf(p + 1);
            if (!colour)
                return {};
            sequence.insert(sequence.end(), static_cast<std::size_t>(code - 128 + 1), *colour);
            p += 2;
        } else {
            problems << QStringLiteral("code byte %1 at offset %2 (codes end at %3)").arg(code).arg(p).arg(end);
            return {};
        }
    }
    if (static_cast<qsizetype>(sequence.size()) != pixels) {
        problems
            << QStringLiteral("%1 pixels coded for a picture of %2 x %3").arg(sequence.size()).arg(width).arg(height);
        return {};
    }
    QImage picture(width, height, QImage::Format_RGB32);
    std::size_t s = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, sequence[s++]);
    return picture;
}

} // namespace pelmora::test
