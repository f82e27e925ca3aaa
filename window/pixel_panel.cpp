// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/pixel_panel.h"

#include "window/panel_accessible.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

PixelPanel::PixelPanel(const QColor& foreColor, QWidget* parent)
    : QWidget(parent), foreColor_(foreColor), panel_(metrics(), *this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    PanelAccessible::install();
}

void PixelPanel::cleared() {
    renderImage();
}

void PixelPanel::printed(const std::vector<PrintedRun>& runs) {
    if (imageIsCurrent())
        drawRuns(runs);
    else
        renderImage();
}

QStringList PixelPanel::transcript() const {
    QStringList lines;
    for (const std::string& line : panel_.lines())
        lines.append(QString::fromStdString(line));
    return lines;
}

void PixelPanel::announceChanges() {
    const PanelChange change = panel_.takeChange();
    if (!change.removed.empty()) {
        QAccessibleTextRemoveEvent removed(this, 0, QString::fromStdString(change.removed));
        QAccessible::updateAccessibility(&removed);
    }
    if (!change.added.empty()) {
        const QString added = QString::fromStdString(change.added);
        QAccessibleTextInsertEvent inserted(this, static_cast<int>(text().size() - added.size()),
                                            added);
        QAccessible::updateAccessibility(&inserted);
    }
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
        panel_.setMetrics(metrics());
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
    drawRuns(panel_.runs());
    update();
}

// Text is placed in layout pixels and rasterized at the size it is shown at.
// The zoom is the painter's own scale: a painter takes an image's pixel
// ratio only where it enlarges, so a ratio below 1 would draw full size.
void PixelPanel::drawRuns(const std::vector<PrintedRun>& runs) {
    if (image_.isNull() || runs.empty())
        return;
    QPainter painter(&image_);
    painter.scale(imageZoom_, imageZoom_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    const int ascent = fontMetrics().ascent();
    for (const PrintedRun& run : runs)
        painter.drawText(QPoint(run.x, run.y + ascent), QString::fromStdString(run.text));
    update();
}
