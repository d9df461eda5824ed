#pragma once
// Small GIF files written code by code, for the tests of damaged and cut-short
// pictures. Every code is written 3 bits wide (minimum code size 2, a palette
// of four colours: black, red, green, blue): a picture of pixel pairs, each
// pair after a clear code, keeps the table small enough for that.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <initializer_list>
#include <vector>

namespace pelmora::test {

inline constexpr int kGifClear = 4;
inline constexpr int kGifEnd = 5;

inline QByteArray gifWithCodes(int width, int height, const std::vector<int> &codes)
{
    QByteArray g("GIF89a");
    auto word = [&g](int v) {
        g.append(static_cast<char>(v & 0xFF));
        g.append(static_cast<char>(v >> 8));
    };
    word(width);
    word(height);
    g.append(static_cast<char>(0x81)); // a global palette of 4 entries
    g.append('\0');
    g.append('\0');
    g.append(QByteArray::fromHex("000000ff000000ff000000ff"));
    g.append(',');
    word(0);
    word(0);
    word(width);
    word(height);
    g.append('\0');
    g.append('\x02'); // minimum code size
    QByteArray data;
    unsigned bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= static_cast<unsigned>(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        data.append(static_cast<char>(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        g.append(static_cast<char>(block.size()));
        g.append(block);
    }
    g.append('\0');
    g.append(';');
    return g;
}

// A whole width x height picture (width x height even) in colour pairs.
inline QByteArray wholeGif(int width, int height)
{
    std::vector<int> codes;
    for (int pair = 0; pair < width * height / 2; ++pair)
        codes.insert(codes.end(), {kGifClear, pair % 4, (pair + 1) % 4});
    codes.push_back(kGifEnd);
    return gifWithCodes(width, height, codes);
}

// A picture whose compressed pixels hold a code the table does not have yet.
inline QByteArray damagedGif(int width, int height)
{
    std::vector<int> codes;
    for (int pair = 0; pair < width * height / 2; ++pair)
        codes.insert(codes.end(), {kGifClear, pair % 4, pair == 1 ? 7 : (pair + 1) % 4});
    codes.push_back(kGifEnd);
    return gifWithCodes(width, height, codes);
}

// The whole picture's file cut inside its compressed pixels.
inline QByteArray truncatedGif(int width, int height)
{
    const QByteArray whole = wholeGif(width, height);
    return whole.left(whole.size() - 8);
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace pelmora::test
