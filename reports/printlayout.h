#pragma once

// What the conduit and box pages print as their selection report.

#include "calculator.h"

#include <QString>
#include <QStringList>

#include <vector>

// One conductor line of a selection: count, wire size (without "#") and insulation.
struct SelectionLine
{
    QString count;
    QString size;
    QString insulation;
};

// The page's list of selected conductors: every line added, each text at most 99 characters.
// The report continues on further pages, so no selection is dropped.
class SelectionPrintList
{
public:
    static constexpr int kMaxText = 99;

    void add(const SelectionLine& line);
    void clear() { m_lines.clear(); }
    int count() const { return static_cast<int>(m_lines.size()); }
    const std::vector<SelectionLine>& lines() const { return m_lines; }

private:
    std::vector<SelectionLine> m_lines;
};

struct PrintLayout
{
    static constexpr int kMaxFixedText = 149;  // company line, column header, labels
    static constexpr int kMaxValue = 14;       // values read from the page's controls

    QString companyLine;
    QString columnHeader;
    QString currentCount;
    QString currentSize;        // "#" and the wire size
    QString currentInsulation;  // empty on the box page
    QString currentLineTest;    // the current line is printed only when this reads non-zero
    QString labels[3];
    QString values[3];
    SelectionPrintList stored;

    // Every text cut to its limit.
    PrintLayout limited() const;
    // The layout of a page's selection report.
    static PrintLayout From(const tavo::SelectionSheet& sheet);
};
