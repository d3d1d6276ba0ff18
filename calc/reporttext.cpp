#include "reporttext.h"

#include <algorithm>
#include <cstring>

namespace tavo {

void ReportText::setLines(const ReportLines& lines)
{
    setHeader(lines.header);
    setBody(lines.body);
    setTrailer(lines.trailer);
}

void ReportText::setBytes(std::string_view bytes)
{
    clear();
    std::memcpy(m_bytes.data(), bytes.data(), std::min(bytes.size(), kSize));
}

std::string ReportText::text(size_t offset, size_t size) const
{
    // The last byte of a field always ends its text, even in a damaged record.
    const char* start = m_bytes.data() + offset;
    const char* end = std::find(start, start + size - 1, '\0');
    return std::string(start, end);
}

std::string_view ReportText::Kept(std::string_view text, size_t size)
{
    text = text.substr(0, std::min(text.size(), size - 1));
    return text.substr(0, std::min(text.size(), text.find('\0')));
}

void ReportText::setText(size_t offset, size_t size, std::string_view text)
{
    char* start = m_bytes.data() + offset;
    std::memset(start, 0, size);
    std::memcpy(start, text.data(), std::min(text.size(), size - 1));
}

}  // namespace tavo
