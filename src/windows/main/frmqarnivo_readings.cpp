// The readings of the main window: the Thought of the Day, the occasions,
// the scripture panel, the help commands and the manual.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/names.h"
#include "core/help/helptexts.h"
#include "core/help/links.h"
#include "core/help/maker.h"
#include "core/readings/occasionexport.h"
#include "core/readings/occasions.h"
#include "core/readings/scripture.h"
#include "core/readings/textbox.h"
#include "core/readings/thoughts.h"
#include "platform/documents.h"
#include "platform/platform.h"
#include "widgets/bookpicture.h"
#include "widgets/clickablepicture.h"
#include "widgets/contrast.h"
#include "widgets/handfont.h"
#include "widgets/layoutscale.h"
#include "widgets/pictures.h"
#include "windows/main/controlnames.h"
#include "windows/main/layout.h"
#include "windows/main/tipsexport.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTextEdit>

namespace qarnivo {

void frmqarnivo::createHelpMenus()
{
    QMenu *dayTips = menuBar()->addMenu(tr("Tips of the Days"));
    SetControlName(dayTips, mainnames::TipsMenu);
    m_nextTipCommand = NamedAction(dayTips, mainnames::NextTipCommand, tr("Next Day Tip"));
    m_exportTipsCommand = NamedAction(dayTips, mainnames::ExportTipsCommand, tr("Print All Tips"));
    m_exportOccasionsCommand =
        NamedAction(dayTips, mainnames::ExportOccasionsCommand, tr("Export Occasions..."));
    // The menu bar is full in both views: the new crescent joins the
    // calendar's other tools here.
    dayTips->addSeparator();
    QAction *crescent = NamedAction(dayTips, mainnames::CrescentCommand, tr("&New Crescent..."));
    crescent->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(crescent, &QAction::triggered, this, &frmqarnivo::CrescentMenu_Click);
    m_manualCommand = NamedAction(menuBar(), mainnames::ManualCommand, tr("&Manual"));
    QMenu *about = menuBar()->addMenu(tr("&About"));
    SetControlName(about, mainnames::AboutMenu);
    m_divineCalendarCommand =
        NamedAction(about, mainnames::DivineCalendarCommand, tr("HIJRA - A Divine Calendar"));
    m_featuresCommand =
        NamedAction(about, mainnames::FeaturesCommand, tr("Hijri Calendar Features"));
    about->addSeparator();
    m_versionCommand = NamedAction(about, mainnames::VersionCommand, tr("Software Version"));
    m_developersCommand = NamedAction(about, mainnames::DevelopersCommand, tr("About Developers"));
    m_getFreeCommand = NamedAction(about, mainnames::GetFreeCommand, tr("Get this Free Calendar"));
    m_ourSoftwareCommand =
        NamedAction(about, mainnames::OurSoftwareCommand, tr("About Our Softwares"));

    m_manualCommand->setShortcut(QKeySequence::HelpContents);
    m_exportTipsCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_exportTipsCommand, &QAction::triggered, this, &frmqarnivo::PrintTips_Click);
    connect(m_exportOccasionsCommand, &QAction::triggered, this,
            &frmqarnivo::ExportOccasions_Click);
    connect(m_manualCommand, &QAction::triggered, this, &frmqarnivo::Manual_Click);
    connect(m_divineCalendarCommand, &QAction::triggered, this, &frmqarnivo::DivineCal_Click);
    connect(m_featuresCommand, &QAction::triggered, this, &frmqarnivo::CalendFeatures_Click);
    connect(m_versionCommand, &QAction::triggered, this, &frmqarnivo::SoftVersion_Click);
    connect(m_developersCommand, &QAction::triggered, this, &frmqarnivo::Developers_Click);
    connect(m_getFreeCommand, &QAction::triggered, this, &frmqarnivo::GetFree_Click);
    connect(m_ourSoftwareCommand, &QAction::triggered, this, &frmqarnivo::OurSoft_Click);
}

void frmqarnivo::createHelpControls()
{
    QWidget *area = m_contents;
    m_infoPanel = Named<QTextBrowser>(area, mainnames::InfoPanel);
    // Its addresses open outside the program, through the platform.
    m_infoPanel->setOpenLinks(false);
    connect(m_infoPanel, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &address) { m_platform.openWebAddress(address); });
    m_infoPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_infoPanel->setFont(HandFont(12 * m_scale.factor()));
    m_infoPanel->setStyleSheet(
        QStringLiteral("QTextEdit { background: white; color: rgb(0, 0, 192); }"));
    m_infoPanel->setGeometry(m_scale.rect(16, 16, 560, 520));
    m_infoPanel->setToolTip(tr("Double click to close"));
    m_infoPanel->viewport()->installEventFilter(this);
    m_infoPanel->hide();

    m_translationCredits = Named<ClickablePicture>(area, mainnames::TranslationCredits);
    m_translationCredits->setPixmap(OpenBookPicture(m_scale.size(40, 40), devicePixelRatioF()));
    m_translationCredits->setToolTip(tr("Double click for the translation of the readings"));
    m_translationCredits->installEventFilter(this);
    m_translationCredits->setGeometry(
        m_scale.rect(layout::kSideLeft + layout::kSideWidth - 44, 430, 40, 40));

    m_webLink = Named<QLabel>(area, mainnames::WebLink);
    m_webLink->setText(tr("Visit our web site"));
    m_webLink->setAlignment(Qt::AlignCenter);
    m_webLink->setCursor(Qt::PointingHandCursor);
    m_webLink->setStyleSheet(readableRule(QColor(0, 0, 255), kSmallTextContrast));
    m_webLink->setToolTip(kMakerWebAddress);
    m_webLink->installEventFilter(this);
    m_webLink->setGeometry(m_scale.rect(layout::kSideLeft, 486, layout::kSideWidth, 18));
}

void frmqarnivo::BuildThoughts()
{
    m_thoughtText = BuildThoughtTable();
    m_readingBox->setPlainText(
        TextBoxText(m_thoughtText.at(m_state.CurrentHijriMonth, m_state.CurrentHijriDay)));
}

void frmqarnivo::BuildOccasions()
{
    m_occasionText = BuildOccasionTable(m_state.CurrentHijriYear);
    // A day with an occasion turns the reading's box dark red until the next day.
    colourReadingBox(
        HasOccasion(m_occasionText, m_state.CurrentHijriMonth, m_state.CurrentHijriDay));
    showOccasion(m_state.CurrentHijriMonth, m_state.CurrentHijriDay);
    describeDayCells();
}

void frmqarnivo::colourReadingBox(bool occasion)
{
    m_readingBox->setStyleSheet(
        QStringLiteral("QTextEdit { background: %1; color: white; }")
            .arg(occasion ? QStringLiteral("rgb(192, 0, 0)") : QStringLiteral("rgb(0, 0, 128)")));
}

void frmqarnivo::showOccasion(int month, int day)
{
    const QString text = OccasionDisplayText(m_occasionText.at(month, day));
    m_occasionLine->setFont(FontToFit(occasionFont(), text, m_occasionLine->contentsRect().size(),
                                      7 * m_scale.factor()));
    m_occasionLine->setText(text);
}

void frmqarnivo::PrintTips_Click()
{
    ExportAllTips(m_platform, m_thoughtText, m_names);
}

// The shown Hijri year's occasions for any calendar program, in the chosen
// calendar with the current correction.
void frmqarnivo::ExportOccasions_Click()
{
    const int year = m_state.CurrentHijriYear;
    const QString path = m_platform.saveFileName(
        QDir(m_platform.applicationFolder()).filePath(OccasionFileName(year)));
    if (path.isEmpty())
        return;
    const QString problem =
        SaveOccasionFile(path, OccasionCalendar(year, m_calendar, m_names, m_platform.now()));
    if (!problem.isEmpty()) {
        m_platform.messageBox(problem, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    QString done = tr("DONE! %1 occasions of %2 AH written to %3")
                       .arg(ShownNumber(OccasionCount(year, m_calendar)), ShownNumber(year),
                            QDir::toNativeSeparators(path));
    const QString leftOut = OccasionsLeftOutNote(OccasionsLeftOut(year, m_calendar));
    if (!leftOut.isEmpty())
        done += QStringLiteral("\r\n") + leftOut;
    m_platform.messageBox(done, MsgIcon::Information, MsgButtons::Ok);
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
    m_infoPanel->clear();
    m_infoPanel->setHtml(LinkedHtml(TextBoxText(crLfText)));
    m_infoPanel->show();
    m_infoPanel->raise();
}

void frmqarnivo::Text6_DblClick()
{
    m_infoPanel->hide();
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
    m_manualCommand->setEnabled(m_manualPresent);
}

void frmqarnivo::Manual_Click()
{
    OpenDocumentOrExplain(m_platform, kManualFileName, m_platform.applicationFolder());
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
