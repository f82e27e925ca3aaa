// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/scale_factor.h"
#include "app/startup_failure.h"
#include "case/random_source.h"
#include "core/utf8.h"
#include "window/form1.h"
#include "window/window_font.h"
#include "window/window_manager.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string environment(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? value : "";
}

// The platform and display the toolkit is asked for: its own options
// (-platform, -display; it takes them with two dashes too) over the
// environment.
StartupSetting startupSettingOf(int argc, char* argv[]) {
    StartupSetting setting{environment("QT_QPA_PLATFORM"), "QT_QPA_PLATFORM",
                           environment("DISPLAY"), environment("WAYLAND_DISPLAY")};
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "-platform" || option == "--platform")
            setting.platform = argv[i + 1], setting.platformSource = "-platform";
        else if (option == "-display" || option == "--display")
            setting.display = argv[i + 1];
    }
    return setting;
}

// What the toolkit says while starting is kept off the terminal unless it
// fails: a fatal message then ends the program with one line that says
// why, and status 1, instead of the toolkit's abort.
StartupSetting startupSetting;
Language startupLanguage;
std::vector<std::string> startupChatter;

void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startupChatter.push_back(message.toStdString());
        return;
    }
    const std::string reason =
        startupFailure(startupChatter, message.toStdString(), startupSetting, startupLanguage);
    std::fprintf(stderr, "compartica: %s\n", reason.c_str());
    std::_Exit(1);
}

// One line on stderr, whatever the arguments it echoes hold: a control
// character in them is shown escaped.
void warn(const std::string& message) {
    std::fprintf(stderr, "compartica: %s\n", escapedControls(message).c_str());
}

// Prints a result on stdout; where it cannot be written (a full disk, a
// closed pipe) that is an error, said in one line: status 1.
int printed(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        warn(std::string("cannot write to standard output: ") + std::strerror(errno));
        return 1;
    }
    return 0;
}

// The scale factor, read and set before Qt starts. Qt's painter applies a
// device's pixel ratio only where it enlarges, so at a factor below 1
// widgets would be drawn at full size and cut off: Qt is given 1, and the
// window draws its whole layout that much smaller itself.
double takeScaleFactor() {
    const ScaleFactor scale = readScaleFactor(environment("QT_SCALE_FACTOR"));
    if (!scale.warning.empty())
        warn(scale.warning);
    if (scale.given)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(std::max(scale.factor, 1.0)));
    return std::min(scale.factor, 1.0);
}

constexpr const char* help =
    "Usage: compartica [--lang CODE] [--practice] [--help | --version]\n"
    "\n"
    "Compartica is an exercise for physiology students on the body's fluid\n"
    "compartments, worked by indicator dilution: it invents a patient, states the\n"
    "result of an experiment with three indicators and asks four questions, one\n"
    "at a time, showing the worked answer to each on request. It opens one window.\n"
    "--lang CODE (en, de, es) chooses its language, which otherwise comes from\n"
    "LANGUAGE, LC_ALL, LC_MESSAGES or LANG, and is English where none names one\n"
    "it has. With --practice the student types each answer before seeing the\n"
    "worked one, and the exercise checks it. Qt's own options (-platform,\n"
    "-display and the others) work as in any Qt program. To print cases for a\n"
    "class with their answer key, use compartica-sheets (see compartica-sheets\n"
    "--help).\n";

// The program ends when the window says so: on "end" with status 0 (as
// when the window is closed), on a fault in the arithmetic with status 1,
// after a dialog that names the step. Both are taken between clicks, once
// the event loop runs.
void endWith(Form1& form, QApplication& app) {
    QObject::connect(
        &form, &Form1::ended, &app, [] { QApplication::exit(0); }, Qt::QueuedConnection);
    QObject::connect(
        &form, &Form1::faulted, &app,
        [&form](const QString& message) {
            QMessageBox::critical(&form, form.windowTitle(), message);
            QApplication::exit(1);
        },
        Qt::QueuedConnection);
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine asked = readCommandLine(argc, argv);
    switch (asked.action) {
    case CommandLine::Action::help:
        return printed(help);
    case CommandLine::Action::version:
        return printed(std::string("compartica ") + COMPARTICA_VERSION + "\n");
    case CommandLine::Action::refuse:
        warn(asked.message);
        return 2;
    case CommandLine::Action::run:
        if (!asked.message.empty())
            warn(asked.message);
    }
    const double scale = takeScaleFactor();
    startupSetting = startupSettingOf(argc, argv);
    startupLanguage = asked.language.value_or(Language::fromEnvironment());
    const QtMessageHandler toolkitMessages = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitMessages);
    startupChatter.clear();
    if (!windowFontDrawsText()) {
        std::fprintf(stderr, "compartica: %s\n", noFontMessage(startupLanguage).c_str());
        return 1;
    }

    QApplication::setApplicationVersion(QString::fromLatin1(COMPARTICA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.compartica.Compartica"));
    SystemRandomSource random;
    Form1 form(random, startupLanguage, scale, asked.practice);
    endWith(form, app);
    form.Form_Load();
    showMaximizedAnywhere(form);
    return app.exec();
}
