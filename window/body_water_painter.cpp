// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/body_water_painter.h"

#include <QPainter>

void paintBodyWater(QPainter& painter, const BodyWaterPicture& picture, qreal lineWidth) {
    const QPen outline(Qt::black, lineWidth);
    const QPen hatching(Qt::black, lineWidth / 2);
    for (const PictureBox& box : picture.boxes) {
        const QRect rect(box.rect.left, box.rect.top, box.rect.width, box.rect.height);
        painter.fillRect(rect, QColor(box.fill.red, box.fill.green, box.fill.blue));
    }
    for (const PictureLine& line : picture.lines) {
        painter.setPen(line.hatching ? hatching : outline);
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    for (const PictureBox& box : picture.boxes)
        painter.drawRect(box.rect.left, box.rect.top, box.rect.width, box.rect.height);
    const int ascent = painter.fontMetrics().ascent();
    for (const PictureText& text : picture.texts)
        for (std::size_t n = 0; n < text.lines.size(); ++n)
            painter.drawText(text.rect.left,
                             text.rect.top + static_cast<int>(n) * picture.lineHeight + ascent,
                             QString::fromStdString(text.lines[n]));
}
