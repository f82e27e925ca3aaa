// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// compartica-sheets: printable cases for a class and their answer key.
#include "sheets/class_set.h"
#include "sheets/sheet_options.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <chrono>
#include <cstdio>

namespace {

constexpr int cannotWrite = 2;

// The toolkit's own notes (about the session it runs in, say) are no
// concern of a teacher's; only its failures are passed on.
void toolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "compartica-sheets: %s\n", qPrintable(message));
}

int say(const QString& message, int status) {
    std::fprintf(status == 0 ? stdout : stderr, "%s\n", qPrintable(message));
    return status;
}

// Each file is written beside its target and renamed into place only when
// all is written, so a failure never leaves a partial file behind.
int makeClassSet(const SheetOptions& options) {
    QSaveFile sheets(options.output);
    QSaveFile key(options.key);
    for (QSaveFile* file : {&sheets, &key}) {
        if (file->fileName().isEmpty())
            continue;
        if (!file->open(QIODevice::WriteOnly))
            return say(QStringLiteral("compartica-sheets: cannot write %1: %2")
                           .arg(file->fileName(), file->errorString()),
                       cannotWrite);
    }
    renderClassSet(options, sheets, options.key.isEmpty() ? nullptr : &key);
    if (!sheets.commit())
        return say(QStringLiteral("compartica-sheets: cannot write %1: %2")
                       .arg(options.output, sheets.errorString()),
                   cannotWrite);
    if (!options.key.isEmpty() && !key.commit()) {
        QFile::remove(options.output);
        return say(QStringLiteral("compartica-sheets: cannot write %1: %2")
                       .arg(options.key, key.errorString()),
                   cannotWrite);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // A command-line program: it draws into PDF files and needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(toolkitMessages);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("compartica-sheets"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(COMPARTICA_VERSION));

    const ParsedOptions parsed = parseSheetOptions(QCoreApplication::arguments());
    if (!parsed.options)
        return say(parsed.message, parsed.status);
    SheetOptions options = *parsed.options;
    if (!options.seedGiven)
        options.seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const int status = makeClassSet(options);
    // A seed from the clock is told only for a set that was made.
    if (status == 0 && !options.seedGiven)
        say(QStringLiteral("seed %1").arg(options.seed), 0);
    return status;
}
