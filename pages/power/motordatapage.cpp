#include "motordatapage.h"

#include "colorstatic.h"
#include "dialogunits.h"
#include "motordata.h"
#include "selectors.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

MotorDataPage::MotorDataPage(const PageContext& context, QWidget* parent)
    : CalculatorPage(context, parent)
{
    setObjectName(QStringLiteral("motorDataPage"));
    const DialogUnits du(this);
    auto* heading = new QLabel(tr("3 Phase Motor Data"), this);
    heading->setObjectName(QStringLiteral("heading"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(du.rect(100, 6, 160, 18));

    m_horsePower = new QComboBox(this);
    m_horsePower->setObjectName(QStringLiteral("horsePower"));
    for (const std::string_view hp : tavo::MotorDataTable::kHorsePowers) {
        m_horsePower->addItem(Latin1(hp));
    }
    auto* horsePowerLabel = new QLabel(tr("Motor &Horsepower"), this);
    horsePowerLabel->setBuddy(m_horsePower);
    m_horsePower->setAccessibleName(tr("Motor Horsepower"));

    auto* voltage = new QGroupBox(tr("Voltage"), this);
    voltage->setObjectName(QStringLiteral("voltage"));
    m_230 = new SelectorBox(tr("&230"), QStringLiteral("volts230"), voltage);
    m_460 = new SelectorBox(tr("&460 "), QStringLiteral("volts460"), voltage);
    auto* voltageLayout = new QHBoxLayout(voltage);
    voltageLayout->addWidget(m_230);
    voltageLayout->addWidget(m_460);

    auto* choices = new QGridLayout;
    choices->addWidget(horsePowerLabel, 0, 0);
    choices->addWidget(m_horsePower, 1, 0);
    choices->addWidget(voltage, 0, 1, 2, 1);
    choices->setHorizontalSpacing(du.x(12));

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(du.x(6));
    const QStringList names = {"motorAmps", "breaker", "starterSize", "heaterAmp", "wireSize"};
    for (int column = 0; column < 5; ++column) {
        const QString title = tr(tavo::MotorDataTable::kColumnNames[size_t(column)].data());
        auto* result = new ColorStatic(this);
        result->setObjectName(names[column]);
        result->setAccessibleName(title);
        result->setFixedWidth(du.x(52));
        m_results[size_t(column)] = result;
        results->addWidget(new QLabel(title, this), 0, column, Qt::AlignHCenter);
        results->addWidget(result, 1, column, Qt::AlignHCenter);
    }

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(20), du.y(30), du.x(20), du.y(10));
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(choices);
    centred->addStretch();
    page->addLayout(centred);
    page->addSpacing(du.y(14));
    page->addLayout(results);
    page->addStretch();

    connect(m_horsePower, &QComboBox::currentIndexChanged, this, &MotorDataPage::recompute);
    connect(m_230, &SelectorBox::clicked, this, [this] { setVoltage(230); });
    connect(m_460, &SelectorBox::clicked, this, [this] { setVoltage(460); });
    m_horsePower->setCurrentIndex(0);
    setVoltage(230);
}

void MotorDataPage::setVoltage(int voltage)
{
    m_voltage = voltage;
    m_230->setChecked(voltage == 230);
    m_460->setChecked(voltage == 460);
    recompute();
}

void MotorDataPage::recompute()
{
    const int row = m_horsePower->currentIndex();
    for (int column = 0; column < 5; ++column) {
        m_results[size_t(column)]->setText(
            Latin1(tavo::MotorDataTable::Lookup(m_voltage, row, column)));
    }
    m_report.setLines(tavo::MotorDataReport(m_voltage, row));
}

void MotorDataPage::activatePage()
{
    m_horsePower->setFocus(Qt::OtherFocusReason);
}

void MotorDataPage::resetPage()
{
    // The list's own change signal recomputes only when the index moves; setVoltage always does.
    const QSignalBlocker quiet(m_horsePower);
    m_horsePower->setCurrentIndex(0);
    setVoltage(230);
}

void MotorDataPage::printScreen()
{
    printMainWindow();
}

void MotorDataPage::saveReport(qintptr autoAdd, qintptr mode)
{
    deliverReport(m_report, autoAdd, mode);
}
