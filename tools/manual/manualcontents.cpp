#include "manualcontents.h"

#include "manualpages.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace manual {

namespace {

constexpr int kMaxContentsPasses = 4;

void setPageCell(QTextTable *table, int row, int page)
{
    const QTextTableCell cell = table->cellAt(row, 1);
    QTextCursor cursor = cell.firstCursorPosition();
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    cursor.insertText(QString::number(page), format);
}

} // namespace

QTextBlock findContentsMarker(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed() == kContentsMarker)
            return block;
    }
    return {};
}

QList<QTextBlock> headingBlocks(const QTextDocument &document, int from)
{
    QList<QTextBlock> headings;
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if ((level == 1 || level == 2) && !block.text().trimmed().isEmpty())
            headings.append(block);
    }
    return headings;
}

QTextTable *insertContents(const QTextBlock &marker, const QList<QTextBlock> &headings)
{
    QTextCursor cursor(marker);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (headings.isEmpty())
        return nullptr;

    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setCellPadding(2);
    tableFormat.setCellSpacing(0);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                           QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable *table = cursor.insertTable(int(headings.size()), 2, tableFormat);
    for (int row = 0; row < headings.size(); ++row) {
        const QTextBlock &heading = headings.at(row);
        const bool chapter = heading.blockFormat().headingLevel() == 1;
        QTextCharFormat text;
        text.setFontWeight(chapter ? QFont::Bold : QFont::Normal);
        QTextBlockFormat line;
        line.setLeftMargin(chapter ? 0 : 6 * kDotsPerMm);
        line.setTopMargin(chapter ? 2 * kDotsPerMm : 0);
        QTextCursor title = table->cellAt(row, 0).firstCursorPosition();
        title.setBlockFormat(line);
        title.insertText(heading.text().trimmed(), text);
        QTextCursor page = table->cellAt(row, 1).firstCursorPosition();
        line.setLeftMargin(0);
        line.setAlignment(Qt::AlignRight);
        page.setBlockFormat(line);
        page.insertText(QStringLiteral("0"), text);
    }
    return table;
}

QList<Heading> numberHeadings(QTextDocument &document, QTextTable *contents,
                              const QList<QTextBlock> &blocks)
{
    QList<Heading> headings;
    for (int pass = 0; pass < kMaxContentsPasses; ++pass) {
        relayout(document);
        QList<Heading> found;
        for (const QTextBlock &block : blocks)
            found.append({block.blockFormat().headingLevel(), block.text().trimmed(),
                          pageOf(document, block)});
        const bool settled = [&] {
            if (found.size() != headings.size())
                return false;
            for (int i = 0; i < found.size(); ++i) {
                if (found.at(i).page != headings.at(i).page)
                    return false;
            }
            return true;
        }();
        headings = found;
        if (settled || !contents)
            break;
        for (int row = 0; row < headings.size(); ++row)
            setPageCell(contents, row, headings.at(row).page);
    }
    return headings;
}

} // namespace manual
