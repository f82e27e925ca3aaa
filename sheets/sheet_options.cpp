// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_options.h"

#include "case/seeded_random_source.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int usageError = 2;

// One line: the reason, without a full stop of its own, then where to look.
ParsedOptions failure(QString message) {
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return {std::nullopt,
            QStringLiteral("compartica-sheets: %1 (see compartica-sheets --help)").arg(message),
            usageError};
}

} // namespace

ParsedOptions parseSheetOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt wraps the options' descriptions but not this one: its lines are
    // broken here to fit 80 columns.
    parser.setApplicationDescription(QStringLiteral(
        "Makes printable Compartica cases for a class: one page a case with the case\n"
        "and its four questions, and an answer key with the worked answers. Every\n"
        "case can be made again from the seed printed on its page."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Shows the version."));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Number of cases, 1 to %1.").arg(largestSet),
                                   QStringLiteral("N"));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Whole number the set is made from (default: from the clock, printed). "
                       "S-i makes case i of set S alone, as printed on its page."),
        QStringLiteral("S"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("The students' sheets, a PDF file."),
                                    QStringLiteral("FILE.pdf"));
    const QCommandLineOption key(QStringLiteral("key"),
                                 QStringLiteral("The answer key, a PDF file."),
                                 QStringLiteral("KEY.pdf"));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   QStringLiteral("Paper size: a4 (default) or letter."),
                                   QStringLiteral("SIZE"), QStringLiteral("a4"));
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Address of the Compartica page: every sheet prints the address of its "
                       "own case there (URL#case=S-i) and its QR code."),
        QStringLiteral("URL"));
    const QCommandLineOption keyPerPage(
        QStringLiteral("key-per-page"),
        QStringLiteral("The answer key one case a page (default: as many whole cases as fit)."));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("Language of the sheets and the key: %1 (default: as the desktop's, "
                       "from LANGUAGE, LC_ALL, LC_MESSAGES or LANG; else en).")
            .arg(QString::fromStdString(languageCodes())),
        QStringLiteral("CODE"));
    QCommandLineOption draws(QStringLiteral("draws"), QStringLiteral("Scripted draws."),
                             QStringLiteral("LIST"));
    draws.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions(
        {help, version, count, seed, output, key, paper, link, keyPerPage, lang, draws});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText().trimmed(), 0};
    if (parser.isSet(version))
        return {std::nullopt,
                QStringLiteral("compartica-sheets %1").arg(QCoreApplication::applicationVersion()),
                0};
    if (!parser.positionalArguments().isEmpty())
        return failure(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    for (const QCommandLineOption* option :
         std::initializer_list<const QCommandLineOption*>{&output, &key, &lang, &draws})
        if (const qsizetype times = parser.values(*option).size(); times > 1)
            return failure(QString::fromStdString(
                givenTwiceProblem(option->names().first().toStdString(), std::size_t(times))));
    GivenChoices given;
    for (const QCommandLineOption* option : {&count, &seed, &paper, &link})
        for (const QString& value : parser.values(*option))
            given.emplace_back(option->names().first().toStdString(), value.toStdString());
    const SetReading reading = readSetChoice(given);
    if (const std::string problem = reading.problem(); !problem.empty())
        return failure(QString::fromStdString(problem));
    SheetOptions options;
    options.choice = reading.choice;
    options.seedGiven = reading.seedGiven;
    SetChoice& choice = options.choice;
    if (!reading.countGiven && !(reading.seedGiven && !choice.first.setOnly))
        return failure(QStringLiteral("--count is missing"));
    if (!parser.isSet(output))
        return failure(QStringLiteral("--output is missing"));
    options.output = parser.value(output);
    options.key = parser.value(key);
    for (const QCommandLineOption* file : {&output, &key})
        if (parser.isSet(*file) && parser.value(*file).isEmpty())
            return failure(QStringLiteral("--%1 names no file").arg(file->names().first()));
    choice.keyPerPage = parser.isSet(keyPerPage);
    const auto language = parser.isSet(lang) ? Language::withCode(parser.value(lang).toStdString())
                                             : Language::fromEnvironment();
    if (!language)
        return failure(QStringLiteral("the language '%1' is not one of %2")
                           .arg(parser.value(lang), QString::fromStdString(languageCodes())));
    choice.language = *language;
    if (parser.isSet(draws)) {
        const auto listed = parseDraws(parser.value(draws).toStdString());
        if (!listed)
            return failure(QStringLiteral("the draws are not a list of numbers from 0 to under 1"));
        choice.draws = *listed;
        if (parser.isSet(link))
            return failure(
                QStringLiteral("scripted draws make a case no link brings back: leave out --link"));
    }
    return {options, QString(), 0};
}
