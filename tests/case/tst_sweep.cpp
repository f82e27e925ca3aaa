// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/case_sweep.h"

#include <QtTest>

class TestSweep : public QObject {
    Q_OBJECT

private slots:
    void millionCasesStayInRange();
};

// A million cases (six million draws) with floating-point faults trapped;
// bench/ has the long version.
void TestSweep::millionCasesStayInRange() {
    CaseSweep sweep(20261208);
    const std::string fault = sweep.run(1'000'000);
    QVERIFY2(fault.empty(), fault.c_str());
    QCOMPARE(sweep.draws, 6'000'000u);
}

QTEST_APPLESS_MAIN(TestSweep)
#include "tst_sweep.moc"
