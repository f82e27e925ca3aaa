// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/class_set.h"

#include "case/seeded_random_source.h"
#include "sheets/pdf_panel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace {

// The key's pages when no key was asked for.
class NoPaper final : public PaperPanel {
public:
    void Cls() override {}
    void Print(const PrintItems&, bool) override {}
    void nextBlock() override {}
};

// Bold Liberation Sans, as on screen, at 9 points so that the longest line
// of the case and of the answers fits between margins of 15 mm.
QFont paperFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.0);
    font.setWeight(QFont::Bold);
    return font;
}

void setUp(QPdfWriter& writer, const SheetOptions& options, const QString& title) {
    writer.setPageSize(QPageSize(options.paper));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(1200);
    writer.setTitle(title);
    writer.setCreator(
        QStringLiteral("compartica-sheets %1").arg(QCoreApplication::applicationVersion()));
}

QString setName(const SheetOptions& options) {
    return QString::number(options.seed);
}

} // namespace

void renderClassSet(const SheetOptions& options, QIODevice& sheets, QIODevice* key) {
    QPdfWriter sheetWriter(&sheets);
    setUp(sheetWriter, options, QStringLiteral("Compartica cases, set %1").arg(setName(options)));
    QPainter sheetPainter(&sheetWriter);
    PdfPanel sheet(sheetPainter, paperFont(), {});

    std::unique_ptr<QPdfWriter> keyWriter;
    std::unique_ptr<QPainter> keyPainter;
    std::unique_ptr<PaperPanel> keyPages = std::make_unique<NoPaper>();
    if (key) {
        keyWriter = std::make_unique<QPdfWriter>(key);
        setUp(*keyWriter, options,
              QStringLiteral("Compartica answer key, set %1").arg(setName(options)));
        keyPainter = std::make_unique<QPainter>(keyWriter.get());
        keyPages = std::make_unique<PdfPanel>(*keyPainter, paperFont(), QPoint());
    }

    const int first = options.onlyCase > 0 ? options.onlyCase : 1;
    for (int index = first; index < first + options.count; ++index) {
        if (index > first) {
            sheetWriter.newPage();
            sheet.newPage({});
            if (key) {
                keyWriter->newPage();
                static_cast<PdfPanel&>(*keyPages).newPage({});
            }
        }
        std::unique_ptr<RandomSource> random;
        if (options.draws.empty())
            random = std::make_unique<SeededRandomSource>(caseSeed(options.seed, index));
        else
            random = std::make_unique<ListedRandomSource>(options.draws);
        const std::string label = "Case " + std::to_string(index) + ", seed " +
                                  std::to_string(options.seed) + "-" + std::to_string(index);
        printCasePages(*random, label, sheet, *keyPages);
    }
}
