#include "windows/options/options.h"

#include "core/crescent/crescentline.h"
#include "core/settings/settingscatalogue.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/colourschemes.h"
#include "widgets/contrast.h"
#include "widgets/mirroring.h"
#include "widgets/screenfit.h"
#include "windows/options/monthstartseditor.h"
#include "windows/options/optionsnames.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace qarnivo {

Options::Options(Platform &platform, const StoredChoices &current, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_choices(current),
      m_scale(LayoutScale::ForFont(font()))
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(tr("Setting Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_contents = ScrollingContents(this);
    createCorrectionControls();
    createSchemeControls();
    createCalendarControls();
    createCrescentControls();
    const int languageBottom = createLanguageControls();
    // The prayer times take a second column, so the window stays low enough
    // for a small screen at a large desktop face.
    const int prayerBottom = createPrayerControls();
    m_closeButton = Named<QPushButton>(m_contents, optionsnames::CloseButton);
    m_closeButton->setText(tr("Close"));
    m_closeButton->setGeometry(m_scale.rect(596, 0, 90, 28)
                                   .translated(0, std::max({m_scale(332), prayerBottom + m_scale(8),
                                                            languageBottom + m_scale(8)})));
    connect(m_closeButton, &QPushButton::clicked, this, &Options::Cloze_Click);
    const QSize design(m_scale(698), m_closeButton->geometry().bottom() + 1 + m_scale(10));
    m_contents->setMinimumSize(design);
    MirrorForRightToLeft(m_schemeFrame);
    MirrorForRightToLeft(m_contents);
    FitToScreen(this, design, design);
    RestoreStoredGeometry(this,
                          ReadTextSetting(m_platform, SettingKey::OptionsGeometry, QString()));

    setAccessibleName(windowTitle());
    for (int i = 0; i < kColourSchemeCount; ++i) {
        m_schemeButtons[i]->setAccessibleName(tr("Colour scheme %1").arg(QLocale().toString(i)));
        m_schemeSamples[i]->setAccessibleName(
            tr("Sample of colour scheme %1").arg(QLocale().toString(i)));
    }

    // Setting the entry at load counts as a choice, so Apply starts enabled.
    m_correctionList->setCurrentIndex(2);
    Combo1_Click();
}

void Options::closeEvent(QCloseEvent *event)
{
    WriteTextSetting(m_platform, SettingKey::OptionsGeometry, StoredGeometry(this));
    QWidget::closeEvent(event);
}

void Options::createCorrectionControls()
{
    m_correctionHelp = Named<QLabel>(m_contents, optionsnames::CorrectionHelp);
    m_correctionHelp->setText(tr("Hijri Date Correction???"));
    m_correctionHelp->setStyleSheet(
        TextColourRule(ReadableColour(QColor(192, 0, 0), palette().color(QPalette::Window),
                                      kSmallTextContrast)) +
        QStringLiteral("font-weight: bold;"));
    m_correctionHelp->setCursor(Qt::WhatsThisCursor);
    m_correctionHelp->setToolTip(tr("Click to learn what the correction does"));
    m_correctionHelp->setGeometry(m_scale.rect(12, 10, 326, 22));
    m_correctionHelp->installEventFilter(this);

    m_correctionList = Named<QComboBox>(m_contents, optionsnames::CorrectionList);
    m_correctionList->addItems({tr("Move 2 Days Backward"), tr("Move 1 Day Backward"),
                                tr("No Correction"), tr("Move 1 Day Forward"),
                                tr("Move 2 Days Forward")});
    m_correctionList->setGeometry(m_scale.rect(12, 38, 190, 28));
    m_applyButton = Named<QPushButton>(m_contents, optionsnames::ApplyButton);
    m_applyButton->setText(tr("Apply Correction"));
    m_applyButton->setGeometry(m_scale.rect(210, 38, 128, 28));
    connect(m_correctionList, &QComboBox::activated, this, &Options::Combo1_Click);
    connect(m_applyButton, &QPushButton::clicked, this, &Options::Apply_Click);
}

// The Hijri calendar: the arithmetical one, or Saudi Arabia's Umm al-Qura;
// and whether its day begins at sunset (at the default city's Maghrib).
void Options::createCalendarControls()
{
    auto *caption = Named<QLabel>(m_contents, optionsnames::CalendarCaption);
    caption->setText(tr("Calendar:"));
    caption->setGeometry(m_scale.rect(12, 230, 74, 28));
    m_calendarList = Named<QComboBox>(m_contents, optionsnames::CalendarList);
    m_calendarList->addItems({tr("Arithmetical (tabular)"), tr("Umm al-Qura (Saudi Arabia)")});
    m_calendarList->setToolTip(
        tr("Umm al-Qura follows the official month starts from 1300 to 1600 AH; "
           "outside them the arithmetical calendar applies."));
    m_calendarList->setGeometry(m_scale.rect(88, 230, 250, 28));
    caption->setBuddy(m_calendarList);
    m_calendarList->setCurrentIndex(m_choices.calendar == CalendarKind::UmmAlQura);
    connect(m_calendarList, &QComboBox::activated, this, &Options::CalendarList_Click);
    m_sunsetCheck = Named<QCheckBox>(m_contents, optionsnames::SunsetCheck);
    m_sunsetCheck->setText(tr("The Hijri day begins at sunset"));
    m_sunsetCheck->setToolTip(tr("From Maghrib in the default city, today is the next Hijri day."));
    m_sunsetCheck->setGeometry(m_scale.rect(12, 266, 326, 24));
    m_sunsetCheck->setChecked(m_choices.dayStartsAtSunset);
    connect(m_sunsetCheck, &QCheckBox::clicked, this, &Options::DayStartsAtSunset_Click);
    auto *starts = Named<QPushButton>(m_contents, optionsnames::MonthStartsButton);
    starts->setText(tr("Month starts..."));
    starts->setToolTip(tr("The months whose start your community announced"));
    starts->setGeometry(m_scale.rect(12, 296, 160, 28));
    connect(starts, &QPushButton::clicked, this, &Options::MonthStarts_Click);
}

// Whose criterion judges the new crescent, in the main window and the New
// Crescent window.
void Options::createCrescentControls()
{
    auto *caption = Named<QLabel>(m_contents, optionsnames::CrescentCaption);
    caption->setText(tr("Crescent criterion:"));
    caption->setGeometry(m_scale.rect(12, 332, 136, 28));
    m_crescentList = Named<QComboBox>(m_contents, optionsnames::CrescentList);
    // An entry's index is its criterion.
    m_crescentList->addItems(crescent::CriterionTitles());
    m_crescentList->setToolTip(tr("Who judges whether the new crescent can be seen"));
    m_crescentList->setGeometry(m_scale.rect(150, 332, 188, 28));
    caption->setBuddy(m_crescentList);
    m_crescentList->setCurrentIndex(static_cast<int>(m_choices.crescentCriterion));
    connect(m_crescentList, &QComboBox::activated, this, &Options::CrescentCriterion_Click);
}

// The language of the texts, each entry in its own; it takes effect at the
// next start, since every window is built in the language it starts with.
int Options::createLanguageControls()
{
    auto *caption = Named<QLabel>(m_contents, optionsnames::LanguageCaption);
    caption->setText(tr("Language:"));
    caption->setGeometry(m_scale.rect(12, 368, 136, 28));
    m_languageList = Named<QComboBox>(m_contents, optionsnames::LanguageList);
    // An entry's index is its language.
    m_languageList->addItems(
        {tr("System"), tr("English"), QStringLiteral("العربية"), QStringLiteral("اردو")});
    m_languageList->setGeometry(m_scale.rect(150, 368, 188, 28));
    caption->setBuddy(m_languageList);
    m_languageList->setCurrentIndex(static_cast<int>(m_choices.language));
    connect(m_languageList, &QComboBox::activated, this, &Options::LanguageList_Click);
    m_languageNote = Named<QLabel>(m_contents, optionsnames::LanguageNote);
    m_languageNote->setText(tr("The language changes when Qarnivo starts again."));
    m_languageNote->setWordWrap(true);
    m_languageNote->setGeometry(m_scale.rect(12, 400, 326, 40));
    m_languageNote->hide();
    return m_languageNote->geometry().bottom();
}

void Options::LanguageList_Click()
{
    m_choices.language = static_cast<Language>(m_languageList->currentIndex());
    WriteTextSetting(m_platform, SettingKey::Language, LanguageSettingText(m_choices.language));
    m_languageNote->show();
}

void Options::CrescentCriterion_Click()
{
    m_choices.crescentCriterion = static_cast<crescent::Criterion>(m_crescentList->currentIndex());
    WriteTextSetting(m_platform, SettingKey::CrescentCriterion,
                     crescent::CriterionName(m_choices.crescentCriterion));
    emit crescentCriterionChanged(m_choices.crescentCriterion);
}

// A modal dialog, so the calendar and the shown month stay as they were
// when it opened.
void Options::MonthStarts_Click()
{
    auto *dialog = new MonthStartsEditor(m_platform, m_choices.hijriCalendar(), m_shownMonth, this);
    connect(dialog, &MonthStartsEditor::startsChanged, this, [this](const MonthStarts &starts) {
        m_choices.monthStarts = starts;
        emit monthStartsChanged(starts);
    });
    dialog->setModal(true);
    dialog->show();
}

void Options::DayStartsAtSunset_Click()
{
    m_choices.dayStartsAtSunset = m_sunsetCheck->isChecked();
    WriteBoolSetting(m_platform, SettingKey::DayStartsAtSunset, m_choices.dayStartsAtSunset);
    emit dayStartsAtSunsetChanged(m_choices.dayStartsAtSunset);
}

void Options::CalendarList_Click()
{
    const CalendarKind chosen =
        m_calendarList->currentIndex() == 1 ? CalendarKind::UmmAlQura : CalendarKind::Tabular;
    m_choices.calendar = chosen;
    WriteTextSetting(m_platform, SettingKey::Calendar, CalendarSettingText(chosen));
    emit calendarChanged(chosen);
}

void Options::createSchemeControls()
{
    m_schemeFrame = Named<QGroupBox>(m_contents, optionsnames::SchemeFrame);
    m_schemeFrame->setTitle(tr("Click to Select Grid Color Schemes"));
    m_schemeFrame->setGeometry(m_scale.rect(12, 80, 326, 140));
    m_schemeGroup = new QButtonGroup(this);
    const QFont sampleFont =
        m_scale.font(QFont(QStringLiteral("MS Sans Serif"), -1, QFont::Bold), 13.5);
    for (int i = 0; i < kColourSchemeCount; ++i) {
        const int left = 14 + 52 * i;
        m_schemeButtons[i] = Named<QRadioButton>(m_schemeFrame, optionsnames::SchemeButton, i);
        m_schemeButtons[i]->setGeometry(m_scale.rect(left + 14, 98, 20, 24));
        m_schemeButtons[i]->setToolTip(tr("Colour scheme %1").arg(QLocale().toString(i)));
        m_schemeGroup->addButton(m_schemeButtons[i], i);

        m_schemeSamples[i] = Named<QLabel>(m_schemeFrame, optionsnames::SchemeSample, i);
        m_schemeSamples[i]->setText(QStringLiteral("F"));
        m_schemeSamples[i]->setFont(sampleFont);
        m_schemeSamples[i]->setAlignment(Qt::AlignCenter);
        m_schemeSamples[i]->setGeometry(m_scale.rect(left, 34, 46, 56));
        m_schemeSamples[i]->setFrameShape(QFrame::Panel);
        m_schemeSamples[i]->setFrameShadow(QFrame::Sunken);
        m_schemeSamples[i]->setCursor(Qt::PointingHandCursor);
        const ColourScheme sample = SampleColours(i, palette());
        QString style = QStringLiteral("color: %1;").arg(sample.text.name());
        if (sample.back.isValid())
            style += QStringLiteral("background: %1;").arg(sample.back.name());
        m_schemeSamples[i]->setStyleSheet(style);
        m_schemeSamples[i]->installEventFilter(this);
    }
    // The scheme in use is ticked, as the window opens.
    if (m_choices.colorIndex >= 0 && m_choices.colorIndex < kColourSchemeCount)
        m_schemeButtons[m_choices.colorIndex]->setChecked(true);
    connect(m_schemeGroup, &QButtonGroup::idClicked, this, &Options::Option2_Click);
}

bool Options::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_correctionHelp) {
            Label1_Click();
            return true;
        }
        for (int i = 0; i < kColourSchemeCount; ++i) {
            if (watched == m_schemeSamples[i]) {
                selectScheme(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Options::Combo1_Click()
{
    m_applyButton->setEnabled(true);
}

void Options::Apply_Click()
{
    const int step = CorrectionStep(m_correctionList->currentIndex());
    if (step == 0)
        return;
    m_choices.correction = AddCorrection(m_choices.correction, step);
    WriteIntSetting(m_platform, SettingKey::Correction, m_choices.correction);
    m_applyButton->setEnabled(false);
    emit correctionChanged(m_choices.correction);
}

void Options::selectScheme(int index)
{
    if (index < 0 || index >= kColourSchemeCount)
        return;
    m_schemeButtons[index]->setChecked(true);
    Option2_Click(index);
}

void Options::Option2_Click(int index)
{
    m_choices.colorIndex = static_cast<qint16>(index);
    WriteIntSetting(m_platform, SettingKey::ColorIndex, index);
    emit colourSchemeChanged(index);
}

void Options::Label1_Click()
{
    m_platform.messageBox(
        tr("\t\t\tCORRECTION FOR HIJRI DATE\r\n\r\n"
           "The Hijri Calendar is based on LUNAR year. "
           "There are about 354.53059 days in a Lunar year while it is  "
           "about 365.2421989 days in Solar year. The date change takes place at  "
           "Mid-Night in Gregorian system while the change in date  "
           "takes place at Sun-Set in the Hijri date system. There  "
           "is no International Date Line in the Hijri System.  "
           "In view of above facts, the Hijri Calendar requires a slight  "
           "correction depending upon the place of its USE. This part  "
           "of the program helps you to make necessary correction."),
        MsgIcon::None, MsgButtons::Ok);
}

void Options::Cloze_Click()
{
    close();
}

} // namespace qarnivo
