// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/practice_panel.h"

#include "core/practice_layout.h"
#include "window/window_font.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

QString textOf(const std::string& text) {
    return QString::fromStdString(text);
}

QRect zoomed(const PixelRect& r, qreal zoom) {
    const auto at = [zoom](int pixels) { return static_cast<int>(std::lround(pixels * zoom)); };
    return {at(r.left), at(r.top), at(r.width), at(r.height)};
}

} // namespace

PracticePanel::PracticePanel(const Language& language, QWidget* answerPanel)
    : QWidget(answerPanel), check_(new QPushButton(textOf(checkCaption(language)), this)),
      summary_(new QLabel(this)) {
    setObjectName(QStringLiteral("practice"));
    for (Row& row : rows_)
        row = createRow();
    check_->setObjectName(QStringLiteral("check"));
    check_->setAutoDefault(false);
    summary_->setObjectName(QStringLiteral("summary"));
    connect(check_, &QPushButton::clicked, this, &PracticePanel::checkPressed);
    hide();
}

PracticePanel::Row PracticePanel::createRow() {
    Row row{new QLabel(this), new QLineEdit(this), new QLabel(this), new QLabel(this)};
    row.label->setBuddy(row.field);
    row.field->setMaxLength(24);
    // Either decimal mark; the exercise reads what is typed.
    row.field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    QLineEdit* field = row.field;
    connect(field, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        for (std::size_t n = 0; n < shown_.fields.size() && n < rows_.size(); ++n)
            if (rows_[n].field == field)
                emit typed(shown_.fields[n].quantity, text.toStdString());
    });
    connect(field, &QLineEdit::returnPressed, this, &PracticePanel::checkPressed);
    return row;
}

void PracticePanel::mirror(const PracticeStage& stage) {
    shown_ = stage;
    setVisible(stage.on && !stage.fields.empty());
    for (std::size_t n = 0; n < rows_.size(); ++n) {
        const Row& row = rows_[n];
        const bool used = n < stage.fields.size();
        for (QWidget* part : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.field),
                              static_cast<QWidget*>(row.unit), static_cast<QWidget*>(row.verdict)})
            part->setVisible(used);
        if (!used)
            continue;
        const PracticeField& shown = stage.fields[n];
        const QString name = QStringLiteral("field%1").arg(static_cast<int>(shown.quantity) + 1);
        row.field->setObjectName(name);
        row.verdict->setObjectName(name + QStringLiteral("verdict"));
        row.label->setText(textOf(shown.label));
        row.unit->setText(textOf(shown.unit));
        row.verdict->setText(textOf(shown.verdict));
        if (row.field->text() != textOf(shown.typed))
            row.field->setText(textOf(shown.typed));
        row.field->setReadOnly(!shown.editable);
        row.field->setAccessibleName(textOf(shown.accessibleName));
        row.field->setAccessibleDescription(textOf(shown.verdict));
    }
    check_->setVisible(stage.checkShown);
    summary_->setText(textOf(stage.summary));
    summary_->setVisible(!stage.summary.empty());
    place();
}

void PracticePanel::setZoom(qreal zoom) {
    zoom_ = zoom;
    QFont font = windowFont();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * zoom))));
    for (QWidget* child : findChildren<QWidget*>())
        child->setFont(font);
    place();
}

QWidget* PracticePanel::firstField() const {
    return rows_[0].field;
}

// The places are worked at full size for the window font's line height.
void PracticePanel::place() {
    if (!parentWidget())
        return;
    setGeometry(parentWidget()->rect());
    if (shown_.fields.empty())
        return;
    const int lineHeight = QFontMetrics(windowFont()).height();
    const int question = questionOf(shown_.fields.front().quantity);
    const PracticePlaces places =
        practicePlaces(question, !shown_.fields.front().editable, lineHeight);
    for (std::size_t n = 0; n < rows_.size() && n < places.rows.size(); ++n) {
        rows_[n].label->setGeometry(zoomed(places.rows[n].label, zoom_));
        rows_[n].field->setGeometry(zoomed(places.rows[n].field, zoom_));
        rows_[n].unit->setGeometry(zoomed(places.rows[n].unit, zoom_));
        rows_[n].verdict->setGeometry(zoomed(places.rows[n].verdict, zoom_));
    }
    check_->setGeometry(zoomed(places.check, zoom_));
    summary_->setGeometry(zoomed(places.summary, zoom_));
}
