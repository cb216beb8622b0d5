#pragma once

// The worldwide sunrise, sunset and Zawal time window.
//
// Opening it (Form_Load) writes the page wwtc.htm for the default city into
// the system folder and shows it in the embedded browser WebBrowser1; the
// page's own script computes the times. Around the browser the window keeps:
//
//   Frame1  the default city's four boxes and the Edit / Update cycle that
//           checks them (CheckCityBoxes) and saves CityInfo.txt;
//   Frame3  the place list of AddCity.txt: a double click copies a place
//           into the boxes (the user then saves it through Update);
//   Frame4  the countries' GMT offsets, built in and from GMT Offsets.txt;
//   Check1  whether this window opens first at the next start.
//
// Closing it deletes the page, stores "Show First" and shows the main window
// again. The window deletes itself when closed; open a new one each time.
//
// The code is split by concern: wwtimecal.cpp builds the controls and runs
// the decoration, wwtimecal_load.cpp the opening, the closing, the menus and
// the browser, and wwtimecal_city.cpp the city boxes and the two list panels.

#include "core/message.h"
#include "core/places/placealiases.h"
#include "core/places/placelist.h"
#include "core/sunpage/pagewriter.h"

#include <QColor>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QTimer;

namespace qarnivo {

class PageView;

class ClickablePicture;
class MapGMT;
class Platform;
class DecorationStacks;
class SunPageHost;

// The colour effect of the e-mail label works on colour numbers in the
// Windows form, blue in the high byte: each tick adds 2000, and a sum that is
// no longer a colour (above 0xFFFFFF) leaves the colour as it was. From blue
// the label drifts in 32 ticks towards cyan and then stays.
quint32 ColourNumber(const QColor &colour);
QColor ColourFromNumber(quint32 number);
quint32 NextEffectColour(quint32 number);

// The note the browser shows in place of a page that could not be written.
QString PageNotShownHtml(const PageWriteResult &result);

// The city the boxes offer when the city file has gone since the start.
CityInfo BuiltInBoxCity();

class WwtimeCal : public QWidget {
    Q_OBJECT
public:
    // `host`, the calendar window, holds the default city and is shown again
    // when this window closes. The constructor only builds the controls.
    WwtimeCal(Platform &platform, SunPageHost &host, QWidget *parent = nullptr);
    ~WwtimeCal() override;

    // The opening: writes and shows the page, fills the boxes and the lists,
    // and makes the window visible. Runs once; later calls do nothing.
    void Form_Load();

    // Ticks "Show First at Startup", as the main window does when this
    // window opens first.
    void setShowFirstChecked(bool checked);

    // Where the browser was last sent: the page file, or an empty address
    // when it shows a note instead.
    QUrl pageAddress() const { return m_pageAddress; }

    // The browser, created at the first navigation; null before.
    PageView *browser() const { return m_browser; }

public slots:
    // City boxes.
    void Edit_Click();
    // Place panel.
    void List1_DblClick();
    void FindNext_Click();
    void Resetz_Click();
    void Label5_Click();
    // Country panel.
    void List2_Click();
    void FindNext1_Click();
    void Close1_Click();
    void Label9_Click();
    // Menus.
    void Cloze_Click();
    void Refresh_Click();
    void Manual_Click();
    void GMToffset_Click();
    void LatLong_Click();
    void GMTMap_Click();
    // Decoration and links.
    void Timer1_Timer();
    void Label6_Click();
    void Label11_Click();
    void Label8_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window.
    void createMenus(QMenuBar *bar);
    QGroupBox *createCityFrame();
    QGroupBox *createPlaceFrame();
    QGroupBox *createCountryFrame();
    QWidget *createStartupBox();
    QGroupBox *createDecorationFrame();
    void createDecorationStacks(QWidget *frame);

    // Opening and closing.
    void writeAndShowPage();
    void showPage();
    void showNote(const QString &html);
    PageView *ensureBrowser();
    void LoadCityList();
    void LoadCountryList();
    void runClosingSteps();
    void deletePage();
    QString pagePath() const;

    // City boxes.
    CityInfo boxTexts() const;
    void setBoxTexts(const CityInfo &city);
    void setBoxesEditing(bool editing);
    void ValidateCity();
    bool SaveCityFile();
    void LockCityBoxes();
    void tell(const BoxMessage &message);

    // Searches.
    void findNext(QListWidget *list, const QString &searchText, bool &continuing,
                  const SpellingGroups &aliases = {});

    // Decoration.
    void toggleColourEffect();
    void showDecorations();

    Platform &m_platform;
    SunPageHost &m_host;

    bool m_loaded = false;
    bool m_closed = false;
    QString m_systemFolder;
    QUrl m_pageAddress;
    QString m_pageProblem; // the note shown when there is no page
    bool m_cityValid = false;
    int m_foundCount = 0;
    bool m_continueList1 = false;
    bool m_continueList2 = false;
    QList<PlaceRecord> m_places; // the records of AddCity.txt, one per List1 entry
    const SpellingGroups m_placeAliases =
        ShippedPlaceAliases(); // other spellings the place search finds

    // Menus.
    QAction *m_closeCommand = nullptr;
    QAction *m_refreshCommand = nullptr;
    QAction *m_manualCommand = nullptr;
    QAction *m_offsetsCommand = nullptr;
    QAction *m_placesCommand = nullptr;
    QAction *m_mapCommand = nullptr;

    // The browser and its private, off-the-record profile.
    QWidget *m_browserArea = nullptr;
    PageView *m_browser = nullptr; // made at its first use; its widget is the area's child
    QLabel *m_noBrowser = nullptr; // in the page's place where the engine cannot be loaded

    // City boxes.
    QGroupBox *m_cityFrame = nullptr;
    std::array<QLineEdit *, 4> m_cityBoxes{};
    std::array<QLabel *, 4> m_cityCaptions{};
    QPushButton *m_editButton = nullptr;

    // Place panel.
    QGroupBox *m_placeFrame = nullptr;
    QListWidget *m_placeList = nullptr;
    QLabel *m_placeSearchCaption = nullptr;
    QLineEdit *m_placeSearchBox = nullptr;
    QPushButton *m_placeFindButton = nullptr;
    QPushButton *m_placeCloseButton = nullptr;
    ClickablePicture *m_addPlaceNote = nullptr;

    // Country panel.
    QGroupBox *m_countryFrame = nullptr;
    QLabel *m_countryHeading = nullptr;
    QListWidget *m_countryList = nullptr;
    QLabel *m_countryCount = nullptr;
    QLabel *m_countrySearchCaption = nullptr;
    QLineEdit *m_countrySearchBox = nullptr;
    QPushButton *m_countryFindButton = nullptr;
    QPushButton *m_countryCloseButton = nullptr;
    ClickablePicture *m_addCountryNote = nullptr;

    // Start-up choice and decoration.
    QWidget *m_startupRow = nullptr;
    QCheckBox *m_showFirstBox = nullptr;
    QGroupBox *m_aboutFrame = nullptr;
    QLabel *m_aboutTitle = nullptr;
    ClickablePicture *m_effectLabel = nullptr;
    ClickablePicture *m_effectSwitch = nullptr;
    ClickablePicture *m_webLink = nullptr;
    QTimer *m_effectTimer = nullptr;
    QWidget *m_starHolder = nullptr;
    QWidget *m_rosetteHolder = nullptr;
    DecorationStacks *m_decorations = nullptr;
};

} // namespace qarnivo
