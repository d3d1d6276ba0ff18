// Any text through the number rules: read, written back every way, read again. Nothing may
// crash, and every text written is short and reads back as a number.

#include "numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = tavo::ParseNumber(text);
    if (std::isnan(value)) {
        std::abort();  // a text never reads as "not a number"
    }
    // Ten significant digits at most, or six and an exponent; fixed decimals of the largest
    // double run to some three hundred digits.
    if (tavo::FormatNumber(value).size() > 20) {
        std::abort();
    }
    for (const std::string& shown : {tavo::FormatNumber(value), tavo::FormatDecimals(value, 5),
                                     tavo::FormatDecimalsSigned(value, 3),
                                     tavo::HoldToLimits(text, tavo::kValueFieldLimits)}) {
        if (shown.size() > 320 && shown != text) {
            std::abort();
        }
        tavo::ParseNumber(shown);
    }
    return 0;
}
