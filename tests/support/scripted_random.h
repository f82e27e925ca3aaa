#pragma once

#include "case/random_source.h"

#include <QList>
#include <QtTest>

// Hands out the draws it was given, in order, and counts the reseeds.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> draws) : draws_(std::move(draws)) {}

    void reseed() override { ++reseeds; }
    float next() override {
        if (next_ >= draws_.size()) {
            QTest::qFail("more draws taken than scripted", __FILE__, __LINE__);
            return 0.0f;
        }
        return draws_[next_++];
    }

    qsizetype taken() const { return next_; }
    int reseeds = 0;

private:
    QList<float> draws_;
    qsizetype next_ = 0;
};

// The draws of the worked example: a man of 75.3 kg, haematocrit 0.45,
// fractions 0.575, 0.56 and 0.065.
inline QList<float> workedExampleDraws() {
    return {0.25f, 0.4375f, 0.25f, 0.5f, 0.5f, 0.25f};
}
