#pragma once

// The manual's table of contents: the marker paragraph, the headings after
// it, and the table that takes the marker's place with their pages.

#include "manualrenderer.h"

#include <QList>

class QTextBlock;
class QTextDocument;
class QTextTable;

namespace manual {

// The paragraph holding kContentsMarker; an invalid block when there is none.
QTextBlock findContentsMarker(const QTextDocument &document);

// The heading blocks of level 1 and 2 from `from` on.
QList<QTextBlock> headingBlocks(const QTextDocument &document, int from);

// The contents: a table with a line per heading and a cell for its page,
// put in place of the marker paragraph; none without headings.
QTextTable *insertContents(const QTextBlock &marker, const QList<QTextBlock> &headings);

// Writes the page numbers into the contents until they hold still: a number
// of another width could move a heading to another page.
QList<Heading> numberHeadings(QTextDocument &document, QTextTable *contents,
                              const QList<QTextBlock> &blocks);

} // namespace manual
