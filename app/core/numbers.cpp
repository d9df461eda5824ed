#include "core/numbers.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace pelmora::num {

double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    return std::nearbyint(v); // the default rounding mode rounds halves to even
}

std::optional<long long> roundToInteger(double v, long long lo, long long hi)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < static_cast<double>(lo) || r > static_cast<double>(hi))
        return std::nullopt;
    return static_cast<long long>(r);
}

std::optional<std::int16_t> toInt16(double v)
{
    auto r = roundToInteger(v, -32768, 32767);
    if (!r)
        return std::nullopt;
    return static_cast<std::int16_t>(*r);
}

std::optional<std::int32_t> toInt32(double v)
{
    auto r = roundToInteger(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (!r)
        return std::nullopt;
    return static_cast<std::int32_t>(*r);
}

std::optional<std::uint8_t> toByte(double v)
{
    auto r = roundToInteger(v, 0, 255);
    if (!r)
        return std::nullopt;
    return static_cast<std::uint8_t>(*r);
}

namespace {
constexpr long long kLimit = 1LL << 53;
}

std::optional<long long> intDiv(double a, double b)
{
    auto x = roundToInteger(a, -kLimit, kLimit);
    auto y = roundToInteger(b, -kLimit, kLimit);
    if (!x || !y || *y == 0)
        return std::nullopt;
    return *x / *y;
}

std::optional<long long> mod(double a, double b)
{
    auto x = roundToInteger(a, -kLimit, kLimit);
    auto y = roundToInteger(b, -kLimit, kLimit);
    if (!x || !y || *y == 0)
        return std::nullopt;
    return *x % *y;
}

namespace {

double readNumber(const QString &text, bool ignoreInnerBlanks, bool commaIsPoint)
{
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    auto skipBlanks = [&] {
        while (i < n && isBlank(text.at(i)))
            ++i;
    };
    auto inner = [&] {
        if (ignoreInnerBlanks)
            skipBlanks();
    };
    skipBlanks();
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        s += static_cast<char>(text.at(i).unicode());
        ++i;
        inner();
    }
    bool digits = false, point = false;
    while (i < n) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9') {
            s += static_cast<char>(c.unicode());
            digits = true;
        } else if (!point && (c == u'.' || (commaIsPoint && c == u','))) {
            s += '.';
            point = true;
        } else {
            break;
        }
        ++i;
        inner();
    }
    if (!digits)
        return 0.0;
    // Exponent: E or D, optional sign, digits. Without digits it is not part of the number.
    if (i < n && (text.at(i) == u'E' || text.at(i) == u'e' || text.at(i) == u'D' || text.at(i) == u'd')) {
        qsizetype j = i + 1;
        auto skipInner = [&] {
            if (ignoreInnerBlanks)
                while (j < n && isBlank(text.at(j)))
                    ++j;
        };
        skipInner();
        std::string e = "e";
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-')) {
            e += static_cast<char>(text.at(j).unicode());
            ++j;
            skipInner();
        }
        bool expDigits = false;
        while (j < n && text.at(j) >= u'0' && text.at(j) <= u'9' && e.size() < 12) {
            e += static_cast<char>(text.at(j).unicode());
            expDigits = true;
            ++j;
            skipInner();
        }
        if (expDigits)
            s += e;
    }
    const double v = std::strtod(s.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

double leadingNumber(const QString &text, bool ignoreInnerBlanks) { return readNumber(text, ignoreInnerBlanks, false); }

double leadingNumberAnySeparator(const QString &text) { return readNumber(text, true, true); }

namespace {

// Digits and decimal exponent of |v| rounded to 7 significant digits, trailing
// zeros removed: 0.5 -> ("5", -1), 123456789 -> ("1234568", 8).
void sevenDigits(float v, std::string &digits, int &exponent)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(std::fabs(v)));
    // buf: d.dddddde±xx
    digits.clear();
    digits += buf[0];
    for (int k = 2; k < 8; ++k)
        digits += buf[k];
    exponent = std::atoi(buf + 9);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

QString formatSevenDigits(float v, bool leadingZero)
{
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (v == 0.0f)
        return QStringLiteral("0");
    std::string digits;
    int e = 0;
    sevenDigits(v, digits, e);
    std::string out;
    if (v < 0)
        out += '-';
    const int nd = static_cast<int>(digits.size());
    // Fixed notation while it needs no more than seven digit places.
    const bool fixed = (e >= 0 && e < 7) || (e < 0 && (-e + nd - 1) <= 7);
    if (fixed) {
        if (e >= 0) {
            if (nd <= e + 1) {
                out += digits;
                out.append(static_cast<std::size_t>(e + 1 - nd), '0');
            } else {
                out += digits.substr(0, static_cast<std::size_t>(e + 1));
                out += '.';
                out += digits.substr(static_cast<std::size_t>(e + 1));
            }
        } else {
            if (leadingZero)
                out += '0';
            out += '.';
            out.append(static_cast<std::size_t>(-e - 1), '0');
            out += digits;
        }
    } else {
        out += digits[0];
        if (nd > 1) {
            out += '.';
            out += digits.substr(1);
        }
        char ex[16];
        std::snprintf(ex, sizeof ex, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        out += ex;
    }
    return QString::fromLatin1(out.c_str());
}

} // namespace

QString shortText(float v) { return formatSevenDigits(v, true); }

QString printInteger(long long v)
{
    return (v < 0 ? QString::number(v) : QStringLiteral(" ") + QString::number(v)) + QLatin1Char(' ');
}

QString realDigits(float v) { return formatSevenDigits(v, false); }

QString printReal(float v)
{
    const QString d = realDigits(v);
    return (d.startsWith(QLatin1Char('-')) ? d : QStringLiteral(" ") + d) + QLatin1Char(' ');
}

} // namespace pelmora::num
