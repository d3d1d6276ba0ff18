#pragma once

// The three texts of a calculation's report, as single-byte Windows-1252 text (the division sign
// is the byte 0xF7). The report file, the Histories list and the command line all start here.

#include <string>

namespace tavo {

struct ReportLines
{
    std::string header;
    std::string body;
    std::string trailer;
};

// The division sign of the reports, one byte in Windows-1252.
inline const std::string kDivide = "\xF7";

// Formula headers end with five spaces; every calculator page's trailer is one space.
inline const std::string kHeaderEnd = "     ";
inline const std::string kTrailer = " ";

}  // namespace tavo
