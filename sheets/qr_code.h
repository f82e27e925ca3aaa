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

// The widest code a sheet prints: version 10, 57 modules a side, each
// about 0.4 mm in the room a sheet gives its code. A phone reads modules
// that size from paper, and a 150 dpi scan decodes; wider codes get finer
// than a cheap printer or camera resolves.
inline constexpr int widestPrintedCode = 57;

// Draws `code` as vector shapes, square modules filling `square`. The
// quiet zone, four modules of white around it, is the caller's to leave.
void drawQrCode(QPainter& painter, const QRect& square, const QrCode& code);
