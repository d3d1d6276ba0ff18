#pragma once

// The Motor Data tab: amps, breaker, starter, heater and wire size of a three-phase motor,
// looked up by horse power at 230 or 460 volts.

#include "calculatorpage.h"
#include "reporttext.h"

#include <array>

class ColorStatic;
class QComboBox;
class SelectorBox;

class MotorDataPage : public CalculatorPage
{
    Q_OBJECT

public:
    MotorDataPage(const PageContext& context, QWidget* parent);

    const tavo::ReportText& report() const { return m_report; }
    int voltage() const { return m_voltage; }

protected:
    void activatePage() override;
    void resetPage() override;
    void printScreen() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;

private:
    void setVoltage(int voltage);
    void recompute();

    QComboBox* m_horsePower = nullptr;
    SelectorBox* m_230 = nullptr;
    SelectorBox* m_460 = nullptr;
    std::array<ColorStatic*, 5> m_results{};
    int m_voltage = 230;
    tavo::ReportText m_report;
};
