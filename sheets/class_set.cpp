// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/class_set.h"

#include "core/class_set.h"
#include "sheets/qr_code.h"
#include "window/body_water_painter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Liberation Sans, as on screen: bold at 9 points on the sheets, so that
// the longest line of the case fits between margins of 15 mm; at 8 points in
// the key, so that two cases with their pictures fit a page of A4 or Letter;
// and the pictures' labels regular, at 7 points.
constexpr double sheetPoints = 9.0, keyPoints = 8.0, picturePoints = 7.0;
QFont paperFont(double points, QFont::Weight weight = QFont::Bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

// A font measured on the PDF writer, in its units.
struct PaperFont {
    QFont font;
    QFontMetrics metrics;

    PaperFont(const QFont& paper, QPaintDevice& device) : font(paper), metrics(paper, &device) {}
    PrintLayout::Metrics layoutMetrics() const {
        return {metrics.averageCharWidth(), metrics.height(), [this](const std::string& text) {
                    return metrics.horizontalAdvance(QString::fromStdString(text));
                }};
    }
};

// A PDF file of laid-out pages: text as text, so it can be selected and
// searched; codes and pictures as vector drawing.
class PdfDocument {
public:
    PdfDocument(QIODevice* device, const SheetOptions& options) : writer_(device) {
        writer_.setPageSize(
            QPageSize(options.choice.paper == Paper::letter ? QPageSize::Letter : QPageSize::A4));
        writer_.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer_.setResolution(paperResolution);
        writer_.setCreator(
            QStringLiteral("compartica-sheets %1").arg(QCoreApplication::applicationVersion()));
    }

    void print(const std::vector<PaperPage>& pages, const std::string& title, const PaperFont& text,
               const PaperFont& labels) {
        writer_.setTitle(QString::fromStdString(title));
        QPainter painter(&writer_);
        for (std::size_t n = 0; n < pages.size(); ++n) {
            if (n > 0)
                writer_.newPage();
            for (const PaperBlock& block : pages[n].blocks)
                print(painter, block, text, labels);
        }
    }

    QPdfWriter& writer() { return writer_; }

private:
    void print(QPainter& painter, const PaperBlock& block, const PaperFont& text,
               const PaperFont& labels) {
        painter.setFont(text.font);
        for (const TextRun& run : block.runs)
            painter.drawText(QPoint(run.x, run.y + text.metrics.ascent()),
                             QString::fromStdString(run.text));
        if (const auto& code = block.code)
            drawQrCode(
                painter,
                QRect(code->square.left, code->square.top, code->square.width, code->square.height),
                encodeQrCode(code->link));
        if (const auto& picture = block.picture) {
            painter.save();
            painter.setFont(labels.font);
            painter.translate(0, picture->top);
            paintBodyWater(painter, picture->picture, text.metrics.height() / 16.0);
            painter.restore();
        }
    }

    QPdfWriter writer_;
};

} // namespace

void renderClassSet(const SheetOptions& options, QIODevice& sheets, QIODevice* key) {
    // The sheets' writer measures the fonts of both documents.
    PdfDocument sheetDocument(&sheets, options);
    const PaperFont sheetFont(paperFont(sheetPoints), sheetDocument.writer());
    const PaperFont keyFont(paperFont(keyPoints), sheetDocument.writer());
    const PaperFont labelFont(paperFont(picturePoints, QFont::Normal), sheetDocument.writer());
    const ClassSet set =
        layOutClassSet(options.choice, {sheetFont.layoutMetrics(), keyFont.layoutMetrics(),
                                        labelFont.layoutMetrics()});
    sheetDocument.print(set.sheets, set.sheetsTitle, sheetFont, labelFont);
    if (!key)
        return;
    PdfDocument keyDocument(key, options);
    keyDocument.print(set.key, set.keyTitle, keyFont, labelFont);
}
