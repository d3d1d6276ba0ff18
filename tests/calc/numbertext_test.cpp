#include "numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

using namespace tavo;

namespace {

struct FormatCase
{
    const char* name;
    double value;
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c)
{
    return os << c.name;
}

class FormatNumberTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatNumberTest, Writes)
{
    EXPECT_EQ(FormatNumber(GetParam().value), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numbers, FormatNumberTest, testing::Values(
    // Whole numbers keep their point, fractions lose the leading zero.
    FormatCase{"Zero", 0, "0."},
    FormatCase{"One", 1, "1."},
    FormatCase{"Hundred", 100, "100."},
    FormatCase{"SpinnerTop", 32000, "32000."},
    FormatCase{"Half", 0.5, ".5"},
    FormatCase{"TwelveAndAHalf", 12.5, "12.5"},
    FormatCase{"SmallFraction", 0.0125, ".0125"},
    FormatCase{"LowestFixed", 0.0001, ".0001"},
    FormatCase{"TenDigitsBelowOne", 0.00012345678912, ".0001234567891"},
    FormatCase{"TwoThirds", 2.0 / 3.0, ".6666666667"},
    FormatCase{"AmpsThreePhase", 10000 / (208 * 1.732 * 0.9), "30.84226525"},
    FormatCase{"TenDigitsKept", 123456789.123, "123456789.1"},
    FormatCase{"JustBelowBillion", 999999999.4, "999999999.4"},
    FormatCase{"JustAboveSpinnerTop", 32000.5, "32000.5"},
    // Ten-digit rounding that carries into a new digit.
    FormatCase{"CarryToTen", 9.9999999995, "10."},
    FormatCase{"NoCarryBelowHalf", 9.9999999994, "9.999999999"},
    FormatCase{"CarryToOne", 0.99999999995, "1."},
    FormatCase{"CarryToBillion", 999999999.95, "1000000000."},
    FormatCase{"CarryAtLowEnd", 0.000999999999995, ".001"},
    // Six significant digits below 0.0001 and from 1e9 on.
    FormatCase{"TinyExponent", 0.00009, "9.e-005"},
    FormatCase{"FiveMillionths", 0.00005, "5.e-005"},
    FormatCase{"JustBelowLowest", 0.0000999999, "9.99999e-005"},
    FormatCase{"JustBelowLowestRoundsUp", 0.00009999999, "1.e-004"},
    FormatCase{"Billion", 1e9, "1.e+009"},
    FormatCase{"BillionRounded", 1234567890, "1.23457e+009"},
    FormatCase{"Huge", 1e100, "1.e+100"},
    FormatCase{"VeryTiny", 1.5e-10, "1.5e-010"},
    FormatCase{"NegativeWhole", -3, "-3."},
    FormatCase{"NegativeFive", -5, "-5."},
    FormatCase{"NegativeFraction", -12.5, "-12.5"},
    FormatCase{"NegativeHalfKeepsZero", -0.5, "-0.5"},
    FormatCase{"NegativeSixDigits", -0.123456, "-0.123456"},
    FormatCase{"NegativeLargestFixed", -123456, "-123456."},
    FormatCase{"NegativeExponent", -1234567, "-1.23457e+006"},
    FormatCase{"NegativeSmall", -0.05, "-5.e-002"},
    FormatCase{"NegativeRoundsIntoFixed", -0.0999999999, "-0.1"},
    FormatCase{"NegativeZero", -0.0, "0."},
    FormatCase{"Infinity", std::numeric_limits<double>::infinity(), "Out of scope"},
    FormatCase{"NegativeInfinity", -std::numeric_limits<double>::infinity(), "Out of scope"},
    FormatCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "Out of scope"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct DecimalsCase
{
    const char* name;
    double value;
    int places;
    const char* plain;
    const char* signedText;
};

std::ostream& operator<<(std::ostream& os, const DecimalsCase& c)
{
    return os << c.name;
}

class FormatDecimalsTest : public testing::TestWithParam<DecimalsCase>
{
};

TEST_P(FormatDecimalsTest, Writes)
{
    EXPECT_EQ(FormatDecimals(GetParam().value, GetParam().places), GetParam().plain);
    EXPECT_EQ(FormatDecimalsSigned(GetParam().value, GetParam().places), GetParam().signedText);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numbers, FormatDecimalsTest, testing::Values(
    DecimalsCase{"Whole", 230, 5, "230.", "230."},
    DecimalsCase{"RoundedUp", 12.345678, 3, "12.346", "12.346"},
    DecimalsCase{"Half", 0.5, 5, ".5", ".5"},
    DecimalsCase{"LeadingZeros", 0.0123, 5, ".0123", ".0123"},
    DecimalsCase{"Zero", 0, 5, "0", "0"},
    DecimalsCase{"RoundsAwayToZero", 0.000001, 5, "0", "0"},
    DecimalsCase{"NegativeLosesSign", -12.5, 4, "12.5", "-12.5"},
    DecimalsCase{"NegativeRounded", -17.7777, 3, "17.778", "-17.778"},
    DecimalsCase{"NegativeHalf", -0.5, 3, ".5", "-.5"},
    DecimalsCase{"NegativeRoundsToZero", -0.0001, 3, "0", "0"},
    DecimalsCase{"CarryNewDigit", 9.9996, 3, "10.", "10."},
    DecimalsCase{"CarryBelowOne", 0.0999999, 3, ".1", ".1"},
    DecimalsCase{"HalfUpAtLastPlace", 2.0625, 3, "2.063", "2.063"},
    DecimalsCase{"NoPlaces", 12.5, 0, "13.", "13."},
    DecimalsCase{"CarryWithoutPlaces", 9.6, 0, "10.", "10."},
    DecimalsCase{"CarryWithoutPlacesTwice", -99.7, 0, "100.", "-100."},
    DecimalsCase{"FourPlaces", 0.1158, 4, ".1158", ".1158"},
    DecimalsCase{"Large", 1.25e20, 2, "125000000000000000000.", "125000000000000000000."},
    // The seventeen digits behind every rounding: a tie at the seventeenth goes to even, a value
    // just under a power of ten keeps its place, a carry to 10^17 adds one.
    DecimalsCase{"SeventeenthDigitTieToEven", 0x1p-25, 24, ".000000029802322387695312",
                 ".000000029802322387695312"},
    DecimalsCase{"JustUnderPowerOfTen", 9.9999999999999997e34, 0,
                 "99999999999999997000000000000000000.", "99999999999999997000000000000000000."},
    DecimalsCase{"SeventeenNinesCarry", 99999999999999999.0, 0, "100000000000000000.",
                 "100000000000000000."},
    DecimalsCase{"Subnormal", 5e-324, 2, "0", "0"},
    DecimalsCase{"NotANumber", std::numeric_limits<double>::infinity(), 3, "Out of scope",
                 "Out of scope"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ParseCase
{
    const char* name;
    std::string text;
    double expected;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c)
{
    return os << c.name;
}

class ParseNumberTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseNumberTest, Reads)
{
    EXPECT_DOUBLE_EQ(ParseNumber(GetParam().text), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberTest, testing::Values(
    ParseCase{"Empty", "", 0},
    ParseCase{"Letters", "abc", 0},
    ParseCase{"TrailingLetters", "12abc", 12},
    ParseCase{"Negative", "-5", -5},
    ParseCase{"LeadingPoint", ".5", 0.5},
    ParseCase{"CommaEndsNumber", "12,5", 12},
    ParseCase{"LeadingSpace", "  \t7", 7},
    ParseCase{"PlusSign", "+4", 4},
    ParseCase{"Exponent", "1e3", 1000},
    ParseCase{"ExponentCapital", "1.5E-2", 0.015},
    ParseCase{"DanglingExponent", "1e", 1},
    ParseCase{"DanglingExponentSign", "2e+", 2},
    ParseCase{"PointOnly", ".", 0},
    ParseCase{"SignOnly", "-", 0},
    ParseCase{"HexIsNotRead", "0x10", 0},
    ParseCase{"SecondPointEnds", "1.2.3", 1.2},
    ParseCase{"WrittenBack", "100.", 100},
    ParseCase{"Underflow", "1e-400", 0},
    ParseCase{"UnderflowWithoutExponent", "." + std::string(400, '0') + "1", 0},
    ParseCase{"UnderflowWithPositiveExponent", "0." + std::string(420, '0') + "1e10", 0},
    ParseCase{"UnderflowNegative", "-1e-400", 0},
    ParseCase{"LongButNotTiny", "0." + std::string(300, '0') + "1e300", 1e-1},
    ParseCase{"OverflowWithNegativeExponent", "1" + std::string(420, '0') + "e-10",
              std::numeric_limits<double>::infinity()}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Short texts are read by a quicker way than long ones: both give the same correctly rounded
// value, to the last bit.
TEST(ParseNumber, ShortTextsReadToTheLastBit)
{
    for (const char* text :
         {"0.1", "0.3", "2.675", "1.005", "123456789012345", "12345678.9012345", ".000000000000001",
          "-0.7", "9007199254740993", "0.1234567890123456", "4.35", "1e1", "80.85"}) {
        SCOPED_TRACE(text);
        const std::string_view digits(text[0] == '-' ? text + 1 : text);
        double expected = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), expected);
        EXPECT_EQ(ParseNumber(text), text[0] == '-' ? -expected : expected);
    }
}

TEST(ParseNumber, OverflowReadsAsInfinity)
{
    EXPECT_TRUE(std::isinf(ParseNumber("1e400")));
    EXPECT_LT(ParseNumber("-1e400"), 0);
    EXPECT_TRUE(std::isinf(ParseNumber("1e99999999999999999999")));
    EXPECT_EQ(ParseNumber("1e-99999999999999999999"), 0);
}

struct StepCase
{
    const char* name;
    double value;
    ScrollCode code;
    StepLimits limits;
    std::optional<double> expected;
};

std::ostream& operator<<(std::ostream& os, const StepCase& c)
{
    return os << c.name;
}

class StepValueTest : public testing::TestWithParam<StepCase>
{
};

TEST_P(StepValueTest, Steps)
{
    const auto& c = GetParam();
    EXPECT_EQ(StepValue(c.value, c.code, c.limits), c.expected);
}

constexpr StepLimits kValue = kValueFieldLimits;
constexpr StepLimits kPercent = kPercentFieldLimits;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spinners, StepValueTest, testing::Values(
    StepCase{"ValueUp", 2, ScrollCode::LineUp, kValue, 3},
    StepCase{"ValueDownStopsAtZero", 0, ScrollCode::LineDown, kValue, 0},
    StepCase{"ValueDownFromHalfStopsAtZero", 0.5, ScrollCode::LineDown, kValue, 0},
    StepCase{"ValueDownFromNegative", -5, ScrollCode::LineDown, kValue, 0},
    StepCase{"ValueUpPassesTopByLessThanStep", 31999.5, ScrollCode::LineUp, kValue, 32000.5},
    StepCase{"ValueUpAboveTop", 50000, ScrollCode::LineUp, kValue, 32000},
    StepCase{"ValueDownAboveTop", 50000, ScrollCode::LineDown, kValue, 49999},
    StepCase{"ValuePageUpToTop", 31990, ScrollCode::PageUp, kValue, 32000},
    StepCase{"ValuePageUp", 10, ScrollCode::PageUp, kValue, 25},
    StepCase{"ValuePageDownToBottom", 7, ScrollCode::PageDown, kValue, 0},
    StepCase{"ValuePageDown", 20, ScrollCode::PageDown, kValue, 5},
    StepCase{"ValueTop", 5, ScrollCode::Top, kValue, 32000},
    StepCase{"ValueBottom", 5, ScrollCode::Bottom, kValue, 0},
    StepCase{"ValueThumbTrack", 5, ScrollCode::ThumbTrack, kValue, std::nullopt},
    StepCase{"ValueThumbPosition", 5, ScrollCode::ThumbPosition, kValue, std::nullopt},
    StepCase{"ValueEndScroll", 5, ScrollCode::EndScroll, kValue, std::nullopt},
    StepCase{"PercentUpAtTop", 100, ScrollCode::LineUp, kPercent, 100},
    StepCase{"PercentUpPassesTop", 99.5, ScrollCode::LineUp, kPercent, 100.5},
    StepCase{"PercentDownAtBottom", 10, ScrollCode::LineDown, kPercent, 10},
    StepCase{"PercentDownPassesBottom", 10.5, ScrollCode::LineDown, kPercent, 9.5},
    StepCase{"PercentPageDownToBottom", 20, ScrollCode::PageDown, kPercent, 10},
    StepCase{"PercentPageDown", 50, ScrollCode::PageDown, kPercent, 35},
    StepCase{"PercentPageUpToTop", 90, ScrollCode::PageUp, kPercent, 100},
    StepCase{"PercentTop", 50, ScrollCode::Top, kPercent, 100},
    StepCase{"PercentBottom", 50, ScrollCode::Bottom, kPercent, 10}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct PercentCase
{
    const char* name;
    const char* typed;
    const char* shown;
    StepLimits limits = kPercentFieldLimits;
};

std::ostream& operator<<(std::ostream& os, const PercentCase& c)
{
    return os << c.name;
}

class HoldToLimitsTest : public testing::TestWithParam<PercentCase>
{
};

TEST_P(HoldToLimitsTest, Clamps)
{
    EXPECT_EQ(HoldToLimits(GetParam().typed, GetParam().limits), GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PowerFactor, HoldToLimitsTest, testing::Values(
    PercentCase{"AboveTop", "150", "100"},
    PercentCase{"JustAboveTop", "100.5", "100"},
    PercentCase{"Top", "100", "100"},
    PercentCase{"Inside", "85", "85"},
    PercentCase{"Bottom", "10", "10"},
    PercentCase{"BelowBottom", "5", "10"},
    PercentCase{"NotANumber", "x", "10"},
    PercentCase{"Empty", "", "10"},
    PercentCase{"Negative", "-50", "10"},
    PercentCase{"TrailingText", "90%", "90%"},
    PercentCase{"ThirtyToHundredBelow", "25", "30", {100, 30, false}},
    PercentCase{"ThirtyToHundredNotANumber", "x", "30", {100, 30, false}},
    PercentCase{"ValueRangeAbove", "50000", "32000", kValueFieldLimits},
    PercentCase{"ValueRangeNegative", "-5", "0", kValueFieldLimits},
    PercentCase{"ValueRangeNotANumberStays", "abc", "abc", kValueFieldLimits}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FormatNumber, NeverLongerThanAFewDozenCharacters)
{
    for (const double x : {-1.7976931348623157e308, 1.7976931348623157e308, 4.9e-324, -4.9e-324,
                           123456789.987654321, 0.000123456789123456}) {
        EXPECT_LE(FormatNumber(x).size(), 20u) << x;
    }
}

}  // namespace

// A typed count: a whole number held to 0..65535, never wrapped around.
TEST(ReadWholeNumber, CountsAsTyped)
{
    const std::pair<const char*, unsigned> cases[] = {
        {"0", 0},
        {"12", 12},
        {" 7 ", 7},
        {"+3", 3},
        {"65535", 65535},
        {"65536", 65535},
        {"99999999999999999999", 65535},
        {"-5", 0},
        {"-0", 0},
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"12abc", 0},
        {"2.5", 0},
        {"1e3", 0},
        {"+", 0},
        {"1 2", 0},
    };
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(tavo::ReadWholeNumber(text), count) << '"' << text << '"';
    }
}
