// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/answers.h"
#include "case/case_state.h"
#include "core/form_layout.h"
#include "core/text_panel.h"

#include <cstdint>
#include <string>

// Every word of the exercise that a user sees or hears, on any front end:
// the statements printed into the panels, the patient's words, the window's
// title and captions, the names assistive technology reads, the messages,
// and the labels of the printed sheets. Front ends take them from here.

// The title of the window and of the page.
inline constexpr const char* formCaption = "Compartica";

// The caption of a button; empty for a control that shows none.
const char* captionOf(Control control);
// What assistive technology calls a panel or the emblem; empty for others.
const char* accessibleNameOf(Control control);

// The words for the patient, a man or a woman.
struct PatientWords {
    const char* noun;       // "man", "woman"
    const char* possessive; // "his", "her"
    const char* pronoun;    // "He", "She"
};
inline PatientWords patientWords(bool man) {
    return man ? PatientWords{"man", "his", "He"} : PatientWords{"woman", "her", "She"};
}

// Why the exercise stopped: the step whose arithmetic failed.
inline std::string faultMessage(const std::string& step) {
    return "Compartica has stopped: the arithmetic of " + step +
           " failed (overflow, division by zero or an invalid operation).";
}
// What the page says when "end" has ended the exercise, and the caption of
// its button that starts again with a new patient.
inline constexpr const char* endedMessage = "The exercise has ended.";
// The same in a course, where the course's page goes on from here.
inline constexpr const char* courseEndedMessage =
    "The exercise has ended: you can close it and go on with your course.";
inline constexpr const char* newPatientCaption = "Start a new patient";
// What the page says when it could not start, with the reason.
inline std::string startFailedMessage(const std::string& reason) {
    return "Compartica could not start: " + reason;
}

// Case `index` of the set made from `setSeed`: its label on both papers,
// "Case i, seed S-i", with which a teacher makes it again; "Case i" alone
// for a case that no seed makes.
inline std::string caseNumberLabel(int index) {
    return "Case " + std::to_string(index);
}
inline std::string caseLabel(std::uint64_t setSeed, int index) {
    return caseNumberLabel(index) + ", seed " + std::to_string(setSeed) + "-" +
           std::to_string(index);
}
// Below the label on a student's sheet, to be filled in by hand.
inline constexpr const char* nameAndDateLine =
    "Name: ________________________________________    Date: ________________";
// Above the address of a sheet's case on the page, with its QR code beside.
inline constexpr const char* caseLinkIntro =
    "Work this case on screen, with its answers one step at a time:";
// The page's line for a link that names no case.
inline constexpr const char* badCaseLinkMessage =
    "This link does not name a worksheet case, so this is a new patient.";
inline std::string answerKeyHeading(const std::string& label) {
    return "Answer key: " + label;
}
inline std::string answerHeading(int n) {
    return "Answer " + std::to_string(n);
}
// The titles of the two documents of a set.
inline std::string sheetsTitle(std::uint64_t setSeed) {
    return "Compartica cases, set " + std::to_string(setSeed);
}
inline std::string keyTitle(std::uint64_t setSeed) {
    return "Compartica answer key, set " + std::to_string(setSeed);
}

// The statements printed into the panels.

// The case and question 1, into the empty question panel.
void printCase(TextPanel& panel, const CaseState& state);

void printAnswer1(TextPanel& panel, const CaseState& state, const Answer1& answer);
void printAnswer2(TextPanel& panel, const CaseState& state, const Answer2& answer);
void printAnswer3(TextPanel& panel, const CaseState& state, const Answer3& answer);
void printAnswer4(TextPanel& panel, const CaseState& state, const Answer4& answer);

// Question n (2 to 4), appended to the question panel. Slots 5 and 6 have
// no question: an empty line, then the indent alone.
void printQuestion(TextPanel& panel, const CaseState& state, int n);
// ... and no answer: the indent alone.
void printEmptyAnswer(TextPanel& panel);
