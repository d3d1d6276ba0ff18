// Any bytes as the hand-off file: the record takes at most its 480 bytes, and no text read from
// it runs past its field, whatever the file holds.

#include "reporttext.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tavo::ReportText record;
    record.setBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (record.header().size() >= tavo::ReportText::kHeaderSize ||
        record.body().size() >= tavo::ReportText::kBodySize ||
        record.trailer().size() >= tavo::ReportText::kTrailerSize) {
        std::abort();
    }
    // What the page writes back is read back the same.
    tavo::ReportText copy;
    copy.setLines({record.header(), record.body(), record.trailer()});
    if (copy.header() != record.header() || copy.body() != record.body() ||
        copy.trailer() != record.trailer()) {
        std::abort();
    }
    return 0;
}
