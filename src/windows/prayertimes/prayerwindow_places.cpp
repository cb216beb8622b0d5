#include "windows/prayertimes/prayerwindow.h"

#include "core/places/place.h"
#include "core/places/placelist.h"
#include "platform/platform.h"
#include "windows/prayertimes/prayerwindownames.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QStandardItemModel>

namespace qarnivo {

// The filter above the place list: typing hides the places it does not find,
// Enter takes the first one left, Down goes on into the list.
void PrayerTimesWindow::createPlaceFilter(QGridLayout *grid)
{
    m_placeFilter = Named<QLineEdit>(this, prayerwindownames::PlaceFilter);
    m_placeFilter->setPlaceholderText(QStringLiteral("Type part of a name, e.g. Mecca or Bombay"));
    m_placeFilter->setClearButtonEnabled(true);
    auto *caption = new QLabel(QStringLiteral("Fi&nd:"), this);
    caption->setBuddy(m_placeFilter);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_placeFilter, 0, 1);
    connect(m_placeFilter, &QLineEdit::textChanged, this, &PrayerTimesWindow::PlaceFilter_Change);
    connect(m_placeFilter, &QLineEdit::returnPressed, this, &PrayerTimesWindow::PlaceFilter_Enter);
    auto *down = new QShortcut(QKeySequence(Qt::Key_Down), m_placeFilter, nullptr, nullptr,
                               Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, [this] {
        m_placeList->setFocus(Qt::TabFocusReason);
        m_placeList->showPopup();
    });
}

// Hidden places are also disabled, so that the arrow keys on the closed list
// pass over them too; the chosen place stays chosen.
void PrayerTimesWindow::PlaceFilter_Change()
{
    auto *model = qobject_cast<QStandardItemModel *>(m_placeList->model());
    auto *view = qobject_cast<QListView *>(m_placeList->view());
    for (int row = 0; row < m_placeList->count(); ++row) {
        const bool shown =
            PlaceFilterMatches(m_places[row].name, m_placeFilter->text(), m_placeAliases);
        model->item(row)->setEnabled(shown);
        view->setRowHidden(row, !shown);
    }
}

void PrayerTimesWindow::PlaceFilter_Enter()
{
    auto *view = qobject_cast<QListView *>(m_placeList->view());
    for (int row = 0; row < m_placeList->count(); ++row) {
        if (!view->isRowHidden(row)) {
            m_placeList->setCurrentIndex(row);
            PlaceList_Click();
            return;
        }
    }
}

// The default city first, then the place list; places whose values cannot
// be read are left out of the list, a missing or unreadable list leaves the
// default city alone.
void PrayerTimesWindow::loadPlaces(const CityInfo &defaultCity)
{
    m_places.append({defaultCity.name.trimmed(), PrayerPlaceOfCity(defaultCity)});
    const QString folder = m_platform.applicationFolder();
    if (!folder.isEmpty()) {
        const PlaceListRead list = ReadPlaceList(QDir(folder).filePath(kPlaceFileName));
        for (const PlaceRecord &record : list.places) {
            const PlaceBounds &bounds = kPrayerCityRules.bounds;
            if (BoundsFault(record.latitude, record.longitude, record.offsetGMT, bounds) ==
                PlaceFault::None)
                m_places.append({record.name.trimmed(), PrayerPlaceOf(record)});
        }
    }
    for (const Place &entry : m_places)
        m_placeList->addItem(entry.name);
    m_placeList->setItemData(0, QStringLiteral("The default city"), Qt::ToolTipRole);
}

} // namespace qarnivo
