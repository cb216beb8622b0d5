#include "manualpages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>

namespace manual {

namespace {

QList<QTextTable *> sourceTables(const QTextDocument &document, const QTextTable *contents)
{
    QList<QTextTable *> tables;
    const QList<QTextFrame *> frames = document.rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (table && table != contents)
            tables.append(table);
    }
    return tables;
}

bool holdsPicture(const QTextBlock &block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isImageFormat())
            return true;
    }
    return false;
}

} // namespace

void relayout(QTextDocument &document)
{
    document.markContentsDirty(0, document.characterCount());
    document.pageCount();
}

PageSpan pagesOf(const QTextDocument &document, const QRectF &rect)
{
    const double pageHeight = document.pageSize().height();
    const auto page = [pageHeight](double y) { return int(std::floor(y / pageHeight)) + 1; };
    return {page(rect.top() + 0.5), page(std::max(rect.top(), rect.bottom() - 0.5))};
}

PageSpan blockPages(const QTextDocument &document, const QTextBlock &block)
{
    return pagesOf(document, document.documentLayout()->blockBoundingRect(block));
}

int pageOf(const QTextDocument &document, const QTextBlock &block)
{
    const double top = document.documentLayout()->blockBoundingRect(block).top();
    const double pageHeight = document.pageSize().height();
    return int(std::floor((top + 0.5) / pageHeight)) + 1;
}

bool keepTogether(QTextDocument &document, const QTextTable *contents)
{
    bool moved = false;
    const double pageHeight = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!holdsPicture(block) || !blockPages(document, block).cut() ||
            block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        moved = true;
    }
    // A table moves by a page break after the paragraph before it: a break
    // before the table itself would leave its top border behind.
    for (QTextTable *table : sourceTables(document, contents)) {
        const QRectF rect = document.documentLayout()->frameBoundingRect(table);
        QTextCursor before = table->firstCursorPosition();
        if (rect.height() > pageHeight || !pagesOf(document, rect).cut() ||
            !before.movePosition(QTextCursor::PreviousBlock) || before.currentTable())
            continue;
        QTextBlockFormat format = before.blockFormat();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter)
            continue;
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysAfter);
        before.setBlockFormat(format);
        moved = true;
    }
    return moved;
}

QList<TableReport> tableReports(const QTextDocument &document, const QTextTable *contents)
{
    QList<TableReport> reports;
    for (QTextTable *table : sourceTables(document, contents)) {
        const PageSpan pages =
            pagesOf(document, document.documentLayout()->frameBoundingRect(table));
        reports.append({table->rows(), pages.first, pages.last});
    }
    return reports;
}

} // namespace manual
