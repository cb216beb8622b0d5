#pragma once

// The manual's pages: the units the tool lays out in, the pages a part of
// the document lies on, and keeping pictures and tables whole on a page.

#include "manualrenderer.h"

#include <QList>
#include <QRectF>

class QTextBlock;
class QTextDocument;
class QTextTable;

namespace manual {

// The PDF's coordinates are in dots of this size; "px" in the source means
// one 96th of an inch, as on a screen.
constexpr int kResolution = 600;
constexpr double kSourceDpi = 96.0;
constexpr double kDotsPerSourcePixel = kResolution / kSourceDpi;
constexpr double kMillimetresPerInch = 25.4;
// Lengths that the tool sets itself are in the PDF's dots.
constexpr double kDotsPerMm = kResolution / kMillimetresPerInch;

// Lays the whole document out afresh. The layout adjusts itself to a change
// only near the place changed, which can leave later blocks of a paginated
// document where they were before the change.
void relayout(QTextDocument &document);

struct PageSpan {
    int first = 0;
    int last = 0;
    bool cut() const { return first != last; }
};

// The pages a rectangle of the document lies on.
PageSpan pagesOf(const QTextDocument &document, const QRectF &rect);
PageSpan blockPages(const QTextDocument &document, const QTextBlock &block);
int pageOf(const QTextDocument &document, const QTextBlock &block);

// Moves each picture, and each table that fits on a page, that the end of a
// page would cut to the next page; says whether it moved any. `contents` is
// the table of contents, which is left alone.
bool keepTogether(QTextDocument &document, const QTextTable *contents);

QList<TableReport> tableReports(const QTextDocument &document, const QTextTable *contents);

} // namespace manual
