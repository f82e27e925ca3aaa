// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/answers.h"
#include "case/case_state.h"
#include "core/catalogue.h"
#include "core/form_layout.h"
#include "core/text_panel.h"

#include <cstdint>
#include <string>

// Every word of the exercise that a user sees or hears, on any front end,
// in the language given: the statements printed into the panels, the
// window's title and captions, the names assistive technology reads, the
// messages, and the labels of the printed sheets. Front ends take them
// from here; the words themselves are the catalogues' (po/).

// The title of the window and of the page: the program's name.
inline constexpr const char* formCaption = "Compartica";

// The caption of a button; empty for a control that shows none.
std::string captionOf(const Language& language, Control control);
// What assistive technology calls a panel or the emblem; empty for others.
std::string accessibleNameOf(const Language& language, Control control);

// The step whose arithmetic failed, or none.
enum class FaultStep { none, makecase, answer1, answer2, answer3, answer4 };
// Why the exercise stopped.
std::string faultMessage(const Language& language, FaultStep step);
// What the page says when "end" has ended the exercise; the same in a
// course, where the course's page goes on from there; the caption of its
// button that starts again with a new patient.
std::string endedMessage(const Language& language);
std::string courseEndedMessage(const Language& language);
std::string newPatientCaption(const Language& language);
// What the page says when it could not start, with the reason.
std::string startFailedMessage(const Language& language, const std::string& reason);
// The page's line for a link that names no case.
std::string badCaseLinkMessage(const Language& language);

// Why a course's copy of the page records nothing: an attempt the course
// holds as finished, shown as it ended or (where the course kept nothing
// of it) begun again; a preview; no course to record it. Every other
// launch records, and its line is empty.
enum class CourseRecording { recorded, finishedShown, finished, preview, unrecorded };
std::string courseNote(const Language& language, CourseRecording recording);

// Case `index` of the set made from `setSeed`: its label on both papers,
// "Case i, seed S-i", with which a teacher makes it again; "Case i" alone
// for a case that no seed makes.
std::string caseNumberLabel(const Language& language, int index);
std::string caseLabel(const Language& language, std::uint64_t setSeed, int index);
// Below the label on a student's sheet, to be filled in by hand.
std::string nameAndDateLine(const Language& language);
// Above the address of a sheet's case on the page, with its QR code beside.
std::string caseLinkIntro(const Language& language);
std::string answerKeyHeading(const Language& language, const std::string& label);
std::string answerHeading(const Language& language, int n);
// The titles of the two documents of a set.
std::string sheetsTitle(const Language& language, std::uint64_t setSeed);
std::string keyTitle(const Language& language, std::uint64_t setSeed);

// The statements printed into the panels.

// The case and question 1, into the empty question panel.
void printCase(TextPanel& panel, const CaseState& state, const Language& language = {});

void printAnswer1(TextPanel& panel, const CaseState& state, const Answer1& answer,
                  const Language& language = {});
void printAnswer2(TextPanel& panel, const CaseState& state, const Answer2& answer,
                  const Language& language = {});
void printAnswer3(TextPanel& panel, const CaseState& state, const Answer3& answer,
                  const Language& language = {});
void printAnswer4(TextPanel& panel, const CaseState& state, const Answer4& answer,
                  const Language& language = {});

// Question n (2 to 4), appended to the question panel. Slots 5 and 6 have
// no question: an empty line, then the indent alone.
void printQuestion(TextPanel& panel, const CaseState& state, int n, const Language& language = {});
// ... and no answer: the indent alone.
void printEmptyAnswer(TextPanel& panel);
