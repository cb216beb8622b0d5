#include "manualpictures.h"

#include "manualpages.h"

#include <QDir>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace manual {

namespace {

double mmFromSourcePixels(double pixels)
{
    return pixels / kSourceDpi * kMillimetresPerInch;
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

} // namespace

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

} // namespace manual
