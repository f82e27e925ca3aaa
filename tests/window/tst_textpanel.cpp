// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/pixel_panel.h"
#include "window/window_font.h"

#include <QtTest>

namespace {

// The columns of a panel's image that hold ink (anything not white), within
// the band of rows [top, bottom).
QList<int> inkColumns(const QImage& image, int top, int bottom) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = top; y < bottom && y < image.height(); ++y) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

bool hasInk(const QImage& image) {
    return !inkColumns(image, 0, image.height()).isEmpty();
}

} // namespace

class TestTextPanel : public QObject {
    Q_OBJECT

private slots:
    void tabColumnsAreAverageCharacterWidths();
    void linesAreTheFontHeight();
    void textIsCutAtTheRightEdge();
    void printingWhileHiddenShowsLater();
    void clearPaintsWhite();
};

void TestTextPanel::tabColumnsAreAverageCharacterWidths() {
    PixelPanel panel(Qt::black);
    panel.setFont(windowFont());
    panel.resize(400, 100);
    panel.panel().Print({Tab{5}, "l"});
    panel.panel().Print({Tab{10}, "l"});

    const QFontMetrics fm(windowFont());
    const int column = fm.averageCharWidth();
    const QList<int> first = inkColumns(panel.image(), 0, fm.height());
    const QList<int> second = inkColumns(panel.image(), fm.height(), 2 * fm.height());
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    QVERIFY2(first.first() >= 4 * column && first.last() < 5 * column,
             qPrintable(QStringLiteral("ink at %1..%2, column 5 starts at %3")
                            .arg(first.first())
                            .arg(first.last())
                            .arg(4 * column)));
    QVERIFY(second.first() >= 9 * column && second.last() < 10 * column);
}

void TestTextPanel::linesAreTheFontHeight() {
    PixelPanel panel(Qt::black);
    panel.setFont(windowFont());
    panel.resize(400, 100);
    const int height = QFontMetrics(windowFont()).height();
    panel.panel().Print();
    panel.panel().Print({"Hg"});
    const QImage image = panel.image();
    QVERIFY(inkColumns(image, 0, height).isEmpty());
    QVERIFY(!inkColumns(image, height, 2 * height).isEmpty());
    QVERIFY(inkColumns(image, 2 * height, image.height()).isEmpty());
}

void TestTextPanel::textIsCutAtTheRightEdge() {
    PixelPanel panel(Qt::black);
    panel.setFont(windowFont());
    panel.resize(60, 60);
    panel.panel().Print({std::string(40, 'W')});
    const int height = QFontMetrics(windowFont()).height();
    const QList<int> firstLine = inkColumns(panel.image(), 0, height);
    QVERIFY(!firstLine.isEmpty());
    QCOMPARE(firstLine.last(), panel.image().width() - 1);
    QVERIFY2(inkColumns(panel.image(), height, 60).isEmpty(), "the text wrapped");
    QCOMPARE(panel.transcript(), QStringList{QString(40, u'W')});
}

void TestTextPanel::printingWhileHiddenShowsLater() {
    QWidget window;
    window.resize(300, 100);
    auto* panel = new PixelPanel(Qt::red, &window);
    panel->setGeometry(0, 0, 300, 100);
    panel->hide();
    panel->panel().Print({"hidden text"});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    panel->show();
    const QImage shown = window.grab().toImage();
    QVERIFY(hasInk(shown));
    bool red = false;
    for (int x = 0; x < shown.width() && !red; ++x)
        for (int y = 0; y < shown.height() && !red; ++y)
            red = shown.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY2(red, "the text is not drawn in the panel's colour");
}

void TestTextPanel::clearPaintsWhite() {
    PixelPanel panel(Qt::black);
    panel.resize(200, 50);
    panel.panel().Print({"something"});
    QVERIFY(hasInk(panel.image()));
    panel.panel().Cls();
    QVERIFY(!hasInk(panel.image()));
    QVERIFY(panel.transcript().isEmpty());
}

QTEST_MAIN(TestTextPanel)
#include "tst_textpanel.moc"
