// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/worked_example_window.h"
#include "window/form1.h"
#include "window/pixel_panel.h"

#include <QAccessible>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestSequence : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void workedExampleClickedThrough_data();
    void workedExampleClickedThrough();
    void answerPanelHiddenUntilFirstAnswer();
    void afterAnswerFourOnlyEndRemains();
    void focusMovesToTheButtonThatLeadsOn();
    void spacePressesTheNextStepOnly();
    void focusNeverPassesThroughEnd();
    void tabVisitsVisibleButtonsOnly_data();
    void tabVisitsVisibleButtonsOnly();
    void heldSpaceTakesOneStep_data();
    void heldSpaceTakesOneStep();
    void clickQueuedBehindEndDoesNotRun();
    void faultIsReportedAndStops();

private:
    PixelPanel* panel(const char* name) { return form_->findChild<PixelPanel*>(name); }
    QPushButton* button(const QString& name) { return form_->findChild<QPushButton*>(name); }
    QStringList visibleButtons() { return ::visibleButtons(*form_); }
    void click(const QString& name);

    std::unique_ptr<WorkedExampleWindow> window_;
    Form1* form_ = nullptr;
};

void TestSequence::init() {
    window_ = std::make_unique<WorkedExampleWindow>();
    form_ = &window_->form;
    QVERIFY(window_->show());
}

void TestSequence::cleanup() {
    window_.reset();
    form_ = nullptr;
}

void TestSequence::click(const QString& name) {
    QPushButton* target = button(name);
    QVERIFY2(target->isVisible(), qPrintable(name + " is not visible"));
    QTest::mouseClick(target, Qt::LeftButton);
}

void TestSequence::workedExampleClickedThrough_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("nextButton");

    const QStringList q1 = qt(questionsAt(0));
    const QStringList q2 = qt(questionsAt(2));
    const QStringList q3 = qt(questionsAt(4));
    const QStringList q4 = qt(questionsAt(6));
    QTest::newRow("start") << 0 << q1 << QStringList() << "seeanswer1";
    QTest::newRow("See answer 1") << 1 << q1 << qt(answer1Lines) << "hideanswer1";
    QTest::newRow("Hide answer 1") << 2 << q2 << QStringList() << "seeanswer2";
    QTest::newRow("See answer 2") << 3 << q2 << qt(answer2Lines) << "hideanswer2";
    QTest::newRow("Hide answer 2") << 4 << q3 << QStringList() << "seeanswer3";
    QTest::newRow("See answer 3") << 5 << q3 << qt(answer3Lines) << "hideanswer3";
    QTest::newRow("Hide answer 3") << 6 << q4 << QStringList() << "seeanswer4";
    QTest::newRow("See answer 4") << 7 << q4 << qt(answer4Lines) << "";
}

// Each row clicks the sequence from the start up to its stage, through the
// real buttons, and checks both panels and the buttons on show.
void TestSequence::workedExampleClickedThrough() {
    QFETCH(int, clicks);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, answer);
    QFETCH(QString, nextButton);

    for (int i = 0; i < clicks; ++i) {
        click(sequenceButtons[i]);
        QVERIFY2(!button(sequenceButtons[i])->isVisible(), "a clicked button came back");
    }
    QCOMPARE(panel("Picture1")->transcript(), questions);
    QCOMPARE(panel("Picture3")->transcript(), answer);
    QStringList expected = {"end"};
    if (!nextButton.isEmpty())
        expected.append(nextButton);
    expected.sort();
    QCOMPARE(visibleButtons(), expected);
    for (int i = 0; i < clicks; ++i)
        QVERIFY(!button(sequenceButtons[i])->isVisible());
}

void TestSequence::answerPanelHiddenUntilFirstAnswer() {
    QVERIFY(!panel("Picture3")->isVisible());
    for (int i = 0; i < 7; ++i) {
        click(sequenceButtons[i]);
        QVERIFY2(panel("Picture3")->isVisible(), qPrintable(sequenceButtons[i]));
    }
}

// Then the patient's body water is drawn, with its values for a screen
// reader, in the room the buttons leave, and no control of the layout moves.
void TestSequence::afterAnswerFourOnlyEndRemains() {
    QWidget* picture = form_->findChild<QWidget*>("bodyWater");
    for (int i = 0; i < 7; ++i) {
        QVERIFY(!picture->isVisible());
        click(sequenceButtons[i]);
    }
    QCOMPARE(visibleButtons(), QStringList{"end"});
    QVERIFY(!button("hideanswer4")->isVisible());
    QCOMPARE(panel("Picture3")->transcript(), qt(answer4Lines));
    QVERIFY(picture->isVisible());
    const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(picture);
    QCOMPARE(heard->text(QAccessible::Name),
             QStringLiteral("Body water to scale, in litres and as % of body weight"));
    QVERIFY(heard->text(QAccessible::Description).contains("Intracellular fluid: 19.32 L, 25.6 %."));
    for (const ControlLayout& row : formLayout) {
        const PixelRect r = pixelsOf(row);
        const auto* widget = form_->findChild<QWidget*>(QString::fromLatin1(row.name));
        QCOMPARE(widget->geometry(), QRect(r.left, r.top, r.width, r.height));
    }
}

void TestSequence::focusMovesToTheButtonThatLeadsOn() {
    QCOMPARE(QApplication::focusWidget(), button("seeanswer1"));
    for (int i = 0; i < 6; ++i) {
        click(sequenceButtons[i]);
        QCOMPARE(QApplication::focusWidget(), button(sequenceButtons[i + 1]));
    }
    click("seeanswer4");
    QCOMPARE(QApplication::focusWidget(), panel("Picture3"));
}

// Space on whatever has the focus: seven presses reach answer 4, and more
// presses neither end the program nor change anything.
void TestSequence::spacePressesTheNextStepOnly() {
    QSignalSpy ended(button("end"), &QPushButton::clicked);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(panel("Picture3")->transcript(), qt(answer4Lines));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(panel("Picture3")->transcript(), qt(answer4Lines));
    QCOMPARE(visibleButtons(), QStringList{"end"});
}

// A screen reader speaks every focus change: a step must not announce
// "end" on its way to the next button.
void TestSequence::focusNeverPassesThroughEnd() {
    QStringList focused;
    connect(qApp, &QApplication::focusChanged, this,
            [&](QWidget*, QWidget* now) { focused.append(now ? now->objectName() : QString()); });
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    QCOMPARE(focused, sequenceButtons.mid(1, 6) + QStringList{"Picture3"});
}

void TestSequence::tabVisitsVisibleButtonsOnly_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("tabStops");

    QTest::newRow("question 1") << 0 << QStringList{"end", "seeanswer1", "end"};
    QTest::newRow("answer 1") << 1 << QStringList{"end", "hideanswer1", "end"};
    QTest::newRow("question 3") << 4 << QStringList{"end", "seeanswer3", "end"};
    QTest::newRow("answer 4") << 7 << QStringList{"end", "end"};
}

void TestSequence::tabVisitsVisibleButtonsOnly() {
    QFETCH(int, clicks);
    QFETCH(QStringList, tabStops);

    for (int i = 0; i < clicks; ++i)
        click(sequenceButtons[i]);
    for (const QString& expected : tabStops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
}

// Keyboard auto-repeat: one press held down makes one step, however many
// repeated presses and releases arrive while it is held, marked as repeats
// or not (X11 leaves them unmarked where it cannot pair them in time; each
// repeat is then a release and a press with one time stamp).
void TestSequence::heldSpaceTakesOneStep_data() {
    QTest::addColumn<bool>("marked");
    QTest::newRow("repeats marked") << true;
    QTest::newRow("repeats unmarked") << false;
}

void TestSequence::heldSpaceTakesOneStep() {
    QFETCH(bool, marked);
    const auto send = [](QEvent::Type type, bool repeat, quint64 time) {
        QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        key.setTimestamp(time);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    };
    send(QEvent::KeyPress, false, 1000);
    for (quint64 time = 1660; time < 2500; time += 40) {
        send(QEvent::KeyRelease, marked, time);
        send(QEvent::KeyPress, marked, time);
    }
    send(QEvent::KeyRelease, false, 2600);
    QCOMPARE(visibleButtons(), (QStringList{"end", "hideanswer1"}));
    QCOMPARE(panel("Picture3")->transcript(), qt(answer1Lines));
}

// After "end" a click that is already queued behind it runs nothing, while
// the program ends as main ends it, between clicks.
void TestSequence::clickQueuedBehindEndDoesNotRun() {
    const auto queueClick = [](QWidget* target) {
        const QPointF centre = QRectF(target->rect()).center();
        const QPointF global = target->mapToGlobal(centre);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                target,
                new QMouseEvent(type, centre, global, Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    };
    connect(
        form_, &Form1::ended, this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    queueClick(button("end"));
    queueClick(button("seeanswer1"));
    QTimer stuck;
    connect(&stuck, &QTimer::timeout, this, [] { QCoreApplication::exit(2); });
    stuck.start(2000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCoreApplication::processEvents();
    QVERIFY2(!panel("Picture3")->isVisible(), "See answer 1 ran after end");
    QVERIFY(panel("Picture3")->transcript().isEmpty());
}

// Draws the real source cannot give (an enormous water share) leave
// concentrations of 0, and answer 1 divides by one: the window says so once,
// naming the step, and nothing more is printed or taken.
void TestSequence::faultIsReportedAndStops() {
    auto draws = workedExampleDraws();
    draws[3] = 1e30f;
    ListedRandomSource random(draws);
    Form1 form(random);
    QSignalSpy faulted(&form, &Form1::faulted);
    form.Form_Load();
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("seeanswer1"), Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>("seeanswer1"), Qt::LeftButton);
    QCOMPARE(faulted.count(), 1);
    const QString reported = faulted.first().first().toString();
    QVERIFY2(reported.contains("answer 1"), qPrintable(reported));
    QVERIFY(form.findChild<PixelPanel*>("Picture3")->transcript().isEmpty());
}

QTEST_MAIN(TestSequence)
#include "tst_sequence.moc"
