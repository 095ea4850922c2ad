// The up-down spinner: steps from what its edit shows, stops at its ends, plain digits.
#include "UpDownSpinner.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class tst_Spinner : public QObject {
    Q_OBJECT

private slots:
    void stepsFromShownNumber_data();
    void stepsFromShownNumber();
    void arrowKeysStepInTheEdit();
    void neverTakesFocus();
};

void tst_Spinner::stepsFromShownNumber_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("increment");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("after");
    QTest::newRow("past the stored range") << 10 << 999 << 5 << "500" << +1 << "505";
    QTest::newRow("stops at max") << 10 << 999 << 5 << "999" << +1 << "999";
    QTest::newRow("reaches max from below") << 10 << 999 << 5 << "997" << +1 << "999";
    QTest::newRow("plain digits at 1000") << 1 << 1000 << 10 << "990" << +1 << "1000";
    QTest::newRow("stops at min") << 0 << 15 << 1 << "0" << -1 << "0";
    QTest::newRow("typed text read leniently") << 0 << 100 << 5 << " 12x" << +1 << "17";
    QTest::newRow("no number steps from min") << 1 << 5 << 1 << "abc" << +1 << "2";
    QTest::newRow("above max steps down from max") << 0 << 15 << 1 << "99" << -1 << "14";
}

void tst_Spinner::stepsFromShownNumber()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, increment);
    QFETCH(QString, shown);
    QFETCH(int, direction);
    QFETCH(QString, after);
    QLineEdit edit;
    UpDownSpinner spinner(&edit, min, max, increment, min);
    QCOMPARE(edit.text(), QString::number(min));
    edit.setText(shown);
    spinner.Step(direction);
    QCOMPARE(edit.text(), after);
    QCOMPARE(spinner.Position(), after.toInt());
}

void tst_Spinner::arrowKeysStepInTheEdit()
{
    QLineEdit edit;
    UpDownSpinner spinner(&edit, 0, 15, 1, 10);
    QTest::keyClick(&edit, Qt::Key_Up);
    QCOMPARE(edit.text(), "11");
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Down);
    QCOMPARE(edit.text(), "9");
    spinner.findChildren<QToolButton *>().first()->click();
    QCOMPARE(edit.text(), "10");
}

void tst_Spinner::neverTakesFocus()
{
    QLineEdit edit;
    UpDownSpinner spinner(&edit, 0, 15, 1, 10);
    QCOMPARE(spinner.focusPolicy(), Qt::NoFocus);
    for (QToolButton *button : spinner.findChildren<QToolButton *>())
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(tst_Spinner)
#include "tst_spinner.moc"
