#include "shapedtext.h"

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <cstdio>
#include <cstdlib>

namespace picturegen {

namespace {

[[noreturn]] void Fail(const QString &message)
{
    std::fprintf(stderr, "picturegen: %s\n", qPrintable(message));
    std::exit(1);
}

QFont ExactFont(const QString &family, bool bold)
{
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(bold);
    // Unhinted outlines at a large size give exact shapes to scale down.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    return font;
}

} // namespace

QString LoadFontFile(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        Fail(QStringLiteral("cannot load the font %1").arg(path));
    return families.first();
}

QPainterPath ShapedTextPath(const QString &text, const QString &family, bool bold)
{
    QTextLayout layout(text, ExactFont(family, bold));
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(100000);
    layout.endLayout();

    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const qreal baseline = line.ascent();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        if (raw.familyName() != family)
            Fail(QStringLiteral("\"%1\" fell back to %2").arg(text, raw.familyName()));
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            if (glyphs[i] == 0)
                Fail(QStringLiteral("\"%1\" has a character that %2 lacks").arg(text, family));
            QPainterPath glyph = raw.pathForGlyph(glyphs[i]);
            glyph.translate(positions[i] + QPointF(0, -baseline));
            path.addPath(glyph);
        }
    }
    return path;
}

} // namespace picturegen
