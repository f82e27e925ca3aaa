// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CPU time of one step of the exercise: a See or Hide click, its handler
// and the repaint it causes, on the offscreen platform.
// Usage: QT_QPA_PLATFORM=offscreen step_bench [RUNS]   (default 200 runs of 7 steps)

#include "case/random_source.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Processor time of the whole process, all its threads, in microseconds.
double cpuMicroseconds() {
    return static_cast<double>(std::clock()) * 1e6 / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    const char* steps[] = {"seeanswer1", "hideanswer1", "seeanswer2", "hideanswer2",
                           "seeanswer3", "hideanswer3", "seeanswer4"};
    std::vector<double> times;
    SystemRandomSource random;
    for (int run = 0; run < runs; ++run) {
        Form1 form(random);
        form.Form_Load();
        form.resize(1024, 768);
        form.show();
        QApplication::processEvents();
        for (const char* step : steps) {
            auto* button = form.findChild<QAbstractButton*>(step);
            const double start = cpuMicroseconds();
            button->click();
            QApplication::processEvents(); // the repaint of what the step changed
            times.push_back(cpuMicroseconds() - start);
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("%zu steps: median %.0f us, min %.0f us, max %.0f us CPU per step\n", times.size(),
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
