#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tavo {

namespace {

// A decimal digit string and the position of the point: the value is 0.digits x 10^point.
struct Digits
{
    std::string digits;
    int point = 0;
};

// |x| to seventeen significant digits, correctly rounded. Every later rounding works on these
// digits, half away from zero, so a value typed as 9.9999999995 rounds up to 10 at ten digits
// even though its binary value lies a hair below.
Digits SeventeenDigits(double ax)
{
    Digits d;
    if (ax == 0) {
        return d;
    }
    char buf[64];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific, 16).ptr;
    const std::string_view text(buf, static_cast<size_t>(end - buf));
    const size_t e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    d.point = exponent + 1;
    return d;
}

// Keeps the first `count` digits, rounding half up; a carry adds a leading "1" and moves the point.
void RoundTo(Digits& d, int count)
{
    if (count < 0 || d.digits.empty()) {
        d.digits.clear();
        return;
    }
    if (static_cast<size_t>(count) >= d.digits.size()) {
        d.digits.append(static_cast<size_t>(count) - d.digits.size(), '0');
        return;
    }
    const bool up = d.digits[static_cast<size_t>(count)] >= '5';
    d.digits.resize(static_cast<size_t>(count));
    if (!up) {
        return;
    }
    int i = count - 1;
    while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
        d.digits[static_cast<size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.digits[static_cast<size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.point;
        if (count == 0) {
            d.digits = "1";
        }
    }
}

void StripTrailingZeros(std::string& s)
{
    while (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
}

// The decimal exponent of the leading digit of a number written as `mantissa` (digits with at
// most one point, not all zero) times ten to `exponent` (digits with an optional sign); held
// far from overflow, since only its sign matters here.
long long LeadingExponent(std::string_view mantissa, std::string_view exponent)
{
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    long long lead = first < point ? static_cast<long long>(point - first) - 1
                                   : -static_cast<long long>(first - point);
    long long power = 0;
    const bool negative = !exponent.empty() && exponent[0] == '-';
    for (const char c : exponent) {
        if (c >= '0' && c <= '9') {
            power = std::min(power * 10 + (c - '0'), 1'000'000'000LL);
        }
    }
    return lead + (negative ? -power : power);
}

// Six significant digits with the point always shown, as for values outside 0.0001..1e9.
std::string GeneralForm(double x)
{
    std::string out = x < 0 ? "-" : "";
    if (x == 0) {
        return "0.";
    }
    Digits d = SeventeenDigits(std::fabs(x));
    RoundTo(d, 6);
    const int exponent = d.point - 1;
    if (exponent < -1 || exponent > 5) {
        std::string mantissa = d.digits.substr(1);
        StripTrailingZeros(mantissa);
        out += d.digits[0];
        out += '.';
        out += mantissa;
        out += exponent < 0 ? "e-" : "e+";
        std::string e = std::to_string(std::abs(exponent));
        if (e.size() < 3) {
            e.insert(0, 3 - e.size(), '0');
        }
        return out + e;
    }
    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        whole = d.digits.substr(0, static_cast<size_t>(exponent) + 1);
        fraction = d.digits.substr(static_cast<size_t>(exponent) + 1);
    } else {
        whole = "0";
        fraction = d.digits;
    }
    StripTrailingZeros(fraction);
    return out + whole + "." + fraction;
}

std::string Decimals(double x, int places, bool withSign)
{
    if (!std::isfinite(x)) {
        return kOutOfScope;
    }
    Digits d = SeventeenDigits(std::fabs(x));
    RoundTo(d, d.point + places);
    if (d.digits.empty()) {
        d.point = 0;
    }
    if (d.point > 400) {
        return kOutOfScope;
    }
    std::string text;
    if (d.point >= 0) {
        std::string fraction = d.digits.substr(std::min(d.digits.size(), size_t(d.point)));
        StripTrailingZeros(fraction);
        text = d.digits.substr(0, size_t(d.point)) + "." + fraction;
        if (text.find_first_not_of("0.") == std::string::npos) {
            return "0";
        }
    } else {
        std::string digits = d.digits;
        StripTrailingZeros(digits);
        text = "." + std::string(size_t(-d.point), '0') + digits;
    }
    return (withSign && x < 0 ? "-" : "") + text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

double ParseNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    size_t end = i;
    const size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            end = j;
        }
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as zero, however the number is written: by
        // where its leading digit stands, not by the sign of an exponent.
        const std::string_view mantissa = text.substr(start, mantissaEnd - start);
        const std::string_view exponent =
            end > mantissaEnd ? text.substr(mantissaEnd + 1, end - mantissaEnd - 1) : "";
        value =
            LeadingExponent(mantissa, exponent) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::string FormatNumber(double x)
{
    if (!std::isfinite(x)) {
        return kOutOfScope;
    }
    if (x < 0.0001 || x >= 1e9) {
        return GeneralForm(x);
    }
    Digits d = SeventeenDigits(x);
    RoundTo(d, 10);
    if (d.point >= 0) {
        const size_t whole = size_t(d.point);
        if (d.digits.size() < whole) {
            d.digits.append(whole - d.digits.size(), '0');
        }
        std::string fraction = d.digits.substr(whole);
        StripTrailingZeros(fraction);
        return d.digits.substr(0, whole) + "." + fraction;
    }
    std::string digits = d.digits;
    StripTrailingZeros(digits);
    return "." + std::string(size_t(-d.point), '0') + digits;
}

std::string FormatDecimals(double x, int places)
{
    return Decimals(x, places, false);
}

std::string FormatDecimalsSigned(double x, int places)
{
    return Decimals(x, places, true);
}

unsigned ReadWholeNumber(std::string_view text)
{
    constexpr unsigned kLargest = 65535;
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return 0;
    }
    std::string_view number = text.substr(first, last - first + 1);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
        return 0;
    }
    unsigned value = 0;
    for (const char digit : number) {
        value = std::min(kLargest + 1, value * 10 + unsigned(digit - '0'));
    }
    return negative ? 0 : std::min(kLargest, value);
}

std::optional<double> StepValue(double v, ScrollCode code, StepLimits limits)
{
    const double u = limits.upper;
    const double l = limits.lower;
    switch (code) {
    case ScrollCode::LineUp:
        return v < u ? v + 1 : u;
    case ScrollCode::LineDown: {
        const double next = v > l ? v - 1 : l;
        return limits.lineDownStopsAtZero && next < 0 ? 0.0 : next;
    }
    case ScrollCode::PageUp:
        return v + 15 < u ? v + 15 : u;
    case ScrollCode::PageDown:
        return v - 15 > l ? v - 15 : l;
    case ScrollCode::Top:
        return u;
    case ScrollCode::Bottom:
        return l;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
    case ScrollCode::EndScroll:
        break;
    }
    return std::nullopt;
}

std::string HoldToLimits(std::string_view text, StepLimits limits)
{
    // The limits are whole numbers, so their text has no point.
    const auto whole = [](double bound) { return std::to_string(static_cast<long long>(bound)); };
    const double value = ParseNumber(text);
    if (value > limits.upper) {
        return whole(limits.upper);
    }
    if (value < limits.lower) {
        return whole(limits.lower);
    }
    return std::string(text);
}

}  // namespace tavo
