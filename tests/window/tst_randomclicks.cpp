// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/worked_example_window.h"
#include "window/form1.h"
#include "window/pixel_panel.h"

#include <QPushButton>
#include <QtTest>

#include <random>

namespace {

constexpr int sequences = 1000;
constexpr int lastStage = 7; // answer 4 shown: nothing leads on

// One student who clicks about at random, never on "end" itself.
class RandomStudent {
public:
    RandomStudent(Form1& form, unsigned seed) : form_(form), engine_(seed) {}

    // Does one random thing; returns whether it was meant to take a step.
    bool act(int stage);
    QString lastAction;

private:
    QPushButton* button(const QString& name) { return form_.findChild<QPushButton*>(name); }
    QPoint anywhereIn(const QRect& rect);
    QPoint nextToEnd();
    void clickAt(QPoint point, bool twice);

    Form1& form_;
    std::mt19937 engine_;
};

QPoint RandomStudent::anywhereIn(const QRect& rect) {
    std::uniform_int_distribution<int> x(rect.left(), rect.right());
    std::uniform_int_distribution<int> y(rect.top(), rect.bottom());
    return {x(engine_), y(engine_)};
}

// A point 1 to 4 pixels outside the end button, on any side.
QPoint RandomStudent::nextToEnd() {
    const QRect end = button("end")->geometry();
    std::uniform_int_distribution<int> gap(1, 4);
    const QPoint inside = anywhereIn(end);
    switch (std::uniform_int_distribution<int>(0, 3)(engine_)) {
    case 0:
        return {end.left() - gap(engine_), inside.y()};
    case 1:
        return {end.right() + gap(engine_), inside.y()};
    case 2:
        return {inside.x(), end.top() - gap(engine_)};
    default:
        return {inside.x(), end.bottom() + gap(engine_)};
    }
}

void RandomStudent::clickAt(QPoint point, bool twice) {
    lastAction = QStringLiteral("%1 at (%2, %3)")
                     .arg(twice ? "double click" : "click")
                     .arg(point.x())
                     .arg(point.y());
    // Each press goes to whatever is shown under the mouse at that moment,
    // as the window system would route it: the second press of a double
    // click no longer finds a button that the first one hid.
    for (int press = 0; press < (twice ? 2 : 1); ++press) {
        QWidget* target = form_.childAt(point);
        if (!target)
            target = &form_;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&form_, point));
    }
}

bool RandomStudent::act(int stage) {
    const bool twice = std::uniform_int_distribution<int>(0, 3)(engine_) == 0;
    switch (std::uniform_int_distribution<int>(0, 4)(engine_)) {
    case 0:
    case 1:
        if (stage < lastStage) {
            clickAt(anywhereIn(button(sequenceButtons[stage])->geometry()), twice);
            return true;
        }
        [[fallthrough]];
    case 2: {
        const int other = std::uniform_int_distribution<int>(0, 11)(engine_);
        if (other == stage)
            return act(stage);
        clickAt(anywhereIn(button(sequenceButtons[other])->geometry()), twice);
        return false;
    }
    case 3:
        clickAt(nextToEnd(), twice);
        return false;
    default:
        clickAt(anywhereIn(QRect(0, 0, 860, 593)), twice); // the panels and the gap beside them
        return false;
    }
}

} // namespace

class TestRandomClicks : public QObject {
    Q_OBJECT

private slots:
    void randomSequences();
};

// After every click: exactly the next stage's button (and "end") is shown,
// the question panel only grows, and both panels read as the worked
// example says they should at that stage.
void TestRandomClicks::randomSequences() {
    int clicks = 0;
    for (int seed = 0; seed < sequences; ++seed) {
        ListedRandomSource random(workedExampleDraws());
        Form1 form(random);
        form.Form_Load();
        form.resize(1024, 768); // the whole layout, so every button can be reached
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy ended(form.findChild<QPushButton*>("end"), &QPushButton::clicked);
        RandomStudent student(form, static_cast<unsigned>(seed));
        int stage = 0;
        for (int step = 0; step < 40 && stage < lastStage; ++step, ++clicks) {
            const QStringList before = form.findChild<PixelPanel*>("Picture1")->transcript();
            if (student.act(stage))
                ++stage;
            const QString where = QStringLiteral("sequence %1, step %2, %3")
                                      .arg(seed)
                                      .arg(step)
                                      .arg(student.lastAction);
            QStringList expected = {"end"};
            if (stage < lastStage)
                expected.append(sequenceButtons[stage]);
            expected.sort();
            QVERIFY2(visibleButtons(form) == expected,
                     qPrintable(where + ": " + visibleButtons(form).join(u' ')));
            const QStringList questions = form.findChild<PixelPanel*>("Picture1")->transcript();
            QVERIFY2(questions.mid(0, before.size()) == before, qPrintable(where));
            QVERIFY2(questions == qt(questionsAt(stage)), qPrintable(where));
            QVERIFY2(form.findChild<PixelPanel*>("Picture3")->transcript() == qt(answerAt(stage)),
                     qPrintable(where));
            QVERIFY2(ended.isEmpty(), qPrintable(where + ": end was clicked"));
        }
    }
    qInfo("%d sequences, %d clicks", sequences, clicks);
}

QTEST_MAIN(TestRandomClicks)
#include "tst_randomclicks.moc"
