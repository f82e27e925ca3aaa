// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/worked_example_window.h"
#include "window/form1.h"
#include "window/pixel_panel.h"

#include <QAccessible>
#include <QPushButton>
#include <QtTest>

namespace {

// What the platform's screen-reader bridge would be told of text changes:
// "+" and the text inserted, or "-" and the text removed, at an offset.
struct Announcement {
    QObject* panel;
    QString change;
    bool operator==(const Announcement&) const = default;
};
QList<Announcement> announcements;

void recordAnnouncement(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        announcements.append({event->object(), QString::number(inserted->changePosition()) + "+" +
                                                   inserted->textInserted()});
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        announcements.append({event->object(), QString::number(removed->changePosition()) + "-" +
                                                   removed->textRemoved()});
        break;
    }
    case QAccessible::TextUpdated:
        announcements.append({event->object(), "replaced"});
        break;
    default:
        break;
    }
}

QString readAll(QAccessibleInterface* accessible) {
    QAccessibleTextInterface* text = accessible->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void panelsHaveNamesAndText_data();
    void panelsHaveNamesAndText();
    void newTextIsAnnounced();
    void clearedAnswerIsEmptyText();
    void buttonsAreNamedByCaption();

private:
    PixelPanel* panel(const char* name) { return form_->findChild<PixelPanel*>(name); }
    void click(const char* name) {
        QTest::mouseClick(form_->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    std::unique_ptr<WorkedExampleWindow> window_;
    Form1* form_ = nullptr;
};

void TestAccessibility::initTestCase() {
    QAccessible::installUpdateHandler(recordAnnouncement);
    QAccessible::setActive(true);
}

void TestAccessibility::init() {
    window_ = std::make_unique<WorkedExampleWindow>();
    form_ = &window_->form;
    QVERIFY(window_->show());
    announcements.clear();
}

void TestAccessibility::cleanup() {
    window_.reset();
    form_ = nullptr;
}

void TestAccessibility::panelsHaveNamesAndText_data() {
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("firstWords");

    QTest::newRow("question panel") << "Picture1"
                                    << "Case and questions"
                                    << "\n    The patient is a man who weighs 75.3  kg\n";
    QTest::newRow("answer panel") << "Picture3"
                                  << "Worked answer"
                                  << "\n    Antipyrine distrubutes throughout total body water.\n";
}

void TestAccessibility::panelsHaveNamesAndText() {
    QFETCH(QString, panelName);
    QFETCH(QString, accessibleName);
    QFETCH(QString, firstWords);

    click("seeanswer1");
    PixelPanel* target = panel(qPrintable(panelName));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(target);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QVERIFY(accessible->state().readOnly);
    QVERIFY(accessible->state().multiLine);
    QCOMPARE(readAll(accessible), target->transcript().join(u'\n'));
    QVERIFY(readAll(accessible).startsWith(firstWords));
    QCOMPARE(accessible->text(QAccessible::Value), readAll(accessible));
}

// One event per click and panel, carrying only what changed, so a screen
// reader reads a new answer or question once.
void TestAccessibility::newTextIsAnnounced() {
    const QString answer1 = qt(answer1Lines).join(u'\n');
    click("seeanswer1");
    QCOMPARE(announcements, (QList<Announcement>{{panel("Picture3"), "0+" + answer1}}));

    announcements.clear();
    click("hideanswer1");
    const QString before = qt(caseLines).join(u'\n');
    QCOMPARE(announcements,
             (QList<Announcement>{{panel("Picture1"), QString::number(before.size()) + "+\n" +
                                                          qt(question2Lines).join(u'\n')},
                                  {panel("Picture3"), "0-" + answer1}}));
}

void TestAccessibility::clearedAnswerIsEmptyText() {
    click("seeanswer1");
    click("hideanswer1");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(panel("Picture3"));
    QCOMPARE(accessible->textInterface()->characterCount(), 0);
    QVERIFY(!accessible->state().invisible);
}

void TestAccessibility::buttonsAreNamedByCaption() {
    auto* button = form_->findChild<QPushButton*>("seeanswer1");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("See answer 1"));
    QCOMPARE(accessible->role(), QAccessible::Button);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
