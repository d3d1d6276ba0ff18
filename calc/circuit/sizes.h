#pragma once

// Conductor sizes as the circuit check counts them: by their area in circular mils, which names
// a size whatever table it comes from ("# 14 Strand", "0000", "250 MCM", "250 Mill"), and by their
// place in Chapter 9 Table 8's list, 14 AWG to 2000 kcmil (the Ampacity tab's copper list).

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavo::circuit {

using Cmil = long;

// Table 8's sizes, smallest first, as areas.
std::span<const Cmil> TableSizes();
// The place of a size in that list; -1 for a size that is not there (1200 kcmil).
int TableIndex(Cmil size);

// "12 AWG", "1/0 AWG", "250 kcmil".
std::string SizeName(Cmil size);

// A size as the tabs' tables write it: "14", "# 14", "# 14 Strand", "0", "0000", "250 MCM",
// "250 Mill"; none for a text that is no size.
std::optional<Cmil> TableSize(std::string_view text);

// A size as a user types it: "12", "#12", "# 12", "12 AWG", "1/0", "00", "250", "250 kcmil",
// "250 MCM", "250 Mill", in any case; none for a text that is no size.
std::optional<Cmil> TypedSize(std::string_view text);

}  // namespace tavo::circuit
