#pragma once

#include <QString>

// A number as the panels print it: a space (or "-" when negative), the value
// in plain decimal notation to at most 7 significant digits without trailing
// zeros or a point for whole values, then a space. The decimal point is
// always "." with a leading zero ("0.45"), whatever the user's locale, so
// every student's screen reads the same as the worked examples.
QString numberForm(float value);
