// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: the smallest Qt Widgets program that shows a
// maximized window with one line of text in it.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("    The patient is a man who weighs 75.3  kg"));
    label.setWindowTitle(QStringLiteral("Minimal"));
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.showMaximized();
    return app.exec();
}
