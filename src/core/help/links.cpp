#include "core/help/links.h"

#include <QRegularExpression>

namespace qarnivo {

QString LinkedHtml(const QString &plainText)
{
    // An address ends before a closing stop, comma or bracket of the sentence.
    const QRegularExpression address(
        QStringLiteral(R"((https?://[^\s<>"]*[^\s<>".,;:)])|([\w.+-]+@[\w-]+(\.[\w-]+)+))"));
    QString html;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : address.globalMatch(plainText)) {
        html += plainText.mid(from, match.capturedStart() - from).toHtmlEscaped();
        const QString shown = match.captured();
        const QString target =
            match.captured(1).isEmpty() ? QStringLiteral("mailto:") + shown : shown;
        html += QStringLiteral("<a href=\"%1\">%2</a>")
                    .arg(target.toHtmlEscaped(), shown.toHtmlEscaped());
        from = match.capturedEnd();
    }
    html += plainText.mid(from).toHtmlEscaped();
    return QStringLiteral("<div style=\"white-space: pre-wrap\">%1</div>").arg(html);
}

} // namespace qarnivo
