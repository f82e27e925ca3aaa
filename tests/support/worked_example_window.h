#pragma once

#include "support/scripted_random.h"
#include "window/form1.h"

#include <QtTest>

// The exercise window with the worked example's patient, loaded and shown.
class WorkedExampleWindow {
public:
    WorkedExampleWindow() : random_(workedExampleDraws()), form(random_) { form.Form_Load(); }

    // Shows the window and makes it the active one, as on a desktop.
    bool show() {
        form.show();
        QApplication::setActiveWindow(&form);
        return QTest::qWaitForWindowActive(&form);
    }

private:
    ScriptedRandom random_;

public:
    Form1 form;
};
