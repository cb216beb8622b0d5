// The readings of the main window: the Thought of the Day, the occasions,
// the scripture panel, the help commands and the manual.

#include "mainwindow/frmqarnivo.h"

#include "help/helptexts.h"
#include "help/maker.h"
#include "mainwindow/layout.h"
#include "platform/bookpicture.h"
#include "platform/clickablepicture.h"
#include "platform/contrast.h"
#include "platform/handfont.h"
#include "platform/layoutscale.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "readings/occasions.h"
#include "readings/scripture.h"
#include "readings/textbox.h"
#include "readings/thoughts.h"
#include "readings/tipsexport.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

namespace qarnivo {

namespace {

QAction *namedAction(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

void frmqarnivo::createHelpMenus()
{
    QMenu *dayTips = menuBar()->addMenu(QStringLiteral("Tips of the Days"));
    dayTips->setObjectName(QStringLiteral("DayTips"));
    TestTips = namedAction(dayTips, QStringLiteral("TestTips"), QStringLiteral("Next Day Tip"));
    PrintTips = namedAction(dayTips, QStringLiteral("PrintTips"), QStringLiteral("Print All Tips"));
    Manual = menuBar()->addAction(QStringLiteral("&Manual"));
    Manual->setObjectName(QStringLiteral("Manual"));
    QMenu *about = menuBar()->addMenu(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About"));
    DivineCal = namedAction(about, QStringLiteral("DivineCal"),
                            QStringLiteral("HIJRA - A Divine Calendar"));
    CalendFeatures = namedAction(about, QStringLiteral("CalendFeatures"),
                                 QStringLiteral("Hijri Calendar Features"));
    about->addSeparator();
    SoftVersion =
        namedAction(about, QStringLiteral("SoftVersion"), QStringLiteral("Software Version"));
    Developers =
        namedAction(about, QStringLiteral("Developers"), QStringLiteral("About Developers"));
    GetFree =
        namedAction(about, QStringLiteral("GetFree"), QStringLiteral("Get this Free Calendar"));
    OurSoft = namedAction(about, QStringLiteral("OurSoft"), QStringLiteral("About Our Softwares"));

    Manual->setShortcut(QKeySequence::HelpContents);
    PrintTips->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(PrintTips, &QAction::triggered, this, &frmqarnivo::PrintTips_Click);
    connect(Manual, &QAction::triggered, this, &frmqarnivo::Manual_Click);
    connect(DivineCal, &QAction::triggered, this, &frmqarnivo::DivineCal_Click);
    connect(CalendFeatures, &QAction::triggered, this, &frmqarnivo::CalendFeatures_Click);
    connect(SoftVersion, &QAction::triggered, this, &frmqarnivo::SoftVersion_Click);
    connect(Developers, &QAction::triggered, this, &frmqarnivo::Developers_Click);
    connect(GetFree, &QAction::triggered, this, &frmqarnivo::GetFree_Click);
    connect(OurSoft, &QAction::triggered, this, &frmqarnivo::OurSoft_Click);
}

void frmqarnivo::createHelpControls()
{
    QWidget *area = centralWidget();
    Text6 = new QTextEdit(area);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text6->setReadOnly(true);
    Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text6->setFont(HandFont(12 * m_scale.factor()));
    Text6->setStyleSheet(QStringLiteral("QTextEdit { background: white; color: rgb(0, 0, 192); }"));
    Text6->setGeometry(m_scale.rect(16, 16, 560, 520));
    Text6->setToolTip(QStringLiteral("Double click to close"));
    Text6->viewport()->installEventFilter(this);
    Text6->hide();

    Image7 = new ClickablePicture(area);
    Image7->setObjectName(QStringLiteral("Image7"));
    Image7->setPixmap(OpenBookPicture(m_scale.size(40, 40), devicePixelRatioF()));
    Image7->setToolTip(QStringLiteral("Double click for the translation of the readings"));
    Image7->installEventFilter(this);
    Image7->setGeometry(m_scale.rect(layout::kSideLeft + layout::kSideWidth - 44, 430, 40, 40));

    Label8 = new QLabel(QStringLiteral("Visit our web site"), area);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setCursor(Qt::PointingHandCursor);
    Label8->setStyleSheet(readableRule(QColor(0, 0, 255), kSmallTextContrast));
    Label8->setToolTip(kMakerWebAddress);
    Label8->installEventFilter(this);
    Label8->setGeometry(m_scale.rect(layout::kSideLeft, 486, layout::kSideWidth, 18));
}

void frmqarnivo::BuildThoughts()
{
    m_thoughtText = BuildThoughtTable();
    Text3->setPlainText(
        TextBoxText(m_thoughtText.at(m_state.CurrentHijriMonth, m_state.CurrentHijriDay)));
}

void frmqarnivo::BuildOccasions()
{
    m_occasionText = BuildOccasionTable(m_state.CurrentHijriYear);
    // A day with an occasion turns the reading's box dark red for the run.
    if (HasOccasion(m_occasionText, m_state.CurrentHijriMonth, m_state.CurrentHijriDay))
        Text3->setStyleSheet(
            QStringLiteral("QTextEdit { background: rgb(192, 0, 0); color: white; }"));
    showOccasion(m_state.CurrentHijriMonth, m_state.CurrentHijriDay);
    describeDayCells();
}

void frmqarnivo::showOccasion(int month, int day)
{
    const QString text = OccasionDisplayText(m_occasionText.at(month, day));
    Label7->setFont(
        FontToFit(occasionFont(), text, Label7->contentsRect().size(), 7 * m_scale.factor()));
    Label7->setText(text);
}

void frmqarnivo::PrintTips_Click()
{
    ExportAllTips(m_platform, m_thoughtText, m_names);
}

void frmqarnivo::DivineCal_Click()
{
    showPanelText(DivineCalendarText(kMakerWebAddress));
}

void frmqarnivo::OurSoft_Click()
{
    showPanelText(OurSoftwareText());
}

void frmqarnivo::showPanelText(const QString &crLfText)
{
    Text6->clear();
    Text6->setPlainText(TextBoxText(crLfText));
    Text6->show();
    Text6->raise();
}

void frmqarnivo::Text6_DblClick()
{
    Text6->hide();
}

void frmqarnivo::CalendFeatures_Click()
{
    m_platform.messageBox(CalendarFeaturesText(), MsgIcon::Information, MsgButtons::Ok);
}

// The manual lies in the application folder; when it is not there the
// Manual command is not offered.
void frmqarnivo::checkManual()
{
    const QString folder = m_platform.applicationFolder();
    m_manualPresent =
        !folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(kManualFileName));
    Manual->setEnabled(m_manualPresent);
}

void frmqarnivo::Manual_Click()
{
    m_platform.openDocument(kManualFileName, m_platform.applicationFolder());
}

void frmqarnivo::SoftVersion_Click()
{
    m_platform.messageBox(SoftwareVersionText(QARNIVO_VERSION_MAJOR, QARNIVO_VERSION_MINOR),
                          MsgIcon::Information, MsgButtons::Ok);
}

void frmqarnivo::Developers_Click()
{
    m_platform.messageBox(DevelopersText(), MsgIcon::Information, MsgButtons::Ok);
}

void frmqarnivo::GetFree_Click()
{
    m_platform.messageBox(GetFreeText(), MsgIcon::Information, MsgButtons::Ok);
}

void frmqarnivo::Image7_DblClick()
{
    m_platform.messageBox(TranslationCreditsText(), MsgIcon::None, MsgButtons::Ok);
}

void frmqarnivo::Label8_Click()
{
    m_platform.openWebAddress(QUrl(kMakerWebAddress));
}

} // namespace qarnivo
