// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/answers.h"
#include "case/make_case.h"
#include "case/seeded_random_source.h"
#include "support/exact.h"
#include "support/worked_example.h"

#include <QtTest>

namespace {

CaseState workedExampleCase() {
    ListedRandomSource random(workedExampleDraws());
    CaseState state;
    makecase(state, random);
    return state;
}

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void bloodVolumeFallsShortOfThree();
    void percentageFallsShortOfSixty();
    void wholeExtracellularFluid();
    void percentagesUseWorkedTotalBodyWater();
    void bloodVolumeUsesWorkedPlasmaVolume();
};

void TestAnswers::workedExample() {
    const CaseState state = workedExampleCase();

    // In any order: working one answer changes no other.
    const Answer4 a4 = answer4(state);
    QCOMPARE_EXACT(a4.plasmavolume, 2.8f);
    QCOMPARE_EXACT(a4.oneminushaematocrit, 0.55f);
    QCOMPARE_EXACT(a4.bloodvolume, 5.09f);

    const Answer2 a2 = answer2(state);
    QCOMPARE_EXACT(a2.totalbodywater, 43.47f);
    QCOMPARE_EXACT(a2.ecfanswer, 24.15f);
    QCOMPARE_EXACT(a2.ecfpercent, 55.5f);

    const Answer1 a1 = answer1(state);
    QCOMPARE_EXACT(a1.totalbodywater, 43.47f);
    QCOMPARE_EXACT(a1.tbwpercent, 57.7f);

    const Answer3 a3 = answer3(state);
    QCOMPARE_EXACT(a3.totalbodywater, 43.47f);
    QCOMPARE_EXACT(a3.plasmavolume, 2.8f);
    QCOMPARE_EXACT(a3.plasmapercent, 6.4f);

    // The drawn volumes stay as they were.
    QCOMPARE_EXACT(state.totalbodywater, 43.2f);
    QCOMPARE_EXACT(state.extracellularfluid, 24.1f);
    QCOMPARE_EXACT(state.plasmavolume, 2.8f);
}

// Single precision shows: 1 - 0.40 is a little above 0.6, so the quotient
// falls just below 3 before it is cut to a hundredth.
void TestAnswers::bloodVolumeFallsShortOfThree() {
    CaseState state = workedExampleCase();
    state.evansblueconc = 27.77f; // 50 / 27.77 = 1.80050 -> 1.8
    state.haematocrit = 0.40f;
    QCOMPARE_EXACT(answer4(state).plasmavolume, 1.8f);
    QCOMPARE_EXACT(answer4(state).bloodvolume, 2.99f);
}

// 53.76 / 89.6 is 0.6 in real arithmetic, a little below in single precision.
void TestAnswers::percentageFallsShortOfSixty() {
    CaseState state = workedExampleCase();
    state.weight = 89.6f;
    state.antipyrineconc = 0.93f; // 50 / 0.93 = 53.763 -> 53.76
    const Answer1 a1 = answer1(state);
    QCOMPARE_EXACT(a1.totalbodywater, 53.76f);
    QCOMPARE_EXACT(a1.tbwpercent, 59.9f);
}

void TestAnswers::wholeExtracellularFluid() {
    CaseState state = workedExampleCase();
    state.antipyrineconc = 1.25f; // worked total body water 40
    state.thiosulphateconc = 2.5f;
    const Answer2 a2 = answer2(state);
    QCOMPARE_EXACT(a2.ecfanswer, 20.0f);
    QCOMPARE_EXACT(a2.ecfpercent, 50.0f);
}

void TestAnswers::percentagesUseWorkedTotalBodyWater() {
    CaseState state = workedExampleCase();
    state.totalbodywater = 30.0f; // as drawn
    state.antipyrineconc = 1.0f;  // worked: 50
    state.thiosulphateconc = 2.5f;
    state.evansblueconc = 20.0f;
    QCOMPARE_EXACT(answer2(state).ecfpercent, 40.0f);   // 20 of 30 would be 66.6
    QCOMPARE_EXACT(answer3(state).plasmapercent, 5.0f); // 2.5 of 30 would be 8.3
}

void TestAnswers::bloodVolumeUsesWorkedPlasmaVolume() {
    CaseState state = workedExampleCase(); // drawn plasma volume 2.8
    state.evansblueconc = 17.41f;          // worked: 50 / 17.41 = 2.8719 -> 2.87
    QCOMPARE_EXACT(answer4(state).plasmavolume, 2.87f);
    QCOMPARE_EXACT(answer4(state).bloodvolume, 5.21f); // 2.8 would give 5.09
}

QTEST_APPLESS_MAIN(TestAnswers)
#include "tst_answers.moc"
