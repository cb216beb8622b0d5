#include "manualrenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <cmath>

namespace manual {

namespace {

// The PDF's coordinates are in dots of this size; "px" in the source means
// one 96th of an inch, as on a screen.
constexpr int kResolution = 600;
constexpr double kSourceDpi = 96.0;
constexpr double kDotsPerSourcePixel = kResolution / kSourceDpi;
constexpr double kMillimetresPerInch = 25.4;
// Lengths that the tool sets itself are in the PDF's dots.
constexpr double kDotsPerMm = kResolution / kMillimetresPerInch;

// A4, margins in millimetres; the running head and the foot take bands of
// the printable area above and below the text.
const QMarginsF kPageMargins(18, 12, 18, 12);
constexpr double kHeadBandMm = 11;
constexpr double kFootBandMm = 10;
constexpr int kMaxContentsPasses = 4;
constexpr int kMaxKeepTogetherPasses = 60;

double dotsFromMm(double mm)
{
    return mm / kMillimetresPerInch * kResolution;
}

double mmFromSourcePixels(double pixels)
{
    return pixels / kSourceDpi * kMillimetresPerInch;
}

QString readSource(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString picturePath(const QString &name, const QDir &base)
{
    const QUrl url(name);
    if (url.isLocalFile())
        return url.toLocalFile();
    return base.absoluteFilePath(QUrl::fromPercentEncoding(name.toUtf8()));
}

struct PictureSpot {
    int position = 0;
    int length = 0;
    QTextImageFormat format;
};

QList<PictureSpot> pictureSpots(const QTextDocument &document)
{
    QList<PictureSpot> spots;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                spots.append({fragment.position(), fragment.length(),
                              fragment.charFormat().toImageFormat()});
        }
    }
    return spots;
}

// Loads every picture of the document from its file; the first that cannot
// be read ends the loading with its name.
QString loadPictures(QTextDocument &document, const QDir &base)
{
    for (const PictureSpot &spot : pictureSpots(document)) {
        const QString name = spot.format.name();
        const QUrl key(name);
        if (document.resource(QTextDocument::ImageResource, key).isValid())
            continue;
        const QString path = picturePath(name, base);
        const QImage picture(path);
        if (picture.isNull())
            return QStringLiteral("the picture %1 cannot be read (%2)")
                .arg(name, QDir::toNativeSeparators(path));
        document.addResource(QTextDocument::ImageResource, key, picture);
    }
    return {};
}

// Gives every picture an explicit printed size in source pixels: its own
// size, or the one the source asks for, scaled down to `columnPixels` when
// wider. A size given on one side only keeps the picture's proportions.
void fitPictures(QTextDocument &document, double columnPixels)
{
    const QList<PictureSpot> spots = pictureSpots(document);
    for (const PictureSpot &spot : spots) {
        const QImage picture =
            document.resource(QTextDocument::ImageResource, QUrl(spot.format.name()))
                .value<QImage>();
        const QSizeF natural = picture.deviceIndependentSize();
        if (natural.isEmpty())
            continue;
        const double aspect = natural.height() / natural.width();
        const bool hasWidth = spot.format.hasProperty(QTextFormat::ImageWidth);
        const bool hasHeight = spot.format.hasProperty(QTextFormat::ImageHeight);
        double width = natural.width();
        double height = natural.height();
        if (hasWidth && hasHeight) {
            width = spot.format.width();
            height = spot.format.height();
        } else if (hasWidth) {
            width = spot.format.width();
            height = width * aspect;
        } else if (hasHeight) {
            height = spot.format.height();
            width = height / aspect;
        }
        if (width > columnPixels) {
            height *= columnPixels / width;
            width = columnPixels;
        }
        QTextImageFormat format = spot.format;
        format.setWidth(width);
        format.setHeight(height);
        QTextCursor cursor(&document);
        cursor.setPosition(spot.position);
        cursor.setPosition(spot.position + spot.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

// Lays the whole document out afresh. The layout adjusts itself to a change
// only near the place changed, which can leave later blocks of a paginated
// document where they were before the change.
void relayout(QTextDocument &document)
{
    document.markContentsDirty(0, document.characterCount());
    document.pageCount();
}

struct PageSpan {
    int first = 0;
    int last = 0;
    bool cut() const { return first != last; }
};

// The pages a rectangle of the document lies on.
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

// Moves each picture, and each table that fits on a page, that the end of a
// page would cut to the next page; says whether it moved any.
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

QTextBlock findContentsMarker(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed() == kContentsMarker)
            return block;
    }
    return {};
}

// The heading blocks of level 1 and 2 from `from` on.
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

int pageOf(const QTextDocument &document, const QTextBlock &block)
{
    const double top = document.documentLayout()->blockBoundingRect(block).top();
    const double pageHeight = document.pageSize().height();
    return int(std::floor((top + 0.5) / pageHeight)) + 1;
}

// The contents: a table with a line per heading and a cell for its page,
// put in place of the marker paragraph.
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

void setPageCell(QTextTable *table, int row, int page)
{
    const QTextTableCell cell = table->cellAt(row, 1);
    QTextCursor cursor = cell.firstCursorPosition();
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    cursor.insertText(QString::number(page), format);
}

// Writes the page numbers into the contents until they hold still: a number
// of another width could move a heading to another page.
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

QString chapterOnPage(const QList<Heading> &headings, int page)
{
    QString chapter;
    for (const Heading &heading : headings) {
        if (heading.page > page)
            break;
        if (heading.level == 1)
            chapter = heading.title;
    }
    return chapter;
}

struct PageFrame {
    QRectF area; // the printable area
    QRectF body; // the text inside it
};

void drawHeadAndFoot(QPainter &painter, const PageFrame &frame, const QString &title,
                     const QString &chapter, int page, int pageCount)
{
    painter.save();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    const double gap = dotsFromMm(2.5);
    const QRectF head(0, 0, frame.area.width(), frame.body.top() - gap);
    painter.drawText(head, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.drawText(head, Qt::AlignRight | Qt::AlignBottom, chapter);
    painter.setPen(QPen(QColor(0, 96, 0), dotsFromMm(0.25)));
    const double rule = frame.body.top() - gap * 0.6;
    painter.drawLine(QPointF(0, rule), QPointF(frame.area.width(), rule));
    painter.setPen(QColor(90, 90, 90));
    const QRectF foot(0, frame.body.bottom() + gap, frame.area.width(),
                      frame.area.height() - frame.body.bottom() - gap);
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Page %1 of %2").arg(page).arg(pageCount));
    painter.restore();
}

void drawBody(QPainter &painter, const QTextDocument &document, const PageFrame &frame, int page)
{
    painter.save();
    const double pageHeight = frame.body.height();
    painter.translate(frame.body.left(), frame.body.top() - (page - 1) * pageHeight);
    const QRectF view(0, (page - 1) * pageHeight, frame.body.width(), pageHeight);
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

QList<PictureReport> pictureReports(const QTextDocument &document)
{
    QList<PictureReport> reports;
    for (const PictureSpot &spot : pictureSpots(document)) {
        const PageSpan pages = blockPages(document, document.findBlock(spot.position));
        reports.append({spot.format.name(), mmFromSourcePixels(spot.format.width()),
                        mmFromSourcePixels(spot.format.height()), pages.first, pages.last});
    }
    return reports;
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

QString saveText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    file.write(text.toUtf8());
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

// Sets the writer's pages up and returns where the text goes on them.
PageFrame setUpPages(QPdfWriter &writer, const QString &title)
{
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins,
                                     QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Qarnivo manual tool"));
    PageFrame frame;
    frame.area = QRectF(0, 0, writer.width(), writer.height());
    frame.body = frame.area.adjusted(0, dotsFromMm(kHeadBandMm), 0, -dotsFromMm(kFootBandMm));
    return frame;
}

// Lays the document out on pages of `frame` drawn on `device`: fits the
// pictures, builds the contents, keeps pictures and tables whole and numbers
// the headings.
RenderResult layOut(QTextDocument &document, QPaintDevice *device, const PageFrame &frame)
{
    RenderResult result;
    document.documentLayout()->setPaintDevice(device);
    document.setDocumentMargin(0);
    document.setPageSize(frame.body.size());
    fitPictures(document, frame.body.width() / kDotsPerSourcePixel);
    result.textWidth = frame.body.width() / kDotsPerMm;

    const QTextBlock marker = findContentsMarker(document);
    QTextTable *contents = nullptr;
    QList<QTextBlock> blocks;
    if (marker.isValid()) {
        const QTextBlock next = marker.next();
        blocks = headingBlocks(document, next.isValid() ? next.position() : marker.position());
        contents = insertContents(marker, blocks);
    } else {
        blocks = headingBlocks(document, 0);
    }
    // Moving a picture or a table moves the pages of the headings after it.
    for (int pass = 0; pass < kMaxKeepTogetherPasses; ++pass) {
        relayout(document);
        if (!keepTogether(document, contents))
            break;
    }
    result.headings = numberHeadings(document, contents, blocks);
    relayout(document);
    result.pictures = pictureReports(document);
    result.tables = tableReports(document, contents);
    result.pageCount = document.pageCount();
    return result;
}

// Lays the document out on the writer's pages and paints them.
RenderResult paintManual(QTextDocument &document, QPdfWriter &writer)
{
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    const PageFrame frame = setUpPages(writer, title);
    RenderResult result = layOut(document, &writer, frame);
    QPainter painter;
    if (!painter.begin(&writer)) {
        result.error = QStringLiteral("the PDF cannot be painted");
        return result;
    }
    for (int page = 1; page <= result.pageCount; ++page) {
        if (page > 1) {
            writer.newPage();
            drawHeadAndFoot(painter, frame, title, chapterOnPage(result.headings, page), page,
                            result.pageCount);
        }
        drawBody(painter, document, frame, page);
    }
    painter.end();
    return result;
}

} // namespace

Expansion ExpandPlaceholders(const QString &source, const QMap<QString, QString> &values)
{
    static const QRegularExpression placeholder(QStringLiteral("@([A-Z][A-Z0-9_]*)@"));
    Expansion expansion;
    qsizetype copied = 0;
    for (auto it = placeholder.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        if (!values.contains(name)) {
            expansion.error = QStringLiteral("no value for the placeholder @%1@").arg(name);
            return expansion;
        }
        expansion.text += source.mid(copied, match.capturedStart() - copied);
        expansion.text += values.value(name);
        copied = match.capturedEnd();
    }
    expansion.text += source.mid(copied);
    return expansion;
}

RenderResult RenderManual(const ManualOptions &options)
{
    RenderResult result;
    QString error;
    const QString source = readSource(options.sourcePath, &error);
    if (!error.isEmpty()) {
        result.error = error;
        return result;
    }
    const Expansion expansion = ExpandPlaceholders(source, options.values);
    if (!expansion.error.isEmpty()) {
        result.error = QStringLiteral("%1: %2").arg(options.sourcePath, expansion.error);
        return result;
    }

    QTextDocument document;
    const QDir base = QFileInfo(options.sourcePath).absoluteDir();
    document.setBaseUrl(QUrl::fromLocalFile(base.absolutePath() + u'/'));
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setHtml(expansion.text);
    error = loadPictures(document, base);
    if (!error.isEmpty()) {
        result.error = QStringLiteral("%1: %2").arg(options.sourcePath, error);
        return result;
    }

    const QString outputFolder = QFileInfo(options.outputPath).absolutePath();
    if (!QDir().mkpath(outputFolder)) {
        result.error = QStringLiteral("%1: the folder cannot be created").arg(outputFolder);
        return result;
    }
    QSaveFile pdf(options.outputPath);
    if (!pdf.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("%1: %2").arg(options.outputPath, pdf.errorString());
        return result;
    }
    {
        QPdfWriter writer(&pdf);
        result = paintManual(document, writer);
    }
    if (!result.ok())
        return result;
    if (!pdf.commit()) {
        result.error = QStringLiteral("%1: %2").arg(options.outputPath, pdf.errorString());
        return result;
    }
    if (!options.textPath.isEmpty())
        result.error = saveText(options.textPath, document.toPlainText());
    return result;
}

QStringList RenderReport(const RenderResult &result)
{
    const auto mm = [](double value) { return QString::number(value, 'f', 1); };
    QStringList lines{QStringLiteral("pages %1").arg(result.pageCount),
                      QStringLiteral("text-width %1").arg(mm(result.textWidth))};
    for (const Heading &heading : result.headings)
        lines.append(QStringLiteral("heading %1 %2 %3")
                         .arg(heading.level)
                         .arg(heading.page)
                         .arg(heading.title));
    for (const PictureReport &picture : result.pictures)
        lines.append(QStringLiteral("picture %1 %2 %3 %4 %5")
                         .arg(mm(picture.width), mm(picture.height))
                         .arg(picture.firstPage)
                         .arg(picture.lastPage)
                         .arg(picture.name));
    for (const TableReport &table : result.tables)
        lines.append(QStringLiteral("table %1 %2 %3")
                         .arg(table.rows)
                         .arg(table.firstPage)
                         .arg(table.lastPage));
    return lines;
}

} // namespace manual
