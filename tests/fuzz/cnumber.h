#pragma once
// What the fuzz targets share: a number in C notation read from the rule alone, as the
// window's boxes and the command line read it.
#include <cerrno>
#include <cmath>
#include <optional>
#include <string>

struct Reading {
    std::optional<double> value; // none beyond the double range
    bool whole;                  // the number is the whole text
};

inline bool digit(char16_t c, int base)
{
    if (base == 10 || base == 8) return c >= u'0' && c < u'0' + base;
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// [+-]? (digits [.] digits* | . digits) ([eE] [+-]? digits)?, the longest such start of the
// text, read by the C library's strtod; 0 where there is none.
inline Reading decimal(const std::u16string &s)
{
    std::string number;
    size_t k = 0;
    if (k < s.size() && (s[k] == u'+' || s[k] == u'-')) number += char(s[k++]);
    bool digits = false;
    while (k < s.size() && digit(s[k], 10))
        number += char(s[k++]), digits = true;
    if (k < s.size() && s[k] == u'.') {
        number += '.';
        ++k;
        while (k < s.size() && digit(s[k], 10))
            number += char(s[k++]), digits = true;
    }
    if (!digits) return {0.0, s.empty()};
    if (k + 1 < s.size() && (s[k] == u'e' || s[k] == u'E')) {
        size_t e = k + 1;
        std::string exponent = "e";
        if (s[e] == u'+' || s[e] == u'-') exponent += char(s[e++]);
        if (e < s.size() && digit(s[e], 10)) {
            while (e < s.size() && digit(s[e], 10))
                exponent += char(s[e++]);
            number += exponent;
            k = e;
        }
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::abs(value) > 1) return {std::nullopt, k == s.size()};
    return {value, k == s.size()};
}
