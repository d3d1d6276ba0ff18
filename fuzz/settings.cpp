// Any bytes as "Tabrilon.dat": read as far as they are well formed, and what is read is written
// and read back the same.

#include "settingsfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Settings settings = DecodeSettings(bytes);
    if (DecodeSettings(EncodeSettings(settings)) != settings) {
        std::abort();
    }
    return 0;
}
