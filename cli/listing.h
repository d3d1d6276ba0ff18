#pragma once

// Every calculator with its inputs, their defaults and choices, as `tavo-calc --list` prints
// them and the manual page lists them.

#include <string_view>
#include <vector>

namespace tavo::cli {

struct InputListing
{
    std::string_view name;
    std::string_view byDefault;
    std::vector<std::string_view> choices;  // empty for a field
    std::vector<std::string_view> follows;  // the inputs whose choices its list follows
};

struct CalculatorListing
{
    std::string_view name;
    std::string_view summary;
    std::vector<InputListing> inputs;
};

std::vector<CalculatorListing> Listing();

}  // namespace tavo::cli
