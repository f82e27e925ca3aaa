// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/pixel_panel.h"

#include "window/panel_accessible.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

PixelPanel::PixelPanel(const QColor& foreColor, QWidget* parent)
    : QWidget(parent), foreColor_(foreColor), layout_(metrics()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    PanelAccessible::install();
}

void PixelPanel::Cls() {
    runs_.clear();
    layout_.home();
    transcript_.Cls();
    renderImage();
}

void PixelPanel::Print(const PrintItems& items, bool endOfLine) {
    const std::vector<TextRun> runs = layout_.place(items, endOfLine);
    runs_.insert(runs_.end(), runs.begin(), runs.end());
    if (imageIsCurrent())
        drawRuns(runs);
    else
        renderImage();
    transcript_.Print(items, endOfLine);
}

QStringList PixelPanel::transcript() const {
    QStringList lines;
    for (const std::string& line : transcript_.lines())
        lines.append(QString::fromStdString(line));
    return lines;
}

// A panel only grows until it is cleared, so a change is either text added
// at the end or the whole text removed (and perhaps new text printed since).
void PixelPanel::announceChanges() {
    const QString now = text();
    if (now == announced_)
        return;
    if (!now.startsWith(announced_)) {
        QAccessibleTextRemoveEvent removed(this, 0, announced_);
        QAccessible::updateAccessibility(&removed);
        announced_.clear();
    }
    if (now.size() > announced_.size()) {
        QAccessibleTextInsertEvent inserted(this, static_cast<int>(announced_.size()),
                                            now.mid(announced_.size()));
        QAccessible::updateAccessibility(&inserted);
    }
    announced_ = now;
}

void PixelPanel::setZoom(qreal zoom) {
    zoom_ = zoom;
    if (!imageIsCurrent())
        renderImage();
}

PrintLayout::Metrics PixelPanel::metrics() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth(), fm.height(), [fm](const std::string& text) {
                return fm.horizontalAdvance(QString::fromStdString(text));
            }};
}

void PixelPanel::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    painter.drawImage(
        QRectF(event->rect()), image_,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

// A new size, a new screen with another pixel density, or a new font with
// other metrics: the image is redrawn from what has been printed. Text
// printed before the first show is already drawn at the right size.
bool PixelPanel::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::ScreenChangeInternal:
    case QEvent::Show:
        if (!imageIsCurrent())
            renderImage();
        break;
    case QEvent::FontChange:
        layout_.setMetrics(metrics());
        renderImage();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// A hidden widget gets its resize event only when shown, and a screen change
// may bring another pixel density: the image is checked before drawing.
bool PixelPanel::imageIsCurrent() const {
    const qreal ratio = devicePixelRatioF();
    return image_.devicePixelRatio() == ratio && imageZoom_ == zoom_ &&
           image_.size() == size() * ratio;
}

// The image has one pixel per device pixel of the panel on screen.
void PixelPanel::renderImage() {
    image_ = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatioF());
    imageZoom_ = zoom_;
    image_.fill(Qt::white);
    drawRuns(runs_);
    update();
}

// Text is placed in layout pixels and rasterized at the size it is shown at.
// The zoom is the painter's own scale: a painter takes an image's pixel
// ratio only where it enlarges, so a ratio below 1 would draw full size.
void PixelPanel::drawRuns(const std::vector<TextRun>& runs) {
    if (image_.isNull() || runs.empty())
        return;
    QPainter painter(&image_);
    painter.scale(imageZoom_, imageZoom_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    const int ascent = fontMetrics().ascent();
    for (const TextRun& run : runs)
        painter.drawText(QPoint(run.x, run.y + ascent), QString::fromStdString(run.text));
    update();
}
