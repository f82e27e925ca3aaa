// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// compartica-sheets: printable cases for a class and their answer key.
#include "core/utf8.h"
#include "sheets/class_set.h"
#include "sheets/output_files.h"
#include "sheets/sheet_options.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

constexpr int cannotWrite = 2;

// The toolkit's own notes (about the session it runs in, say) are no
// concern of a teacher's; only its failures are passed on.
void toolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "compartica-sheets: %s\n", qPrintable(message));
}

constexpr int cannotSay = 1;

// Prints a result on standard output, or a refusal on standard error as
// one line: a control character in an echoed value is shown escaped. A
// result that cannot be written (a full disk, a closed pipe) is an error.
int say(const QString& message, int status) {
    if (status != 0) {
        std::fprintf(stderr, "%s\n", escapedControls(message.toStdString()).c_str());
        return status;
    }
    if (std::fprintf(stdout, "%s\n", qPrintable(message)) < 0 || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "compartica-sheets: cannot write to standard output: %s\n",
                     std::strerror(errno));
        return cannotSay;
    }
    return status;
}

// The sheets and the key are made in memory, then written together: a
// teacher never finds new sheets beside an old key, or the sheets gone.
int makeClassSet(const SheetOptions& options) {
    std::vector<QString> paths = {options.output};
    if (!options.key.isEmpty())
        paths.push_back(options.key);
    if (const QString refused = outputsRefused(paths); !refused.isEmpty())
        return say(refused, cannotWrite);
    QBuffer sheets, key;
    sheets.open(QIODevice::WriteOnly);
    key.open(QIODevice::WriteOnly);
    renderClassSet(options, sheets, options.key.isEmpty() ? nullptr : &key);
    std::vector<OutputFile> files = {{options.output, sheets.data()}};
    if (!options.key.isEmpty())
        files.push_back({options.key, key.data()});
    if (const QString failed = writeTogether(files); !failed.isEmpty())
        return say(failed, cannotWrite);
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
        options.choice.first.setSeed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const int status = makeClassSet(options);
    // A seed from the clock is told only for a set that was made.
    if (status == 0 && !options.seedGiven)
        return say(QStringLiteral("seed %1").arg(options.choice.first.setSeed), 0);
    return status;
}
