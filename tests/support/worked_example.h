// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// The draws of the worked example: a man of 75.3 kg, haematocrit 0.45,
// fractions 0.575, 0.56 and 0.065.
inline std::vector<float> workedExampleDraws() {
    return {0.25f, 0.4375f, 0.25f, 0.5f, 0.5f, 0.25f};
}

// The worked example's screens, letter by letter: the case of a man of
// 75.3 kg with haematocrit 0.45, and what each step prints for him.

inline const Lines caseLines = {
    "",
    "    The patient is a man who weighs 75.3  kg",
    "    He was injected with 50 mg each of:",
    "         antipyrine, which distributes throughout total body water",
    "         sodium thiosulphate, which does not enter cells",
    "         Evans blue, which does not leave blood vessels to any significant extent over "
    "2 - 3 hours",
    "",
    "    20 min after the injection a 10 mL blood sample was taken, and the concentrations of "
    "the three compounds",
    "    and the haematocrit were measured:",
    "         antipyrine =  1.15  thiosulphate =  2.07  Evans blue =  17.85 µg /mL, "
    "haematocrit =  0.45 ",
    "",
    "1)  What is his total body water?",
    "    What percentage of his body weight is this?",
};
inline const Lines question2Lines = {"", "2)  What is his extracellular fluid volume?",
                                     "    What percentage of his total body water is this?"};
inline const Lines question3Lines = {"", "3)  What is his plasma volume?",
                                     "    What percentage of his total body water is this?"};
inline const Lines question4Lines = {"", "", "4)  What is his total blood volume?"};

inline const Lines answer1Lines = {
    "",
    "    Antipyrine distrubutes throughout total body water.",
    "    Therefore total body water = the volume in which 50 mg antipyrine is dissolved.",
    "",
    "    total body water = 50 / concentration of antipyrine = 50 /  1.15  =  43.47  L",
    "",
    "    This is (total body water / body weight) x 100 = ( 43.47  /  75.3 ) x 100 =  57.7 % "
    "of body weight"};
inline const Lines answer2Lines = {
    "",
    "    Sodium thiosulphate does not enter cells, but distributes throughout extracellular "
    "fluid.",
    "    Therefore extracellular fluid = the volume in which 50 mg thiosulphate is dissolved.",
    "",
    "    extracellular fluid = 50 / concentration of thiosulphate = 50 /  2.07  =  24.15  L",
    "",
    "    This is (extracellular fluid / total body water) x 100 = ( 24.15  /  43.47 ) x 100 =  "
    "55.5 % of total body water"};
inline const Lines answer3Lines = {
    "    Evans blue does not leave blood vessels, so measures only plasma volume.",
    "    Therefore plasma volume = the volume in which 50 mg Evans blue is dissolved.",
    "",
    "    plasma volume = 50 / concentration of Evans blue = 50 /  17.85  =  2.8  L",
    "",
    "    This is (plasma volume / total body water) x 100 = ( 2.8  /  43.47 ) x 100 =  6.4 % of "
    "total body water"};
inline const Lines answer4Lines = {
    "    The haematocrit is that proportion of the blood that is occupied by cells.",
    "    Plasma volume = total blood volume x (1 - haematocrit)",
    "    plasma volume / (1 - haematocrit) = total blood volume =  2.8  / (1 -  0.45 ) =  2.8  / "
    " 0.55  =  5.09 L"};

// The stages of the sequence, 0 (question 1 posed) to 7 (answer 4 shown):
// what each panel holds there.
inline Lines questionsAt(int stage) {
    Lines lines = caseLines;
    const auto append = [&lines](const Lines& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    if (stage >= 2)
        append(question2Lines);
    if (stage >= 4)
        append(question3Lines);
    if (stage >= 6)
        append(question4Lines);
    return lines;
}

inline Lines answerAt(int stage) {
    switch (stage) {
    case 1:
        return answer1Lines;
    case 3:
        return answer2Lines;
    case 5:
        return answer3Lines;
    case 7:
        return answer4Lines;
    default:
        return {};
    }
}
