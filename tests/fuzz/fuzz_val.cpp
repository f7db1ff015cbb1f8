// Val against a reading written from its rule alone: blanks, tabs and line
// feeds ignored; then the longest leading number in C notation, read by the
// C library's strtod, or a whole number in hexadecimal (&H) or octal (&O);
// 0 where there is none, no value beyond the double range.
#include "cnumber.h"
#include "model/numbertext.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

Reading radix(const std::u16string &s, int base)
{
    std::string digits;
    size_t k = 2;
    while (k < s.size() && digit(s[k], base))
        digits += char(s[k++]);
    if (digits.empty()) return {0.0, false};
    // Exact up to 64 bits; beyond, the nearest double (strtod rounds correctly).
    double value = 0;
    if (base == 16) {
        value = std::strtod(("0x" + digits).c_str(), nullptr);
    } else {
        for (char c : digits)
            value = value * 8 + (c - '0');
    }
    if (!std::isfinite(value)) return {std::nullopt, k == s.size()};
    if (value <= 0xFFFF)
        value = double(std::int16_t(std::uint16_t(value)));
    else if (value <= 0xFFFFFFFF)
        value = double(std::int32_t(std::uint32_t(value)));
    return {value, k == s.size()};
}

Reading reference(const QString &text)
{
    std::u16string s;
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n') s += c.unicode();
    if (s.size() >= 2 && s[0] == u'&' && (s[1] == u'H' || s[1] == u'h')) return radix(s, 16);
    if (s.size() >= 2 && s[0] == u'&' && (s[1] == u'O' || s[1] == u'o')) return radix(s, 8);
    return decimal(s);
}

// One value, or the other's nearest double where a long run of hexadecimal
// or octal digits was summed in doubles and rounded on the way.
bool same(std::optional<double> got, std::optional<double> want)
{
    if (!got || !want) return !got == !want || std::abs(got ? *got : *want) > 1e307;
    if (*got == *want) return std::signbit(*got) == std::signbit(*want);
    return std::abs(*want) > 0x1p53 && std::abs(*got - *want) <= std::abs(*want) * 1e-12;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Reading want = reference(text);
    const std::optional<double> got = Val(text);
    if (!same(got, want.value) || valReadsWhole(text) != want.whole) {
        std::fprintf(stderr,
                     "Val(\"%s\") = %.17g%s, whole %d; the reference reads %.17g%s, whole %d\n",
                     qPrintable(text), got.value_or(0), got ? "" : " (none)", valReadsWhole(text),
                     want.value.value_or(0), want.value ? "" : " (none)", want.whole);
        std::abort();
    }
    return 0;
}
