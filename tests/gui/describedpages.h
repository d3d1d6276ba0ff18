#pragma once

// Every page built from a calculator's description, reached and driven as a user does: its main
// tab, the inner tab of a formula, typing into fields, choosing from lists and boxes, Enter.

#include "calculator.h"
#include "choiceboxes.h"
#include "describedpage.h"
#include "formula.h"
#include "pagedriver.h"
#include "pagetable.h"
#include "pagewidgets.h"

#include <QComboBox>
#include <QListWidget>
#include <QMap>

namespace PageDriver {

struct PagePlace
{
    int tab = -1;
    int formulaTab = -1;  // on a page of formulas
};

inline FormulaHostPage* HostOf(const QWidget* page)
{
    for (QWidget* up = page ? page->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (auto* host = qobject_cast<FormulaHostPage*>(up)) {
            return host;
        }
    }
    return nullptr;
}

// Where each calculator's page is, found once by opening every tab of a program.
inline const QMap<QString, PagePlace>& DescribedPlaces()
{
    static const QMap<QString, PagePlace> places = [] {
        QMap<QString, PagePlace> found;
        ProgramUnderTest program;
        for (int tab = 0; tab < Tabs::Count; ++tab) {
            QWidget* page = program.openTab(tab);
            if (auto* host = qobject_cast<FormulaHostPage*>(page)) {
                for (int inner = 0; inner < host->formulaTabs()->count(); ++inner) {
                    OpenFormula(host, inner);
                    found[UiText(host->subPage(inner)->calculator().name)] = {tab, inner};
                }
            } else if (auto* described = qobject_cast<DescribedPage*>(page)) {
                found[UiText(described->calculator().name)] = {tab, -1};
            } else {
                // A page of converters: one described group each.
                for (const DescribedPage* group : page->findChildren<DescribedPage*>()) {
                    found[UiText(group->calculator().name)] = {tab, -1};
                }
            }
        }
        return found;
    }();
    return places;
}

// The page of a calculator, opened in `program` as a user opens it.
inline DescribedPage* OpenDescribed(ProgramUnderTest& program, const QString& calculator)
{
    const PagePlace place = DescribedPlaces().value(calculator);
    QWidget* page = program.openTab(place.tab);
    if (auto* host = qobject_cast<FormulaHostPage*>(page)) {
        OpenFormula(host, place.formulaTab);
        return host->subPage(place.formulaTab);
    }
    if (auto* described = qobject_cast<DescribedPage*>(page)) {
        return described;
    }
    for (DescribedPage* group : page->findChildren<DescribedPage*>()) {
        if (UiText(group->calculator().name) == calculator) {
            return group;
        }
    }
    return nullptr;
}

// The choice boxes of an input: the page's own, or the host's Phase and Watt/Kilo.
inline ChoiceBoxes* BoxesOf(DescribedPage* page, std::string_view input)
{
    if (ChoiceBoxes* own = page->boxes(input)) {
        return own;
    }
    FormulaHostPage* host = HostOf(page);
    if (!host) {
        return nullptr;
    }
    return input == tavo::kPhaseInput       ? host->phaseSelector()
           : input == tavo::kPowerUnitInput ? host->powerUnitSelector()
                                            : nullptr;
}

// Chooses an option of a list or a row of boxes by its name, as a click would.
inline void Choose(DescribedPage* page, const tavo::Input& input, const QString& option)
{
    if (QComboBox* list = page->list(input.name); list && list->isEditable()) {
        list->lineEdit()->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), option);
    } else if (list) {
        // A list holds the entries for the choices above it, which may differ from the opening.
        const int index = list->findText(option, Qt::MatchFixedString);
        QVERIFY2(index >= 0, qPrintable(option));
        list->setCurrentIndex(index);
    } else {
        const int index = input.optionIndex(option.toStdString());
        QVERIFY2(index >= 0, qPrintable(option));
        ClickChoice(BoxesOf(page, input.name), index);
    }
}

// Adds selections as a user does on the Conduit and Boxes tabs: for each "COUNT,WIRE[,INSULATION]"
// the wire and insulation chosen, the count typed, and the page's add button clicked.
inline void AddSelections(DescribedPage* page, const QString& collected)
{
    for (const QString& entry : collected.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList fields = entry.split(QLatin1Char(','));
        const char* names[] = {"count", "wire", "insulation"};
        for (int i = 1; i < fields.size(); ++i) {
            const tavo::Calculator& calculator = page->calculator();
            Choose(page, calculator.inputs[size_t(calculator.inputIndex(names[i]))], fields[i]);
        }
        Type(page->field("count"), fields[0]);
        for (QPushButton* add : page->findChildren<QPushButton*>()) {
            if (add->objectName() == QLatin1String("moreConductors") ||
                add->objectName() == QLatin1String("addSelection")) {
                add->click();
            }
        }
    }
}

// Sets the inputs as a user does: the selections added, the choices, in the page's order, then
// the fields that are in use typed, then Enter.
inline void Enter(ProgramUnderTest& program, DescribedPage* page,
                  const QList<QPair<QString, QString>>& inputs)
{
    const tavo::Calculator& calculator = page->calculator();
    for (const auto& [name, text] : inputs) {
        const int index = calculator.inputIndex(name.toStdString());
        if (index >= 0 && calculator.inputs[size_t(index)].kind == tavo::InputKind::Collected) {
            AddSelections(page, text);
        }
    }
    for (const tavo::Input& input : calculator.inputs) {
        for (const auto& [name, text] : inputs) {
            if (name.toStdString() == input.name && input.isChoice()) {
                Choose(page, input, text);
            }
        }
    }
    for (const auto& [name, text] : inputs) {
        const int index = calculator.inputIndex(name.toStdString());
        QVERIFY2(index >= 0, qPrintable(name));
        ValueField* field = page->field(calculator.inputs[size_t(index)].name);
        if (field && field->edit()->isEnabled()) {
            Type(field, text);
        }
    }
    program.pressEnter();
}

// The inputs that Enter set: without the fields out of use on the page.
inline QList<QPair<QString, QString>> InUse(DescribedPage* page,
                                            const QList<QPair<QString, QString>>& inputs)
{
    QList<QPair<QString, QString>> used;
    for (const auto& input : inputs) {
        ValueField* field = page->field(input.first.toStdString());
        if (!field || field->edit()->isEnabled()) {
            used.append(input);
        }
    }
    return used;
}

// The tab page that shows a described page's results: the host of a formula, else the page.
inline QWidget* ResultsPage(DescribedPage* page)
{
    QWidget* host = HostOf(page);
    return host ? host : page;
}

// The texts of a page's own results, in the order of its description.
inline QStringList ResultTexts(const DescribedPage* page)
{
    QStringList texts;
    for (int i = 0; i < page->resultCount(); ++i) {
        texts.append(page->result(i)->text());
    }
    return texts;
}

// The lines of a page's list box.
inline QStringList ListLines(const DescribedPage* page)
{
    QStringList lines;
    for (int i = 0; i < page->listBox()->count(); ++i) {
        lines.append(page->listBox()->item(i)->text());
    }
    return lines;
}

// The results the page shows, by their spoken names.
inline QMap<QString, QString> ShownResults(DescribedPage* page)
{
    QMap<QString, QString> shown;
    for (const QLineEdit* display : ResultsPage(page)->findChildren<QLineEdit*>()) {
        // A converter's boxes are its results too.
        const bool result = display->isReadOnly() || page->calculator().converts;
        if (result && !display->accessibleName().isEmpty()) {
            shown[display->accessibleName()] = display->text();
        }
    }
    return shown;
}

}  // namespace PageDriver
