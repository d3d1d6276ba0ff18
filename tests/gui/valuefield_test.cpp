#include "valuefield.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

Q_DECLARE_METATYPE(tavo::ScrollCode)

namespace {

// Clicks one part of a scroll bar where the style draws it.
void ClickPart(QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    QVERIFY2(rect.isValid(), "the scroll bar has no such part");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, rect.center());
}

// A field wired as its page wires it: every spinner action steps it.
template <typename Field>
struct Wired
{
    Wired(const QString& text)
    {
        field.setText(text);
        field.writeControl();
        QObject::connect(&field, &ValueField::spinnerAction, &field, [this](tavo::ScrollCode code) {
            field.readControl();
            field.step(code);
        });
        field.show();
    }
    Field field{QStringLiteral("value"), nullptr};
};

}  // namespace

class ValueFieldTest : public QObject
{
    Q_OBJECT

private slots:
    void arrowClicks_data();
    void arrowClicks();
    void keysOnFocusedSpinner_data();
    void keysOnFocusedSpinner();
    void spinnerStaysCentred();
    void typedValuesStayUntilStepped();
    void focusNotifications();
    void exchangeWithTheEdit();
};

void ValueFieldTest::arrowClicks_data()
{
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("value down at zero") << false << "0" << false << 1 << "0.";
    QTest::newRow("value up three times") << false << "0" << true << 3 << "3.";
    QTest::newRow("value down to zero from half") << false << ".5" << false << 1 << "0.";
    QTest::newRow("value up past the top") << false << "31999.5" << true << 1 << "32000.5";
    QTest::newRow("value up back to the top") << false << "32000.5" << true << 1 << "32000.";
    QTest::newRow("percent up at top") << true << "100" << true << 1 << "100.";
    QTest::newRow("percent down at bottom") << true << "10" << false << 1 << "10.";
    QTest::newRow("percent down") << true << "85" << false << 2 << "83.";
}

void ValueFieldTest::arrowClicks()
{
    QFETCH(bool, percent);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(int, clicks);
    QFETCH(QString, shown);
    Wired<ValueField> value(start);
    Wired<PfField> pf(start);
    ValueField& field = percent ? static_cast<ValueField&>(pf.field) : value.field;
    for (int i = 0; i < clicks; ++i) {
        // The upper arrow of a vertical scroll bar is its "sub line" part, and means up.
        ClickPart(field.spinner(), up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
    }
    QCOMPARE(field.edit()->text(), shown);
    QCOMPARE(field.text(), shown);

    // A screen reader's Increase and Decrease step a spin button as the arrows do.
    Wired<ValueField> spokenValue(start);
    Wired<PfField> spokenPf(start);
    ValueField& spoken = percent ? static_cast<ValueField&>(spokenPf.field) : spokenValue.field;
    QAccessibleInterface* spinner = QAccessible::queryAccessibleInterface(spoken.spinner());
    QCOMPARE(spinner->role(), QAccessible::SpinBox);
    QCOMPARE(spinner->valueInterface()->minimumValue().toDouble(), spoken.limits().lower);
    QCOMPARE(spinner->valueInterface()->maximumValue().toDouble(), spoken.limits().upper);
    for (int i = 0; i < clicks; ++i) {
        spinner->actionInterface()->doAction(up ? QAccessibleActionInterface::increaseAction()
                                                : QAccessibleActionInterface::decreaseAction());
    }
    QCOMPARE(spoken.edit()->text(), shown);
    QCOMPARE(spinner->valueInterface()->currentValue().toDouble(),
             tavo::ParseNumber(shown.toStdString()));
}

void ValueFieldTest::keysOnFocusedSpinner_data()
{
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up") << false << "7" << int(Qt::Key_Up) << "8.";
    QTest::newRow("down") << false << "7" << int(Qt::Key_Down) << "6.";
    QTest::newRow("page up to top") << false << "31990" << int(Qt::Key_PageUp) << "32000.";
    QTest::newRow("page up") << false << "10" << int(Qt::Key_PageUp) << "25.";
    QTest::newRow("page down to bottom") << false << "7" << int(Qt::Key_PageDown) << "0.";
    QTest::newRow("home") << false << "7" << int(Qt::Key_Home) << "32000.";
    QTest::newRow("end") << false << "7" << int(Qt::Key_End) << "0.";
    QTest::newRow("percent home") << true << "50" << int(Qt::Key_Home) << "100.";
    QTest::newRow("percent end") << true << "50" << int(Qt::Key_End) << "10.";
    QTest::newRow("percent page down") << true << "20" << int(Qt::Key_PageDown) << "10.";
    QTest::newRow("above top steps down by one")
        << false << "50000" << int(Qt::Key_Down) << "49999.";
    QTest::newRow("above top steps up to top") << false << "50000" << int(Qt::Key_Up) << "32000.";
}

void ValueFieldTest::keysOnFocusedSpinner()
{
    QFETCH(bool, percent);
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QString, shown);
    Wired<ValueField> value(start);
    Wired<PfField> pf(start);
    ValueField& field = percent ? static_cast<ValueField&>(pf.field) : value.field;
    QTest::keyClick(field.spinner(), Qt::Key(key));
    QCOMPARE(field.edit()->text(), shown);
}

void ValueFieldTest::spinnerStaysCentred()
{
    Wired<ValueField> value("0");
    QSignalSpy actions(&value.field, &ValueField::spinnerAction);
    for (int i = 0; i < 5; ++i) {
        ClickPart(value.field.spinner(), QStyle::SC_ScrollBarSubLine);
    }
    for (int i = 0; i < 2; ++i) {
        ClickPart(value.field.spinner(), QStyle::SC_ScrollBarAddLine);
    }
    QCOMPARE(actions.size(), 7);
    QCOMPARE(actions.first().first().value<tavo::ScrollCode>(), tavo::ScrollCode::LineUp);
    QCOMPARE(actions.last().first().value<tavo::ScrollCode>(), tavo::ScrollCode::LineDown);
    QCOMPARE(value.field.edit()->text(), QStringLiteral("3."));
    QCOMPARE(value.field.spinner()->value(), 1);
}

void ValueFieldTest::typedValuesStayUntilStepped()
{
    Wired<ValueField> value("0");
    value.field.edit()->setText("50000");
    value.field.readControl();
    QCOMPARE(value.field.text(), QStringLiteral("50000"));
    QTest::keyClick(value.field.spinner(), Qt::Key_Up);
    QCOMPARE(value.field.edit()->text(), QStringLiteral("32000."));
}

void ValueFieldTest::focusNotifications()
{
    QWidget window;
    ValueField field("volts", &window);
    QLineEdit other(&window);
    other.move(0, 60);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other.setFocus();
    QSignalSpy gained(&field, &ValueField::focusGained);
    QSignalSpy lost(&field, &ValueField::focusLost);
    field.edit()->setFocus();
    QCOMPARE(gained.size(), 1);
    other.setFocus();
    QCOMPARE(lost.size(), 1);
    // Leaving the field counts even when its text did not change.
    field.edit()->setFocus();
    other.setFocus();
    QCOMPARE(lost.size(), 2);
}

void ValueFieldTest::exchangeWithTheEdit()
{
    ValueField field("volts", nullptr);
    QCOMPARE(field.objectName(), QStringLiteral("volts"));
    QCOMPARE(field.edit()->objectName(), QStringLiteral("volts"));
    field.setText("12");
    QCOMPARE(field.edit()->text(), QString());
    field.writeControl();
    QCOMPARE(field.edit()->text(), QStringLiteral("12"));
    field.edit()->setText("7abc");
    QCOMPARE(field.text(), QStringLiteral("12"));
    field.readControl();
    QCOMPARE(field.text(), QStringLiteral("7abc"));
    field.setNumber(2.0 / 3.0);
    QCOMPARE(field.edit()->text(), QStringLiteral(".6666666667"));
}

QTEST_MAIN(ValueFieldTest)
#include "valuefield_test.moc"
