// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_manager.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#ifdef COMPARTICA_X11
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace {

#ifdef COMPARTICA_X11

// A window manager that follows the desktop standards names itself on the
// root window (_NET_SUPPORTING_WM_CHECK). Away from X11 the platform itself
// places windows, so there is always one. Qt may offer its X11 interface
// under another platform plugin (offscreen does), with no connection behind it.
bool windowManagerRunning() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return true;
    const char name[] = "_NET_SUPPORTING_WM_CHECK";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
            nullptr),
        &std::free);
    return property && xcb_get_property_value_length(property.get()) > 0;
}
#else
// Built without X11: the platform places windows itself.
bool windowManagerRunning() {
    return true;
}
#endif

} // namespace

void showMaximizedAnywhere(QWidget& window) {
    const QSize restored = window.size();
    window.showMaximized();
    if (window.size() == restored && !windowManagerRunning())
        window.setGeometry(window.screen()->availableGeometry());
}
