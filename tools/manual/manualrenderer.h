#pragma once

// Renders the user's manual from its HTML source to a PDF.
//
// The source is ordinary HTML in the subset that QTextDocument reads. Before
// it is read, every placeholder @NAME@ (capital letters, digits and "_"
// between two "@") is replaced by a value given on the command line; a
// placeholder without a value is an error, so that no "@VERSION@" slips into
// the printed manual. A paragraph holding only [[CONTENTS]] becomes the table
// of contents: one line per heading of level 1 and 2 after it, with the page
// the heading is printed on.
//
// Pictures are loaded from files relative to the source; a picture that
// cannot be loaded is an error, and a picture wider than the text column is
// scaled down to the column, keeping its proportions. A picture, and a table
// that fits on one page, is never cut by the end of a page: it moves to the
// next page instead. The PDF is A4, with a
// running head (the manual's title and the current chapter) and "Page N of M"
// at the foot of every page but the first. It is written through a temporary
// file: a failure never leaves a half-written PDF, and an older PDF stays as
// it was.

#include <QMap>
#include <QString>
#include <QStringList>

namespace manual {

struct ManualOptions {
    QString sourcePath;            // the HTML source
    QString outputPath;            // the PDF to write
    QString textPath;              // optional: the manual as plain text, as printed
    QMap<QString, QString> values; // placeholder values, by NAME
};

struct Expansion {
    QString text;
    QString error; // empty on success
};

// Replaces each @NAME@ by values[NAME]; an unknown NAME is an error naming it.
Expansion ExpandPlaceholders(const QString &source, const QMap<QString, QString> &values);

// The text of the paragraph that stands for the table of contents.
inline const QString kContentsMarker = QStringLiteral("[[CONTENTS]]");

struct Heading {
    int level = 0; // 1 or 2
    QString title;
    int page = 0; // 1-based
};

struct PictureReport {
    QString name;     // as written in the source
    double width = 0; // as printed, in millimetres
    double height = 0;
    int firstPage = 0; // the pages its line lies on
    int lastPage = 0;
};

struct TableReport {
    int rows = 0;
    int firstPage = 0;
    int lastPage = 0;
};

struct RenderResult {
    QString error; // empty on success
    int pageCount = 0;
    QList<Heading> headings; // every heading of level 1 and 2, in order
    QList<PictureReport> pictures;
    QList<TableReport> tables; // the tables of the source (not the contents)
    double textWidth = 0;      // the text column, in millimetres

    bool ok() const { return error.isEmpty(); }
};

RenderResult RenderManual(const ManualOptions &options);

// A plain report of a rendering, one fact per line, for people and tests:
// "pages N", "text-width MM", "heading LEVEL PAGE TITLE",
// "picture WIDTH HEIGHT FIRST-PAGE LAST-PAGE NAME" (millimetres, one
// decimal), "table ROWS FIRST-PAGE LAST-PAGE".
QStringList RenderReport(const RenderResult &result);

} // namespace manual
