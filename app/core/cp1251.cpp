#include "core/cp1251.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <unordered_map>

namespace pelmora::cp1251 {
namespace {

// The 256 characters of the code page, read once from iconv. A byte that the
// code page leaves undefined (0x98) stands for the C1 control character of the
// same number, both ways, so a file read and written again keeps that byte.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, unsigned char> fromUnicode;

    CodePage()
    {
        iconv_t cd = iconv_open("UTF-16LE", "CP1251");
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert from CP1251");
        for (int b = 0; b < 256; ++b) {
            char in[1] = {static_cast<char>(b)};
            char out[4] = {};
            char *inp = in;
            char *outp = out;
            size_t inLeft = 1, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1) || outLeft != 2) {
                toUnicode[b] = static_cast<char16_t>(b);
                fromUnicode.emplace(static_cast<char16_t>(b), static_cast<unsigned char>(b));
                continue;
            }
            char16_t u =
                static_cast<char16_t>(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8));
            toUnicode[b] = u;
            fromUnicode.emplace(u, static_cast<unsigned char>(b));
        }
        iconv_close(cd);
    }
};

const CodePage &codePage()
{
    static const CodePage page;
    return page;
}

} // namespace

char encodeChar(QChar c)
{
    const auto &page = codePage();
    if (c.unicode() < 0x80)
        return static_cast<char>(c.unicode());
    auto it = page.fromUnicode.find(c.unicode());
    return it == page.fromUnicode.end() ? '?' : static_cast<char>(it->second);
}

QChar decodeChar(unsigned char byte) { return QChar(codePage().toUnicode[byte]); }

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A surrogate pair is one character outside the code page: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(encodeChar(c));
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    const auto &page = codePage();
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}

} // namespace pelmora::cp1251
