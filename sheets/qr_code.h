// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class QPainter;
class QRect;

// A QR code: `width` modules a side, row by row, true where dark.
struct QrCode {
    int width = 0;
    std::vector<bool> dark;
};

// The QR code of `text` at error correction level M (readable with 15 % of
// it smudged); no modules where the text is too long for a QR code.
QrCode encodeQrCode(const std::string& text);

// Draws `code` as vector shapes, square modules filling `square`. The
// quiet zone, four modules of white around it, is the caller's to leave.
void drawQrCode(QPainter& painter, const QRect& square, const QrCode& code);
