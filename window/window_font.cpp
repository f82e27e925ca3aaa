// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_font.h"

#include "core/form_layout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

QFont windowFont() {
    const QStringList faces = {QStringLiteral("MS Sans Serif"),
                               QStringLiteral("Microsoft Sans Serif"),
                               QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive)) {
            font.setFamily(face);
            break;
        }
    }
    font.setPixelSize(fontPixelSize);
    font.setWeight(QFont::Bold);
    return font;
}

bool windowFontDrawsText() {
    const QFontMetrics metrics(windowFont());
    const QString sample = QStringLiteral("Aa0.%");
    return std::all_of(sample.begin(), sample.end(),
                       [&metrics](QChar c) { return metrics.inFont(c); });
}
