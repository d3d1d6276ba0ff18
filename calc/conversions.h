#pragma once

// The Conversions tab: temperature, small lengths, eight unit pairs and circular mils. Each group
// converts from the box the user last typed into or stepped; the other boxes are its results.

#include "calculator.h"

#include <array>
#include <string>
#include <string_view>

namespace tavo {

namespace ConversionsCalculator {

// Temperatures as typed are held to -459.4 .. 100000 F and -273 .. 100000 C; a spinner stops at
// -459 F.
double CelsiusOf(double fahrenheit);
double FahrenheitOf(double celsius);

enum class LengthUnit {
    Mils,
    Millimeters,
    Inches,
};

struct Lengths
{
    double mils = 0;
    double millimeters = 0;
    double inches = 0;
};

Lengths ConvertLength(LengthUnit from, double value);

struct MetricPair
{
    std::string_view list;  // "Inches <> Millimeter"
    std::string_view left;  // "Inches"
    std::string_view right;
    double leftToRight;
    double rightToLeft;  // its own factor, not the inverse of the other
};

inline constexpr std::array<MetricPair, 8> kMetricPairs = {{
    {"Inches <> Millimeter", "Inches", "Millimeters", 25.4, 0.03937011},
    {"Yards <> Meters", "Yards", "Meters", 0.9144, 1.0936},
    {"Miles <> Kilometer", "Miles", "Kilometers", 1.609344, 0.62137},
    {"Gallons <> Liter", "Gallons", "Liters", 3.7854, 0.26417},
    {"Ounces <> Milliliter", "Ounces", "Milliliters", 29.58579881656805, 0.0338},
    {"Ounces <> Grams", "Ounces", "Grams", 28.3495, 0.03527},
    {"Pounds <> Kilograms", "Pounds", "Kilograms", 0.4536, 2.20462},
    {"Feet <> Meters", "Feet", "Meters", 0.3048, 3.28084},
}};

enum class Side {
    Left,
    Right,
};

// The value on the other side of a pair.
double ConvertMetric(int pair, Side from, double value);

// Of a round conductor from its diameter, and of a bus bar from its width and thickness; mils.
double CircularMils(double diameter);
double BusBarCircularMils(double width, double thickness);

// The page's texts: three decimals, a sign only for temperatures, "0" for what reads as 0.
std::string TemperatureText(double degrees);
std::string ValueText(double value);

// The one-line report of every box of the page, group by group as the page shows them.
ReportLines ConversionReport(const Outcome& temperature, const Outcome& lengths,
                             const Outcome& metric, const Outcome& circularMils);

}  // namespace ConversionsCalculator

extern const Calculator kConvertTemperature;
extern const Calculator kConvertLength;
extern const Calculator kConvertMetric;
extern const Calculator kConvertCircularMils;

}  // namespace tavo
