#include "pagetable.h"

#include "ampacitypage.h"
#include "ampspage.h"
#include "boxfillpage.h"
#include "conduitfillpage.h"
#include "conversionspage.h"
#include "groundpage.h"
#include "historiespage.h"
#include "horsepowerpage.h"
#include "motordatapage.h"
#include "ohmslawpages.h"
#include "transformerpage.h"
#include "voltdroppage.h"

#include <QCoreApplication>

namespace {

template <typename Page>
CalculatorPage* Create(const PageContext& context, QWidget* parent)
{
    return new Page(context, parent);
}

template <const FormulaHostDefinition& Definition>
CalculatorPage* CreateHost(const PageContext& context, QWidget* parent)
{
    return new FormulaHostPage(context, parent, Definition);
}

}  // namespace

// clang-format off
const std::array<TabEntry, Tabs::Count> kTabs = {{
    {QT_TRANSLATE_NOOP("MainWindow", "Motor"), QT_TRANSLATE_NOOP("MainWindow", "Horse Power & Related Calculations"), ":/icons/tab00-motor.png", CreateHost<kHorsePowerPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Watts"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Watts Calculations"), ":/icons/tab01-watts.png", CreateHost<kWattsPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Amps"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Amps Calculations"), ":/icons/tab02-amps.png", CreateHost<kAmpsPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Volts"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Volt Calculations"), ":/icons/tab03-volts.png", CreateHost<kVoltsPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Resistance"), QT_TRANSLATE_NOOP("MainWindow", "Ohms Law Resistance Calculations"), ":/icons/tab04-resistance.png", CreateHost<kResistancePage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Xformer"), QT_TRANSLATE_NOOP("MainWindow", "Transformer Calculations"), ":/icons/tab05-xformer.png", Create<TransformerPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Ground"), QT_TRANSLATE_NOOP("MainWindow", "Ground Conductor Sizes"), ":/icons/tab06-ground.png", Create<GroundPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Boxes"), QT_TRANSLATE_NOOP("MainWindow", "Box Fill Calculator"), ":/icons/tab07-boxes.png", Create<BoxFillPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Conduit"), QT_TRANSLATE_NOOP("MainWindow", "Conduit Fill Calculator"), ":/icons/tab08-conduit.png", Create<ConduitFillPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Motor Data"), QT_TRANSLATE_NOOP("MainWindow", "Motor Heater & Conductor Calculator"), ":/icons/tab09-motordata.png", Create<MotorDataPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Ampacity"), QT_TRANSLATE_NOOP("MainWindow", "Wire Ampacity Calculator"), ":/icons/tab10-ampacity.png", Create<AmpacityPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Volt Drop"), QT_TRANSLATE_NOOP("MainWindow", "Volt Drop Calculator"), ":/icons/tab11-voltdrop.png", Create<VoltDropPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Histories"), QT_TRANSLATE_NOOP("MainWindow", "Calculation Histories"), ":/icons/tab12-histories.png", Create<HistoriesPage>},
    {QT_TRANSLATE_NOOP("MainWindow", "Conversions"), QT_TRANSLATE_NOOP("MainWindow", "Conversions"), ":/icons/tab13-conversions.png", Create<ConversionsPage>},
}};
// clang-format on

CalculatorPage* CreatePage(int index, const PageContext& context, QWidget* parent)
{
    CalculatorPage* page = kTabs[size_t(index)].create(context, parent);
    page->followReadingOrder();
    page->hide();
    return page;
}
