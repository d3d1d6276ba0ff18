#include "json.h"

#include <nlohmann/json.hpp>

namespace tavo::cli {

std::string JsonString(std::string_view utf8)
{
    // The library escapes what JSON asks to be escaped; text that is not UTF-8 (which the
    // command line never lets in) would become U+FFFD rather than invalid JSON.
    return nlohmann::json(std::string(utf8))
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace tavo::cli
