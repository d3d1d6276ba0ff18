#pragma once

// The Xformer tab: primary and secondary currents from the rating, phase and both voltages.

#include "fieldpage.h"
#include "reporttext.h"

class ColorStatic;
class PhaseSelector;
class PowerUnitSelector;
class QLabel;
class ValueField;

class TransformerPage : public FieldPage
{
    Q_OBJECT

public:
    TransformerPage(const PageContext& context, QWidget* parent);

    const tavo::ReportText& report() const { return m_report; }
    PowerUnitSelector* powerUnitSelector() const { return m_unit; }
    PhaseSelector* phaseSelector() const { return m_phase; }

protected:
    void compute() override;
    void activatePage() override;
    void resetPage() override;
    void printScreen() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;

private:
    void showUnit();

    PowerUnitSelector* m_unit = nullptr;
    PhaseSelector* m_phase = nullptr;
    QLabel* m_ratingLabel = nullptr;
    ValueField* m_rating = nullptr;
    ValueField* m_primary = nullptr;
    ValueField* m_secondary = nullptr;
    ColorStatic* m_primaryAmps = nullptr;
    ColorStatic* m_secondaryAmps = nullptr;
    tavo::ReportText m_report;
};
