#include "selections.h"

#include "numbertext.h"

#include <cctype>

namespace tavo::Selections {

namespace {

// The entries of a collected text, each cut at its commas, spaces kept; none for an empty text.
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

}  // namespace

std::vector<Entry> ReadEntries(std::string_view text, std::span<const EntryList> lists,
                               std::string* why)
{
    std::vector<Entry> entries;
    const auto refuse = [&](std::string reason) {
        if (why) {
            *why = std::move(reason);
        }
        return std::vector<Entry>();
    };
    for (const auto& fields : Split(text)) {
        if (fields.size() != lists.size() + 1) {
            std::string format = "COUNT";
            for (const EntryList& list : lists) {
                format += ",";
                for (const char c : list.what.substr(0, list.what.find(' '))) {
                    format += char(std::toupper(static_cast<unsigned char>(c)));
                }
            }
            return refuse("each selection is " + format);
        }
        Entry entry{fields[0], {}};
        for (size_t i = 0; i < lists.size(); ++i) {
            entry.chosen.push_back(OptionIndex(lists[i].options, fields[i + 1]));
            if (entry.chosen.back() < 0) {
                return refuse("no " + std::string(lists[i].what) + " \"" + fields[i + 1] + "\"");
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string Refusal(std::string_view text, std::span<const EntryList> lists)
{
    std::string why;
    ReadEntries(text, lists, &why);
    return why;
}

std::string AlignedCount(std::string_view countText, unsigned noSpacesFrom)
{
    const unsigned count = ReadWholeNumber(countText);
    const std::string spaces = count < 10 ? "    " : count < noSpacesFrom ? "  " : "";
    return spaces + std::string(countText);
}

}  // namespace tavo::Selections
