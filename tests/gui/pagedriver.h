#pragma once

// Drives a page as a user does: clicks on tabs and selectors, typing, Enter, Reports.

#include "choiceboxes.h"
#include "formulahostpage.h"
#include "formulapage.h"
#include "historiespage.h"
#include "mainwindow.h"
#include "reportsdialog.h"
#include "testsupport.h"
#include "valuefield.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace PageDriver {

// One run of the program with a tab open, fresh for every test function of a page's tests.
class PageRun
{
public:
    void start(int tab)
    {
        m_program = std::make_unique<ProgramUnderTest>();
        m_program->openTab(tab);
    }

    // A test fails when a real modal dialog appeared during it.
    void finish()
    {
        const QString seen = m_program->watchdog.seen;
        m_program.reset();
        QVERIFY2(seen.isEmpty(), qPrintable(seen));
    }

    ProgramUnderTest* operator->() const { return m_program.get(); }
    ProgramUnderTest& operator*() const { return *m_program; }

private:
    std::unique_ptr<ProgramUnderTest> m_program;
};

inline void OpenFormula(FormulaHostPage* host, int tab)
{
    QTabBar* bar = host->formulaTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(tab).center());
}

inline void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A check box takes clicks on its box and text only, which a wide one does not have at its centre.
inline void ClickBox(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect hit = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, hit.center());
}

// A box of a Phase, Watt/Kilo or Voltage group, by its position or the choice it stands for.
template <typename Choice>
inline void ClickChoice(ChoiceBoxes* boxes, Choice choice)
{
    ClickBox(boxes->box(choice));
}

inline void ClickPhase(ChoiceBoxes* selector, tavo::Phase phase)
{
    ClickChoice(selector, phase);
}

inline void ClickUnit(ChoiceBoxes* selector, tavo::PowerUnit unit)
{
    ClickChoice(selector, unit);
}

// Replaces a field's text by typing, as after selecting it all.
inline void Type(ValueField* field, const QString& text)
{
    field->edit()->setFocus();
    field->edit()->selectAll();
    if (text.isEmpty()) {
        field->edit()->del();
    }
    QTest::keyClicks(field->edit(), text);
}

inline QString Focused()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

inline QString Shown(ValueField* field)
{
    return field->edit()->text();
}

// Reports, then "Add To Histories ": the history entries that the report added.
inline QStringList AddToHistories(ProgramUnderTest& program)
{
    HistoriesPage* histories = program.window().historiesPage();
    const int before = histories->list()->count();
    Click(program.window().findChild<QPushButton*>("reports"));
    Click(program.window().reportsDialog()->findChild<QPushButton*>("addToHistories"));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    program.window().activateWindow();
    QStringList added;
    for (int i = before; i < histories->list()->count(); ++i) {
        added.append(histories->list()->item(i)->text());
    }
    return added;
}

}  // namespace PageDriver
