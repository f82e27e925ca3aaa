// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/random_source.h"
#include "window/form1.h"
#include "window/window_manager.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// On X11 and Wayland desktops the window needs a display to be named;
// without one the program says so plainly instead of letting the toolkit
// abort. Windows and macOS need no such variable.
bool displayNamed() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
#endif
}

// What the toolkit said while starting, kept off the terminal unless it
// fails: a fatal message then ends the program with one line and status 1,
// naming the display when the display could not be reached, and otherwise
// passing on the toolkit's own first line.
std::string startupChatter;

void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startupChatter += message.toStdString() + '\n';
        return;
    }
    const bool noDisplay = startupChatter.find("connect to display") != std::string::npos ||
                           startupChatter.find("wl_display") != std::string::npos;
    if (noDisplay) {
        const char* display =
            isSet("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : std::getenv("DISPLAY");
        std::fprintf(stderr, "compartica: cannot open the display %s to show the window on\n",
                     display ? display : "");
    } else {
        const std::string reason = message.section(u'\n', 0, 0).toStdString();
        std::fprintf(stderr, "compartica: %s\n", reason.c_str());
    }
    std::_Exit(1);
}

constexpr const char* help =
    "Usage: compartica [--help | --version]\n"
    "\n"
    "Compartica is an exercise for physiology students on the body's fluid\n"
    "compartments, worked by indicator dilution: it invents a patient, states the\n"
    "result of an experiment with three indicators and asks four questions, one\n"
    "at a time, showing the worked answer to each on request. It opens one window\n"
    "and takes no options other than --help and --version. To print cases for a\n"
    "class with their answer key, use compartica-sheets (see\n"
    "compartica-sheets --help).\n";

// --help and --version print and end without a display; any other argument
// is left to the toolkit, which ignores what it does not know.
bool answeredOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("compartica %s\n", COMPARTICA_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(help, stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (answeredOption(argc, argv))
        return 0;
    if (!displayNamed()) {
        std::fputs("compartica: no display to show the window on (DISPLAY and WAYLAND_DISPLAY "
                   "are not set)\n",
                   stderr);
        return 1;
    }
    const QtMessageHandler toolkitMessages = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitMessages);
    startupChatter.clear();

    QApplication::setApplicationVersion(QString::fromLatin1(COMPARTICA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.compartica.Compartica"));
    SystemRandomSource random;
    Form1 form(random);
    form.Form_Load();
    if (form.faulted())
        return 1;
    showMaximizedAnywhere(form);
    return app.exec();
}
