// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/worked_example_window.h"
#include "window/form1.h"
#include "window/pixel_panel.h"
#include "window/window_manager.h"

#include <QPushButton>
#include <QtTest>

namespace {

QStringList firstScreen(const std::vector<float>& draws) {
    ListedRandomSource random(draws);
    Form1 form(random);
    form.Form_Load();
    return form.findChild<PixelPanel*>("Picture1")->transcript();
}

} // namespace

class TestFirstScreen : public QObject {
    Q_OBJECT

private slots:
    void workedExampleLetterForLetter();
    void womansWording();
    void wholeTenthConcentration();
    void formLoadMakesOneCase();
    void showsOffX11AndEndsOnEnd();
};

void TestFirstScreen::workedExampleLetterForLetter() {
    QCOMPARE(firstScreen(workedExampleDraws()), qt(caseLines));
}

void TestFirstScreen::womansWording() {
    auto draws = workedExampleDraws();
    draws[0] = 0.75f;
    const QStringList lines = firstScreen(draws);
    QCOMPARE(lines[1], QStringLiteral("    The patient is a woman who weighs 75.3  kg"));
    QCOMPARE(lines[2], QStringLiteral("    She was injected with 50 mg each of:"));
    QCOMPARE(lines[11], QStringLiteral("1)  What is her total body water?"));
    QCOMPARE(lines[12], QStringLiteral("    What percentage of her body weight is this?"));
}

// 60.0 kg x 0.50 = 30.0 L of water, 30.0 x 0.5368 = 16.1 L outside cells,
// and 50 / 16.1 = 3.1055 prints as 3.1, without a trailing zero.
void TestFirstScreen::wholeTenthConcentration() {
    const std::vector<float> draws = {0.25f, 0.0f, 0.25f, 0.0f, 0.355f, 0.25f};
    const QStringList lines = firstScreen(draws);
    QVERIFY2(lines[9].contains(QStringLiteral("thiosulphate =  3.1  Evans")), qPrintable(lines[9]));
}

void TestFirstScreen::formLoadMakesOneCase() {
    ListedRandomSource random(workedExampleDraws());
    Form1 form(random);
    QCOMPARE(random.reseeds(), 0);
    form.Form_Load();
    QCOMPARE(random.reseeds(), 1);
    QCOMPARE(random.taken(), std::size_t(6));
    QVERIFY(!form.isVisible());
}

// These tests run on the offscreen platform: the window shows as the program
// shows it, and "end" says the exercise has ended.
void TestFirstScreen::showsOffX11AndEndsOnEnd() {
    WorkedExampleWindow window;
    showMaximizedAnywhere(window.form);
    QVERIFY(window.form.isVisible());
    QSignalSpy ended(&window.form, &Form1::ended);
    QTest::mouseClick(window.form.findChild<QPushButton*>("end"), Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
}

QTEST_MAIN(TestFirstScreen)
#include "tst_firstscreen.moc"
