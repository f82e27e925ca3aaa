// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise_texts.h"

#include "case/make_case.h"
#include "core/message.h"

// Placeholders in braces stand for values: a number comes with a space on
// either side ("weighs{weight} kg" prints "weighs 75.3  kg"), so a
// translation keeps the spaces around it as the English text has them.
// {dose} is the dose of each indicator, 50 (mg).

namespace {

constexpr Tab indent{5};
constexpr Tab listIndent{10};

// The message for a man or for a woman.
Message worded(Sex sex, Message man, Message woman) {
    return sex == Sex::man ? man : woman;
}

Placeholder dose() {
    return {"dose", indicatorDose};
}

// Prints the statements of a panel in a language: empty lines, and
// messages that start at a print column (a question with its number in
// the margin before it).
class Statements {
public:
    Statements(TextPanel& panel, const Language& language) : panel_(panel), language_(language) {}

    void empty() { panel_.Print(); }
    void at(Tab column, Message text, Placeholders values = {}, const char* margin = nullptr) {
        PrintItems items = statement(language_, text, values);
        items.insert(items.begin(), column);
        if (margin)
            items.insert(items.begin(), std::string(margin));
        panel_.Print(items);
    }

private:
    TextPanel& panel_;
    const Language& language_;
};

} // namespace

std::string captionOf(const Language& language, Control control) {
    const auto n = static_cast<int>(control);
    const Placeholder slot{"n", std::to_string(n / 2 + 1)};
    if (control == Control::end)
        // TRANSLATORS: the button that ends the exercise at once; the
        // program's own word is in lower case.
        return language.text(N_("end"));
    if (control >= Control::end)
        return "";
    // TRANSLATORS: the buttons that show and hide the worked answer to
    // question {n} (1 to 4).
    return n % 2 == 0 ? message(language, N_("See answer {n}"), {slot})
                      : message(language, N_("Hide answer {n}"), {slot});
}

std::string accessibleNameOf(const Language& language, Control control) {
    switch (control) {
    case Control::Picture1:
        // TRANSLATORS: what a screen reader calls the panel with the case.
        return language.text(N_("Case and questions"));
    case Control::Picture3:
        // TRANSLATORS: what a screen reader calls the panel with the answer.
        return language.text(N_("Worked answer"));
    case Control::Picture2:
        // TRANSLATORS: what a screen reader calls the picture at the top
        // right, brackets over a bar cut into compartments.
        return language.text(N_("Emblem: the body's water compartments"));
    default:
        return "";
    }
}

std::string faultMessage(const Language& language, FaultStep step) {
    if (step == FaultStep::makecase)
        // TRANSLATORS: "makecase" names the step that invents the patient.
        return language.text(N_("Compartica has stopped: the arithmetic of makecase failed "
                                "(overflow, division by zero or an invalid operation)."));
    const int n = static_cast<int>(step) - static_cast<int>(FaultStep::answer1) + 1;
    return message(language,
                   N_("Compartica has stopped: the arithmetic of answer {n} failed (overflow, "
                      "division by zero or an invalid operation)."),
                   {{"n", std::to_string(n)}});
}

std::string endedMessage(const Language& language) {
    return language.text(N_("The exercise has ended."));
}

std::string courseEndedMessage(const Language& language) {
    return language.text(
        N_("The exercise has ended: you can close it and go on with your course."));
}

std::string courseNote(const Language& language, CourseRecording recording) {
    switch (recording) {
    case CourseRecording::recorded:
        break;
    case CourseRecording::finishedShown:
        return language.text(N_("This attempt is finished and is shown as it ended: nothing done "
                                "here is recorded."));
    case CourseRecording::finished:
        return language.text(N_("This attempt is finished: nothing done here is recorded. To be "
                                "marked again, start a new attempt in the course."));
    case CourseRecording::preview:
        return language.text(N_("This is a preview: nothing done here is recorded."));
    case CourseRecording::unrecorded:
        return language.text(N_("The course is not recording this exercise: nothing done here is "
                                "recorded."));
    }
    return "";
}

std::string newPatientCaption(const Language& language) {
    return language.text(N_("Start a new patient"));
}

std::string startFailedMessage(const Language& language, const std::string& reason) {
    // TRANSLATORS: {reason} is the browser's own message, in its language.
    return message(language, N_("Compartica could not start: {reason}"), {{"reason", reason}});
}

std::string badCaseLinkMessage(const Language& language) {
    return language.text(N_("This link does not name a worksheet case, so this is a new patient."));
}

std::string caseNumberLabel(const Language& language, int index) {
    return message(language, N_("Case {index}"), {{"index", std::to_string(index)}});
}

std::string caseLabel(const Language& language, std::uint64_t setSeed, int index) {
    // TRANSLATORS: the label of a worksheet case; {name} is the case's name,
    // "S-i", with which a teacher makes it again.
    return message(language, N_("Case {index}, seed {name}"),
                   {{"index", std::to_string(index)},
                    {"name", std::to_string(setSeed) + "-" + std::to_string(index)}});
}

std::string nameAndDateLine(const Language& language) {
    // TRANSLATORS: the line at the top of a student's sheet, written in by
    // hand; keep the two blanks about as long.
    return language.text(
        N_("Name: ________________________________________    Date: ________________"));
}

std::string caseLinkIntro(const Language& language) {
    // TRANSLATORS: on a worksheet, above the address of its case on the
    // page, with the address's QR code beside it.
    return language.text(N_("Work this case on screen, with its answers one step at a time:"));
}

std::string answerKeyHeading(const Language& language, const std::string& label) {
    // TRANSLATORS: {label} is a case's label, "Case 7, seed S-7".
    return message(language, N_("Answer key: {label}"), {{"label", label}});
}

std::string answerHeading(const Language& language, int n) {
    return message(language, N_("Answer {n}"), {{"n", std::to_string(n)}});
}

std::string sheetsTitle(const Language& language, std::uint64_t setSeed) {
    // TRANSLATORS: the title of the PDF of a class set's sheets.
    return message(language, N_("Compartica cases, set {seed}"),
                   {{"seed", std::to_string(setSeed)}});
}

std::string keyTitle(const Language& language, std::uint64_t setSeed) {
    return message(language, N_("Compartica answer key, set {seed}"),
                   {{"seed", std::to_string(setSeed)}});
}

void printCase(TextPanel& panel, const CaseState& state, const Language& language) {
    const Sex sex = state.sex;
    Statements print(panel, language);
    print.empty();
    print.at(indent,
             // TRANSLATORS: the first line of the case; {weight} is in kg.
             worded(sex, NC_("man", "The patient is a man who weighs{weight} kg"),
                    NC_("woman", "The patient is a woman who weighs{weight} kg")),
             {{"weight", state.weight}});
    print.at(indent,
             worded(sex, NC_("man", "He was injected with{dose}mg each of:"),
                    NC_("woman", "She was injected with{dose}mg each of:")),
             {dose()});
    print.at(listIndent, N_("antipyrine, which distributes throughout total body water"));
    print.at(listIndent, N_("sodium thiosulphate, which does not enter cells"));
    print.at(listIndent, N_("Evans blue, which does not leave blood vessels to any significant "
                            "extent over 2 - 3 hours"));
    print.empty();
    print.at(indent, N_("20 min after the injection a 10 mL blood sample was taken, and the "
                        "concentrations of the three compounds"));
    // TRANSLATORS: continues the line before it.
    print.at(indent, N_("and the haematocrit were measured:"));
    print.at(listIndent,
             // TRANSLATORS: the three measured concentrations, in µg per mL, and the
             // haematocrit as a fraction.
             N_("antipyrine = {antipyrineconc} thiosulphate = {thiosulphateconc} Evans blue = "
                "{evansblueconc}µg /mL, haematocrit = {haematocrit}"),
             {{"antipyrineconc", state.antipyrineconc},
              {"thiosulphateconc", state.thiosulphateconc},
              {"evansblueconc", state.evansblueconc},
              {"haematocrit", state.haematocrit}});
    print.empty();
    print.at(indent,
             worded(sex, NC_("man", "What is his total body water?"),
                    NC_("woman", "What is her total body water?")),
             {}, "1)");
    print.at(indent, worded(sex, NC_("man", "What percentage of his body weight is this?"),
                            NC_("woman", "What percentage of her body weight is this?")));
}

void printAnswer1(TextPanel& panel, const CaseState& state, const Answer1& answer,
                  const Language& language) {
    Statements print(panel, language);
    print.empty();
    // TRANSLATORS: "distrubutes" is the program's own spelling, kept in
    // English; a translation spells its word rightly.
    print.at(indent, N_("Antipyrine distrubutes throughout total body water."));
    print.at(indent,
             N_("Therefore total body water = the volume in which{dose}mg antipyrine is "
                "dissolved."),
             {dose()});
    print.empty();
    print.at(indent,
             N_("total body water ={dose}/ concentration of antipyrine ={dose}/ {antipyrineconc} "
                "= {totalbodywater} L"),
             {dose(),
              {"antipyrineconc", state.antipyrineconc},
              {"totalbodywater", answer.totalbodywater}});
    print.empty();
    print.at(indent,
             // xgettext:no-c-format ("%" is the percent sign)
             N_("This is (total body water / body weight) x 100 = ({totalbodywater} / {weight}) x "
                "100 = {tbwpercent}% of body weight"),
             {{"totalbodywater", answer.totalbodywater},
              {"weight", state.weight},
              {"tbwpercent", answer.tbwpercent}});
}

void printAnswer2(TextPanel& panel, const CaseState& state, const Answer2& answer,
                  const Language& language) {
    Statements print(panel, language);
    print.empty();
    print.at(indent, N_("Sodium thiosulphate does not enter cells, but distributes throughout "
                        "extracellular fluid."));
    print.at(indent,
             N_("Therefore extracellular fluid = the volume in which{dose}mg thiosulphate is "
                "dissolved."),
             {dose()});
    print.empty();
    print.at(
        indent,
        N_("extracellular fluid ={dose}/ concentration of thiosulphate ={dose}/ "
           "{thiosulphateconc} = {ecfanswer} L"),
        {dose(), {"thiosulphateconc", state.thiosulphateconc}, {"ecfanswer", answer.ecfanswer}});
    print.empty();
    print.at(indent,
             // xgettext:no-c-format ("%" is the percent sign)
             N_("This is (extracellular fluid / total body water) x 100 = ({ecfanswer} / "
                "{totalbodywater}) x 100 = {ecfpercent}% of total body water"),
             {{"ecfanswer", answer.ecfanswer},
              {"totalbodywater", answer.totalbodywater},
              {"ecfpercent", answer.ecfpercent}});
}

void printAnswer3(TextPanel& panel, const CaseState& state, const Answer3& answer,
                  const Language& language) {
    Statements print(panel, language);
    print.at(indent,
             N_("Evans blue does not leave blood vessels, so measures only plasma volume."));
    print.at(indent,
             N_("Therefore plasma volume = the volume in which{dose}mg Evans blue is dissolved."),
             {dose()});
    print.empty();
    print.at(
        indent,
        N_("plasma volume ={dose}/ concentration of Evans blue ={dose}/ {evansblueconc} = "
           "{plasmavolume} L"),
        {dose(), {"evansblueconc", state.evansblueconc}, {"plasmavolume", answer.plasmavolume}});
    print.empty();
    print.at(indent,
             // xgettext:no-c-format ("%" is the percent sign)
             N_("This is (plasma volume / total body water) x 100 = ({plasmavolume} / "
                "{totalbodywater}) x 100 = {plasmapercent}% of total body water"),
             {{"plasmavolume", answer.plasmavolume},
              {"totalbodywater", answer.totalbodywater},
              {"plasmapercent", answer.plasmapercent}});
}

void printAnswer4(TextPanel& panel, const CaseState& state, const Answer4& answer,
                  const Language& language) {
    Statements print(panel, language);
    print.at(indent,
             N_("The haematocrit is that proportion of the blood that is occupied by cells."));
    print.at(indent, N_("Plasma volume = total blood volume x (1 - haematocrit)"));
    print.at(indent,
             N_("plasma volume / (1 - haematocrit) = total blood volume = {plasmavolume} / (1 - "
                "{haematocrit}) = {plasmavolume} / {oneminushaematocrit} = {bloodvolume}L"),
             {{"plasmavolume", answer.plasmavolume},
              {"haematocrit", state.haematocrit},
              {"oneminushaematocrit", answer.oneminushaematocrit},
              {"bloodvolume", answer.bloodvolume}});
}

void printQuestion(TextPanel& panel, const CaseState& state, int n, const Language& language) {
    const Sex sex = state.sex;
    Statements print(panel, language);
    const auto ask = [&](const char* number, Message man, Message woman) {
        print.at(indent, worded(sex, man, woman), {}, number);
    };
    print.empty();
    const auto share = [&] {
        ask(nullptr, NC_("man", "What percentage of his total body water is this?"),
            NC_("woman", "What percentage of her total body water is this?"));
    };
    switch (n) {
    case 2:
        ask("2)", NC_("man", "What is his extracellular fluid volume?"),
            NC_("woman", "What is her extracellular fluid volume?"));
        return share();
    case 3:
        ask("3)", NC_("man", "What is his plasma volume?"),
            NC_("woman", "What is her plasma volume?"));
        return share();
    case 4:
        print.empty();
        ask("4)", NC_("man", "What is his total blood volume?"),
            NC_("woman", "What is her total blood volume?"));
        return;
    default:
        panel.Print({indent}, false);
    }
}

void printEmptyAnswer(TextPanel& panel) {
    panel.Print({indent}, false);
}
