#include "horsepowerpage.h"

#include <QKeyEvent>

namespace {

using Form = FormulaLayout::Form;

// "HP" recomputes on every key that reaches the tab itself, and beeps when the focus moves on.
class MotorHorsePowerPage : public FormulaPage
{
public:
    using FormulaPage::FormulaPage;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        recompute();
        // The key goes on as it would have, to the main window for Enter.
        event->ignore();
    }

    bool focusNextPrevChild(bool next) override
    {
        context().services->sounds->beep();
        return FormulaPage::focusNextPrevChild(next);
    }
};

FormulaPage* CreateHorsePowerTab(const PageContext& context, FormulaHost& host, QWidget* parent,
                                 const tavo::Calculator& formula)
{
    return new MotorHorsePowerPage(context, host, parent, formula);
}

const FormulaTab kTabs[] = {
    {"motor.amps",
     "Amps",
     {Form::Rows, {{"hp", "X", "746"}, {"volts", "X", "efficiency", kPowerTerms}}}},
    {"motor.hp",
     "HP",
     {Form::Rows, {{"volts", "X", "amps", "X", "efficiency", kPowerTerms}, {"746"}}},
     CreateHorsePowerTab},
};

}  // namespace

const FormulaHostDefinition kHorsePowerPage{
    .objectName = "horsePowerPage", .tabs = kTabs, .wideFormulas = true};
