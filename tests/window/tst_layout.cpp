// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/answers.h"
#include "core/exercise_texts.h"
#include "core/form_layout.h"
#include "core/ink.h"
#include "core/practice_layout.h"
#include "core/print_layout.h"
#include "support/worked_example_window.h"
#include "window/form1.h"
#include "window/pixel_panel.h"
#include "window/window_font.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

namespace {

// Measures how far right each printed line reaches, in pixels of a font.
class MeasuringPanel final : public TextPanel {
public:
    explicit MeasuringPanel(const QFont& font)
        : metrics_(font), layout_({metrics_.averageCharWidth(), metrics_.height(),
                                   [this](const std::string& t) { return width(t); }}) {}
    void Cls() override { layout_.home(); }
    void Print(const PrintItems& items, bool endOfLine) override {
        for (const TextRun& run : layout_.place(items, endOfLine))
            if (run.x + width(run.text) > widest) {
                widest = run.x + width(run.text);
                widestText = run.text;
            }
    }
    int widest = 0;
    std::string widestText; // the last run of the line that reaches furthest

private:
    int width(const std::string& text) const {
        return metrics_.horizontalAdvance(QString::fromStdString(text));
    }
    QFontMetrics metrics_;
    PrintLayout layout_;
};

// The widest number each field can print within the ranges of the case.
CaseState widestCase(Sex sex) {
    CaseState state;
    state.sex = sex;
    state.weight = 94.9f;
    state.haematocrit = 0.59f;
    state.antipyrineconc = 1.66f;
    state.thiosulphateconc = 3.47f;
    state.evansblueconc = 27.77f;
    return state;
}

QWidget* control(Form1& form, const QString& name) {
    return form.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

QList<QRgb> distinctColours(const QImage& image) {
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!colours.contains(image.pixel(x, y)))
                colours.append(image.pixel(x, y));
    return colours;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void zoomedGeometry_data();
    void zoomedGeometry();
    void shape();
    void onlyFourChildrenVisibleAtStart();
    void focusOrderFollowsTabIndex();
    void window();
    void fonts();
    void panelColours();
    void inkReadsOnWhiteUnderADarkScheme();
    void emptyAnswerPanelChangesNoPixel();
    void textPrintedBeforeShowIsOnScreen();
    void longestLineFitsThePanel_data();
    void longestLineFitsThePanel();
    void captionsFitTheirButtons_data();
    void captionsFitTheirButtons();
    void emblemShowsItsTopLeftCorner();
    void iconIsSixteenColoursOpaque();
    void panelImagesFollowPixelRatio();

private:
    std::unique_ptr<WorkedExampleWindow> window_;
    Form1* form_ = nullptr;
};

void TestLayout::init() {
    window_ = std::make_unique<WorkedExampleWindow>();
    form_ = &window_->form;
}

void TestLayout::cleanup() {
    window_.reset();
    form_ = nullptr;
}

void TestLayout::controls_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < controlCount; ++i)
        QTest::newRow(formLayout[i].name) << static_cast<int>(i);
}

// The window builds each control of the table as a widget of its kind,
// with its caption, where the table puts it, shown or hidden as it starts.
void TestLayout::controls() {
    QFETCH(int, row);
    const ControlLayout& layout = formLayout[row];
    QWidget* widget = control(*form_, QString::fromLatin1(layout.name));
    QVERIFY(widget);
    const char* classes[] = {"QPushButton", "PixelPanel", "QLabel", "QWidget"};
    QCOMPARE(widget->metaObject()->className(), classes[static_cast<int>(layout.kind)]);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), QString::fromStdString(captionOf({}, layout.control)));
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QVERIFY(button->isEnabled());
    }
    const PixelRect r = pixelsOf(layout);
    QCOMPARE(widget->geometry(), QRect(r.left, r.top, r.width, r.height));
    QCOMPARE(!widget->isHidden(), layout.visibleAtStart);
}

void TestLayout::zoomedGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("expected");
    // Worked by hand from the twips: twips x zoom / 15 to the nearest pixel
    // (495 twips at 0.75 are 24.75 pixels: 25, where truncating gives 24).
    QTest::newRow("seeanswer1 at 0.75")
        << "seeanswer1" << QSize(768, 576) << QRect(654, 90, 91, 25);
    QTest::newRow("Picture1 at 0.75") << "Picture1" << QSize(768, 576) << QRect(0, 0, 619, 445);
    QTest::newRow("seeanswer1 at 0.875")
        << "seeanswer1" << QSize(896, 672) << QRect(763, 105, 106, 29);
    QTest::newRow("Picture3 at 0.875") << "Picture3" << QSize(896, 672) << QRect(7, 525, 722, 141);
    QTest::newRow("seeanswer1 at 0.9375, halves up")
        << "seeanswer1" << QSize(960, 720) << QRect(818, 113, 113, 31);
}

// A client area smaller than the layout draws every control smaller, each
// edge rounded to the nearest pixel.
void TestLayout::zoomedGeometry() {
    QFETCH(QString, name);
    QFETCH(QSize, client);
    QFETCH(QRect, expected);
    QVERIFY(window_->show());
    form_->resize(client);
    QTRY_COMPARE(control(*form_, name)->geometry(), expected);
}

// What a student sees of the layout at full size: the question panel in the
// top-left corner with the answer panel below it, the emblem above a
// column of buttons 40 px apart in the order they are reached, "end" at
// the foot of that column, all within 1024 x 768.
void TestLayout::shape() {
    const auto at = [this](const QString& name) { return control(*form_, name)->geometry(); };
    const QRect first = at("seeanswer1");
    for (int i = 1; i < sequenceButtons.size(); ++i)
        QCOMPARE(at(sequenceButtons[i]), first.translated(0, 40 * i));
    const QRect end = at("end");
    QCOMPARE(end.size(), first.size());
    QCOMPARE(end.left(), first.left());
    QVERIFY(end.top() > at("hideanswer6").bottom());
    const QRect form = at("shape1");
    QCOMPARE(form, QRect(0, 0, 1024, 768));
    QVERIFY(form.contains(end));
    const QRect questions = at("Picture1");
    const QRect answer = at("Picture3");
    QCOMPARE(questions.topLeft(), QPoint(0, 0));
    QVERIFY(answer.top() > questions.bottom() && answer.bottom() < form.bottom());
    QVERIFY(questions.right() < first.left() && answer.right() < first.left());
    const QRect emblem = at("Picture2");
    QVERIFY(emblem.left() > questions.right() && emblem.bottom() < first.top());
}

void TestLayout::onlyFourChildrenVisibleAtStart() {
    QVERIFY(window_->show());
    QStringList visible;
    int children = 0;
    for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() == "shape1")
            continue;
        children += child->objectName() != "bodyWater"; // the picture drawn after answer 4
        if (child->isVisible())
            visible.append(child->objectName());
    }
    visible.sort();
    QCOMPARE(children, 16);
    QCOMPARE(visible, (QStringList{"Picture1", "Picture2", "end", "seeanswer1"}));
    QVERIFY(!control(*form_, "hideanswer4")->isVisible());
}

void TestLayout::focusOrderFollowsTabIndex() {
    const QStringList byTabIndex = {"Picture2",   "Picture1",    "seeanswer1", "Picture3",
                                    "end",        "hideanswer1", "seeanswer2", "hideanswer2",
                                    "seeanswer3", "hideanswer3", "seeanswer4", "hideanswer4",
                                    "seeanswer5", "hideanswer5", "seeanswer6", "hideanswer6"};
    QStringList chain;
    QWidget* widget = control(*form_, byTabIndex.first());
    do {
        if (byTabIndex.contains(widget->objectName()))
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != control(*form_, byTabIndex.first()));
    QCOMPARE(chain, byTabIndex);

    QVERIFY(window_->show());
    QCOMPARE(QApplication::focusWidget(), control(*form_, "seeanswer1"));
}

void TestLayout::window() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Compartica"));
    QCOMPARE(form_->size(), QSize(312, 206));
    QCOMPARE(form_->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(form_->autoFillBackground());
    QVERIFY(form_->findChildren<QAbstractScrollArea*>().isEmpty());
    QVERIFY(!form_->layout());
    QVERIFY(!form_->windowIcon().isNull());
}

void TestLayout::fonts() {
    const QFont expected = windowFont();
    QCOMPARE(expected.pixelSize(), 13);
    QCOMPARE(expected.weight(), QFont::Bold);
    QVERIFY(!expected.italic() && !expected.underline() && !expected.strikeOut());
    for (QPushButton* button : form_->findChildren<QPushButton*>())
        QCOMPARE(button->font(), expected);
    QCOMPARE(control(*form_, "Picture1")->font(), expected);
    QCOMPARE(control(*form_, "Picture3")->font(), expected);
    const QFont emblem = control(*form_, "Picture2")->font();
    QCOMPARE(emblem.pointSizeF(), 8.25);
    QCOMPARE(emblem.weight(), QFont::Normal);
    qInfo("window font resolves to %s", qPrintable(QFontInfo(expected).family()));
}

void TestLayout::panelColours() {
    auto* answers = form_->findChild<PixelPanel*>("Picture3");
    answers->panel().Print({"HHHH"});
    const QList<QRgb> answerColours = distinctColours(answers->image());
    QVERIFY(answerColours.contains(qRgb(255, 0, 0)));
    for (QRgb colour : answerColours)
        QVERIFY2(qRed(colour) == 255 && qGreen(colour) == qBlue(colour), "not red on white");

    auto* questions = form_->findChild<PixelPanel*>("Picture1");
    const QRgb windowText = form_->palette().color(QPalette::WindowText).rgb();
    QVERIFY(distinctColours(questions->image()).contains(windowText));
}

// A dark desktop scheme has light window text; on the white panels the
// case must still read (contrast of at least 4.5 to 1), and the buttons keep
// light faces on the white page.
void TestLayout::inkReadsOnWhiteUnderADarkScheme() {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    QApplication::setPalette(dark);
    WorkedExampleWindow window;
    QApplication::setPalette(desktop);

    QRgb darkest = qRgb(255, 255, 255);
    for (QRgb pixel : distinctColours(window.form.findChild<PixelPanel*>("Picture1")->image()))
        if (qGray(pixel) < qGray(darkest))
            darkest = pixel;
    const double contrast =
        contrastRatio({qRed(darkest), qGreen(darkest), qBlue(darkest)}, {255, 255, 255});
    QVERIFY2(contrast >= readableContrast, qPrintable(QString::number(contrast)));
    const QColor face = control(window.form, "end")->palette().color(QPalette::Button);
    QVERIFY2(face.lightness() > 128, qPrintable(face.name()));
}

void TestLayout::emptyAnswerPanelChangesNoPixel() {
    QVERIFY(window_->show());
    const QImage before = form_->grab().toImage();
    control(*form_, "Picture3")->show();
    QCOMPARE(form_->grab().toImage(), before);
}

void TestLayout::textPrintedBeforeShowIsOnScreen() {
    QVERIFY(window_->show());
    const QWidget* panel = control(*form_, "Picture1");
    const QImage screen = form_->grab(panel->geometry()).toImage();
    const int dark =
        std::count_if(reinterpret_cast<const QRgb*>(screen.constBits()),
                      reinterpret_cast<const QRgb*>(screen.constBits()) + screen.sizeInBytes() / 4,
                      [](QRgb c) { return qGray(c) < 64; });
    QVERIFY2(dark > 2000, qPrintable(QString::number(dark)));
}

void TestLayout::longestLineFitsThePanel_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("man");
    for (const Language& language : Language::all())
        for (const bool man : {true, false})
            QTest::addRow("%s, %s", language.code(), man ? "man" : "woman")
                << QString::fromLatin1(language.code()) << man;
}

// Every screen of the exercise printed with the widest numbers the ranges
// allow, in every language for either sex, measured with the face the
// window actually resolved to. A line too wide names its message's end.
void TestLayout::longestLineFitsThePanel() {
    QFETCH(QString, language);
    QFETCH(bool, man);
    const Language shownIn = Language::named(language.toStdString());
    const QFont font = control(*form_, "Picture3")->font();
    const CaseState state = widestCase(man ? Sex::man : Sex::woman);
    MeasuringPanel panel(font);
    printCase(panel, state, shownIn);
    for (int n = 2; n <= 4; ++n)
        printQuestion(panel, state, n, shownIn);
    // The widest worked values: 50 / 0.81 and 50 / 10.24.
    printAnswer1(panel, state, {61.72f, 64.9f}, shownIn);
    printAnswer2(panel, state, {61.72f, 39.68f, 64.2f}, shownIn);
    printAnswer3(panel, state, {61.72f, 4.88f, 7.9f}, shownIn);
    printAnswer4(panel, state, {4.88f, 11.95f, 0.41f}, shownIn);

    const int panelWidth = control(*form_, "Picture3")->width();
    qInfo("face %s: longest line %d px of %d", qPrintable(QFontInfo(font).family()), panel.widest,
          panelWidth);
    QVERIFY2(panel.widest <= panelWidth,
             qPrintable(QStringLiteral("%1 px is wider than the panel: \"%2\"")
                            .arg(panel.widest)
                            .arg(QString::fromStdString(panel.widestText))));
}

void TestLayout::captionsFitTheirButtons_data() {
    QTest::addColumn<QString>("language");
    for (const Language& language : Language::all())
        QTest::addRow("%s", language.code()) << QString::fromLatin1(language.code());
}

// Each caption with the style's margins on either side.
void TestLayout::captionsFitTheirButtons() {
    QFETCH(QString, language);
    const Language shownIn = Language::named(language.toStdString());
    for (const ControlLayout& row : formLayout) {
        if (row.kind != ControlKind::Button)
            continue;
        auto* button = static_cast<QPushButton*>(control(*form_, QString::fromLatin1(row.name)));
        const QString caption = QString::fromStdString(captionOf(shownIn, row.control));
        const int room =
            button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        const int width = button->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(width <= room, qPrintable(QStringLiteral("\"%1\" is %2 px wide, the button has %3")
                                               .arg(caption)
                                               .arg(width)
                                               .arg(room)));
    }

    // Practice's texts in their places, with the widest case's values: each
    // label, every verdict a check can give, the worked value beside a
    // field, the summary and the Check button's caption.
    const QFontMetrics metrics(windowFont());
    const CaseState state = widestCase(Sex::man);
    QStringList overflows;
    const auto fit = [&](const std::string& text, int room) {
        const QString shown = QString::fromStdString(text);
        if (metrics.horizontalAdvance(shown) > room)
            overflows << QStringLiteral("\"%1\" %2 px of %3")
                             .arg(shown)
                             .arg(metrics.horizontalAdvance(shown))
                             .arg(room);
    };
    for (int question = 1; question <= 4; ++question)
        for (const bool shown : {false, true}) {
            const PracticePlaces places = practicePlaces(question, shown, metrics.height());
            const std::vector<Quantity> asked = quantitiesOf(question);
            for (std::size_t n = 0; n < asked.size(); ++n) {
                const int room = places.rows[n].verdict.width;
                fit(fieldLabel(shownIn, asked[n]), places.rows[n].label.width);
                if (shown)
                    fit(shownAnswerMessage(shownIn, state, asked[n],
                                           Verdict{Finding::consistent, 4}),
                        room);
                for (int finding = 0; !shown && finding <= int(Finding::notQuite); ++finding)
                    for (std::size_t other = 0; other < quantityCount; ++other)
                        fit(verdictMessage(shownIn, asked[n],
                                           {Finding(finding), 4, Quantity(other)}),
                            room);
            }
            fit(Practice().summary(shownIn), places.summary.width);
            fit(checkCaption(shownIn),
                places.check.width - 2 * form_->style()->pixelMetric(QStyle::PM_ButtonMargin));
        }
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join('\n')));
}

void TestLayout::emblemShowsItsTopLeftCorner() {
    const QImage emblem(QStringLiteral(":/art/emblem.png"));
    QCOMPARE(emblem.size(), QSize(165, 100));
    QCOMPARE(emblem.format(), QImage::Format_Indexed8);
    QVERIFY(emblem.colorCount() <= 256);

    QVERIFY(window_->show());
    QWidget* box = control(*form_, "Picture2");
    const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size() / shown.devicePixelRatio(), QSize(161, 97));
    // Scaled screens smooth the picture; the pixels compare at scale 1.
    if (shown.devicePixelRatio() == 1.0)
        QCOMPARE(shown, emblem.copy(0, 0, 161, 97).convertToFormat(QImage::Format_RGB32));
}

void TestLayout::iconIsSixteenColoursOpaque() {
    const QImage icon(QStringLiteral(":/art/icon-32.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() > 0 && icon.colorCount() <= 16);
    for (QRgb colour : distinctColours(icon))
        QCOMPARE(qAlpha(colour), 255);
    // Stored as it is drawn: a palette PNG of 4 bits a pixel (the header's
    // bit depth and colour type follow the signature and the IHDR length).
    QFile file(QStringLiteral(":/art/icon-32.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(26);
    QCOMPARE(int(header.at(24)), 4);
    QCOMPARE(int(header.at(25)), 3);
}

void TestLayout::panelImagesFollowPixelRatio() {
    QVERIFY(window_->show());
    auto* panel = form_->findChild<PixelPanel*>("Picture1");
    const qreal ratio = form_->devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2")
        QCOMPARE(ratio, 2.0);
    QCOMPARE(panel->image().devicePixelRatio(), ratio);
    QCOMPARE(panel->image().size(), panel->size() * ratio);
    QCOMPARE(panel->geometry(), QRect(0, 0, 825, 593));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
