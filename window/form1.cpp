// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include "core/exercise_texts.h"
#include "core/ink.h"
#include "window/body_water_view.h"
#include "window/pixel_panel.h"
#include "window/practice_panel.h"
#include "window/window_font.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// A rectangle of the layout table, in logical pixels, drawn at a zoom.
QRect pixels(const ControlLayout& row, qreal zoom) {
    const PixelRect r = pixelsOf(row, zoom);
    return {r.left, r.top, r.width, r.height};
}

QString textOf(const std::string& text) {
    return QString::fromStdString(text);
}

void paintWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The panels are white whatever the desktop's colours, so their ink is the
// desktop's window-text colour only where that reads on white.
QColor questionInk() {
    const QColor system = QApplication::palette().color(QPalette::WindowText);
    const Rgb ink = readableOnWhite({system.red(), system.green(), system.blue()});
    return QColor(ink.red, ink.green, ink.blue);
}

// The window is a white page on every desktop: it keeps the style's own
// light colours, so buttons do not turn dark on it under a dark scheme.
QPalette lightPalette() {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, questionInk());
    return palette;
}

} // namespace

Form1::Form1(RandomSource& random, Language language, double scale, bool practice, QWidget* parent)
    : QWidget(parent), Picture1(new PixelPanel(questionInk())), Picture3(new PixelPanel(Qt::red)),
      language_(language),
      exercise_(random, Picture1->panel(), Picture3->panel(), language, practice), scale_(scale) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(formCaption));
    // From a pixmap: a file name would send QIcon looking for icon plugins.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/art/icon-32.png"))));
    setFont(windowFont());
    setPalette(lightPalette());
    paintWhite(this);
    resize(toPixels(restoredWidth, scale), toPixels(restoredHeight, scale));
    createControls();
    if (practice)
        createPractice();
    bodyWater_ = new BodyWaterView(language_, this);
    bodyWater_->setZoom(zoom_);
    setFocusOrder();
    mirror(exercise_.stage());
    exercise_.onStage([this](const Stage& stage) { mirror(stage); });
}

// The controls are created bottom-most first, so later ones stack above.
// The two panels were made first, for the exercise, and join the window in
// their turn, so stacking and focus order follow the table.
void Form1::createControls() {
    for (auto row = std::rbegin(formLayout); row != std::rend(formLayout); ++row) {
        QWidget* control = createControl(*row);
        control->setObjectName(QString::fromLatin1(row->name));
        control->setGeometry(pixels(*row, 1.0));
        control->setVisible(row->visibleAtStart);
        controls_[static_cast<std::size_t>(row->control)] = control;
    }
}

// Practice's fields lie over the answer panel, in the window's palette.
void Form1::createPractice() {
    practice_ = new PracticePanel(language_, Picture3);
    practice_->setPalette(lightPalette());
    practice_->setFont(font());
    connect(practice_, &PracticePanel::typed, this,
            [this](Quantity quantity, const std::string& text) { exercise_.type(quantity, text); });
    connect(practice_, &PracticePanel::checkPressed, this, [this] { exercise_.check(); });
}

QWidget* Form1::createControl(const ControlLayout& row) {
    switch (row.kind) {
    case ControlKind::Button:
        return createButton(row);
    case ControlKind::TextPanel: {
        PixelPanel* panel = row.control == Control::Picture1 ? Picture1 : Picture3;
        panel->setParent(this);
        panel->setAccessibleName(textOf(accessibleNameOf(language_, row.control)));
        return panel;
    }
    case ControlKind::Emblem: {
        Picture2 = new QLabel(this);
        QFont emblemFont(font().family());
        emblemFont.setPointSizeF(8.25);
        emblemFont.setWeight(QFont::Normal);
        Picture2->setFont(emblemFont);
        Picture2->setAccessibleName(textOf(accessibleNameOf(language_, row.control)));
        Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Picture2->setPixmap(QPixmap(QStringLiteral(":/art/emblem.png")));
        return Picture2;
    }
    case ControlKind::Backdrop:
        break;
    }
    auto* backdrop = new QWidget(this);
    paintWhite(backdrop);
    return backdrop;
}

QPushButton* Form1::createButton(const ControlLayout& row) {
    auto* button = new QPushButton(textOf(captionOf(language_, row.control)), this);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    const Control control = row.control;
    connect(button, &QPushButton::clicked, this, [this, control] { exercise_.click(control); });
    return button;
}

// Keyboard focus follows the controls' tab indexes; the panels and the
// emblem take none, so Tab steps through the visible buttons only.
void Form1::setFocusOrder() {
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& row : formLayout)
        if (row.tabIndex >= 0)
            order.push_back(&row);
    std::sort(order.begin(), order.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widget(order[i - 1]->control), widget(order[i]->control));
}

void Form1::Form_Load() {
    exercise_.Form_Load();
}

// One key press makes at most one step. A held key repeats; where the window
// system's repeats are not marked as such, each comes as a release and a
// press with the same time stamp. The release presses the button that has
// the focus, but the press that follows it (on the next button) is dropped,
// so the held key cannot run on through the exercise.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        lastKeyRelease_ = static_cast<QKeyEvent*>(event)->timestamp();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool repeated =
            key->isAutoRepeat() || (key->timestamp() != 0 && key->timestamp() == lastKeyRelease_);
        if (repeated)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Shows what the exercise shows and tells assistive technology what the
// step printed. The control that takes the focus appears and takes it
// before any other hides, so the focus never passes through "end" on the
// way and a screen reader does not announce it. "end" ends at once: the
// exercise takes no more clicks, so one already queued behind it runs no
// handler while the event loop winds down.
void Form1::mirror(const Stage& stage) {
    for (const ControlLayout& row : formLayout)
        if (stage.isVisible(row.control))
            widget(row.control)->show();
    if (practice_)
        practice_->mirror(stage.practice);
    if (stage.complete && bodyWater_->isHidden()) {
        bodyWater_->draw(bodyWaterOf(exercise_.caseState()));
        bodyWater_->show();
    }
    QWidget* focus = practice_ && stage.practice.focusField && practice_->isVisibleTo(this)
                         ? practice_->firstField()
                         : widget(stage.focus);
    if (focus->isVisibleTo(this) && !focus->hasFocus() && !stage.practice.checking)
        focus->setFocus();
    for (const ControlLayout& row : formLayout)
        if (!stage.isVisible(row.control))
            widget(row.control)->hide();
    Picture1->announceChanges();
    Picture3->announceChanges();
    if (stage.fault != FaultStep::none)
        emit faulted(textOf(faultMessage(language_, stage.fault)));
    else if (stage.ended)
        emit ended();
}

// A client area smaller than the layout draws the whole layout smaller.
void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyZoom(zoomToFit(width(), height(), scale_));
}

void Form1::applyZoom(qreal zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    QFont captions = windowFont();
    captions.setPixelSize(std::max(1, static_cast<int>(std::lround(captions.pixelSize() * zoom))));
    for (const ControlLayout& row : formLayout) {
        QWidget* control = widget(row.control);
        control->setGeometry(pixels(row, zoom));
        if (row.kind == ControlKind::Button)
            control->setFont(zoom == 1.0 ? QFont() : captions);
    }
    Picture1->setZoom(zoom);
    Picture3->setZoom(zoom);
    if (practice_)
        practice_->setZoom(zoom);
    bodyWater_->setZoom(zoom);
    const QPixmap emblem(QStringLiteral(":/art/emblem.png"));
    const qreal ratio = devicePixelRatioF();
    QPixmap shown =
        emblem.scaled(emblem.size() * zoom * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    Picture2->setPixmap(zoom == 1.0 ? emblem : shown);
}
