#include "widgets/placechooser.h"

#include "core/places/place.h"
#include "core/places/placelist.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QStandardItemModel>

namespace qarnivo {

PlaceChooser::PlaceChooser(QWidget *parent, QGridLayout *grid, int row,
                           const ControlName &filterName, const ControlName &listName)
    : QObject(parent)
{
    m_filter = Named<QLineEdit>(parent, filterName);
    m_filter->setPlaceholderText(tr("Type part of a name, e.g. Mecca or Bombay"));
    m_filter->setClearButtonEnabled(true);
    auto *filterCaption = new QLabel(tr("Fi&nd:"), parent);
    filterCaption->setBuddy(m_filter);
    m_list = Named<QComboBox>(parent, listName);
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *listCaption = new QLabel(tr("&Place:"), parent);
    listCaption->setBuddy(m_list);
    grid->addWidget(filterCaption, row, 0);
    grid->addWidget(m_filter, row, 1);
    grid->addWidget(listCaption, row + 1, 0);
    grid->addWidget(m_list, row + 1, 1);
    connect(m_filter, &QLineEdit::textChanged, this, &PlaceChooser::filterChanged);
    connect(m_filter, &QLineEdit::returnPressed, this, &PlaceChooser::filterEntered);
    connect(m_list, &QComboBox::activated, this, &PlaceChooser::chosen);
    auto *down =
        new QShortcut(QKeySequence(Qt::Key_Down), m_filter, nullptr, nullptr, Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, [this] {
        m_list->setFocus(Qt::TabFocusReason);
        m_list->showPopup();
    });
}

void PlaceChooser::load(const CityInfo &defaultCity, const QString &applicationFolder)
{
    m_places.append({defaultCity.name.trimmed(), PrayerPlaceOfCity(defaultCity)});
    if (!applicationFolder.isEmpty()) {
        const PlaceListRead read = ReadPlaceList(QDir(applicationFolder).filePath(kPlaceFileName));
        for (const PlaceRecord &record : read.places) {
            const PlaceBounds &bounds = kPrayerCityRules.bounds;
            if (BoundsFault(record.latitude, record.longitude, record.offsetGMT, bounds) ==
                PlaceFault::None)
                m_places.append({record.name.trimmed(), PrayerPlaceOf(record)});
        }
    }
    for (const Entry &entry : std::as_const(m_places))
        m_list->addItem(entry.name);
    m_list->setItemData(0, tr("The default city"), Qt::ToolTipRole);
}

const PlaceChooser::Entry &PlaceChooser::place() const
{
    return m_places[qBound(0, m_list->currentIndex(), int(m_places.size()) - 1)];
}

// Hidden places are also disabled, so that the arrow keys on the closed list
// pass over them too; the chosen place stays chosen.
void PlaceChooser::filterChanged()
{
    auto *model = qobject_cast<QStandardItemModel *>(m_list->model());
    auto *view = qobject_cast<QListView *>(m_list->view());
    for (int row = 0; row < m_list->count(); ++row) {
        const bool shown = PlaceFilterMatches(m_places[row].name, m_filter->text(), m_aliases);
        model->item(row)->setEnabled(shown);
        view->setRowHidden(row, !shown);
    }
}

void PlaceChooser::filterEntered()
{
    auto *view = qobject_cast<QListView *>(m_list->view());
    for (int row = 0; row < m_list->count(); ++row) {
        if (!view->isRowHidden(row)) {
            m_list->setCurrentIndex(row);
            emit chosen();
            return;
        }
    }
}

} // namespace qarnivo
