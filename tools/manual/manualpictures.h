#pragma once

// The manual's pictures: loaded from their files, fitted to the text column
// and reported as printed.

#include "manualrenderer.h"

class QDir;
class QTextDocument;

namespace manual {

// Loads every picture of the document from its file; the first that cannot
// be read ends the loading with its name.
QString loadPictures(QTextDocument &document, const QDir &base);

// Gives every picture an explicit printed size in source pixels: its own
// size, or the one the source asks for, scaled down to `columnPixels` when
// wider. A size given on one side only keeps the picture's proportions.
void fitPictures(QTextDocument &document, double columnPixels);

QList<PictureReport> pictureReports(const QTextDocument &document);

} // namespace manual
