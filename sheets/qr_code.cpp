// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/qr_code.h"

#include <QPainter>
#include <QPainterPath>

#include <qrencode.h>

#include <memory>

QrCode encodeQrCode(const std::string& text) {
    const std::unique_ptr<QRcode, void (*)(QRcode*)> encoded(
        QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M), QRcode_free);
    QrCode code;
    if (!encoded)
        return code;
    code.width = encoded->width;
    for (int i = 0; i < code.width * code.width; ++i)
        code.dark.push_back((encoded->data[i] & 1) != 0);
    return code;
}

void drawQrCode(QPainter& painter, const QRect& square, const QrCode& code) {
    const qreal module = qreal(square.width()) / code.width;
    QPainterPath modules;
    modules.setFillRule(Qt::WindingFill);
    for (int row = 0; row < code.width; ++row)
        for (int column = 0; column < code.width; ++column)
            if (code.dark[static_cast<std::size_t>(row * code.width + column)])
                modules.addRect(square.left() + column * module, square.top() + row * module,
                                module, module);
    painter.fillPath(modules, Qt::black);
}
