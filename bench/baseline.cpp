// The yardstick for TAVO's start-up and memory: a bare dialog of the same size with a fourteen-tab
// widget.

#include <QApplication>
#include <QDialog>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Korlath Designs"));
    auto* tabs = new QTabWidget(&dialog);
    const char* labels[] = {"Motor",    "Watts",     "Amps",      "Volts",      "Resistance",
                            "Xformer",  "Ground",    "Boxes",     "Conduit",    "Motor Data",
                            "Ampacity", "Volt Drop", "Histories", "Conversions"};
    for (const char* label : labels) {
        tabs->addTab(new QWidget, QString::fromLatin1(label));
    }
    // Ctrl+PageDown walks the tabs, as in TAVO, for the memory benchmark.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &dialog);
    QObject::connect(next, &QShortcut::activated, tabs,
                     [tabs] { tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count()); });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    dialog.setFixedSize(644, 415);
    return dialog.exec();
}
