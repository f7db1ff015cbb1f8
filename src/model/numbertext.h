#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

class QDateTime;
class QLocale;

// How text becomes a number and a number becomes text. Every number that the
// program shows or writes is formatted here and nowhere else.

/*
 * The Val rule: blanks, tabs and line feeds anywhere in the text are ignored;
 * then the longest leading part that reads as a number is taken: an optional
 * sign, digits with a period as decimal point, an optional power of ten
 * written with E, or a whole number in hexadecimal (&H) or octal (&O). Text
 * with no such part is 0. A number beyond the double range gives no value.
 */
std::optional<double> Val(QStringView text);

// Whether Val takes the whole text: false for "1,5" (read as 1), "12abc" or
// "abc"; true for a number alone, with or without blanks, and for no text.
bool valReadsWhole(QStringView text);

// What Val leaves of the text after the number, blanks dropped: ",5" of
// "1,5", "abc" of "12abc", all of "abc", nothing of "25".
QString valRest(QStringView text);

/*
 * A box's text as Val is to read it in a window: full-width digits and signs
 * (U+FF10 to U+FF19, U+FF0E, U+FF0D, U+FF0B, as an input method gives them)
 * become their ASCII forms in every language, and where the window's
 * language writes a decimal comma, a comma becomes the decimal point, so that
 * the window reads back the numbers it writes itself. All else is left to Val.
 */
QString typedNumberText(QStringView text, QStringView decimalPoint);

// The nearest whole number, exact halves going to the even neighbour
// (20.5 -> 20, 21.5 -> 22), independent of the processor's rounding mode.
double roundHalfEven(double x);

// x rounded to a 16-bit integer with ties to the even neighbour; no value
// when the result does not fit -32768 to 32767 (or x is not a number).
std::optional<std::int16_t> toInteger16(double x);

/*
 * x rounded to 1/scale (scale 100 for 0.01, 10000 for 0.0001): x * scale
 * rounded to the nearest whole number, ties to the even neighbour, then
 * divided by scale. Within the 32-bit range this is the classic rounding
 * through a signed 32-bit integer; beyond it the same rounding is done in
 * wider arithmetic, so values of any size keep their places.
 */
double roundToPlaces(double x, double scale);

// The general number format of the screen: up to 15 significant digits,
// E notation for very large and very small magnitudes (1.5E+16, 1E-05),
// the decimal separator of the given locale. With fewer digits, as chart
// ticks take them, x is first rounded to that many significant digits (10.5,
// not 10.500000000000002), and E notation starts at a million (1.5E+14, not
// 150000000000000), so that a tick label stays short enough to read.
QString generalNumber(double x, const QLocale &locale, int digits = 15);

// A value read off a chart: rounded to 1/scale as in the data table, but a
// value below ten such steps, and not 0, keeps its first ReadoutDigits
// significant digits (0.001 and 0.007389, not 0 and 0.01).
constexpr int ReadoutDigits = 4;
QString readoutNumber(double x, double scale, const QLocale &locale);

// The labels of one axis's ticks, with the significant digits that tell
// them apart, in one notation and with one number of decimals.
QStringList axisLabels(std::span<const double> ticks, int digits, const QLocale &locale);
// x in plain decimals, never E notation, with the given number of decimals
// kept, zeros included (0.00000), the decimal separator of the locale and no
// thousands separators.
QString decimalNumber(double x, int decimals, const QLocale &locale);

// The decimals that show x to the given significant digits: 6 for 0.029515
// at 5 digits, 0 for 3956452 at 7.
int significantDecimals(double x, int digits);

// The number form of the data file, written as ASCII at out: up to 15
// significant digits, always a period, no leading zero before it (.5, -.25),
// no point for whole values. Returns the end of what was written, at most
// FileNumberSize characters ("-1.79769313486232E+308").
constexpr int FileNumberSize = 22;
char *writeFileNumber(char *out, double x);

// A whole number of the data file as plain decimal digits, written likewise
// (at most 11 characters).
char *writeInteger(char *out, int x);

// A whole number as plain decimal digits, minus sign for negatives.
QString integerText(int x);

// Date and time in the locale's short date and its time with seconds.
QString generalDateTime(const QDateTime &moment, const QLocale &locale);
