#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

namespace tavo {

namespace {

// Decimal digits kept in place, without the heap: a batch formats millions of numbers. Room
// for every digit of the largest double and the places after it.
class DigitString
{
public:
    static constexpr size_t kRoom = 720;

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    char operator[](size_t i) const { return m_digits[i]; }
    char& operator[](size_t i) { return m_digits[i]; }
    std::string_view view(size_t from = 0, size_t count = std::string_view::npos) const
    {
        return std::string_view(m_digits.data(), m_size).substr(std::min(from, m_size), count);
    }
    void clear() { m_size = 0; }
    void push_back(char c) { m_digits[m_size++] = c; }
    void pop_back() { --m_size; }
    void resize(size_t size) { m_size = size; }
    // Zeros up to `size` digits, as far as there is room.
    void padTo(size_t size)
    {
        size = std::min(size, kRoom);
        while (m_size < size) {
            m_digits[m_size++] = '0';
        }
    }
    // The seventeen digits of a number from 10^16 to 10^17 - 1, two at a time.
    void setSeventeen(std::uint64_t n)
    {
        static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324"
                                         "25262728293031323334353637383940414243444546474849"
                                         "50515253545556575859606162636465666768697071727374"
                                         "75767778798081828384858687888990919293949596979899";
        for (size_t i = 16; i > 0; i -= 2) {
            const size_t pair = size_t(n % 100) * 2;
            n /= 100;
            m_digits[i - 1] = kPairs[pair];
            m_digits[i] = kPairs[pair + 1];
        }
        m_digits[0] = static_cast<char>('0' + n);
        m_size = 17;
    }
    void prepend(char c)
    {
        std::copy_backward(m_digits.begin(), m_digits.begin() + long(m_size),
                           m_digits.begin() + long(m_size) + 1);
        m_digits[0] = c;
        ++m_size;
    }

private:
    std::array<char, kRoom> m_digits;  // only the first m_size are read
    size_t m_size = 0;
};

// A decimal digit string and the position of the point: the value is 0.digits x 10^point.
struct Digits
{
    DigitString digits;
    int point = 0;
};

// |x| to seventeen significant digits, correctly rounded. Every later rounding works on these
// digits, half away from zero, so a value typed as 9.9999999995 rounds up to 10 at ten digits
// even though its binary value lies a hair below.
__extension__ using Wide = unsigned __int128;

constexpr std::array<Wide, 39> kPowersOfTen = [] {
    std::array<Wide, 39> powers{};
    Wide p = 1;
    for (Wide& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

Wide PowerOfTen(int n)
{
    return kPowersOfTen[size_t(n)];
}

// |x| x 10^k cut to a whole number, and rounded to one (ties to even), when 128-bit arithmetic
// holds it exactly: the common case of a batch's numbers, without the general conversion's cost.
struct Scaled
{
    Wide whole = 0;
    Wide rounded = 0;
};

// A positive normal double as m x 2^q, m of 53 bits.
struct Binary
{
    std::uint64_t m = 0;
    int q = 0;
};

std::optional<Binary> BinaryOf(double ax)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &ax, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF) {
        return std::nullopt;  // subnormal, infinite or not a number
    }
    return Binary{(bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52),
                  biased - 1075};
}

std::optional<Scaled> ScaledExactly(Binary binary, int k)
{
    const std::uint64_t m = binary.m;
    const int q = binary.q;
    Scaled scaled;
    Wide remainder = 0;
    Wide divisor = 1;
    if (k >= 0) {
        if (k > 22 || q < -120 || q > 10) {
            return std::nullopt;
        }
        const Wide n = Wide(m) * PowerOfTen(k);
        if (q >= 0) {
            scaled.whole = scaled.rounded = n << q;
            return scaled;
        }
        divisor = Wide(1) << -q;
        scaled.whole = n >> -q;
        remainder = n & (divisor - 1);
    } else {
        if (-k > 38 || q < 0 || q > 70) {
            return std::nullopt;
        }
        const Wide n = Wide(m) << q;
        divisor = PowerOfTen(-k);
        scaled.whole = n / divisor;
        remainder = n % divisor;
    }
    const Wide twice = remainder * 2;  // remainder < divisor <= 2^127 / 4: no overflow
    const bool up = twice > divisor || (twice == divisor && (scaled.whole & 1) != 0);
    scaled.rounded = scaled.whole + (up ? 1 : 0);
    return scaled;
}

// |x| to seventeen significant digits, as a whole number from 10^16 to 10^17 - 1, and the place
// of its point: |x| is about 0.digits x 10^point.
struct Seventeen
{
    std::uint64_t digits = 0;
    int point = 0;
};

// The seventeen digits by 128-bit arithmetic; none when it cannot hold them.
std::optional<Seventeen> SeventeenExactly(double ax)
{
    const Wide kLow = PowerOfTen(16);
    const Wide kHigh = PowerOfTen(17);
    const std::optional<Binary> binary = BinaryOf(ax);
    if (!binary) {
        return std::nullopt;
    }
    // A first guess at the leading digit's place, floor(log10(2) x the leading bit's place),
    // put right by the exact whole part.
    int exponent = ((binary->q + 52) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<Scaled> scaled = ScaledExactly(*binary, 16 - exponent);
        if (!scaled) {
            return std::nullopt;
        }
        if (scaled->whole < kLow) {
            --exponent;
            continue;
        }
        if (scaled->whole >= kHigh) {
            ++exponent;
            continue;
        }
        // Rounded up to 10^17: one place more, as the general conversion writes it.
        if (scaled->rounded == kHigh) {
            return Seventeen{std::uint64_t(kLow), exponent + 2};
        }
        return Seventeen{std::uint64_t(scaled->rounded), exponent + 1};
    }
    return std::nullopt;
}

void SeventeenDigits(double ax, Digits& d)
{
    if (ax == 0) {
        return;
    }
    if (const std::optional<Seventeen> exact = SeventeenExactly(ax)) {
        d.digits.setSeventeen(exact->digits);
        d.point = exact->point;
        return;
    }
    char buf[64];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific, 16).ptr;
    const std::string_view text(buf, static_cast<size_t>(end - buf));
    const size_t e = text.find('e');
    d.digits.push_back(text[0]);
    for (const char c : text.substr(2, e - 2)) {
        d.digits.push_back(c);
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    d.point = exponent + 1;
}

// Keeps the first `count` digits, rounding half up; a carry adds a leading "1" and moves the point.
void RoundTo(Digits& d, int count)
{
    if (count < 0 || d.digits.empty()) {
        d.digits.clear();
        return;
    }
    if (static_cast<size_t>(count) >= d.digits.size()) {
        d.digits.padTo(static_cast<size_t>(count));
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
        d.digits.prepend('1');
        d.digits.pop_back();
        ++d.point;
        if (count == 0) {
            d.digits.clear();
            d.digits.push_back('1');
        }
    }
}

// Without its trailing zeros.
std::string_view Stripped(std::string_view s)
{
    while (!s.empty() && s.back() == '0') {
        s.remove_suffix(1);
    }
    return s;
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
    Digits d;
    SeventeenDigits(std::fabs(x), d);
    RoundTo(d, 6);
    const int exponent = d.point - 1;
    if (exponent < -1 || exponent > 5) {
        out += d.digits[0];
        out += '.';
        out += Stripped(d.digits.view(1));
        out += exponent < 0 ? "e-" : "e+";
        std::string e = std::to_string(std::abs(exponent));
        if (e.size() < 3) {
            e.insert(0, 3 - e.size(), '0');
        }
        return out + e;
    }
    if (exponent >= 0) {
        out += d.digits.view(0, static_cast<size_t>(exponent) + 1);
        out += '.';
        out += Stripped(d.digits.view(static_cast<size_t>(exponent) + 1));
    } else {
        out += "0.";
        out += Stripped(d.digits.view());
    }
    return out;
}

// The rounded digits of a value 0.digits x 10^point as the decimals write it: "12.5", ".05",
// "230."; "0" for nothing but zeros, without a sign.
std::string DecimalText(std::string_view digits, int point, bool negative)
{
    std::string text = negative ? "-" : "";
    if (point >= 0) {
        const std::string_view whole = digits.substr(0, std::min(digits.size(), size_t(point)));
        const std::string_view fraction =
            Stripped(digits.substr(std::min(digits.size(), size_t(point))));
        if (whole.find_first_not_of('0') == std::string_view::npos && fraction.empty()) {
            return "0";
        }
        text += whole;
        text += '.';
        text += fraction;
    } else {
        text += '.';
        text.append(size_t(-point), '0');
        text += Stripped(digits);
    }
    return text;
}

// Decimals from the seventeen digits as a whole number, when the rounding falls among them: the
// same digits, rounded half up, as the general way below, with no digit string to walk.
std::optional<std::string> QuickDecimals(double x, int places, bool withSign)
{
    const std::optional<Seventeen> exact = x != 0 ? SeventeenExactly(std::fabs(x)) : std::nullopt;
    const int count = exact ? exact->point + places : 0;
    if (!exact || places < 0 || count < 1 || count > 17) {
        return std::nullopt;
    }
    static constexpr std::array<std::uint64_t, 18> kTens = [] {
        std::array<std::uint64_t, 18> tens{};
        std::uint64_t ten = 1;
        for (std::uint64_t& power : tens) {
            power = ten;
            ten *= 10;
        }
        return tens;
    }();
    const std::uint64_t divisor = kTens[size_t(17 - count)];
    std::uint64_t kept = exact->digits / divisor;
    int point = exact->point;
    if (count < 17 && exact->digits % divisor >= 5 * kTens[size_t(16 - count)]) {
        if (++kept == kTens[size_t(count)]) {
            kept = kTens[size_t(count - 1)];
            ++point;
        }
    }
    char buffer[40];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, kept).ptr;
    // A carry at the last whole place: "9.6" with none after the point is "10".
    while (end - buffer < point) {
        *end++ = '0';
    }
    return DecimalText(std::string_view(buffer, size_t(end - buffer)), point, withSign && x < 0);
}

std::string Decimals(double x, int places, bool withSign)
{
    if (!std::isfinite(x)) {
        return kOutOfScope;
    }
    if (std::optional<std::string> quick = QuickDecimals(x, places, withSign)) {
        return std::move(*quick);
    }
    Digits d;
    SeventeenDigits(std::fabs(x), d);
    RoundTo(d, d.point + places);
    if (d.digits.empty()) {
        d.point = 0;
    }
    if (d.point > 400) {
        return kOutOfScope;
    }
    if (d.point > 0) {
        d.digits.padTo(size_t(d.point));  // a carry at the last whole place
    }
    return DecimalText(d.digits.view(), d.point, withSign && x < 0);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Where the decimal number at `from` ends: its digits (with an optional sign and point), and an
// exponent only when it has digits of its own.
struct NumberSpan
{
    bool negative = false;
    size_t start = 0;  // after the sign
    size_t mantissaEnd = 0;
    size_t end = 0;
    size_t digits = 0;
};

NumberSpan ScanNumber(std::string_view text, size_t from)
{
    NumberSpan span;
    size_t i = from;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    span.start = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++span.digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++span.digits;
        }
    }
    span.mantissaEnd = span.end = i;
    if (span.digits > 0 && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            span.end = j;
        }
    }
    return span;
}

}  // namespace

double ParseNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    const NumberSpan span = ScanNumber(text, i);
    const bool negative = span.negative;
    const size_t start = span.start;
    const size_t digits = span.digits;
    const size_t end = span.end;
    const size_t mantissaEnd = span.mantissaEnd;
    if (digits == 0) {
        return 0;
    }
    // Up to fifteen digits and no exponent: the whole number and the power of ten are exact, so
    // one division is the correctly rounded value that the general reading gives too.
    if (end == mantissaEnd && digits <= 15) {
        std::uint64_t whole = 0;
        int places = -1;
        for (size_t k = start; k < end; ++k) {
            if (text[k] == '.') {
                places = 0;
                continue;
            }
            whole = whole * 10 + std::uint64_t(text[k] - '0');
            places += places >= 0 ? 1 : 0;
        }
        static constexpr std::array<double, 16> kPowers = {
            1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double value = double(whole) / kPowers[size_t(std::max(places, 0))];
        return negative ? -value : value;
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

std::string_view TrimSpaces(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> ParseWholeText(std::string_view text)
{
    text = TrimSpaces(text);
    const NumberSpan span = ScanNumber(text, 0);
    if (span.digits == 0 || span.end != text.size()) {
        return std::nullopt;
    }
    const double value = ParseNumber(text);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::string FormatNumber(double x)
{
    if (!std::isfinite(x)) {
        return kOutOfScope;
    }
    if (x < 0.0001 || x >= 1e9) {
        return GeneralForm(x);
    }
    Digits d;
    SeventeenDigits(x, d);
    RoundTo(d, 10);
    std::string text;
    if (d.point >= 0) {
        const size_t whole = size_t(d.point);
        d.digits.padTo(whole);
        text += d.digits.view(0, whole);
        text += '.';
        text += Stripped(d.digits.view(whole));
        return text;
    }
    text += '.';
    text.append(size_t(-d.point), '0');
    text += Stripped(d.digits.view());
    return text;
}

std::string FormatFixed(double x, int places)
{
    if (!std::isfinite(x)) {
        return kOutOfScope;
    }
    const std::optional<Binary> binary = BinaryOf(std::fabs(x));
    const std::optional<Scaled> scaled =
        binary && places >= 0 && places <= 9 ? ScaledExactly(*binary, places) : std::nullopt;
    if (x != 0 && (!scaled || scaled->rounded >= Wide(std::uint64_t(-1)))) {
        // Very large, very small or very long: the general conversion, then no sign on zero.
        char text[400];
        const auto end =
            std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, places).ptr;
        std::string written(text, end);
        if (written.front() == '-' && written.find_first_not_of("-0.") == std::string::npos) {
            written.erase(0, 1);
        }
        return written;
    }
    const std::uint64_t units = x == 0 ? 0 : static_cast<std::uint64_t>(scaled->rounded);
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, units).ptr;
    std::string_view all(digits, size_t(end - digits));
    std::string text = x < 0 && units != 0 ? "-" : "";
    // At least one digit before the point.
    const size_t place = size_t(places);
    if (all.size() <= place) {
        text += '0';
        if (places > 0) {
            text += '.';
            text.append(place - all.size(), '0');
            text += all;
        }
        return text;
    }
    text += all.substr(0, all.size() - place);
    if (places > 0) {
        text += '.';
        text += all.substr(all.size() - place);
    }
    return text;
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
    std::string held(text);
    HoldInPlace(held, limits);
    return held;
}

void HoldInPlace(std::string& text, StepLimits limits)
{
    // The limits are whole numbers, so their text has no point.
    const auto whole = [](double bound) { return std::to_string(static_cast<long long>(bound)); };
    const double value = ParseNumber(text);
    if (value > limits.upper) {
        text = whole(limits.upper);
    } else if (value < limits.lower) {
        text = whole(limits.lower);
    }
}

}  // namespace tavo
