// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise_texts.h"

#include <iterator>

namespace {

constexpr Tab indent{5};
constexpr Tab listIndent{10};

} // namespace

const char* captionOf(Control control) {
    constexpr const char* captions[] = {
        "See answer 1", "Hide answer 1", "See answer 2", "Hide answer 2",
        "See answer 3", "Hide answer 3", "See answer 4", "Hide answer 4",
        "See answer 5", "Hide answer 5", "See answer 6", "Hide answer 6",
        "end"};
    const auto n = static_cast<std::size_t>(control);
    return n < std::size(captions) ? captions[n] : "";
}

const char* accessibleNameOf(Control control) {
    switch (control) {
    case Control::Picture1:
        return "Case and questions";
    case Control::Picture3:
        return "Worked answer";
    case Control::Picture2:
        return "Emblem: the body's water compartments";
    default:
        return "";
    }
}

void printCase(TextPanel& panel, const CaseState& state) {
    panel.Print();
    panel.Print({indent, "The patient is a ", state.noun, " who weighs", state.weight, " kg"});
    panel.Print({indent, state.pronoun, " was injected with 50 mg each of:"});
    panel.Print({listIndent, "antipyrine, which distributes throughout total body water"});
    panel.Print({listIndent, "sodium thiosulphate, which does not enter cells"});
    panel.Print({listIndent, "Evans blue, which does not leave blood vessels to any significant "
                             "extent over 2 - 3 hours"});
    panel.Print();
    panel.Print({indent, "20 min after the injection a 10 mL blood sample was taken, and the "
                         "concentrations of the three compounds"});
    panel.Print({indent, "and the haematocrit were measured:"});
    panel.Print({listIndent, "antipyrine = ", state.antipyrineconc,
                 " thiosulphate = ", state.thiosulphateconc, " Evans blue = ", state.evansblueconc,
                 "µg /mL, haematocrit = ", state.haematocrit});
    panel.Print();
    panel.Print({"1)", indent, "What is ", state.possessive, " total body water?"});
    panel.Print({indent, "What percentage of ", state.possessive, " body weight is this?"});
}

void printAnswer1(TextPanel& panel, const CaseState& state, const Answer1& answer) {
    panel.Print();
    panel.Print({indent, "Antipyrine distrubutes throughout total body water."});
    panel.Print({indent, "Therefore total body water = the volume in which 50 mg antipyrine is "
                         "dissolved."});
    panel.Print();
    panel.Print({indent, "total body water = 50 / concentration of antipyrine = 50 / ",
                 state.antipyrineconc, " = ", state.totalbodywater, " L"});
    panel.Print();
    panel.Print({indent, "This is (total body water / body weight) x 100 = (", state.totalbodywater,
                 " / ", state.weight, ") x 100 = ", answer.tbwpercent, "% of body weight"});
}

void printAnswer2(TextPanel& panel, const CaseState& state, const Answer2& answer) {
    panel.Print();
    panel.Print({indent, "Sodium thiosulphate does not enter cells, but distributes throughout "
                         "extracellular fluid."});
    panel.Print({indent, "Therefore extracellular fluid = the volume in which 50 mg thiosulphate "
                         "is dissolved."});
    panel.Print();
    panel.Print({indent, "extracellular fluid = 50 / concentration of thiosulphate = 50 / ",
                 state.thiosulphateconc, " = ", answer.ecfanswer, " L"});
    panel.Print();
    panel.Print({indent, "This is (extracellular fluid / total body water) x 100 = (",
                 answer.ecfanswer, " / ", state.totalbodywater, ") x 100 = ", answer.ecfpercent,
                 "% of total body water"});
}

void printAnswer3(TextPanel& panel, const CaseState& state, const Answer3& answer) {
    panel.Print(
        {indent, "Evans blue does not leave blood vessels, so measures only plasma volume."});
    panel.Print({indent, "Therefore plasma volume = the volume in which 50 mg Evans blue is "
                         "dissolved."});
    panel.Print();
    panel.Print({indent, "plasma volume = 50 / concentration of Evans blue = 50 / ",
                 state.evansblueconc, " = ", state.plasmavolume, " L"});
    panel.Print();
    panel.Print({indent, "This is (plasma volume / total body water) x 100 = (", state.plasmavolume,
                 " / ", state.totalbodywater, ") x 100 = ", answer.plasmapercent,
                 "% of total body water"});
}

void printAnswer4(TextPanel& panel, const CaseState& state, const Answer4& answer) {
    panel.Print({indent, "The haematocrit is that proportion of the blood that is occupied by "
                         "cells."});
    panel.Print({indent, "Plasma volume = total blood volume x (1 - haematocrit)"});
    panel.Print({indent, "plasma volume / (1 - haematocrit) = total blood volume = ",
                 state.plasmavolume, " / (1 - ", state.haematocrit, ") = ", state.plasmavolume,
                 " / ", answer.oneminushaematocrit, " = ", answer.bloodvolume, "L"});
}

void printQuestion(TextPanel& panel, const CaseState& state, int n) {
    panel.Print();
    const auto share = [&] {
        panel.Print(
            {indent, "What percentage of ", state.possessive, " total body water is this?"});
    };
    switch (n) {
    case 2:
        panel.Print({"2)", indent, "What is ", state.possessive, " extracellular fluid volume?"});
        return share();
    case 3:
        panel.Print({"3)", indent, "What is ", state.possessive, " plasma volume?"});
        return share();
    case 4:
        panel.Print();
        panel.Print({"4)", indent, "What is ", state.possessive, " total blood volume?"});
        return;
    default:
        panel.Print({indent}, false);
    }
}

void printEmptyAnswer(TextPanel& panel) {
    panel.Print({indent}, false);
}
