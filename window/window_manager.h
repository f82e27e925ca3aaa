// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows a window maximized. Under a bare X server (a kiosk, a plain Xvfb)
// no window manager honours that: a window still at its restored size is
// then given the screen's available area itself.
void showMaximizedAnywhere(QWidget& window);
