// The Prayer Times window's month on paper and in files: printed, saved as
// PDF, exported as CSV, all through the platform.

#include "windows/prayertimes/prayerwindow.h"

#include "core/files/savefile.h"
#include "core/prayer/timetabletext.h"
#include "platform/platform.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace qarnivo {

std::unique_ptr<QTextDocument> PrayerTimesWindow::timetableDocument() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(
        TimetableHtml(place().name, m_date.year(), m_date.month(), m_days, m_settings, m_calendar));
    return document;
}

void PrayerTimesWindow::Print_Click()
{
    m_platform.printDocument(*timetableDocument());
}

QString PrayerTimesWindow::suggestedPath(const QString &suffix) const
{
    return QDir(m_platform.applicationFolder())
        .filePath(TimetableFileName(place().name, m_date.year(), m_date.month(), suffix));
}

void PrayerTimesWindow::reportUnwritten(const QString &path, const QString &reason)
{
    m_platform.messageBox(tr("The file could not be written:\r\n%1\r\n%2")
                              .arg(QDir::toNativeSeparators(path), reason),
                          MsgIcon::Exclamation, MsgButtons::Ok);
}

// The PDF goes to a temporary file that replaces the chosen one only when
// complete, so a failure never leaves half a document under its name.
void PrayerTimesWindow::SavePdf_Click()
{
    const QString path = m_platform.saveFileName(suggestedPath(QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (const QString refused = OpenSave(file); !refused.isEmpty())
        return reportUnwritten(path, refused);
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("Qarnivo"));
        writer.setTitle(
            tr("Prayer Times %1 %2").arg(place().name, MonthTitle(m_date.year(), m_date.month())));
        timetableDocument()->print(&writer);
    }
    if (const QString reason = FinishSave(file); !reason.isEmpty())
        reportUnwritten(path, reason);
}

void PrayerTimesWindow::ExportCsv_Click()
{
    const QString path = m_platform.saveFileName(suggestedPath(QStringLiteral("csv")));
    if (path.isEmpty())
        return;
    if (const QString reason = SaveBytes(path, TimetableCsv(m_days, m_calendar)); !reason.isEmpty())
        reportUnwritten(path, reason);
}

} // namespace qarnivo
