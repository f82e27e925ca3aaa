// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/body_water_view.h"

#include "window/body_water_painter.h"
#include "window/window_font.h"

#include <QFontMetrics>
#include <QPainter>

BodyWaterView::BodyWaterView(const Language& language, QWidget* parent)
    : QWidget(parent), language_(language), font_(windowFont()) {
    setObjectName(QStringLiteral("bodyWater"));
    font_.setPixelSize(pictureFontPixelSize);
    font_.setWeight(QFont::Normal);
    setAccessibleName(QString::fromStdString(bodyWaterTitle(language_)));
    hide();
}

void BodyWaterView::draw(const BodyWater& water) {
    const QFontMetrics metrics(font_);
    const PixelRect room = pictureRoom();
    picture_ = drawBodyWater(water, language_,
                             {room.width, room.height, metrics.height(),
                              [&metrics](const std::string& text) {
                                  return metrics.horizontalAdvance(QString::fromStdString(text));
                              },
                              true});
    setAccessibleDescription(QString::fromStdString(bodyWaterDescription(language_, water)));
    update();
}

void BodyWaterView::setZoom(qreal zoom) {
    zoom_ = zoom;
    const PixelRect room = pictureRoom(zoom);
    setGeometry(room.left, room.top, room.width, room.height);
    update();
}

void BodyWaterView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(zoom_, zoom_);
    painter.setFont(font_);
    paintBodyWater(painter, picture_, 1.0);
}
