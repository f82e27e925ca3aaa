#include "case/random_source.h"
#include "window/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Without a display the program cannot do anything; it says so plainly
// instead of letting the toolkit abort with a core dump.
bool displayNamed() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

// While the application starts, a display that is named but cannot be
// reached ends the program with one line and status 1, and the toolkit's
// own chatter about it is kept off the terminal.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg)
        return;
    const char* display =
        isSet("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : std::getenv("DISPLAY");
    std::fprintf(stderr, "compartica: cannot open the display %s to show the window on\n",
                 display ? display : "");
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayNamed()) {
        std::fputs("compartica: no display to show the window on (DISPLAY and WAYLAND_DISPLAY "
                   "are not set)\n",
                   stderr);
        return 1;
    }
    const QtMessageHandler toolkitMessages = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitMessages);

    QGuiApplication::setDesktopFileName(QStringLiteral("org.compartica.Compartica"));
    SystemRandomSource random;
    Form1 form(random);
    form.Form_Load();
    form.showMaximized();
    return app.exec();
}
