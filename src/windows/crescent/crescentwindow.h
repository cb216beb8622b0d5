#pragma once

#include "core/calendar/hijricalendar.h"
#include "core/calendar/monthview.h"
#include "core/crescent/crescent.h"
#include "core/places/cityfile.h"
#include "widgets/crescentmappicture.h"
#include "widgets/layoutscale.h"
#include "widgets/placechooser.h"

#include <QDate>
#include <QImage>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace qarnivo {

class Platform;

// The New Crescent window: for a Hijri month, its new moon, the evenings of
// the 29th and the 30th of the month before it at a chosen place, and the
// world map of one of those evenings, which it can save as a PNG file. The
// map is computed on another thread; a newer request makes an older map's
// result unwanted. It deletes itself when closed.
class CrescentWindow : public QWidget {
    Q_OBJECT
public:
    CrescentWindow(Platform &platform, const CityInfo &defaultCity, QWidget *parent = nullptr);

    // The calendar whose months are chosen, with its corrections and
    // announced starts.
    void setHijriCalendar(const HijriCalendar &calendar);
    void setCriterion(crescent::Criterion criterion);
    // Shows `month`, brought inside the months the astronomy is trusted for.
    void setMonth(HijriMonth month);
    HijriMonth month() const { return m_month; }
    // The Gregorian days of the evenings: the 29th and 30th of the month
    // before the chosen one.
    QDate eveningDate(int evening) const;
    // The map shown, null while it is computed.
    const QImage &map() const { return m_map; }

public slots:
    void Month_Change();
    void Place_Click();
    void Criterion_Click();
    void MapEvening_Click();
    void SaveMap_Click();

signals:
    // A map has arrived and is shown.
    void mapShown();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLayout *createChoices();
    void fillYears();
    void showEvenings();
    // The evening (0 the 29th, 1 the 30th) at the chosen place; none where
    // its values cannot be read or the astronomy does not reach.
    std::optional<crescent::Evening> eveningAt(int evening) const;
    void showConjunction(double julianDay, const PlaceChooser::Entry &place);
    void requestMap();
    void receiveMap(int request, const QImage &map);
    void showMap();

    Platform &m_platform;
    const LayoutScale m_scale;
    const QList<crescent::LandRing> m_land = LandOutlines();
    std::optional<CrescentMapMark> m_mark; // the default city, where it can be read
    HijriCalendar m_calendar;
    crescent::Criterion m_criterion = crescent::Criterion::Odeh;
    HijriMonth m_month{1, 1448};
    QImage m_map;
    int m_mapRequest = 0; // the newest request; older answers are dropped

    QComboBox *m_monthList = nullptr;
    QSpinBox *m_yearBox = nullptr;
    QLabel *m_conjunction = nullptr;
    PlaceChooser *m_places = nullptr;
    QComboBox *m_criterionList = nullptr;
    QTableWidget *m_evenings = nullptr;
    QLabel *m_verdicts = nullptr;
    QComboBox *m_mapEvening = nullptr;
    QLabel *m_mapPicture = nullptr;
    QPushButton *m_saveButton = nullptr;
};

} // namespace qarnivo
