#include "mainwindow/frmqarnivo.h"

#include "calendar/conversionpanel.h"
#include "platform/platform.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace qarnivo {

frmqarnivo::frmqarnivo(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmqarnivo"));
    setWindowTitle(QStringLiteral("Qarnivo with Worldwide Sunrise Sunset timings"));
    createMenus();
    createControls();
}

void frmqarnivo::createMenus()
{
    Exit = menuBar()->addAction(QStringLiteral("E&xit"), this, &frmqarnivo::Exit_Click);
    Exit->setObjectName(QStringLiteral("Exit"));
    ConvertDate = menuBar()->addAction(QStringLiteral("Date &Conversion"), this,
                                       &frmqarnivo::ConvertDate_Click);
    ConvertDate->setObjectName(QStringLiteral("ConvertDate"));
}

void frmqarnivo::createControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    Frame3 = new ConversionPanel(m_platform, m_state, m_names, central);
    Frame3->move(20, 20);
    Frame3->hide();
    resize(800, 560);
}

void frmqarnivo::Form_Load()
{
    const QDate today = m_platform.now().date();
    m_state.StartDate = today;
    m_state.CurrentGregDay = static_cast<qint16>(today.day());
    m_state.CurrentGregMonth = static_cast<qint16>(today.month());
    m_state.CurrentGregYear = static_cast<qint16>(today.year());
    LoadMonthNames(m_names);
    LoadWeekDayNames(m_names);
    Frame3->FillLists();
}

void frmqarnivo::Greg_Hijri_Click()
{
    Frame3->Greg_Hijri_Click();
}

void frmqarnivo::Hijri_Greg_Click()
{
    Frame3->Hijri_Greg_Click();
}

void frmqarnivo::ConvertDate_Click()
{
    Frame3->setGregorianInput(m_state.currentGregorian());
    Frame3->setHidden(!Frame3->isHidden());
    Frame3->Greg_Hijri_Click();
}

void frmqarnivo::Exit_Click()
{
    m_platform.endProgram();
}

void frmqarnivo::closeEvent(QCloseEvent *event)
{
    // Every way of closing the window runs the exit sequence, which ends the
    // program itself; the close request never returns to the window.
    event->ignore();
    Exit_Click();
}

} // namespace qarnivo
