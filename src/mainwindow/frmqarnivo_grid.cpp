// Drawing the month: the day grid, the header row, the month caption and
// the Arabic-numeral face of the day numbers.

#include "mainwindow/frmqarnivo.h"

#include "calendar/leadingnumber.h"
#include "help/maker.h"
#include "mainwindow/layout.h"
#include "mainwindow/monthview.h"
#include "platform/cellgrid.h"
#include "platform/clickablepicture.h"
#include "platform/pictures.h"
#include "platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace qarnivo {

namespace {

const QString kArabicNumeralFont = ArabicNumeralFamily();
const QColor kSelectedBackground(255, 224, 192);
const QColor kSelectedText(255, 0, 0);

int cellNumber(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *cell = grid->item(row, column);
    return cell ? RoundHalfEven(ReadLeadingNumber(cell->text())) : 0;
}

} // namespace

void frmqarnivo::StartFirst()
{
    ClearCellGrid(grCal1);
    if (m_state.HMonthDays > 30) {
        m_platform.messageBox(QStringLiteral("Error - No. of Days is shown as %1. Contact software "
                                             "vendor for necessary\r\naction. In the mean time "
                                             "the no. of days is being taken as 30.\r\n")
                                  .arg(m_state.HMonthDays),
                              MsgIcon::Critical, MsgButtons::Ok);
        m_state.HMonthDays = 30;
    }
    HideMonthPictures();
    Image1[m_state.CurrentHijriMonth]->show();
    Label1->setText(m_names.HMonthShort[m_state.CurrentHijriMonth]);
    FillMonthGrid();
    SelHDay = m_state.CurrentHijriDay;
    MarkSelectedDay();
    Text7->setText(QString::number(m_state.CurrentHijriYear));
    Text8->setText(Text7->text());
    describeDayCells();
}

void frmqarnivo::FillMonthGrid()
{
    for (int column = 0; column < 7; ++column)
        grCal1->setColumnWidth(column, m_scale(layout::kColumnWidth));
    const MonthGrid days = LayOutMonth(m_state.FirstWeekDay, m_state.HMonthDays);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (days[row][column] == 0)
                continue;
            QTableWidgetItem *cell = GridCell(grCal1, row, column);
            cell->setText(QString::number(days[row][column]));
            cell->setTextAlignment(Qt::AlignCenter);
        }
    }
}

void frmqarnivo::MarkSelectedDay()
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (cellNumber(grCal1, row, column) != SelHDay)
                continue;
            grCal1->setCurrentCell(row, column);
            SelRow = static_cast<qint16>(row);
            SelCol = static_cast<qint16>(column);
            // The grid's first cell is its resting place; it is not coloured.
            if (row == 0 && column == 0)
                return;
            QTableWidgetItem *cell = GridCell(grCal1, row, column);
            cell->setBackground(kSelectedBackground);
            cell->setForeground(kSelectedText);
            return;
        }
    }
}

void frmqarnivo::SetHeaderWidths()
{
    for (int column = 0; column < 7; ++column)
        grCal0->setColumnWidth(column, m_scale(layout::kColumnWidth));
    ShowUrduHeader();
}

void frmqarnivo::ShowUrduHeader()
{
    for (int column = 0; column < 7; ++column) {
        QTableWidgetItem *cell = GridCell(grCal0, 0, column);
        cell->setText(QString());
        cell->setData(Qt::DecorationRole,
                      designPicture(pictures::WeekDayPicture(column), pictures::kWeekDaySize));
        cell->setToolTip(m_names.WeekDayName[column + 1]);
    }
    GridCell(grCal1, 5, 1)
        ->setData(Qt::DecorationRole,
                  designPicture(pictures::DecorationPicture(pictures::DecorationSet::Image4, 3),
                                pictures::kDecorationSize));
    grCal1->setCurrentCell(5, 5);
}

void frmqarnivo::ShowEnglishHeader()
{
    for (int column = 0; column < 7; ++column) {
        QTableWidgetItem *cell = GridCell(grCal0, 0, column);
        cell->setData(Qt::DecorationRole, QVariant());
        cell->setText(m_names.WeekDayShort[column + 1]);
        cell->setTextAlignment(Qt::AlignCenter);
    }
}

void frmqarnivo::HideMonthPictures()
{
    for (int month = 1; month <= 12; ++month)
        Image1[month]->hide();
}

void frmqarnivo::CheckArabicFont()
{
    const QStringList fonts = m_platform.fontFamilies();
    const bool installed = std::any_of(fonts.begin(), fonts.end(), [](const QString &family) {
        return family.compare(kArabicNumeralFont, Qt::CaseInsensitive) == 0;
    });
    setDayFontFamily(kArabicNumeralFont);
    QFont yearFont = Text7->font();
    yearFont.setFamily(kArabicNumeralFont);
    Text7->setFont(yearFont);
    if (installed)
        return;
    m_platform.messageBox(
        QStringLiteral("Tarvelonix Font is not installed in your system. You will not be\r\n"
                       "able to view Arabic DATE numbers in the calendar. You can\r\n"
                       "download and install it from the following website:\r\n\r\n") +
            QString(9, u' ') + kArabicFontPage,
        MsgIcon::Critical, MsgButtons::Ok);
    const QString fallback = QStringLiteral("Arial");
    setDayFontFamily(fallback);
    for (QLineEdit *year : {Text7, Text8}) {
        QFont font = year->font();
        font.setFamily(fallback);
        year->setFont(font);
    }
}

void frmqarnivo::setDayFontFamily(const QString &family)
{
    QFont dayFont = grCal1->font();
    dayFont.setFamily(family);
    grCal1->setFont(dayFont);
}

} // namespace qarnivo
