#include "core/project/TextCodec.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iconv.h>

namespace zelvan {
namespace {

// iconv descriptors are expensive to open; the program runs on one thread,
// but the CLI and tests may convert from several, so each conversion opens
// its own descriptor lazily per thread.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter() { if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `in`; an input sequence that cannot be converted is replaced
    // by `replacement` (one unit of `unitSize` input bytes skipped), or the
    // conversion fails when `replacement` is null.
    bool convert(std::string_view in, std::string &out, const char *replacement, size_t unitSize)
    {
        out.clear();
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.reserve(in.size() * 2 + 4);
        char *src = const_cast<char *>(in.data());
        size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, sizeof buffer - dstLeft);
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG)
                    continue;
                if (!replacement)
                    return false;
                out.append(replacement);
                // Skip one whole input character: for UTF-8 the lead byte and
                // its continuation bytes, otherwise one unit.
                size_t skip = unitSize;
                if (unitSize == 1) {
                    skip = 1;
                    while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
                        ++skip;
                } else if (unitSize == 2 && srcLeft >= 4) {
                    // A surrogate pair is one character; a lone high
                    // surrogate is one unit, and the unit after it stays.
                    const unsigned hi = static_cast<unsigned char>(src[0]) | (static_cast<unsigned char>(src[1]) << 8);
                    const unsigned lo = static_cast<unsigned char>(src[2]) | (static_cast<unsigned char>(src[3]) << 8);
                    if (hi >= 0xD800 && hi <= 0xDBFF && lo >= 0xDC00 && lo <= 0xDFFF)
                        skip = 4;
                }
                if (skip > srcLeft)
                    skip = srcLeft;
                src += skip;
                srcLeft -= skip;
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, sizeof buffer - dstLeft);
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &utf8ToGbkConverter()
{
    thread_local Converter c("CP936", "UTF-8");
    return c;
}

Converter &gbkToUtf8Converter()
{
    thread_local Converter c("UTF-8", "CP936");
    return c;
}

Converter &utf16ToGbkConverter()
{
    thread_local Converter c("CP936", "UTF-16LE");
    return c;
}

bool isAscii(std::string_view s)
{
    for (unsigned char ch : s)
        if (ch >= 0x80)
            return false;
    return true;
}

} // namespace

std::string utf8ToGbk(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    std::string out;
    utf8ToGbkConverter().convert(utf8, out, "?", 1);
    return out;
}

bool utf8ToGbkStrict(std::string_view utf8, std::string &gbk)
{
    if (isAscii(utf8)) {
        gbk.assign(utf8);
        return true;
    }
    return utf8ToGbkConverter().convert(utf8, gbk, nullptr, 1);
}

std::string gbkToUtf8(std::string_view gbkText)
{
    if (isAscii(gbkText))
        return std::string(gbkText);
    std::string out;
    // A byte pair that is not valid GBK (hand-edited or damaged files) shows
    // as U+FFFD rather than failing the whole text.
    gbkToUtf8Converter().convert(gbkText, out, "\xEF\xBF\xBD", 1);
    return out;
}

std::string utf16ToGbk(std::u16string_view utf16)
{
    std::string bytes;
    bytes.reserve(utf16.size() * 2);
    for (char16_t unit : utf16) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    std::string out;
    utf16ToGbkConverter().convert(bytes, out, "?", 2);
    return out;
}

QString fromGbk(std::string_view gbkText)
{
    const std::string utf8 = gbkToUtf8(gbkText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toGbk(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8ToGbk(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

int leadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value >= limit) {
            value = limit;
            // Saturated: the remaining digits cannot change the result.
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

double leadingDouble(std::string_view text)
{
    // Accept exactly blanks, sign, digits, one point, digits and an optional
    // exponent, like the C library's atof, but never read past the text.
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.push_back(text[i++]);
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        number.push_back(text[i++]);
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        number.push_back(text[i++]);
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number.push_back(text[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent.push_back(text[j++]);
        size_t expDigits = 0;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9' && expDigits < 6) {
            exponent.push_back(text[j++]);
            ++expDigits;
        }
        if (expDigits > 0)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    // Out-of-range exponents give infinity; keep every computed value finite.
    if (value > 1e300)
        return 1e300;
    if (value < -1e300)
        return -1e300;
    return value;
}

std::string formatDate(int year, int month, int day)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

std::string formatDateTime(int year, int month, int day, int hour, int minute, int second)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return buffer;
}

} // namespace zelvan
