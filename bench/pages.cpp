// Time of one recompute through each calculator's page, and of the first opening of the page,
// offscreen. Printed as a table with the goals: a recompute under 1 ms, an opening under 10 ms.

#include "describedpages.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace PageDriver;

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The first opening of a calculator's page in a fresh program, in milliseconds: its inner tab
// for a formula after the first, otherwise its tab page made and shown as the main window does
// on the first selection of its tab (the Motor page is made at start, so it is made anew here).
double FirstOpening(const QString& calculator)
{
    ProgramUnderTest program;
    const PagePlace place = DescribedPlaces().value(calculator);
    QElapsedTimer timer;
    if (place.formulaTab > 0) {
        auto* host = qobject_cast<FormulaHostPage*>(program.openTab(place.tab));
        timer.start();
        OpenFormula(host, place.formulaTab);
        return double(timer.nsecsElapsed()) / 1e6;
    }
    const PageContext context{&program.services, &program.window()};
    timer.start();
    CalculatorPage* page = CreatePage(place.tab, context, &program.window());
    page->setGeometry(program.window().pageRect());
    page->showPage();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    delete page;
    return elapsed;
}

// One recompute through the page, in microseconds.
double Recompute(DescribedPage* page, int times)
{
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        page->recompute();
        samples.push_back(double(timer.nsecsElapsed()) / 1e3);
    }
    return Median(samples);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int recomputes = argc > 1 ? std::max(1000, atoi(argv[1])) : 2000;
    const int openings = argc > 2 ? std::max(1, atoi(argv[2])) : 15;
    std::printf("%-12s %16s %18s\n", "calculator", "recompute (us)", "first opening (ms)");
    bool met = true;
    for (const tavo::Calculator* calculator : tavo::TabCalculators()) {
        const QString name = UiText(calculator->name);
        std::vector<double> opened;
        for (int i = 0; i < openings; ++i) {
            opened.push_back(FirstOpening(name));
        }
        ProgramUnderTest program;
        DescribedPage* page = OpenDescribed(program, name);
        const double recompute = Recompute(page, recomputes);
        const double opening = Median(opened);
        met = met && recompute < 1000 && opening < 10;
        std::printf("%-12s %16.1f %18.2f\n", calculator->name.data(), recompute, opening);
    }
    std::printf("medians of %d recomputes and %d first openings; goals (under 1000 us and "
                "10 ms) %s\n",
                recomputes, openings, met ? "met" : "NOT met");
    return met ? 0 : 1;
}
