// Opening and closing the calculator window, its menus and its browser.

#include "windows/calculator/wwtimecal.h"

#include "windows/calculator/sunpagehost.h"

#include "core/help/helptexts.h"
#include "core/places/offsetlist.h"
#include "core/places/place.h"
#include "core/settings/settingscatalogue.h"
#include "platform/documents.h"
#include "platform/pageview.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/screenfit.h"
#include "windows/calculator/mapgmt.h"
#include "windows/calculator/pagewriterplatform.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>

namespace qarnivo {

namespace {

// A file in `folder`, or no path at all when the folder is unknown (never a
// path relative to whatever the current folder happens to be).
QString fileIn(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

QString hintFor(PageWriteResult::Status status)
{
    using Status = PageWriteResult::Status;
    switch (status) {
    case Status::CityFileMissing:
        return WwtimeCal::tr("The boxes show a built-in city. Click Edit, then Update, to write "
                             "the default city's file again; the page follows at the next "
                             "opening of this window.");
    case Status::BodyMissing:
    case Status::WrongLength:
        return WwtimeCal::tr("Re-install the program to restore its page file.");
    case Status::NoSystemFolder:
    case Status::Unreadable:
    case Status::WriteFailed:
    case Status::Ok:
        break;
    }
    return WwtimeCal::tr("Correct the problem, then close this window and open it again.");
}

} // namespace

CityInfo BuiltInBoxCity()
{
    return {QStringLiteral("Bhubaneswar"), QStringLiteral("20.27"), QStringLiteral("-85.85"),
            QStringLiteral("-5.5")};
}

QString PageNotShownHtml(const PageWriteResult &result)
{
    const QString reason =
        result.reason.isEmpty() ? WwtimeCal::tr("The page file is missing.") : result.reason;
    return QStringLiteral("<html><head><meta charset=\"utf-8\">"
                          "<title>Worldwide Sunrise, Sunset And Solar Noon Time Calculator</title>"
                          "</head><body style=\"font-family: Arial, Helvetica, sans-serif; "
                          "background: #C0C0C0; margin: 24px;\">"
                          "<h3>%1</h3><p id=\"reason\">%2</p><p>%3</p></body></html>")
        .arg(WwtimeCal::tr("The sunrise, sunset and Zawal page cannot be shown.").toHtmlEscaped(),
             reason.toHtmlEscaped(), hintFor(result.status).toHtmlEscaped());
}

void WwtimeCal::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_foundCount = 0;
    m_systemFolder = m_platform.systemFolder();
    writeAndShowPage();
    show();
    // The lists and the menu come whatever became of the page, so that the
    // window is whole even when the page could not be made.
    LoadCityList();
    LoadCountryList();
    m_manualCommand->setEnabled(m_host.manualPresent());
}

// Writes the page for the default city and the prayer choices in force and sends the browser to it;
// any failure shows a note in place of the page. When the city file itself has gone, the boxes
// offer the built-in city, ready to be saved as a new file; otherwise they show the default city.
void WwtimeCal::writeAndShowPage()
{
    const PageWriteResult result =
        WritePage(m_platform, m_host.pageLines(),
                  ReadPlace(m_host.currentCity(), kPageCityRules).place, m_host.prayerSettings());
    const bool cityFileGone = result.status == PageWriteResult::Status::CityFileMissing;
    setBoxTexts(cityFileGone ? BuiltInBoxCity() : m_host.currentCity());
    m_pageProblem = result.ok() ? QString() : PageNotShownHtml(result);
    showPage();
}

// The page as written at the opening; it is not written again.
void WwtimeCal::showPage()
{
    if (m_pageProblem.isEmpty() && QFileInfo::exists(pagePath())) {
        m_pageAddress = QUrl::fromLocalFile(pagePath());
        if (PageView *browser = ensureBrowser())
            browser->load(m_pageAddress);
        return;
    }
    if (m_pageProblem.isEmpty()) {
        PageWriteResult gone;
        gone.status = PageWriteResult::Status::WriteFailed;
        gone.reason = tr("%1 is no longer there.").arg(QDir::toNativeSeparators(pagePath()));
        m_pageProblem = PageNotShownHtml(gone);
    }
    showNote(m_pageProblem);
}

void WwtimeCal::showNote(const QString &html)
{
    m_pageAddress = QUrl();
    if (PageView *browser = ensureBrowser())
        browser->setHtml(html);
}

// The browser is made at its first use, through the platform, which loads
// the browser engine only then; without it a note stands in the page's place.
PageView *WwtimeCal::ensureBrowser()
{
    if (m_browser || m_noBrowser)
        return m_browser;
    m_browser = m_platform.makePageView(m_browserArea);
    if (m_browser) {
        m_browserArea->layout()->addWidget(m_browser->widget());
        return m_browser;
    }
    m_noBrowser = new QLabel(tr("The page cannot be shown: Qarnivo's browser engine could not "
                                "be loaded. Reinstalling Qarnivo may mend it."),
                             m_browserArea);
    m_noBrowser->setWordWrap(true);
    m_noBrowser->setAlignment(Qt::AlignCenter);
    m_browserArea->layout()->addWidget(m_noBrowser);
    return nullptr;
}

QString WwtimeCal::pagePath() const
{
    return fileIn(m_systemFolder, kPageFileName);
}

void WwtimeCal::LoadCityList()
{
    const PlaceListRead read =
        ReadPlaceList(fileIn(m_platform.applicationFolder(), kPlaceFileName));
    m_places = read.places;
    m_placeList->clear();
    for (const PlaceRecord &place : std::as_const(m_places))
        m_placeList->addItem(place.name);
    m_placeFrame->setTitle(PlacePanelCaption(m_placeList->count()));
}

void WwtimeCal::LoadCountryList()
{
    const CountryFileRead read =
        ReadCountryFile(fileIn(m_platform.applicationFolder(), kCountryFileName));
    m_countryList->clear();
    m_countryList->addItems(CountryOffsetList(read.lines));
    m_countryCount->setText(CountryCountCaption(m_countryList->count()));
    m_countryList->setCurrentRow(0);
}

void WwtimeCal::setShowFirstChecked(bool checked)
{
    m_showFirstBox->setChecked(checked);
}

void WwtimeCal::closeEvent(QCloseEvent *event)
{
    WriteTextSetting(m_platform, SettingKey::CalculatorGeometry, StoredGeometry(this));
    runClosingSteps();
    QWidget::closeEvent(event);
}

// Every closing: store the start-up choice, remove the page and bring the
// main window back. Nothing here may stop the closing.
void WwtimeCal::runClosingSteps()
{
    if (m_closed)
        return;
    m_closed = true;
    const bool showFirst = m_showFirstBox->isChecked();
    m_platform.writeSetting(kSettingsSection, SettingKey::ShowFirst,
                            showFirst ? QStringLiteral("1") : QStringLiteral("0"));
    m_host.setShowFirst(showFirst);
    deletePage();
    m_host.showCalendar();
}

void WwtimeCal::deletePage()
{
    if (m_browser)
        m_browser->stop();
    const QString path = pagePath();
    if (!path.isEmpty())
        QFile::remove(path);
}

void WwtimeCal::Cloze_Click()
{
    close();
}

void WwtimeCal::Refresh_Click()
{
    LockCityBoxes();
    m_placeFrame->hide();
    m_countryFrame->hide();
    showPage();
}

void WwtimeCal::Manual_Click()
{
    const QString folder = m_platform.applicationFolder();
    const QString path = folder.isEmpty() ? kManualFileName : fileIn(folder, kManualFileName);
    OpenDocumentOrExplain(m_platform, path, folder);
}

void WwtimeCal::GMToffset_Click()
{
    m_countryFrame->setHidden(!m_countryFrame->isHidden());
}

void WwtimeCal::LatLong_Click()
{
    m_placeFrame->setHidden(!m_placeFrame->isHidden());
}

void WwtimeCal::GMTMap_Click()
{
    MapGMT *map = &m_host.mapWindow();
    if (map->isVisible()) {
        map->hide();
        return;
    }
    map->show();
    map->raise();
}

} // namespace qarnivo
