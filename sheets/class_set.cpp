// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/class_set.h"

#include "case/seeded_random_source.h"
#include "core/exercise_texts.h"
#include "core/worksheet.h"
#include "sheets/pdf_pages.h"
#include "sheets/qr_code.h"
#include "window/body_water_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <optional>

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

// A PDF file being written: its writer, the painter on it, and its pages
// to place printed blocks on.
struct PdfDocument {
    PdfDocument(QIODevice* device, const SheetOptions& options, const QString& title, double points)
        : writer(device), painter(setUp(writer, options, title)),
          pages(writer, painter, paperFont(points)) {}

    static QPdfWriter* setUp(QPdfWriter& writer, const SheetOptions& options,
                             const QString& title) {
        writer.setPageSize(QPageSize(options.paper));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(1200);
        writer.setTitle(title);
        writer.setCreator(
            QStringLiteral("compartica-sheets %1").arg(QCoreApplication::applicationVersion()));
        return &writer;
    }

    // The QR code of a sheet's link, at the right beside its header, from
    // the block's top down: the page's margins and half a line below it
    // leave its quiet zone.
    int codeSide() const { return linkedHeaderLines * pages.lineHeight() - pages.lineHeight() / 2; }
    void drawCode(const std::string& link, int top) {
        const int side = codeSide();
        drawQrCode(painter, QRect(writer.width() - side, top, side, side), encodeQrCode(link));
    }

    // The link printed in lines that end half a line short of the code.
    std::vector<std::string> linkLines(const std::string& link) const {
        const int room = writer.width() - codeSide() - pages.lineHeight() / 2;
        return addressLines(link,
                            [&](const std::string& line) { return pages.textWidth(line) <= room; });
    }

    // A case's body water in the key lines left for it at the foot of its
    // block, the block's lines from `top`.
    void drawPicture(const BodyWater& water, const PrintedPanel& block, int top,
                     const Language& language) {
        const QFont labels = paperFont(picturePoints, QFont::Normal);
        const QFontMetrics metrics(labels, &writer);
        const int room = keyPictureLines * pages.lineHeight();
        const BodyWaterPicture picture = drawBodyWater(
            water, language,
            {writer.width(), room, metrics.height(), [&metrics](const std::string& text) {
                 return metrics.horizontalAdvance(QString::fromStdString(text));
             }});
        const int bottom = top + static_cast<int>(block.lines().size()) * pages.lineHeight();
        painter.save();
        painter.setFont(labels);
        painter.translate(0, bottom - picture.height);
        paintBodyWater(painter, picture, pages.lineHeight() / 16.0);
        painter.restore();
    }

    QPdfWriter writer;
    QPainter painter;
    PdfPages pages;
};

std::unique_ptr<RandomSource> caseSource(const SheetOptions& options, const CaseRef& ref) {
    if (!options.draws.empty())
        return std::make_unique<ListedRandomSource>(options.draws);
    return std::make_unique<SeededRandomSource>(ref.seed());
}

} // namespace

void renderClassSet(const SheetOptions& options, QIODevice& sheets, QIODevice* key) {
    PdfDocument sheet(&sheets, options,
                      QString::fromStdString(sheetsTitle(options.language, options.seed)),
                      sheetPoints);
    std::optional<PdfDocument> keyDocument;
    if (key)
        keyDocument.emplace(key, options,
                            QString::fromStdString(keyTitle(options.language, options.seed)),
                            keyPoints);

    const int first = options.onlyCase > 0 ? options.onlyCase : 1;
    for (int index = first; index < first + options.count; ++index) {
        const CaseRef ref{options.seed, index};
        const std::string link =
            options.link.isEmpty() ? std::string() : caseLink(options.link.toStdString(), ref);
        PrintedPanel casePage = sheet.pages.block();
        PrintedPanel caseKey = keyDocument ? keyDocument->pages.block() : PrintedPanel();
        // Scripted draws make a case that no seed brings back.
        const std::string label = options.draws.empty()
                                      ? caseLabel(options.language, options.seed, index)
                                      : caseNumberLabel(options.language, index);
        const std::optional<BodyWater> water =
            printCasePages(*caseSource(options, ref), label,
                           link.empty() ? std::vector<std::string>() : sheet.linkLines(link),
                           casePage, caseKey, options.language);
        const int top = sheet.pages.place(casePage, false);
        if (!link.empty())
            sheet.drawCode(link, top);
        if (!keyDocument)
            continue;
        const int keyTop = keyDocument->pages.place(caseKey, !options.keyPerPage);
        if (water)
            keyDocument->drawPicture(*water, caseKey, keyTop, options.language);
    }
}
