// Drawing the month: the day grid, the header row, the month caption and
// the Arabic-numeral face of the day numbers.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/monthview.h"
#include "core/calendar/names.h"
#include "core/help/maker.h"
#include "platform/platform.h"
#include "widgets/cellgrid.h"
#include "widgets/clickablepicture.h"
#include "widgets/pictures.h"
#include "windows/main/layout.h"
#include "windows/options/options.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>

namespace qarnivo {

namespace {

const QString kArabicNumeralFont = ArabicNumeralFamily();
const QColor kSelectedBackground(255, 224, 192);
const QColor kSelectedText(255, 0, 0);

bool urduChosen()
{
    return QLocale().language() == QLocale::Urdu;
}

// The day numbers are Arabic-Indic in every language, drawn from ASCII digits
// by the numeral face; Urdu writes them in its own (Extended Arabic-Indic)
// digits, which a Nastaliq face draws. The English view keeps ASCII digits.
QString dayNumberText(int day, bool englishView)
{
    return englishView || !urduChosen() ? QString::number(day) : ShownNumber(day);
}

// The weekday names of the header's own view: Arabic pictures in Arabic,
// Urdu ones otherwise.
QPixmap weekDayPicture(int column)
{
    return QLocale().language() == QLocale::Arabic ? pictures::ArabicWeekDayPicture(column)
                                                   : pictures::WeekDayPicture(column);
}

} // namespace

void frmqarnivo::StartFirst()
{
    ClearCellGrid(m_dayGrid);
    if (m_month.monthDays > 30) {
        m_platform.messageBox(tr("Error - No. of Days is shown as %1. Contact software "
                                 "vendor for necessary\r\naction. In the mean time "
                                 "the no. of days is being taken as 30.\r\n")
                                  .arg(ShownNumber(m_month.monthDays)),
                              MsgIcon::Critical, MsgButtons::Ok);
        m_month.monthDays = 30;
        m_month.days = LayOutMonth(m_month.firstWeekDay, m_month.monthDays);
    }
    HideMonthPictures();
    showMonthPicture(m_state.CurrentHijriMonth);
    showMonthCaption();
    FillMonthGrid();
    markToday();
    showCrescent();
    m_selectedDay = m_state.CurrentHijriDay;
    MarkSelectedDay();
    m_yearBox->setText(ShownNumber(m_state.CurrentHijriYear));
    m_englishYearBox->setText(m_yearBox->text());
    describeDayCells();
}

// The month's name, with a sign and its tooltip when its start was announced.
void frmqarnivo::showMonthCaption()
{
    const int month = m_state.CurrentHijriMonth;
    const int year = m_state.CurrentHijriYear;
    const bool announced = m_calendar.sourceOf(year, month) == HijriSource::Announced;
    m_monthCaption->setText(m_names.HMonthShort[month] +
                            (announced ? QStringLiteral(" \u2605") : QString()));
    m_monthCaption->setToolTip(announced ? AnnouncedMarkTip(m_calendar.firstDayOf(year, month))
                                         : QString());
    if (m_options)
        m_options->setShownMonth({month, year});
}

void frmqarnivo::FillMonthGrid()
{
    for (int column = 0; column < 7; ++column)
        m_dayGrid->setColumnWidth(column, m_scale(layout::kColumnWidth));
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (m_month.days[row][column] == 0)
                continue;
            QTableWidgetItem *cell = GridCell(m_dayGrid, row, column);
            cell->setText(
                dayNumberText(m_month.days[row][column], m_dayView == QLatin1String("English")));
            cell->setTextAlignment(Qt::AlignCenter);
        }
    }
}

void frmqarnivo::markToday()
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int day = m_month.days[row][column];
            GridCell(m_dayGrid, row, column)->setData(kFramedRole, day > 0 && isToday(day));
        }
    }
}

bool frmqarnivo::isToday(int day) const
{
    const QDate today = m_today.date();
    return m_month.firstDay + day - 1 ==
           GregorianToJulianDay(today.year(), today.month(), today.day());
}

void frmqarnivo::MarkSelectedDay()
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (m_month.days[row][column] != m_selectedDay)
                continue;
            m_dayGrid->setCurrentCell(row, column);
            m_selectedRow = static_cast<qint16>(row);
            m_selectedColumn = static_cast<qint16>(column);
            // The grid's first cell is its resting place; it is not coloured.
            if (row == 0 && column == 0)
                return;
            QTableWidgetItem *cell = GridCell(m_dayGrid, row, column);
            cell->setBackground(kSelectedBackground);
            cell->setForeground(kSelectedText);
            return;
        }
    }
}

void frmqarnivo::SetHeaderWidths()
{
    for (int column = 0; column < 7; ++column)
        m_weekdayHeader->setColumnWidth(column, m_scale(layout::kColumnWidth));
    ShowUrduHeader();
}

void frmqarnivo::ShowUrduHeader()
{
    for (int column = 0; column < 7; ++column) {
        QTableWidgetItem *cell = GridCell(m_weekdayHeader, 0, column);
        cell->setText(QString());
        cell->setData(Qt::DecorationRole,
                      designPicture(weekDayPicture(column), pictures::kWeekDaySize));
        cell->setToolTip(m_names.WeekDayName[column + 1]);
    }
    GridCell(m_dayGrid, 5, 1)
        ->setData(Qt::DecorationRole,
                  designPicture(pictures::DecorationPicture(pictures::DecorationSet::Image4, 3),
                                pictures::kDecorationSize));
    m_dayGrid->setCurrentCell(5, 5);
}

void frmqarnivo::ShowEnglishHeader()
{
    for (int column = 0; column < 7; ++column) {
        QTableWidgetItem *cell = GridCell(m_weekdayHeader, 0, column);
        cell->setData(Qt::DecorationRole, QVariant());
        // The header's other view is English in every language.
        cell->setText(EnglishNames().WeekDayShort[column + 1]);
        cell->setTextAlignment(Qt::AlignCenter);
    }
}

void frmqarnivo::HideMonthPictures()
{
    for (int month = 1; month <= 12; ++month)
        m_monthPictures[month]->hide();
}

void frmqarnivo::CheckArabicFont()
{
    const QStringList fonts = m_platform.fontFamilies();
    const bool installed = std::any_of(fonts.begin(), fonts.end(), [](const QString &family) {
        return family.compare(kArabicNumeralFont, Qt::CaseInsensitive) == 0;
    });
    setDayFontFamily(nativeDayFamily());
    QFont yearFont = m_yearBox->font();
    yearFont.setFamily(kArabicNumeralFont);
    m_yearBox->setFont(yearFont);
    if (installed)
        return;
    m_platform.messageBox(tr("Tarvelonix Font is not installed in your system. You will not be\r\n"
                             "able to view Arabic DATE numbers in the calendar. You can\r\n"
                             "download and install it from the following website:\r\n\r\n") +
                              QString(9, u' ') + kArabicFontPage,
                          MsgIcon::Critical, MsgButtons::Ok);
    const QString fallback = QStringLiteral("Arial");
    setDayFontFamily(fallback);
    for (QLineEdit *year : {m_yearBox, m_englishYearBox}) {
        QFont font = year->font();
        font.setFamily(fallback);
        year->setFont(font);
    }
}

QString frmqarnivo::nativeDayFamily() const
{
    return urduChosen() ? QStringLiteral("Noto Nastaliq Urdu") : kArabicNumeralFont;
}

void frmqarnivo::setDayFontFamily(const QString &family)
{
    QFont dayFont = m_scale.font(m_dayGrid->font(), layout::kDayPoints);
    dayFont.setFamily(family);
    // A face with tall lines (Nastaliq) is made smaller until a day fits its cell.
    const QSize cell(m_scale(layout::kColumnWidth) - 4, m_scale(layout::kDayRowHeight) - 2);
    const QString widest = dayNumberText(30, m_dayView == QLatin1String("English"));
    m_dayGrid->setFont(FontToFit(dayFont, widest, cell, layout::kDayPoints / 2 * m_scale.factor()));
}

} // namespace qarnivo
