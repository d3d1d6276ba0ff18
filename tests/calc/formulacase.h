#pragma once

// One recompute of a formula page as a test case: typed texts and selectors in, the result text,
// the report lines and (where the recompute changes them) the fields' shown texts out.

#include "formula.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

struct FormulaCase
{
    const char* name;
    const char* formula;  // the calculator's name
    std::vector<std::string> typed;
    tavo::PowerChoice power;
    const char* result;
    const char* header;
    const char* body;
    std::vector<std::string> shown = {};
};

inline std::ostream& operator<<(std::ostream& os, const FormulaCase& c)
{
    return os << c.name;
}

// The one test of every formula case; each calculator's file instantiates it with its cases.
class FormulaCaseTest : public testing::TestWithParam<FormulaCase>
{
};

inline std::string CaseName(const testing::TestParamInfo<FormulaCase>& info)
{
    return info.param.name;
}

inline constexpr tavo::PowerChoice kDC{tavo::Phase::DC, tavo::PowerUnit::Watts};
inline constexpr tavo::PowerChoice kSingle{tavo::Phase::Single, tavo::PowerUnit::Watts};
inline constexpr tavo::PowerChoice kTwo{tavo::Phase::Two, tavo::PowerUnit::Watts};
inline constexpr tavo::PowerChoice kThree{tavo::Phase::Three, tavo::PowerUnit::Watts};
inline constexpr tavo::PowerChoice kDCKilo{tavo::Phase::DC, tavo::PowerUnit::Kilo};
inline constexpr tavo::PowerChoice kSingleKilo{tavo::Phase::Single, tavo::PowerUnit::Kilo};
inline constexpr tavo::PowerChoice kThreeKilo{tavo::Phase::Three, tavo::PowerUnit::Kilo};
