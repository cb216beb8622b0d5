#pragma once

#include "core/places/cityfile.h"
#include "core/places/placealiases.h"
#include "core/prayer/prayertimes.h"
#include "widgets/namedcontrol.h"

#include <QList>
#include <QObject>

#include <optional>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace qarnivo {

// The place a window computes for: the default city, then those of the place
// list, with a filter above them. Typing hides the places the filter does not
// find, Enter takes the first one left, Down goes on into the list.
class PlaceChooser : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString name;
        std::optional<PrayerPlace> where; // none when the city's values cannot be read
    };

    // "Fi&nd:" and the filter in `grid`'s row `row`, "&Place:" and the list
    // in the next row, both in the first two columns.
    PlaceChooser(QWidget *parent, QGridLayout *grid, int row, const ControlName &filterName,
                 const ControlName &listName);

    // Places whose values cannot be read are left out of the list, a missing
    // or unreadable list leaves the default city alone.
    void load(const CityInfo &defaultCity, const QString &applicationFolder);
    const Entry &place() const;
    QComboBox *list() const { return m_list; }

signals:
    void chosen();

private:
    void filterChanged();
    void filterEntered();

    QList<Entry> m_places;
    const SpellingGroups m_aliases = ShippedPlaceAliases(); // other spellings the filter finds
    QLineEdit *m_filter = nullptr;
    QComboBox *m_list = nullptr;
};

} // namespace qarnivo
