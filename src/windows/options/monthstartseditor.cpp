#include "windows/options/monthstartseditor.h"

#include "core/calendar/names.h"
#include "core/files/savefile.h"
#include "core/files/textfile.h"
#include "core/settings/settingscatalogue.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "windows/options/optionsnames.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qarnivo {

MonthStartsEditor::MonthStartsEditor(Platform &platform, const HijriCalendar &calendar,
                                     HijriMonth shown, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_calendar(calendar), m_shown(shown)
{
    SetControlName(this, optionsnames::StartsDialog);
    setWindowTitle(tr("Announced month starts"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *column = new QVBoxLayout(this);
    auto *note = Named<QLabel>(this, optionsnames::StartsNote);
    note->setWordWrap(true);
    note->setText(tr("An announced month begins on its announced day, "
                     "whatever the day correction."));
    column->addWidget(note);
    m_list = Named<QListWidget>(this, optionsnames::StartsList);
    column->addWidget(m_list);
    createAddRow(this);
    const QString shownText = AnnouncedMonthText(shown.year, shown.month);
    const std::array<QPushButton *, 5> actions{
        NamedButton(this, optionsnames::RemoveButton, tr("Remove")),
        NamedButton(this, optionsnames::EarlierButton, tr("This month began a day earlier")),
        NamedButton(this, optionsnames::LaterButton, tr("This month began a day later")),
        NamedButton(this, optionsnames::ImportButton, tr("Import month starts...")),
        NamedButton(this, optionsnames::ExportButton, tr("Export month starts..."))};
    for (QPushButton *action : actions)
        column->addWidget(action);
    // "This month" is the one the main window shows.
    actions[1]->setToolTip(shownText);
    actions[2]->setToolTip(shownText);
    auto *close = NamedButton(this, optionsnames::StartsCloseButton, tr("Close"));
    column->addWidget(close, 0, Qt::AlignRight);
    connect(actions[0], &QPushButton::clicked, this, &MonthStartsEditor::RemoveStart_Click);
    connect(actions[1], &QPushButton::clicked, this, &MonthStartsEditor::BeganEarlier_Click);
    connect(actions[2], &QPushButton::clicked, this, &MonthStartsEditor::BeganLater_Click);
    connect(actions[3], &QPushButton::clicked, this, &MonthStartsEditor::ImportStarts_Click);
    connect(actions[4], &QPushButton::clicked, this, &MonthStartsEditor::ExportStarts_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    showStarts();
}

// Year, month and the Gregorian day, which starts at the calendar's 1st.
void MonthStartsEditor::createAddRow(QWidget *parent)
{
    auto *row = new QHBoxLayout;
    m_month = Named<QComboBox>(parent, optionsnames::AddMonth);
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(CalendarNames().HMonthShort[month]);
    m_month->setCurrentIndex(m_shown.month - 1);
    m_year = Named<QSpinBox>(parent, optionsnames::AddYear);
    m_year->setRange(kFirstAnnouncedYear, kLastAnnouncedYear);
    m_year->setValue(m_shown.year);
    m_date = Named<QDateEdit>(parent, optionsnames::AddDate);
    m_date->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    auto *add = NamedButton(parent, optionsnames::AddButton, tr("Add"));
    for (QWidget *control : std::array<QWidget *, 4>{m_month, m_year, m_date, add})
        row->addWidget(control);
    static_cast<QBoxLayout *>(layout())->addLayout(row);
    suggestDate();
    connect(m_month, &QComboBox::activated, this, &MonthStartsEditor::suggestDate);
    connect(m_year, &QSpinBox::valueChanged, this, &MonthStartsEditor::suggestDate);
    connect(add, &QPushButton::clicked, this, &MonthStartsEditor::AddStart_Click);
}

void MonthStartsEditor::suggestDate()
{
    const Ymd first =
        JulianDayToGregorian(m_calendar.firstDayOf(m_year->value(), m_month->currentIndex() + 1));
    m_date->setDate(QDate(first.year, first.month, first.day));
}

void MonthStartsEditor::showStarts()
{
    m_list->clear();
    m_list->addItems(AnnouncedStartLines(m_calendar));
}

void MonthStartsEditor::apply(const StartsChange &change)
{
    if (change.refused()) {
        m_platform.messageBox(change.refusal, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    WriteTextSetting(m_platform, SettingKey::MonthStarts, MonthStartsSettingText(change.starts));
    m_calendar = HijriCalendar(m_calendar.kind(), m_calendar.correction(), change.starts);
    showStarts();
    emit startsChanged(change.starts);
}

void MonthStartsEditor::AddStart_Click()
{
    const QDate day = m_date->date();
    apply(
        WithAnnouncedStart(m_calendar, {m_year->value(), m_month->currentIndex() + 1,
                                        GregorianToJulianDay(day.year(), day.month(), day.day())}));
}

void MonthStartsEditor::RemoveStart_Click()
{
    const int row = m_list->currentRow();
    const std::vector<AnnouncedStart> entries = m_calendar.announced().entries();
    if (row < 0 || row >= int(entries.size()))
        return;
    apply(WithoutAnnouncedStart(m_calendar, entries[row].year, entries[row].month));
}

void MonthStartsEditor::BeganEarlier_Click()
{
    apply(WithMonthMoved(m_calendar, m_shown.year, m_shown.month, -1));
}

void MonthStartsEditor::BeganLater_Click()
{
    apply(WithMonthMoved(m_calendar, m_shown.year, m_shown.month, 1));
}

void MonthStartsEditor::ImportStarts_Click()
{
    const QString path = m_platform.openFileName(m_platform.applicationFolder());
    if (path.isEmpty())
        return;
    const TextFileRead read = ReadTextFile(path);
    if (read.status != TextFileRead::Status::Ok) {
        m_platform.messageBox(tr("%1 could not be read.").arg(QDir::toNativeSeparators(path)),
                              MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    apply(WithImportedStarts(m_calendar, read.text));
}

void MonthStartsEditor::ExportStarts_Click()
{
    const QString path = m_platform.saveFileName(
        QDir(m_platform.applicationFolder()).filePath(QStringLiteral("Qarnivo month starts.txt")));
    if (path.isEmpty())
        return;
    const QString reason = SaveBytes(path, SharingFileText(m_calendar.announced()).toUtf8());
    if (!reason.isEmpty())
        m_platform.messageBox(
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), reason),
            MsgIcon::Exclamation, MsgButtons::Ok);
}

} // namespace qarnivo
