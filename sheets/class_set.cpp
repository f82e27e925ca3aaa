// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/class_set.h"

#include "case/seeded_random_source.h"
#include "core/exercise_texts.h"
#include "core/worksheet.h"
#include "sheets/pdf_panel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <optional>

namespace {

// Bold Liberation Sans, as on screen, at 9 points so that the longest line
// of the case and of the answers fits between margins of 15 mm.
QFont paperFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.0);
    font.setWeight(QFont::Bold);
    return font;
}

// A PDF file being written: its writer, the painter on it, and its pages
// as a panel to print into.
struct PdfDocument {
    PdfDocument(QIODevice* device, const SheetOptions& options, const QString& title)
        : writer(device), painter(setUp(writer, options, title)), pages(painter, paperFont()) {}

    void newPage() {
        writer.newPage();
        pages.newPage();
    }

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

    QPdfWriter writer;
    QPainter painter;
    PdfPanel pages;
};

} // namespace

void renderClassSet(const SheetOptions& options, QIODevice& sheets, QIODevice* key) {
    PdfDocument sheet(&sheets, options, QString::fromStdString(sheetsTitle(options.seed)));
    std::optional<PdfDocument> keyDocument;
    if (key)
        keyDocument.emplace(key, options, QString::fromStdString(keyTitle(options.seed)));
    PrintedPanel noKey; // the key's pages when no key was asked for
    TextPanel& keyPages = keyDocument ? keyDocument->pages.panel() : noKey;

    const int first = options.onlyCase > 0 ? options.onlyCase : 1;
    for (int index = first; index < first + options.count; ++index) {
        if (index > first) {
            sheet.newPage();
            if (keyDocument)
                keyDocument->newPage();
        }
        std::unique_ptr<RandomSource> random;
        if (options.draws.empty())
            random = std::make_unique<SeededRandomSource>(caseSeed(options.seed, index));
        else
            random = std::make_unique<ListedRandomSource>(options.draws);
        printCasePages(*random, caseLabel(options.seed, index), sheet.pages.panel(), keyPages);
    }
}
