#include "conversionspage.h"

#include "conversions.h"
#include "describedpage.h"
#include "dialogunits.h"
#include "pagemessage.h"
#include "valuefield.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// A group's frame holding its converter, whose controls the layout places in rows.
QGroupBox* Frame(const QString& title, DescribedPage* group, QGridLayout* rows)
{
    auto* frame = new QGroupBox(title, group->parentWidget());
    auto* inside = new QGridLayout(frame);
    inside->setContentsMargins(0, 0, 0, 0);
    inside->addWidget(group);
    group->setLayout(rows);
    return frame;
}

QLabel* Text(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

}  // namespace

ConversionsPage::ConversionsPage(const PageContext& context, QWidget* parent)
    : CalculatorPage(context, parent)
{
    setObjectName(QStringLiteral("conversionsPage"));
    const DialogUnits du(this);
    const tavo::Calculator* calculators[] = {&tavo::kConvertTemperature, &tavo::kConvertLength,
                                             &tavo::kConvertMetric, &tavo::kConvertCircularMils};
    for (size_t i = 0; i < m_groups.size(); ++i) {
        m_groups[i] = new DescribedPage(context, this, *calculators[i]);
    }
    DescribedPage* temperature = m_groups[0];
    DescribedPage* lengths = m_groups[1];
    DescribedPage* metric = m_groups[2];
    DescribedPage* mils = m_groups[3];

    auto* temperatureRows = new QGridLayout;
    for (const char* name : {"f", "c"}) {
        const int row = temperatureRows->rowCount();
        temperatureRows->addWidget(temperature->label(name), row, 0);
        temperatureRows->addWidget(temperature->field(name), row, 1);
    }

    auto* lengthRows = new QGridLayout;
    for (const char* name : {"mils", "mm", "inches"}) {
        const int row = lengthRows->rowCount();
        lengthRows->addWidget(lengths->label(name), row, 0);
        lengthRows->addWidget(lengths->field(name), row, 1);
    }

    // The pair, then each side's value beside its unit name.
    auto* metricRows = new QGridLayout;
    metricRows->addWidget(metric->label("pair"), 0, 0, 1, 3);
    metricRows->addWidget(metric->list("pair"), 1, 0, 1, 3);
    for (int side = 0; side < 2; ++side) {
        const char* name = side == 0 ? "left" : "right";
        metricRows->addWidget(metric->label(name), 2 + side, 0);
        metricRows->addWidget(metric->result(side), 2 + side, 1);
        metricRows->addWidget(metric->field(name), 2 + side, 2);
        metric->result(side)->setFixedWidth(du.x(46));
        metric->resultLabel(side)->hide();  // the unit name is its own label
    }
    metricRows->setRowStretch(4, 1);

    // Round: diameter squared; bus bar: width times thickness over .7854.
    auto* milRows = new QGridLayout;
    const auto equals = [mils] { return Text(QStringLiteral("="), mils); };
    milRows->addWidget(mils->label("diameter"), 0, 0);
    milRows->addWidget(mils->field("diameter"), 0, 2);
    milRows->addWidget(Text(QStringLiteral("^ 2"), mils), 0, 3);
    milRows->addWidget(mils->resultLabel(0), 1, 0);
    milRows->addWidget(equals(), 1, 1);
    milRows->addWidget(mils->result(0), 1, 2);
    milRows->addWidget(mils->label("width"), 2, 0);
    milRows->addWidget(mils->field("width"), 2, 2);
    milRows->addWidget(Text(QStringLiteral("X"), mils), 2, 3);
    milRows->addWidget(mils->label("thickness"), 3, 0);
    milRows->addWidget(mils->field("thickness"), 3, 2);
    milRows->addWidget(Text(QStringLiteral("0.7854"), mils), 4, 2, Qt::AlignHCenter);
    milRows->addWidget(mils->resultLabel(1), 5, 0);
    milRows->addWidget(equals(), 5, 1);
    milRows->addWidget(mils->result(1), 5, 2);
    for (int i = 0; i < 2; ++i) {
        mils->result(i)->setFixedWidth(du.x(50));
        mils->result(i)->setAlignment(Qt::AlignRight);
    }
    // The thickness is over the line of the fraction.
    auto* line = new QFrame(mils);
    line->setFrameShape(QFrame::HLine);
    milRows->addWidget(line, 4, 2, Qt::AlignTop);
    milRows->setRowStretch(6, 1);
    for (QGridLayout* rows : {temperatureRows, lengthRows, metricRows, milRows}) {
        rows->setVerticalSpacing(du.y(1));
        rows->setContentsMargins(du.x(4), du.y(1), du.x(4), du.y(1));
    }

    auto* page = new QGridLayout(this);
    page->setContentsMargins(du.x(6), du.y(3), du.x(6), du.y(3));
    page->setSpacing(du.x(4));
    auto* top = new QHBoxLayout;
    top->addSpacing(EmblemIndent(du, du.x(6)));
    top->addWidget(Frame(tr("Temperature"), temperature, temperatureRows), 1);
    page->addLayout(top, 0, 0);
    page->addWidget(Frame(tr("Mills"), lengths, lengthRows), 1, 0);
    page->addWidget(Frame(tr("Metric"), metric, metricRows), 0, 1);
    page->addWidget(Frame(tr("Circular Mils"), mils, milRows), 1, 1);
    page->setRowStretch(1, 1);
    for (DescribedPage* group : m_groups) {
        group->recompute();
    }
}

void ConversionsPage::activatePage()
{
    m_groups[0]->field("f")->edit()->setFocus(Qt::OtherFocusReason);
}

void ConversionsPage::resetPage()
{
    for (DescribedPage* group : m_groups) {
        SendPageMessage(group, PageMessages::Reset);
    }
}

void ConversionsPage::enterKey()
{
    for (DescribedPage* group : m_groups) {
        if (group->isAncestorOf(focusWidget())) {
            SendPageMessage(group, PageMessages::Registered(PageMessages::kEnterKey),
                            PageMessages::kEnterCharacter);
        }
    }
}

void ConversionsPage::saveReport(qintptr autoAdd, qintptr mode)
{
    setReport(tavo::ConversionsCalculator::ConversionReport(
        m_groups[0]->outcome(), m_groups[1]->outcome(), m_groups[2]->outcome(),
        m_groups[3]->outcome()));
    CalculatorPage::saveReport(autoAdd, mode);
}
