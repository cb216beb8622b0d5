#include "manualrenderer.h"

#include "manualcontents.h"
#include "manualpages.h"
#include "manualpictures.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace manual {

namespace {

// A4, margins in millimetres; the running head and the foot take bands of
// the printable area above and below the text.
const QMarginsF kPageMargins(18, 12, 18, 12);
constexpr double kHeadBandMm = 11;
constexpr double kFootBandMm = 10;
constexpr int kMaxKeepTogetherPasses = 60;

double dotsFromMm(double mm)
{
    return mm / kMillimetresPerInch * kResolution;
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
