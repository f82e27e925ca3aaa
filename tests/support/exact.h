// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtTest>

// QCOMPARE on floats forgives small differences; single-precision results
// here must match to the last bit.
#define QCOMPARE_EXACT(actual, expected)                                                           \
    QVERIFY2((actual) == (expected),                                                               \
             qPrintable(QStringLiteral("%1 is %2, expected %3")                                    \
                            .arg(QLatin1StringView(#actual))                                       \
                            .arg(static_cast<double>(actual), 0, 'g', 9)                           \
                            .arg(static_cast<double>(expected), 0, 'g', 9)))
