// The default city's boxes with their Edit / Update cycle, and the two list
// panels: places to copy into the boxes, and the countries' GMT offsets.

#include "windows/calculator/wwtimecal.h"

#include "windows/calculator/sunpagehost.h"

#include "core/files/textfile.h"
#include "core/places/citycheck.h"
#include "core/places/listsearch.h"
#include "platform/platform.h"

#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace qarnivo {

namespace {

const QColor kLockedBack(224, 224, 224);
const QColor kEditingBack(255, 192, 192);

} // namespace

void WwtimeCal::tell(const BoxMessage &message)
{
    m_platform.messageBox(message.text, message.icon, message.buttons);
}

CityInfo WwtimeCal::boxTexts() const
{
    return {m_cityBoxes[0]->text(), m_cityBoxes[1]->text(), m_cityBoxes[2]->text(),
            m_cityBoxes[3]->text()};
}

void WwtimeCal::setBoxTexts(const CityInfo &city)
{
    m_cityBoxes[0]->setText(city.name);
    m_cityBoxes[1]->setText(city.latitude);
    m_cityBoxes[2]->setText(city.longitude);
    m_cityBoxes[3]->setText(city.offsetGMT);
    for (QLineEdit *box : m_cityBoxes)
        box->setCursorPosition(0);
}

void WwtimeCal::setBoxesEditing(bool editing)
{
    for (QLineEdit *box : m_cityBoxes) {
        QPalette palette = box->palette();
        // Light grounds of their own, so the text is dark on any desktop.
        palette.setColor(QPalette::Base, editing ? kEditingBack : kLockedBack);
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
        box->setReadOnly(!editing);
    }
}

void WwtimeCal::LockCityBoxes()
{
    setBoxesEditing(false);
}

// Edit opens the boxes; Update checks them and, when they pass, saves them
// and locks them again. A refusal or a failed save keeps them open.
void WwtimeCal::Edit_Click()
{
    if (m_editButton->text() == tr("Edit")) {
        setBoxesEditing(true);
        m_editButton->setText(tr("Update"));
        return;
    }
    ValidateCity();
    if (!m_cityValid)
        return;
    if (SaveCityFile())
        m_editButton->setText(tr("Edit"));
}

// Copies the boxes into the default city as far as they pass, and says why
// when they do not.
void WwtimeCal::ValidateCity()
{
    const CityCheck check = CheckCityBoxes(boxTexts(), m_host.currentCity());
    m_host.setCurrentCity(check.city);
    m_cityValid = check.valid();
    if (check.refusal)
        tell(*check.refusal);
}

// Writes CityInfo.txt from the boxes as typed. The file is replaced only
// when complete; a failure is reported and leaves the boxes open.
bool WwtimeCal::SaveCityFile()
{
    const QString folder = m_platform.applicationFolder();
    const QString path = QDir(folder).filePath(kCityFileName);
    const QString reason = folder.isEmpty() ? tr("The application folder is unknown.")
                                            : SaveTextFile(path, CitySaveLines(boxTexts()));
    if (!reason.isEmpty()) {
        setBoxesEditing(true);
        tell(CitySaveOutcome(QDir::toNativeSeparators(path), reason));
        return false;
    }
    LockCityBoxes();
    tell(CitySaveOutcome(QDir::toNativeSeparators(path), reason));
    return true;
}

// Copies the chosen place into the boxes; the default city changes only
// when the user saves the boxes.
void WwtimeCal::List1_DblClick()
{
    const int row = m_placeList->currentRow();
    if (row < 0 || row >= m_places.size())
        return;
    setBoxTexts(PlaceBoxTexts(m_places.at(row)));
}

void WwtimeCal::FindNext_Click()
{
    findNext(m_placeList, m_placeSearchBox->text(), m_continueList1, m_placeAliases);
}

void WwtimeCal::FindNext1_Click()
{
    findNext(m_countryList, m_countrySearchBox->text(), m_continueList2);
}

// One click of Find Next on `list`: selects the next entry holding the search
// text (or whose other spelling in `aliases` holds it), or sums the search up
// and starts again at the top. The hit count is shared by both lists.
void WwtimeCal::findNext(QListWidget *list, const QString &searchText, bool &continuing,
                         const SpellingGroups &aliases)
{
    QStringList entries;
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    const SearchStep step =
        FindNextEntry(entries, searchText, list->currentRow(), continuing, m_foundCount, aliases);
    if (step.summary)
        tell(*step.summary);
    continuing = step.continuing;
    m_foundCount = step.foundCount;
    list->setCurrentRow(step.selected);
    if (QListWidgetItem *item = list->currentItem())
        list->scrollToItem(item);
}

void WwtimeCal::Resetz_Click()
{
    m_foundCount = 0;
    m_placeFrame->hide();
}

void WwtimeCal::Close1_Click()
{
    m_countryFrame->hide();
}

// Escape closes the open search frame, the countries' before the places';
// the rest of the window stays as it is.
void WwtimeCal::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    if (m_countryFrame->isVisible())
        Close1_Click();
    else if (m_placeFrame->isVisible())
        Resetz_Click();
}

void WwtimeCal::Label5_Click()
{
    tell({tr("Open the text file 'AddCity.txt' and add a City/ Place information\r\n"
             "in the given format ONLY. Erroneous entry may lead to Error."),
          MsgIcon::Information, MsgButtons::Ok});
}

void WwtimeCal::Label9_Click()
{
    tell({tr("Open the text file 'GMT Offsets.txt' and add a Country or City\r\n"
             "in the given format ONLY. Erroneous entry may lead to Error."),
          MsgIcon::Information, MsgButtons::Ok});
}

// The whole entry as the list's tool tip, so that a long one can be read.
void WwtimeCal::List2_Click()
{
    const QListWidgetItem *item = m_countryList->currentItem();
    m_countryList->setToolTip(item ? item->text() : QString());
}

} // namespace qarnivo
