#include "printlayout.h"

#include "reporttexts.h"

void SelectionPrintList::add(const SelectionLine& line)
{
    m_lines.push_back(
        {line.count.left(kMaxText), line.size.left(kMaxText), line.insulation.left(kMaxText)});
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

PrintLayout PrintLayout::From(const tavo::SelectionSheet& sheet)
{
    const auto text = [](const std::string& stored) { return FromWindows1252(stored); };
    PrintLayout layout;
    layout.companyLine = text(sheet.company);
    layout.columnHeader = text(sheet.columns);
    layout.currentCount = text(sheet.current[0]);
    layout.currentSize = text(sheet.current[1]);
    layout.currentInsulation = text(sheet.current[2]);
    layout.currentLineTest = text(sheet.currentTest);
    for (size_t i = 0; i < 3; ++i) {
        layout.labels[i] = text(sheet.results[i][0]);
        layout.values[i] = text(sheet.results[i][1]);
    }
    for (const auto& line : sheet.stored) {
        layout.stored.add({text(line[0]), text(line[1]), text(line[2])});
    }
    return layout;
}
