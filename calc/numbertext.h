#pragma once

// How the program turns numbers into the texts it shows and back. Every field and every result
// goes through these rules, so a value looks the same on every page, in every report and on the
// command line. None of them depends on the locale: the decimal separator is always a point.

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// The value of the longest decimal number at the start of `text` (after white space); 0 when there
// is none. "12abc" reads as 12, "12,5" as 12, "abc" and "" as 0. A number beyond the largest
// double reads as infinity, one below the smallest as 0, however it is written.
double ParseNumber(std::string_view text);

// A number that is the whole text, spaces around it aside, as the circuit check reads its
// inputs: "12.5", ".5", "-1e3"; none for anything else ("12abc", "1e", "inf", "") and for a
// number beyond the largest double. Below the smallest it reads as 0, as ParseNumber reads it.
std::optional<double> ParseWholeText(std::string_view text);

// The text without the spaces before and after it.
std::string_view TrimSpaces(std::string_view text);

// What every number text says of a value that is not a finite number.
inline constexpr char kOutOfScope[] = "Out of scope";

// Up to ten significant digits, always with a decimal point: 100 -> "100.", 0.5 -> ".5".
// Values below 0.0001 (zero and negatives included) or from 1e9 on use six significant digits
// and, where needed, an exponent of three digits: 1e9 -> "1.e+009". Infinity and NaN read
// "Out of scope".
std::string FormatNumber(double x);

// |x| rounded to `places` decimal places, without a sign and with trailing zeros removed:
// 230 -> "230.", 0.5 -> ".5", 0 -> "0".
std::string FormatDecimals(double x, int places);

// As FormatDecimals, with a leading "-" for a negative value: -0.5 -> "-.5".
std::string FormatDecimalsSigned(double x, int places);

// x with exactly `places` decimals and a leading zero, correctly rounded from its binary value
// with ties to even, and no sign on a value that rounds to zero: 1.5 -> "1.50", 0.125 at two
// places -> "0.12", -0.001 -> "0.00". Not a finite number: "Out of scope".
std::string FormatFixed(double x, int places);

// A count as typed: a whole number from 0 to 65535, with spaces around it allowed. A negative
// number or a text that is not a whole number reads as 0, a larger number as 65535.
unsigned ReadWholeNumber(std::string_view text);

// The codes a spinner reports, numbered as the program has always numbered them.
enum class ScrollCode {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

// The limits of one spinner. A plain value field never steps below zero with its down arrow;
// a percentage field may step just below its lower bound.
struct StepLimits
{
    double upper = 32000;
    double lower = 0;
    bool lineDownStopsAtZero = true;
    bool whole = false;  // a count: stepped from its whole number, shown without a point
};

inline constexpr StepLimits kValueFieldLimits{32000, 0, true};
inline constexpr StepLimits kPercentFieldLimits{100, 10, false};

// The value one spinner action gives to a field holding `value`; nothing for a thumb drag.
std::optional<double> StepValue(double value, ScrollCode code, StepLimits limits);

// A field held to its limits, such as a power factor or an efficiency at 10..100: above the upper
// limit it shows that limit as a whole number ("100"), below the lower one (or not a number
// where 0 is below it) the lower limit ("10"), otherwise the text as typed. The report quotes
// what the field shows, so a report never depends on how often the page recomputed.
std::string HoldToLimits(std::string_view text, StepLimits limits);
// The same in place: the text is written only when it lies outside the limits.
void HoldInPlace(std::string& text, StepLimits limits);

}  // namespace tavo
