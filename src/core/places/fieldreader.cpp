#include "core/places/fieldreader.h"

namespace qarnivo {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Passes over one line end (CR LF, LF or CR) at `pos`.
qsizetype skipLineEnd(const QString &text, qsizetype pos)
{
    if (pos < text.size() && text[pos] == u'\r')
        ++pos;
    if (pos < text.size() && text[pos] == u'\n')
        ++pos;
    return pos;
}

// Passes over the separator that ends a field: a comma or a line end.
qsizetype skipSeparator(const QString &text, qsizetype pos)
{
    if (pos < text.size() && text[pos] == u',')
        return pos + 1;
    return skipLineEnd(text, pos);
}

qsizetype findSeparator(const QString &text, qsizetype pos)
{
    while (pos < text.size() && text[pos] != u',' && !isLineEnd(text[pos]))
        ++pos;
    return pos;
}

} // namespace

QStringList ReadFields(const QString &text, qsizetype maxFields)
{
    QStringList fields;
    qsizetype pos = 0;
    bool atLineStart = true;
    while (pos < text.size() && (maxFields < 0 || fields.size() < maxFields)) {
        while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
            ++pos;
        if (pos >= text.size())
            break;
        if (atLineStart && isLineEnd(text[pos])) { // an empty line
            pos = skipLineEnd(text, pos);
            continue;
        }
        qsizetype end;
        if (text[pos] == u'"') {
            qsizetype close = text.indexOf(u'"', pos + 1);
            if (close < 0)
                close = text.size();
            fields.append(text.mid(pos + 1, close - pos - 1));
            end = findSeparator(text, qMin(close + 1, text.size()));
        } else {
            end = findSeparator(text, pos);
            fields.append(text.mid(pos, end - pos));
        }
        atLineStart = end >= text.size() || isLineEnd(text[end]);
        pos = skipSeparator(text, end);
    }
    return fields;
}

} // namespace qarnivo
