#include "window/form1.h"

#include "case/answers.h"
#include "case/make_case.h"
#include "window/exercise_texts.h"
#include "window/pixel_panel.h"
#include "window/window_font.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// Positions and sizes are laid out in twips, 15 to a logical pixel.
constexpr QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

constexpr int buttonLeft = 13080;
constexpr int buttonWidth = 1815;
constexpr int buttonHeight = 495;

void paintWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Form1::Form1(RandomSource& random, QWidget* parent) : QWidget(parent), random_(random) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Compartica"));
    // From a pixmap: a file name would send QIcon looking for icon plugins.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/art/icon-32.png"))));
    setFont(windowFont());
    paintWhite(this);
    resize(312, 206);
    createControls();
    connectButtons();
    setFocusOrder();
    seeanswer1->setFocus();
}

// Children are created bottom-most first, so later ones stack above.
void Form1::createControls() {
    shape1 = new QWidget(this);
    shape1->setObjectName(QStringLiteral("shape1"));
    shape1->setGeometry(twips(0, 0, 15360, 11520));
    paintWhite(shape1);

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twips(12720, 120, 2415, 1455));
    QFont emblemFont(font().family());
    emblemFont.setPointSizeF(8.25);
    emblemFont.setWeight(QFont::Normal);
    Picture2->setFont(emblemFont);
    Picture2->setAccessibleName(tr("Emblem: the body's water compartments"));
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2->setPixmap(QPixmap(QStringLiteral(":/art/emblem.png")));

    Picture1 = new PixelPanel(palette().color(QPalette::WindowText), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Case and questions"));
    Picture1->setGeometry(twips(0, 0, 12375, 8895));

    seeanswer1 = addButton("seeanswer1", tr("See answer 1"), 1800, true);

    Picture3 = new PixelPanel(QColor(255, 0, 0), this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setAccessibleName(tr("Worked answer"));
    Picture3->setGeometry(twips(120, 9000, 12375, 2415));
    Picture3->hide();

    end = addButton("end", tr("end"), 10440, true);
    hideanswer1 = addButton("hideanswer1", tr("Hide answer 1"), 2400, false);
    seeanswer2 = addButton("seeanswer2", tr("See answer 2"), 3000, false);
    hideanswer2 = addButton("hideanswer2", tr("Hide answer 2"), 3600, false);
    seeanswer3 = addButton("seeanswer3", tr("See answer 3"), 4200, false);
    hideanswer3 = addButton("hideanswer3", tr("Hide answer 3"), 4800, false);
    seeanswer4 = addButton("seeanswer4", tr("See answer 4"), 5400, false);
    hideanswer4 = addButton("hideanswer4", tr("Hide answer 4"), 6000, false);
    seeanswer5 = addButton("seeanswer5", tr("See answer 5"), 6600, false);
    hideanswer5 = addButton("hideanswer5", tr("Hide answer 5"), 7200, false);
    seeanswer6 = addButton("seeanswer6", tr("See answer 6"), 7800, false);
    hideanswer6 = addButton("hideanswer6", tr("Hide answer 6"), 8400, false);
}

QPushButton* Form1::addButton(const char* name, const QString& caption, int topTwips,
                              bool visible) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twips(buttonLeft, topTwips, buttonWidth, buttonHeight));
    button->setAutoDefault(false);
    button->setVisible(visible);
    return button;
}

void Form1::connectButtons() {
    connect(seeanswer1, &QPushButton::clicked, this, &Form1::seeanswer1_Click);
    connect(hideanswer1, &QPushButton::clicked, this, &Form1::hideanswer1_Click);
    connect(seeanswer2, &QPushButton::clicked, this, &Form1::seeanswer2_Click);
    connect(hideanswer2, &QPushButton::clicked, this, &Form1::hideanswer2_Click);
    connect(seeanswer3, &QPushButton::clicked, this, &Form1::seeanswer3_Click);
    connect(hideanswer3, &QPushButton::clicked, this, &Form1::hideanswer3_Click);
    connect(seeanswer4, &QPushButton::clicked, this, &Form1::seeanswer4_Click);
    connect(hideanswer4, &QPushButton::clicked, this, &Form1::hideanswer4_Click);
    connect(seeanswer5, &QPushButton::clicked, this, &Form1::seeanswer5_Click);
    connect(hideanswer5, &QPushButton::clicked, this, &Form1::hideanswer5_Click);
    connect(seeanswer6, &QPushButton::clicked, this, &Form1::seeanswer6_Click);
    connect(hideanswer6, &QPushButton::clicked, this, &Form1::hideanswer6_Click);
    connect(end, &QPushButton::clicked, this, &Form1::end_Click);
}

// Keyboard focus follows the controls' tab order; the panels and the emblem
// take none, so Tab steps through the visible buttons only.
void Form1::setFocusOrder() {
    const QList<QWidget*> order = {Picture2,   Picture1,    seeanswer1, Picture3,
                                   end,        hideanswer1, seeanswer2, hideanswer2,
                                   seeanswer3, hideanswer3, seeanswer4, hideanswer4,
                                   seeanswer5, hideanswer5, seeanswer6, hideanswer6};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::Form_Load() {
    makecase(state_, random_);
    printCase(*Picture1, state_);
}

// The button that leads on appears and takes the keyboard focus before the
// clicked one hides, so Space always presses the next step, and a screen
// reader never hears the focus pass through "end" on the way.
void Form1::moveOn(QPushButton* clicked, QWidget* next) {
    next->show();
    next->setFocus();
    clicked->hide();
}

void Form1::startAnswer() {
    Picture3->Cls();
    Picture3->show();
}

void Form1::seeanswer1_Click() {
    startAnswer();
    const Answer1 answer = answer1(state_);
    printAnswer1(*Picture3, state_, answer);
    moveOn(seeanswer1, hideanswer1);
}

void Form1::hideanswer1_Click() {
    Picture3->Cls();
    printQuestion2(*Picture1, state_);
    moveOn(hideanswer1, seeanswer2);
}

void Form1::seeanswer2_Click() {
    startAnswer();
    const Answer2 answer = answer2(state_);
    printAnswer2(*Picture3, state_, answer);
    moveOn(seeanswer2, hideanswer2);
}

void Form1::hideanswer2_Click() {
    Picture3->Cls();
    printQuestion3(*Picture1, state_);
    moveOn(hideanswer2, seeanswer3);
}

void Form1::seeanswer3_Click() {
    startAnswer();
    const Answer3 answer = answer3(state_);
    printAnswer3(*Picture3, state_, answer);
    moveOn(seeanswer3, hideanswer3);
}

void Form1::hideanswer3_Click() {
    Picture3->Cls();
    printQuestion4(*Picture1, state_);
    moveOn(hideanswer3, seeanswer4);
}

// After the last answer no button leads on: the answer panel takes the
// focus, so a screen reader reads it and Space presses nothing.
void Form1::seeanswer4_Click() {
    startAnswer();
    const Answer4 answer = answer4(state_);
    printAnswer4(*Picture3, state_, answer);
    moveOn(seeanswer4, Picture3);
}

void Form1::hideanswer4_Click() {
    Picture3->Cls();
    printEmptyQuestion(*Picture1);
    moveOn(hideanswer4, seeanswer5);
}

void Form1::seeanswer5_Click() {
    startAnswer();
    printEmptyAnswer(*Picture3);
    moveOn(seeanswer5, hideanswer5);
}

void Form1::hideanswer5_Click() {
    Picture3->Cls();
    printEmptyQuestion(*Picture1);
    moveOn(hideanswer5, seeanswer6);
}

void Form1::seeanswer6_Click() {
    startAnswer();
    printEmptyAnswer(*Picture3);
    moveOn(seeanswer6, hideanswer6);
}

void Form1::hideanswer6_Click() {
    Picture3->Cls();
    moveOn(hideanswer6, Picture3);
}

void Form1::end_Click() {
    QApplication::exit(0);
}
