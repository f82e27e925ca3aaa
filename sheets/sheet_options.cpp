// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_options.h"

#include "case/seeded_random_source.h"
#include "core/worksheet.h"
#include "sheets/qr_code.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

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

// "S" for a whole set, or "S-i" for case i of set S alone.
bool readSeed(const QString& text, SheetOptions& options) {
    const auto ref = parseCaseRef(text.toStdString());
    if (!ref)
        return false;
    options.seed = ref->setSeed;
    options.seedGiven = true;
    options.onlyCase = ref->setOnly ? 0 : ref->index;
    return true;
}

// An http or https address without a fragment of its own (the link adds
// "#case=S-i") and printable.
bool isPageAddress(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^https?://[!-~]+$"));
    return form.match(text).hasMatch() && !text.contains(QLatin1Char('#'));
}

// Whether the link with the longest case name makes a code that scans
// where a sheet prints it.
bool scansPrinted(const QString& address) {
    const CaseRef longest{UINT64_MAX, largestSet};
    const int width = encodeQrCode(caseLink(address.toStdString(), longest)).width;
    return width > 0 && width <= widestPrintedCode;
}

// The length of the longest address whose links all scan: QR codes hold
// bytes, whichever they are.
int longestLink() {
    const QString scheme = QStringLiteral("https://");
    int length = scheme.size();
    while (scansPrinted(scheme + QString(length + 1 - scheme.size(), QLatin1Char('a'))))
        ++length;
    return length;
}

// The codes of the languages there are catalogues for: "en, de, es".
QString languageCodes() {
    QStringList codes;
    for (const Language& language : Language::all())
        codes.append(QString::fromLatin1(language.code()));
    return codes.join(QStringLiteral(", "));
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
            .arg(languageCodes()),
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

    SheetOptions options;
    bool ok = false;
    options.count = parser.value(count).toInt(&ok);
    if (parser.isSet(seed) && !readSeed(parser.value(seed), options))
        return failure(
            QStringLiteral("the seed '%1' is not a whole number (or S-i, i from 1 to %2)")
                .arg(parser.value(seed))
                .arg(largestSet));
    if (options.onlyCase > 0 && !parser.isSet(count)) {
        options.count = 1;
        ok = true;
    }
    if (!parser.isSet(count) && options.onlyCase == 0)
        return failure(QStringLiteral("--count is missing"));
    if (!ok || options.count < 1 || options.count > largestSet)
        return failure(QStringLiteral("the count '%1' is not a whole number from 1 to %2")
                           .arg(parser.value(count))
                           .arg(largestSet));
    if (options.onlyCase > 0 && options.count != 1)
        return failure(QStringLiteral("a seed S-i makes one case: leave out --count"));
    if (!parser.isSet(output))
        return failure(QStringLiteral("--output is missing"));
    options.output = parser.value(output);
    options.key = parser.value(key);
    for (const QCommandLineOption* file : {&output, &key})
        if (parser.isSet(*file) && parser.value(*file).isEmpty())
            return failure(QStringLiteral("--%1 names no file").arg(file->names().first()));
    const QString size = parser.value(paper).toLower();
    if (size != QLatin1String("a4") && size != QLatin1String("letter"))
        return failure(
            QStringLiteral("the paper '%1' is neither a4 nor letter").arg(parser.value(paper)));
    options.paper = size == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4;
    options.link = parser.value(link);
    if (parser.isSet(link) && !isPageAddress(options.link))
        return failure(QStringLiteral("the link '%1' is not an http or https address without '#'")
                           .arg(options.link));
    if (parser.isSet(link) && !scansPrinted(options.link))
        return failure(QStringLiteral("the link is %1 characters long, too long for a QR code "
                                      "that scans from paper (at most %2)")
                           .arg(options.link.size())
                           .arg(longestLink()));
    options.keyPerPage = parser.isSet(keyPerPage);
    const auto language = parser.isSet(lang) ? Language::withCode(parser.value(lang).toStdString())
                                             : Language::fromEnvironment();
    if (!language)
        return failure(QStringLiteral("the language '%1' is not one of %2")
                           .arg(parser.value(lang), languageCodes()));
    options.language = *language;
    if (parser.isSet(draws)) {
        const auto listed = parseDraws(parser.value(draws).toStdString());
        if (!listed)
            return failure(QStringLiteral("the draws are not a list of numbers from 0 to under 1"));
        options.draws = *listed;
        if (parser.isSet(link))
            return failure(
                QStringLiteral("scripted draws make a case no link brings back: leave out --link"));
    }
    return {options, QString(), 0};
}
