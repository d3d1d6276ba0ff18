#include "selections.h"

#include "numbertext.h"

namespace tavo::Selections {

std::vector<std::vector<std::string>> Split(std::string_view text)
{
    std::vector<std::vector<std::string>> entries;
    if (text.empty()) {
        return entries;
    }
    std::vector<std::string> fields(1);
    for (const char c : text) {
        if (c == ';') {
            entries.push_back(fields);
            fields.assign(1, {});
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    entries.push_back(fields);
    return entries;
}

std::string AlignedCount(std::string_view countText, unsigned noSpacesFrom)
{
    const unsigned count = ReadWholeNumber(countText);
    const std::string spaces = count < 10 ? "    " : count < noSpacesFrom ? "  " : "";
    return spaces + std::string(countText);
}

}  // namespace tavo::Selections
