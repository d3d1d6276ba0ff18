#include "printlayout.h"

bool SelectionPrintList::add(const SelectionLine& line)
{
    if (count() >= kMaxLines) {
        return false;
    }
    m_lines.push_back(
        {line.count.left(kMaxText), line.size.left(kMaxText), line.insulation.left(kMaxText)});
    return true;
}

PrintLayout PrintLayout::limited() const
{
    PrintLayout cut = *this;
    cut.companyLine = companyLine.left(kMaxFixedText);
    cut.columnHeader = columnHeader.left(kMaxFixedText);
    cut.currentCount = currentCount.left(kMaxValue);
    cut.currentSize = currentSize.left(kMaxValue);
    cut.currentInsulation = currentInsulation.left(kMaxValue);
    cut.currentLineTest = currentLineTest.left(kMaxValue);
    for (int i = 0; i < 3; ++i) {
        cut.labels[i] = labels[i].left(kMaxFixedText);
        cut.values[i] = values[i].left(kMaxValue);
    }
    return cut;
}
