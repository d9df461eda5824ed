#include "support/simulator_pages.h"

#include "upload/page_image_codec.h"

namespace pelmora::test {

namespace {

constexpr int kPacketBytes = 1034;
constexpr int kData = 1024;
constexpr int kWidth = 800;
constexpr int kBandPixels = 800 * 60;

int byteAt(const QByteArray &b, qsizetype i) { return static_cast<std::uint8_t>(b.at(i)); }

} // namespace

PageController::PageController(ControllerSimulator &sim)
{
    ControllerSimulator::FrameRule rule;
    rule.kind = 0x43;
    rule.order = CrcOrder::LowFirst;
    rule.length = [](const QByteArray &) -> qsizetype { return kPacketBytes; };
    rule.answers = [](const ReceivedFrame &) { return true; };
    rule.status = [this](const ReceivedFrame &f) -> std::uint8_t { return take(f) ? 0 : 1; };
    sim.addRule(rule);
}

void PageController::clear()
{
    pages_.clear();
    packets_.clear();
    written_.clear();
    reported_.clear();
    problems_.clear();
}

int PageController::packetCountOf(int band, int length) const
{
    return (length + (band == 7 ? tableLength : 0)) / kData + 1;
}

bool PageController::bandComplete(const Band &b, int band) const
{
    if (b.length < 0)
        return false;
    const int count = packetCountOf(band, b.length);
    for (int k = 1; k <= count; ++k)
        if (!b.got[static_cast<std::size_t>(k)])
            return false;
    return true;
}

bool PageController::take(const ReceivedFrame &f)
{
    Packet p;
    const QString where = QStringLiteral("packet %1").arg(packets_.size() + 1);
    QStringList wrong;
    const QByteArray &b = f.bytes;
    p.band = byteAt(b, 2) / 16;
    p.page = byteAt(b, 2) % 16;
    p.number = byteAt(b, 3) & 0x7F;
    p.last = (byteAt(b, 3) & 0x80) != 0;
    const int length = byteAt(b, 4) * 256 + byteAt(b, 5);
    if (!f.crcGood)
        wrong << QStringLiteral("checksum");
    if (address >= 0 && byteAt(b, 0) != address)
        wrong << QStringLiteral("address %1").arg(byteAt(b, 0));
    if (p.band > 7)
        wrong << QStringLiteral("band %1").arg(p.band);
    if (byteAt(b, 6) != 0 || byteAt(b, 7) != byteAt(b, 4))
        wrong << QStringLiteral("header bytes 6 and 7");
    if (length < 4 || length > 32000)
        wrong << QStringLiteral("slot length %1").arg(length);
    const int count = packetCountOf(p.band, length);
    if (p.number < 1 || p.number > count || p.number > 32)
        wrong << QStringLiteral("packet number %1 of %2").arg(p.number).arg(count);
    if (p.last != (p.band == 7 && p.number == count))
        wrong << QStringLiteral("last-packet mark");
    if (p.number == 1 && (byteAt(b, 8) != length % 256 || byteAt(b, 9) != length / 256))
        wrong << QStringLiteral("slot length bytes");

    p.good = wrong.isEmpty();
    packets_.push_back(p);
    if (!p.good) {
        problems_ << where + QStringLiteral(" (page %1, band %2, number %3): ").arg(p.page).arg(p.band).arg(p.number) +
                         wrong.join(QStringLiteral(", "));
        return false;
    }

    Band &band = pages_[p.page][static_cast<std::size_t>(p.band)];
    if (p.number == 1) // a band starts over: an earlier upload of the page is replaced
        band = Band();
    if (p.number == 1 && p.band == 0)
        reported_[p.page] = false;
    band.length = length;
    band.bytes.replace((p.number - 1) * kData, kData, b.mid(8, kData));
    band.got[static_cast<std::size_t>(p.number)] = true;
    if (p.last && complete(p.page) && !reported_[p.page]) {
        reported_[p.page] = true;
        written_.push_back(p.page);
    }
    return true;
}

bool PageController::complete(int page) const
{
    const auto it = pages_.find(page);
    if (it == pages_.end())
        return false;
    for (int band = 0; band < 8; ++band)
        if (!bandComplete(it->second[static_cast<std::size_t>(band)], band))
            return false;
    return true;
}

QByteArray PageController::slot(int page, int band) const
{
    const auto it = pages_.find(page);
    if (it == pages_.end() || band < 0 || band > 7)
        return QByteArray();
    return it->second[static_cast<std::size_t>(band)].bytes;
}

std::vector<int> PageController::pixels(int page) const
{
    if (!complete(page))
        return {};
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(kWidth) * 480);
    for (int band = 0; band < 8; ++band) {
        const QByteArray s = slot(page, band);
        const int length = byteAt(s, 0) + 256 * byteAt(s, 1);
        std::size_t pixels = 0;
        for (int i = 4; i + 1 < length; i += 2) {
            const int word = byteAt(s, i) + 256 * byteAt(s, i + 1);
            const int run = word >> 12;
            out.insert(out.end(), static_cast<std::size_t>(run + 1), word & 0xFFF);
            pixels += static_cast<std::size_t>(run + 1);
        }
        if (pixels != static_cast<std::size_t>(kBandPixels))
            return {};
    }
    return out;
}

QByteArray PageController::tables(int page) const
{
    if (!complete(page))
        return QByteArray();
    const QByteArray s = slot(page, 7);
    const int length = byteAt(s, 0) + 256 * byteAt(s, 1);
    return s.mid(length, tableLength);
}

int PageController::differingPixels(int page, const QImage &picture, QString *firstAt) const
{
    constexpr int kHeight = 480;
    const std::vector<int> got = pixels(page);
    if (got.size() != static_cast<std::size_t>(kWidth) * kHeight || picture.width() != kWidth ||
        picture.height() != kHeight)
        return kWidth * kHeight;
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = picture.pixel(x, y);
            const int expected = page::Color_To_444(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
            if (got[static_cast<std::size_t>(y * kWidth + x)] == expected)
                continue;
            if (firstAt && differing < 5)
                *firstAt += QStringLiteral("%1,%2 ").arg(x).arg(y);
            ++differing;
        }
    return differing;
}

QByteArray PageController::expectedTables(const ProjectModel &m, int page, const page::ControlViewTop &controlViewTop)
{
    QByteArray tables(page::tableWrittenLength(6), '\0');
    if (!page::writeElementTables(m, page, 6, tables, 0, controlViewTop))
        return QByteArray();
    return tables;
}

} // namespace pelmora::test
