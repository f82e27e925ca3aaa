#include "window/number_form.h"

#include <QLocale>
#include <QtTest>

#include <clocale>

class TestNumberForm : public QObject {
    Q_OBJECT

private slots:
    void form_data();
    void form();
    void sameInACommaLocale();
};

void TestNumberForm::form_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("weight") << 75.3f << " 75.3 ";
    QTest::newRow("below 1 keeps its zero") << 0.45f << " 0.45 ";
    QTest::newRow("two decimals") << 43.47f << " 43.47 ";
    QTest::newRow("whole: no point") << 20.0f << " 20 ";
    QTest::newRow("one digit") << 5.0f << " 5 ";
    QTest::newRow("zero") << 0.0f << " 0 ";
    QTest::newRow("negative zero") << -0.0f << " 0 ";
    QTest::newRow("negative") << -2.5f << "-2.5 ";
    QTest::newRow("truncated to a whole tenth") << 3.1f << " 3.1 ";
    QTest::newRow("1 - 0.45 in single precision") << 1.0f - 0.45f << " 0.55 ";
    QTest::newRow("seven digits") << 1234567.0f << " 1234567 ";
    QTest::newRow("eight digits round to seven") << 12345678.0f << " 12345680 ";
    QTest::newRow("a third") << 1.0f / 3.0f << " 0.3333333 ";
    QTest::newRow("two thirds round up") << 2.0f / 3.0f << " 0.6666667 ";
    QTest::newRow("small") << 0.001f << " 0.001 ";
    QTest::newRow("large and whole") << 3e9f << " 3000000000 ";
}

void TestNumberForm::form() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(numberForm(value), text);
}

// A student whose desktop writes 0,45 still sees the worked examples' 0.45.
void TestNumberForm::sameInACommaLocale() {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QFAIL("the de_DE.UTF-8 locale is not installed (scripts/test.sh makes it)");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = numberForm(0.45f);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(text, QStringLiteral(" 0.45 "));
}

QTEST_APPLESS_MAIN(TestNumberForm)
#include "tst_numberform.moc"
