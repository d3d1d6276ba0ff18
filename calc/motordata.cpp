#include "motordata.h"

#include <string>

namespace tavo {

namespace MotorDataTable {

namespace {

using Row = std::array<std::string_view, kColumns>;

// Motor Amps, Breaker, Starter Size, Heater Amp, Wire Size.
constexpr std::array<Row, kRows> k230Volts = {{
    {"2", "15", "00", "3", "12"},         {"2.8", "15", "00", "4", "12"},
    {"3.6", "15", "00", "5", "12"},       {"5.2", "15", "00", "8", "12"},
    {"6.8", "15", "0", "9", "12"},        {"9.6", "15", "0", "12", "12"},
    {"15.2", "15", "1", "20", "12"},      {"22", "40", "1", "30", "10"},
    {"28", "50", "2", "35", "10"},        {"42", "70", "2", "50", "8"},
    {"54", "100", "3", "70", "6"},        {"68", "100", "3", "80", "4"},
    {"80", "125", "3", "100", "3"},       {"104", "175", "4", "150", "1"},
    {"130", "200", "4", "175", "0"},      {"154", "250", "5", "200", "000"},
    {"192", "300", "5", "250", "0000"},   {"248", "400", "5", "300", "350MCM"},
    {"312", "500", "6", "400", "500MCM"}, {"360", "600", "6", "450", "700MCM"},
}};

constexpr std::array<Row, kRows> k460Volts = {{
    {"1", "15", "00", "2", "12"},      {"1.4", "15", "00", "3", "12"},
    {"1.8", "15", "00", "3", "12"},    {"2.6", "15", "00", "4", "12"},
    {"3.4", "15", "00", "5", "12"},    {"4.8", "15", "0", "7", "12"},
    {"7.6", "15", "0", "10", "12"},    {"11", "30", "1", "15", "12"},
    {"14", "30", "1", "20", "12"},     {"21", "40", "2", "25", "10"},
    {"27", "50", "2", "35", "10"},     {"34", "50", "2", "40", "8"},
    {"40", "70", "3", "50", "8"},      {"52", "100", "3", "70", "6"},
    {"65", "150", "3", "80", "4"},     {"77", "200", "4", "100", "3"},
    {"96", "200", "4", "125", "2"},    {"124", "200", "4", "175", "0"},
    {"156", "250", "5", "200", "000"}, {"180", "300", "5", "225", "0000"},
}};

}  // namespace

std::string_view Lookup(int voltage, int horsePowerIndex, int column)
{
    if (horsePowerIndex < 0 || horsePowerIndex >= kRows || column < 0 || column >= kColumns) {
        return {};
    }
    const auto row = static_cast<size_t>(horsePowerIndex);
    const auto cell = static_cast<size_t>(column);
    switch (voltage) {
    case 230:
        return k230Volts[row][cell];
    case 460:
        return k460Volts[row][cell];
    default:
        return {};
    }
}

}  // namespace MotorDataTable

ReportLines MotorDataReport(int voltage, int horsePowerIndex)
{
    using MotorDataTable::Lookup;
    const auto cell = [&](int column) {
        return std::string(Lookup(voltage, horsePowerIndex, column));
    };
    const bool known = horsePowerIndex >= 0 && horsePowerIndex < MotorDataTable::kRows;
    ReportLines report;
    report.header = "3 PHASE MOTOR DATA";
    report.body = "VOLTAGE=" + std::to_string(voltage) + "  HP=" +
                  std::string(known ? MotorDataTable::kHorsePowers[size_t(horsePowerIndex)] : "") +
                  "  AMPS=" + cell(0) + "  BREAKER=" + cell(1) + "  STARTER=" + cell(2) +
                  "  HEATER AMPS=" + cell(3) + "  WIRE=" + cell(4);
    report.trailer = kTrailer;
    return report;
}

namespace {

constexpr auto kHorsePowerOptions = OptionsOf(MotorDataTable::kHorsePowers);
constexpr Option kMotorVoltages[] = {{"230", "&230"}, {"460", "&460 "}};

Outcome ComputeMotorData(const InputValues& values)
{
    const int row = values[0].choice;
    const int voltage = values[1].choice == 1 ? 460 : 230;
    Outcome outcome;
    for (int column = 0; column < MotorDataTable::kColumns; ++column) {
        outcome.results.push_back(
            {.text = std::string(MotorDataTable::Lookup(voltage, row, column))});
    }
    outcome.report = MotorDataReport(voltage, row);
    return outcome;
}

std::vector<Result> MotorDataResults()
{
    std::vector<Result> results;
    for (const std::string_view column : MotorDataTable::kColumnNames) {
        results.push_back({.label = column, .coloured = true});
    }
    return results;
}

}  // namespace

const Calculator kMotorData{
    .name = "motordata",
    .summary = "Three-phase motor amps, breaker, starter, heater and wire",
    .inputs = {ListInput("hp", "Motor &Horsepower", kHorsePowerOptions),
               {.name = "volts",
                .kind = InputKind::OneOf,
                .label = "Voltage",
                .opening = "230",
                .reset = "230",
                .options = kMotorVoltages}},
    .results = MotorDataResults(),
    .compute = ComputeMotorData,
};

}  // namespace tavo
