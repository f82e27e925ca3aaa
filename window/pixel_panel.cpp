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
    const QString before = text();
    runs_.clear();
    layout_.home();
    transcript_.Cls();
    renderImage();
    announce(before);
}

void PixelPanel::Print(const PrintItems& items, bool endOfLine) {
    const QString before = text();
    const QList<TextRun> runs = layout_.place(items, endOfLine);
    runs_.append(runs);
    if (imageIsCurrent())
        drawRuns(runs);
    else
        renderImage();
    transcript_.Print(items, endOfLine);
    announce(before);
}

// Tells assistive technology what the panel now says, so a screen reader
// can read out a new answer or question as it appears.
void PixelPanel::announce(const QString& before) {
    const QString after = text();
    if (after == before)
        return;
    QAccessibleTextUpdateEvent event(this, 0, before, after);
    QAccessible::updateAccessibility(&event);
}

PrintLayout::Metrics PixelPanel::metrics() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth(), fm.height(),
            [fm](const QString& text) { return fm.horizontalAdvance(text); }};
}

void PixelPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), image_,
                      QRectF(QPointF(event->rect().topLeft()) * image_.devicePixelRatio(),
                             QSizeF(event->rect().size()) * image_.devicePixelRatio()));
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
    return image_.devicePixelRatio() == devicePixelRatioF() &&
           image_.size() == size() * devicePixelRatioF();
}

void PixelPanel::renderImage() {
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(size() * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
    drawRuns(runs_);
    update();
}

void PixelPanel::drawRuns(const QList<TextRun>& runs) {
    if (image_.isNull() || runs.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    const int ascent = fontMetrics().ascent();
    for (const TextRun& run : runs)
        painter.drawText(QPoint(run.x, run.y + ascent), run.text);
    update();
}
