// Writes the manual page of tavo-calc: its text as the project keeps it, with every calculator
// and its inputs put in place of the line "@CALCULATORS@", from the same descriptions that the
// command line runs, so that the page lists what the program has.
//   tavo-calc-manpage TEMPLATE OUTPUT VERSION

#include "listing.h"
#include "run.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace tavo::cli;

namespace {

// A text as roff prints it as it stands: backslashes and hyphens escaped, and nothing at the
// start of a line taken for a request.
std::string Roff(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

std::string Calculators()
{
    std::ostringstream out;
    for (const CalculatorListing& calculator : Listing()) {
        out << ".SS " << Roff(calculator.name) << "\n" << Roff(calculator.summary) << ".\n";
        for (const InputListing& input : calculator.inputs) {
            // A default such as "0." stands as it is typed, so no sentence ends after it.
            out << ".TP\n.B " << Roff(input.name) << "\ndefault "
                << (input.byDefault.empty() ? "empty" : "\\fB" + Roff(input.byDefault) + "\\fR");
            if (!input.choices.empty()) {
                out << "; choices: " << Roff(Joined(input.choices));
            }
            if (!input.follows.empty()) {
                out << "; the list follows " << Roff(Joined(input.follows));
            }
            out << "\n";
        }
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: tavo-calc-manpage TEMPLATE OUTPUT VERSION\n";
        return 2;
    }
    const std::string versionMark = "@PROJECT_VERSION@";
    std::ifstream in(argv[1]);
    std::ostringstream page;
    std::string line;
    bool placed = false;
    while (std::getline(in, line)) {
        if (line == "@CALCULATORS@") {
            page << Calculators();
            placed = true;
        } else {
            for (size_t at = line.find(versionMark); at != std::string::npos;
                 at = line.find(versionMark, at)) {
                line.replace(at, versionMark.size(), argv[3]);
            }
            page << line << "\n";
        }
    }
    if (!in.eof() || !placed) {
        std::cerr << "tavo-calc-manpage: cannot read " << argv[1]
                  << " or it has no @CALCULATORS@\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << page.str();
    out.close();
    if (!out) {
        std::cerr << "tavo-calc-manpage: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
