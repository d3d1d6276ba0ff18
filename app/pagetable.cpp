#include "pagetable.h"

#include "ampspage.h"
#include "historiespage.h"
#include "horsepowerpage.h"
#include "motordatapage.h"
#include "ohmslawpages.h"
#include "placeholderpage.h"
#include "transformerpage.h"

#include <QCoreApplication>

// clang-format off
const std::array<TabEntry, kTabCount> kTabs = {{
    {QT_TRANSLATE_NOOP("MainWindow", "Motor"), QT_TRANSLATE_NOOP("MainWindow", "Horse Power & Related Calculations"), ":/icons/tab00-motor.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Watts"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Watts Calculations"), ":/icons/tab01-watts.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Amps"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Amps Calculations"), ":/icons/tab02-amps.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Volts"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Volt Calculations"), ":/icons/tab03-volts.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Resistance"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Resistance Calculations"), ":/icons/tab04-resistance.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Xformer"), QT_TRANSLATE_NOOP("MainWindow", "Transformer Calculations"), ":/icons/tab05-xformer.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Ground"), QT_TRANSLATE_NOOP("MainWindow", "Ground Conductor Sizes"), ":/icons/tab06-ground.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Boxes"), QT_TRANSLATE_NOOP("MainWindow", "Box Fill Calculator"), ":/icons/tab07-boxes.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Conduit"), QT_TRANSLATE_NOOP("MainWindow", "Conduit Fill Calculator"), ":/icons/tab08-conduit.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Motor Data"), QT_TRANSLATE_NOOP("MainWindow", "Motor Heater & Conductor Calculator"), ":/icons/tab09-motordata.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Ampacity"), QT_TRANSLATE_NOOP("MainWindow", "Wire Ampacity Calculator"), ":/icons/tab10-ampacity.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Volt Drop"), QT_TRANSLATE_NOOP("MainWindow", "Volt Drop Calculator"), ":/icons/tab11-voltdrop.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Histories"), QT_TRANSLATE_NOOP("MainWindow", "Calculation Histories"), ":/icons/tab12-histories.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Conversions"), QT_TRANSLATE_NOOP("MainWindow", "Conversions"), ":/icons/tab13-conversions.png"},
}};
// clang-format on

CalculatorPage* CreatePage(int index, const PageContext& context, QWidget* parent)
{
    CalculatorPage* page = nullptr;
    switch (index) {
    case 0:
        page = new HorsePowerPage(context, parent);
        break;
    case 1:
        page = new WattsPage(context, parent);
        break;
    case 2:
        page = new AmpsPage(context, parent);
        break;
    case 3:
        page = new VoltsPage(context, parent);
        break;
    case 4:
        page = new ResistancePage(context, parent);
        break;
    case 5:
        page = new TransformerPage(context, parent);
        break;
    case 9:
        page = new MotorDataPage(context, parent);
        break;
    case kHistoriesTab:
        page = new HistoriesPage(context, parent);
        break;
    default:
        page = new PlaceholderPage(
            context, parent,
            QCoreApplication::translate("MainWindow", kTabs[size_t(index)].toolTip));
        break;
    }
    page->hide();
    return page;
}
