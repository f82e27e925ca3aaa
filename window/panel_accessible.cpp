// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/panel_accessible.h"

#include "window/pixel_panel.h"

namespace {

QAccessibleInterface* panelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("PixelPanel"))
        return new PanelAccessible(static_cast<PixelPanel*>(object));
    return nullptr;
}

} // namespace

PanelAccessible::PanelAccessible(PixelPanel* panel)
    : QAccessibleWidget(panel, QAccessible::StaticText) {}

void PanelAccessible::install() {
    static const bool installed = (QAccessible::installFactory(panelFactory), true);
    Q_UNUSED(installed);
}

QString PanelAccessible::fullText() const {
    return static_cast<const PixelPanel*>(widget())->text();
}

void* PanelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PanelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return fullText();
    return QAccessibleWidget::text(t);
}

QAccessible::State PanelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

QString PanelAccessible::text(int startOffset, int endOffset) const {
    return fullText().mid(startOffset, endOffset - startOffset);
}

int PanelAccessible::characterCount() const {
    return static_cast<int>(fullText().size());
}

void PanelAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

// The text is drawn in proportional type; a reader that asks where one
// character lies is given the whole panel.
QRect PanelAccessible::characterRect(int) const {
    return rect();
}

int PanelAccessible::offsetAtPoint(const QPoint&) const {
    return -1;
}

QString PanelAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}
