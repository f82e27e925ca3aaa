// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/make_case.h"
#include "case/seeded_random_source.h"
#include "case/truncation.h"
#include "support/exact.h"
#include "support/trapped_faults.h"
#include "support/worked_example.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <set>

namespace {

constexpr float topDraw = 1.0f - 0x1p-24f;    // the largest draw below 1
constexpr float secondDraw = 1.0f - 0x1p-23f; // the one below it

// Gives every draw of one step a chosen value; the other steps get the
// worked example's draws. Cheap enough to run makecase 2^24 times.
class OneStepSweep final : public RandomSource {
public:
    explicit OneStepSweep(int step) : step_(step) {}
    void reseed() override { next_ = 0; }
    float next() override {
        const int i = next_++;
        return i == step_ ? value : example_[i];
    }
    float value = 0;

private:
    const int step_;
    const std::array<float, 6> example_{0.25f, 0.4375f, 0.25f, 0.5f, 0.5f, 0.25f};
    int next_ = 0;
};

} // namespace

class TestMakeCase : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void reseedsBeforeDrawing();
    void sex_data();
    void sex();
    void weightAndHaematocritEdges_data();
    void weightAndHaematocritEdges();
    void concentrationsAreTruncated_data();
    void concentrationsAreTruncated();
    void everyDrawOfAStepIsInRange_data();
    void everyDrawOfAStepIsInRange();
};

void TestMakeCase::workedExample() {
    ListedRandomSource random(workedExampleDraws());
    CaseState state;
    makecase(state, random);

    QVERIFY(state.sex == Sex::man);
    QCOMPARE_EXACT(state.sexdraw, 0.5f);
    QCOMPARE_EXACT(state.weight, 75.3f);
    QCOMPARE_EXACT(state.haematocrit, 0.45f);
    // 75.3 x 0.575 = 43.2975, cut to 43.2; the next two steps use 43.2:
    // 43.2975 x 0.56 would have given 24.2.
    QCOMPARE_EXACT(state.totalbodywater, 43.2f);
    QCOMPARE_EXACT(state.extracellularfluid, 24.1f);
    QCOMPARE_EXACT(state.plasmavolume, 2.8f);
    // 50 / 2.8 = 17.857 (50 / 2.808 would have given 17.80).
    QCOMPARE_EXACT(state.antipyrineconc, 1.15f);
    QCOMPARE_EXACT(state.thiosulphateconc, 2.07f);
    QCOMPARE_EXACT(state.evansblueconc, 17.85f);
    QCOMPARE(random.taken(), std::size_t(6));
}

// One reseed, before any draw: a reseed after them would give every run
// the same patient. The listed source starts its list again at a reseed, so
// draws taken before makecase change nothing only if it reseeds first.
void TestMakeCase::reseedsBeforeDrawing() {
    ListedRandomSource random(workedExampleDraws());
    random.next();
    random.next();
    CaseState state;
    makecase(state, random);
    QCOMPARE(random.reseeds(), 1);
    QCOMPARE_EXACT(state.weight, 75.3f);
    QCOMPARE_EXACT(state.plasmavolume, 2.8f);
}

void TestMakeCase::sex_data() {
    QTest::addColumn<float>("draw");
    QTest::addColumn<bool>("man");

    QTest::newRow("0") << 0.0f << true;
    QTest::newRow("0.25") << 0.25f << true;
    QTest::newRow("exactly 0.5") << 0.5f << true;
    QTest::newRow("just above 0.5") << std::nextafter(0.5f, 1.0f) << false;
    QTest::newRow("top draw") << topDraw << false;
}

void TestMakeCase::sex() {
    QFETCH(float, draw);
    QFETCH(bool, man);

    auto draws = workedExampleDraws();
    draws[0] = draw;
    ListedRandomSource random(draws);
    CaseState state;
    makecase(state, random);

    QCOMPARE_EXACT(state.sexdraw, 2.0f * draw);
    QCOMPARE(state.sex, man ? Sex::man : Sex::woman);
}

void TestMakeCase::weightAndHaematocritEdges_data() {
    QTest::addColumn<float>("draw");
    QTest::addColumn<float>("weight");
    QTest::addColumn<float>("haematocrit");

    QTest::newRow("0") << 0.0f << 60.0f << 0.40f;
    QTest::newRow("worked example") << 0.4375f << 75.3f << 0.48f;
    QTest::newRow("top draw") << topDraw << 94.9f << 0.59f;
    QTest::newRow("second draw from the top") << secondDraw << 94.9f << 0.59f;
}

void TestMakeCase::weightAndHaematocritEdges() {
    QFETCH(float, draw);
    QFETCH(float, weight);
    QFETCH(float, haematocrit);

    auto draws = workedExampleDraws();
    draws[1] = draw;
    draws[2] = draw;
    ListedRandomSource random(draws);
    CaseState state;
    makecase(state, random);
    QCOMPARE_EXACT(state.weight, weight);
    QCOMPARE_EXACT(state.haematocrit, haematocrit);
}

void TestMakeCase::concentrationsAreTruncated_data() {
    QTest::addColumn<float>("volume");
    QTest::addColumn<float>("concentration");

    QTest::newRow("50 / 42.3 = 1.18203") << 42.3f << 1.18f;
    QTest::newRow("50 / 16.1 = 3.10559") << 16.1f << 3.1f;
    QTest::newRow("50 / 2.8 = 17.857") << 2.8f << 17.85f;
    QTest::newRow("50 / 30.0 = 1.6667") << 30.0f << 1.66f;
}

void TestMakeCase::concentrationsAreTruncated() {
    QFETCH(float, volume);
    QFETCH(float, concentration);
    QCOMPARE_EXACT(truncateToHundredth(indicatorDose / volume), concentration);
}

void TestMakeCase::everyDrawOfAStepIsInRange_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<float>("scale");
    QTest::addColumn<float>("offset");
    QTest::addColumn<float>("divisor");
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");

    QTest::newRow("weight, 60.0 to 94.9 kg") << 1 << 350.0f << 600.0f << 10.0f << 60.0f << 94.9f;
    QTest::newRow("haematocrit, 0.40 to 0.59") << 2 << 20.0f << 40.0f << 100.0f << 0.40f << 0.59f;
}

// Every one of the 2^24 draws the step can receive, faults trapped: each
// gives a whole step of the range (a tenth of a kg, a hundredth of
// haematocrit) as the nearest float, never below the whole steps the draw
// reaches (r x scale + offset, exact in double) nor more than one above
// them (single-precision rounding), never less than the draw before; the
// two largest give the top of the range; and every step occurs.
void TestMakeCase::everyDrawOfAStepIsInRange() {
    QFETCH(int, step);
    QFETCH(float, scale);
    QFETCH(float, offset);
    QFETCH(float, divisor);
    QFETCH(float, low);
    QFETCH(float, high);

    const TrappedFaults traps;
    OneStepSweep random(step);
    CaseState state;
    std::set<long> seen;
    float previous = low;
    for (std::uint32_t k = 0; k < SystemRandomSource::gridSize; ++k) {
        const float r = SystemRandomSource::drawAt(k);
        random.value = r;
        makecase(state, random);
        const float value = step == 1 ? state.weight : state.haematocrit;
        const long steps = std::lround(double(value) * divisor);
        const double reached = std::floor(double(r) * scale + offset);
        const bool topDraws = k >= SystemRandomSource::gridSize - 2;
        const bool wholeStep = value == static_cast<float>(steps) / divisor;
        const bool fromDraw = topDraws ? value == high : steps == reached || steps == reached + 1;
        if (!wholeStep || !fromDraw || value < previous || value < low || value > high)
            QFAIL(qPrintable(QStringLiteral("draw %1 gives %2").arg(k).arg(value)));
        previous = value;
        seen.insert(steps);
    }
    QCOMPARE(seen.size(), static_cast<std::size_t>(scale));
}

QTEST_APPLESS_MAIN(TestMakeCase)
#include "tst_makecase.moc"
