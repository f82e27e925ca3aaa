#pragma once

#include <QFont>
#include <QStringList>

// The faces asked for, best first. "MS Sans Serif" is the face the exercise
// was laid out in; the others share its proportions closely enough for the
// longest answer to fit the panels. A wide face (DejaVu Sans) would not.
QStringList windowFaces();

// The font of every button caption and of all printed text: the first face
// of windowFaces() that is installed (else the system's sans-serif), bold,
// 13 pixels high (9.75 point at the 96 dots per inch the layout is drawn at).
QFont windowFont();
