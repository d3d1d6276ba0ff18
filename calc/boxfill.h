#pragma once

// The Boxes tab: the volume that the conductors added to the Selections list and the current
// selection need in a box, beside the volume of a standard box chosen for reference.

#include "calculator.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

namespace BoxFillCalculator {

struct Box
{
    std::string_view name;
    std::string_view volume;  // cubic inches, as shown
};

// The standard boxes in the order of their list. The 3 x 2 device box of 14.0 cubic inches is
// the 2-3/4 inch deep one.
inline constexpr std::array<Box, 24> kBoxes = {{
    {"4 x 1 1/4 Round Or Octagonal", "12.5"},
    {"4 x 1 1/2 Round Or Octagonal", "15.5"},
    {"4 x 2 1/8 Round Or Octagonal", "21.5"},
    {"4 x 1-1/4 Square", "18.0"},
    {"4 x 1-1/2 Square", "21.0"},
    {"4 x 2-1/8 Square", "30.3"},
    {"4-11/16 x 1-1/4 Square", "25.5"},
    {"4-11/16 x 1-1/2 Square", "29.5"},
    {"4-11/16 x 2-1/8 Square", "42.0"},
    {"3 x 2 x 1-1/2 Device", "7.5"},
    {"3 x 2 x 2 Device", "10.0"},
    {"3 x 2 x 2-1/4 Device", "10.5"},
    {"3 x 2 x 2-1/2 Device", "12.5"},
    {"3 x 2 x 2-3/4 Device", "14.0"},
    {"3 x 2 x 3-1/2 Device", "18.0"},
    {"4 x 2-1/8 x 1-1/2 Device", "10.3"},
    {"4 x 2-1/8 x 1-7/8 Device", "13.0"},
    {"4 x 2-1/8 x 2-1/8 Device", "14.5"},
    {"3-3/4 x 2 x 2-1/2 Masonary Box/Gang", "14.0"},
    {"3-3/4 x 2 x 3-1/2 Masonary Box/Gang", "21.0"},
    {"FS-Min. Internal Depth 1-3/4 Single Cover/Gang", "13.5"},
    {"FD-Min. Internal Depth 2-3/8 Single Cover/Gang", "18.0"},
    {"FS-Min. Internal Depth 1-3/4 Multiple Cover/Gang", "18.0"},
    {"FD-Min. Internal Depth 2-3/8 Multiple Cover/Gang", "24.0"},
}};

inline constexpr std::array<std::string_view, 5> kWireSizes = {"14", "12", "10", "8", "6"};

// Cubic inches for one conductor of a wire size; 0 for no size of the list.
double ConductorVolume(int wire);

// A line of the Selections list: the count, eight spaces, "#" and the wire size.
std::string ListLine(std::string_view countText, std::string_view wire);

}  // namespace BoxFillCalculator

// The conductors added with "Add Selection": kept by the page, read from a text on the command
// line.
class BoxSelections
{
public:
    struct Entry
    {
        std::string count;  // as typed
        int wire = 0;
    };

    // The current selection with its count as typed; false when it has no conductors or no wire
    // size of the list, and nothing is added.
    bool add(std::string_view countText, int wire);
    void clear() { *this = {}; }

    double volume() const { return m_volume; }
    const std::vector<Entry>& entries() const { return m_entries; }
    std::vector<std::string> lines() const;
    // Count, wire size and no insulation for each, as the selection report prints them.
    std::vector<std::array<std::string, 3>> printed() const;

    // "COUNT,WIRE;...", the wire by text or position: why it cannot be read, or empty.
    static std::string Check(std::string_view text);
    static BoxSelections Read(std::string_view text);

private:
    double m_volume = 0;
    std::vector<Entry> m_entries;
};

Outcome ComputeBoxFill(const InputValues& values, const BoxSelections& added);

extern const Calculator kBoxFill;

}  // namespace tavo
