// The circuit schedule window with a large schedule, offscreen: the time to open, check and show
// a file of N circuits (goal: under 1 s for 10,000), to edit one cell and repaint (goal: under
// 10 ms), and to scroll a page down (smooth: well under a frame, 16 ms).

#include "mainwindow.h"
#include "schedulewindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QByteArray Schedule(int rows)
{
    const char* systems[] = {"dc", "1", "3"};
    const int volts[] = {120, 208, 240, 480};
    QByteArray csv = "circuit,load,system,volts,length,continuous,raceway_id,panel\r\n";
    for (int i = 0; i < rows; ++i) {
        const QByteArray raceway = i % 10 < 3 ? "R" + QByteArray::number(i / 3) : QByteArray();
        csv += "C" + QByteArray::number(i) + "," + QByteArray::number(5 + i % 200) + "," +
               systems[i % 3] + "," + QByteArray::number(volts[i % 4]) + "," +
               QByteArray::number(10 + i % 300) + "," + QByteArray::number((i * 7) % 101) + "," +
               raceway + ",LP-" + QByteArray::number(i % 12) + "\r\n";
    }
    return csv;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int rows = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    ProgramUnderTest program;
    const QString path = program.file(QStringLiteral("schedule.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(Schedule(rows));
    file.close();

    QElapsedTimer timer;
    timer.start();
    ScheduleWindow* window =
        ScheduleWindow::Open(program.window().scheduleContext(), &program.window(), path);
    window->repaint();
    QApplication::processEvents();
    const double opened = double(timer.nsecsElapsed()) / 1e6;

    QTableView* table = window->table();
    ScheduleModel* model = window->model();
    std::vector<double> edits;
    std::vector<double> sharedEdits;
    for (int i = 0; i < 40; ++i) {
        // A circuit of its own, and one that shares its raceway with two others.
        for (const int row : {5 + (i % 7) * 10, 10 * (i % 50)}) {
            const QModelIndex load = model->index(row, 1);
            table->setCurrentIndex(load);
            timer.start();
            model->setData(load, QString::number(20 + i), Qt::EditRole);
            table->viewport()->repaint();
            (row % 10 < 3 ? sharedEdits : edits).push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::vector<double> scrolls;
    QScrollBar* bar = table->verticalScrollBar();
    for (int i = 0; i < 60; ++i) {
        timer.start();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        table->viewport()->repaint();
        scrolls.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("circuits:                       %d\n", rows);
    std::printf("open, check and show:           %.1f ms   (goal: under 1000 ms for 10,000)\n",
                opened);
    std::printf("edit one cell and repaint:      %.2f ms median, circuit alone   (goal: 10 ms)\n",
                Median(edits));
    std::printf("                                %.2f ms median, shared raceway\n",
                Median(sharedEdits));
    std::printf("scroll a page and repaint:      %.2f ms median   (goal: under 16 ms)\n",
                Median(scrolls));
    const bool met = opened < 1000 * rows / 10000.0 + 1 && Median(edits) < 10 &&
                     Median(sharedEdits) < 10 && Median(scrolls) < 16;
    delete window;
    return met ? 0 : 1;
}
