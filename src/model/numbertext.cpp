#include "model/numbertext.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace
{

// Chart ticks are written out below a million, in E notation from there up.
constexpr int TickEFrom = 6;

bool isIgnored(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < base ? d : -1;
}

// &H and &O numbers are 16-bit when they fit 16 bits, 32-bit when they fit 32
// bits (so &HFFFF is -1 and &H8000 is -32768), and unsigned beyond that; no
// value beyond the double range. *stop is where the digits stop.
std::optional<double> radixValue(QStringView s, int base, qsizetype *stop)
{
    double value = 0;
    std::uint64_t bits = 0;
    qsizetype k = 0;
    for (; k < s.size() && digitValue(s[k], base) >= 0; ++k) {
        const int d = digitValue(s[k], base);
        value = value * base + d;
        bits = value < 1e19 ? bits * base + d : bits;
    }
    *stop = k;
    if (!std::isfinite(value)) return std::nullopt;
    if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
    if (value <= 0xFFFFFFFF) return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    return value;
}

// Reads sign, digits, point, digits and an E part off the front of s into
// plain ASCII that from_chars understands. *stop is where the number stops,
// 0 when there is no digit.
std::optional<double> decimalValue(QStringView s, qsizetype *stop)
{
    std::string text;
    qsizetype k = 0;
    bool negative = false;
    if (k < s.size() && (s[k] == u'+' || s[k] == u'-')) negative = s[k++] == u'-';
    qsizetype intDigits = 0;
    for (; k < s.size() && s[k].isDigit() && s[k].unicode() < 128; ++k, ++intDigits)
        text += char(s[k].unicode());
    if (k < s.size() && s[k] == u'.') {
        ++k;
        for (; k < s.size() && s[k].isDigit() && s[k].unicode() < 128; ++k)
            text += char(s[k].unicode());
    }
    *stop = text.empty() ? 0 : k;
    if (text.empty()) return 0.0;
    long exponent = 0;
    if (k + 1 < s.size() && (s[k] == u'E' || s[k] == u'e')) {
        qsizetype e = k + 1;
        const bool negativeExp = s[e] == u'-';
        if (s[e] == u'+' || s[e] == u'-') ++e;
        if (e < s.size() && s[e].isDigit() && s[e].unicode() < 128) {
            for (; e < s.size() && s[e].isDigit() && s[e].unicode() < 128; ++e)
                exponent = std::min(exponent * 10 + (s[e].unicode() - u'0'), 1000000L);
            exponent = negativeExp ? -exponent : exponent;
            *stop = e;
        }
    }
    // The power of ten of the leading digit tells an overflow from an underflow.
    const auto first = text.find_first_not_of('0');
    if (first == std::string::npos) return negative ? -0.0 : 0.0;
    const long order = long(intDigits) - long(first) - 1 + exponent;
    const std::string number = text.substr(0, size_t(intDigits)) + "." +
                               text.substr(size_t(intDigits)) + "e" + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (order > 0) return std::nullopt;
        value = 0;
    }
    return negative ? -value : value;
}

// Up to 15 significant digits, %G style: E notation below 1E-04 and from 1E+15.
// Writes at most FileNumberSize characters and returns their end.
// From 1E+15 up the form is E notation whatever the rounding, and the
// scientific form with its trailing zeros dropped is the quicker way to it.
char *general15(char *out, double x)
{
    if (x == 0) x = 0; // no "-0"
    char *end = nullptr;
    if (std::abs(x) >= 1e15) {
        end = std::to_chars(out, out + FileNumberSize, x, std::chars_format::scientific, 14).ptr;
        char *const exponent = std::find(out, end, 'e');
        char *digits = exponent;
        while (digits[-1] == '0')
            --digits;
        if (digits[-1] == '.') --digits;
        end = std::copy(exponent, end, digits);
    } else {
        end = std::to_chars(out, out + FileNumberSize, x, std::chars_format::general, 15).ptr;
    }
    std::replace(out, end, 'e', 'E');
    return end;
}

/*
 * A value of the data file is a whole number k of ten-thousandths, stored as
 * the double nearest to k / 10000. Any decimal of at most 15 significant
 * digits comes back unchanged from its nearest double when written to 15
 * digits, so for |k| < 10^15 the general format gives exactly the digits of
 * k / 10000 without its trailing zeros; they are written from k in integer
 * arithmetic. Other values take the general format itself.
 */
std::optional<std::int64_t> tenThousandths(double x)
{
    const double scaled = x * 10000;
    if (!(std::abs(scaled) < 1e15)) return std::nullopt;
    const auto k = std::int64_t(std::llround(scaled));
    if (double(k) / 10000 != x) return std::nullopt;
    return k;
}

char *writeTenThousandths(char *out, std::int64_t k)
{
    if (k < 0) *out++ = '-';
    const std::uint64_t magnitude = k < 0 ? 0 - std::uint64_t(k) : std::uint64_t(k);
    const std::uint64_t whole = magnitude / 10000;
    unsigned fraction = unsigned(magnitude % 10000);
    if (whole != 0 || fraction == 0) out = std::to_chars(out, out + 11, whole).ptr; // below 10^11
    if (fraction == 0) return out;
    *out++ = '.';
    for (unsigned place = 1000; fraction != 0; place /= 10) {
        *out++ = char('0' + fraction / place);
        fraction %= place;
    }
    return out;
}

// x rounded to the given significant digits, laid out as general15 lays
// out its numbers, but in E notation from ten to the power `eFrom` up. The
// digits come straight from the decimal text, so even a value that no double
// holds exactly (9E-317) keeps them.
std::string roundedGeneral(double x, int digits, int eFrom, bool scientificAlways = false)
{
    if (x == 0) return "0";
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::scientific, digits - 1);
    const std::string_view scientific(buffer.data(), size_t(written.ptr - buffer.data()));
    const size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    std::string figures;
    for (char c : scientific.substr(0, e))
        if (c >= '0' && c <= '9') figures += c;
    while (figures.size() > 1 && figures.back() == '0')
        figures.pop_back();
    std::string text = x < 0 ? "-" : "";
    if (scientificAlways || exponent < -4 || exponent >= eFrom) {
        text += figures.substr(0, 1) + (figures.size() > 1 ? "." + figures.substr(1) : "");
        text += exponent < 0 ? "E-" : "E+";
        text += (std::abs(exponent) < 10 ? "0" : "") + std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        text += "0." + std::string(size_t(-exponent - 1), '0') + figures;
    } else {
        const size_t whole = size_t(exponent) + 1;
        if (figures.size() <= whole)
            text += figures + std::string(whole - figures.size(), '0');
        else
            text += figures.substr(0, whole) + "." + figures.substr(whole);
    }
    return text;
}

// The Val rule, and what it left of the text (blanks aside): what follows the
// number, or all of a text without one.
std::pair<std::optional<double>, QString> reading(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isIgnored(c)) s += c;
    qsizetype end = 0;
    std::optional<double> value;
    const QChar kind = s.size() >= 2 && s[0] == u'&' ? s[1].toUpper() : QChar();
    if (kind == u'H' || kind == u'O') {
        value = radixValue(QStringView(s).mid(2), kind == u'H' ? 16 : 8, &end);
        end = end > 0 ? end + 2 : 0;
    } else {
        value = decimalValue(s, &end);
    }
    return {value, s.mid(end)};
}

} // namespace

std::optional<double> Val(QStringView text)
{
    return reading(text).first;
}

bool valReadsWhole(QStringView text)
{
    return reading(text).second.isEmpty();
}

QString valRest(QStringView text)
{
    return reading(text).second;
}

QString typedNumberText(QStringView text, QStringView decimalPoint)
{
    QString typed = text.toString();
    for (QChar &c : typed) {
        const char16_t u = c.unicode();
        if (u >= u'\uFF10' && u <= u'\uFF19')
            c = QChar(u'0' + (u - u'\uFF10'));
        else if (u == u'\uFF0E')
            c = u'.';
        else if (u == u'\uFF0D')
            c = u'-';
        else if (u == u'\uFF0B')
            c = u'+';
        else if (u == u',' && decimalPoint == u",")
            c = u'.';
    }
    return typed;
}

double roundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) return below + 1;
    return below;
}

std::optional<std::int16_t> toInteger16(double x)
{
    const double r = roundHalfEven(x);
    if (!(r >= std::numeric_limits<std::int16_t>::min() &&
          r <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

double roundToPlaces(double x, double scale)
{
    // From 2^52 up a double holds no fraction to round, and scaling the
    // largest values would leave the double range.
    const double scaled = x * scale;
    if (!(std::abs(scaled) < 0x1p52)) return x;
    return roundHalfEven(scaled) / scale;
}

QString generalNumber(double x, const QLocale &locale, int digits)
{
    QString text;
    if (digits < 15 && std::isfinite(x)) {
        text = QString::fromStdString(roundedGeneral(x, std::max(digits, 1), TickEFrom));
    } else {
        char chars[FileNumberSize];
        text = QString::fromLatin1(chars, general15(chars, x) - chars);
    }
    return text.replace(u'.', locale.decimalPoint());
}

QString decimalNumber(double x, int decimals, const QLocale &locale)
{
    if (!std::isfinite(x)) return generalNumber(x, locale);
    decimals = std::clamp(decimals, 0, 340);
    const int order = x == 0 ? 0 : int(std::floor(std::log10(std::abs(x))));
    std::string text(size_t(std::max(order, 0)) + size_t(decimals) + 8, '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), x,
                                       std::chars_format::fixed, decimals);
    text.resize(size_t(written.ptr - text.data()));
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return QString::fromStdString(text).replace(u'.', locale.decimalPoint());
}

int significantDecimals(double x, int digits)
{
    if (x == 0 || !std::isfinite(x)) return std::max(digits - 1, 0);
    return std::max(digits - 1 - int(std::floor(std::log10(std::abs(x)))), 0);
}

char *writeFileNumber(char *out, double x)
{
    if (const auto k = tenThousandths(x)) return writeTenThousandths(out, *k);
    char *const end = general15(out, x);
    char *const zero = out + (out[0] == '-');
    if (end - zero > 1 && zero[0] == '0' && zero[1] == '.') return std::copy(zero + 1, end, zero);
    return end;
}

char *writeInteger(char *out, int x)
{
    return std::to_chars(out, out + 11, x).ptr;
}

QString integerText(int x)
{
    return QString::number(x);
}

QString generalDateTime(const QDateTime &moment, const QLocale &locale)
{
    QString time = locale.timeFormat(QLocale::ShortFormat);
    if (!time.contains(u's')) time.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return locale.toString(moment, locale.dateFormat(QLocale::ShortFormat) + u' ' + time);
}

QString readoutNumber(double x, double scale, const QLocale &locale)
{
    if (x != 0 && std::abs(x) < 10 / scale) return generalNumber(x, locale, ReadoutDigits);
    return generalNumber(roundToPlaces(x, scale), locale);
}

/*
 * Each label as the ticks' digits give it; then, if one needs E notation,
 * all in E notation, and every label as many decimals as the one that needs
 * the most, zeros filled in (0.001000 beside 0.001001, 5.0E-05 beside
 * 1.5E-04). A zero stays "0".
 */
QStringList axisLabels(std::span<const double> ticks, int digits, const QLocale &locale)
{
    digits = std::clamp(digits, 1, 15);
    std::vector<std::string> texts;
    texts.reserve(ticks.size());
    bool scientific = false;
    for (double tick : ticks) {
        texts.push_back(roundedGeneral(tick, digits, TickEFrom));
        scientific = scientific || texts.back().find('E') != std::string::npos;
    }
    if (scientific)
        for (size_t k = 0; k < texts.size(); ++k)
            texts[k] = roundedGeneral(ticks[k], digits, TickEFrom, true);
    const auto decimalsOf = [](const std::string &text) {
        const size_t point = text.find('.');
        return point == std::string::npos ? size_t(0)
                                          : std::min(text.find('E'), text.size()) - point - 1;
    };
    size_t decimals = 0;
    for (const std::string &text : texts)
        decimals = std::max(decimals, decimalsOf(text));
    QStringList labels;
    labels.reserve(qsizetype(texts.size()));
    for (std::string &text : texts) {
        if (text != "0" && decimals > 0) {
            const size_t end = std::min(text.find('E'), text.size());
            const size_t missing = decimals - decimalsOf(text);
            text.insert(end, (text.find('.') == std::string::npos ? "." : "") +
                                 std::string(missing, '0'));
        }
        labels << QString::fromLatin1(text).replace(u'.', locale.decimalPoint());
    }
    return labels;
}
