#include "settings/options.h"

#include "mainwindow/frmqarnivo.h"
#include "platform/contrast.h"
#include "platform/platform.h"
#include "settings/colourschemes.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsstore.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace qarnivo {

namespace {

const QString kCorrectionHelp =
    QStringLiteral("\t\t\tCORRECTION FOR HIJRI DATE\r\n\r\n"
                   "The Hijri Calendar is based on LUNAR year. "
                   "There are about 354.53059 days in a Lunar year while it is  "
                   "about 365.2421989 days in Solar year. The date change takes place at  "
                   "Mid-Night in Gregorian system while the change in date  "
                   "takes place at Sun-Set in the Hijri date system. There  "
                   "is no International Date Line in the Hijri System.  "
                   "In view of above facts, the Hijri Calendar requires a slight  "
                   "correction depending upon the place of its USE. This part  "
                   "of the program helps you to make necessary correction.");

template <typename T> T *named(QWidget *parent, const QString &name)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

} // namespace

Options::Options(Platform &platform, frmqarnivo &mainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_main(mainWindow),
      m_scale(LayoutScale::ForFont(font()))
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Setting Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    createCorrectionControls();
    createSchemeControls();
    Cloze = named<QPushButton>(this, QStringLiteral("Cloze"));
    Cloze->setText(QStringLiteral("Close"));
    Cloze->setGeometry(m_scale.rect(250, 232, 90, 28));
    connect(Cloze, &QPushButton::clicked, this, &Options::Cloze_Click);
    setFixedSize(m_scale.size(350, 270));

    setAccessibleName(windowTitle());
    Combo1->setAccessibleName(QStringLiteral("Hijri date correction"));
    Apply->setAccessibleName(Apply->text());
    Label1->setAccessibleName(QStringLiteral("What the Hijri date correction does"));
    Frame2->setAccessibleName(Frame2->title());
    for (int i = 0; i < kColourSchemeCount; ++i) {
        Option2[i]->setAccessibleName(QStringLiteral("Colour scheme %1").arg(i));
        Label2[i]->setAccessibleName(QStringLiteral("Sample of colour scheme %1").arg(i));
    }
    Cloze->setAccessibleName(Cloze->text());

    // Setting the entry at load counts as a choice, so Apply starts enabled.
    Combo1->setCurrentIndex(2);
    Combo1_Click();
}

void Options::createCorrectionControls()
{
    Label1 = named<QLabel>(this, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Hijri Date Correction???"));
    Label1->setStyleSheet(
        TextColourRule(ReadableColour(QColor(192, 0, 0), palette().color(QPalette::Window),
                                      kSmallTextContrast)) +
        QStringLiteral("font-weight: bold;"));
    Label1->setCursor(Qt::WhatsThisCursor);
    Label1->setToolTip(QStringLiteral("Click to learn what the correction does"));
    Label1->setGeometry(m_scale.rect(12, 10, 326, 22));
    Label1->installEventFilter(this);

    Combo1 = named<QComboBox>(this, QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("Move 2 Days Backward"), QStringLiteral("Move 1 Day Backward"),
                      QStringLiteral("No Correction"), QStringLiteral("Move 1 Day Forward"),
                      QStringLiteral("Move 2 Days Forward")});
    Combo1->setGeometry(m_scale.rect(12, 38, 190, 28));
    Apply = named<QPushButton>(this, QStringLiteral("Apply"));
    Apply->setText(QStringLiteral("Apply Correction"));
    Apply->setGeometry(m_scale.rect(210, 38, 128, 28));
    connect(Combo1, &QComboBox::activated, this, &Options::Combo1_Click);
    connect(Apply, &QPushButton::clicked, this, &Options::Apply_Click);
}

void Options::createSchemeControls()
{
    Frame2 = named<QGroupBox>(this, QStringLiteral("Frame2"));
    Frame2->setTitle(QStringLiteral("Click to Select Grid Color Schemes"));
    Frame2->setGeometry(m_scale.rect(12, 80, 326, 140));
    m_schemeGroup = new QButtonGroup(this);
    const QFont sampleFont =
        m_scale.font(QFont(QStringLiteral("MS Sans Serif"), -1, QFont::Bold), 13.5);
    for (int i = 0; i < kColourSchemeCount; ++i) {
        const int left = 14 + 52 * i;
        Option2[i] = named<QRadioButton>(Frame2, QStringLiteral("Option2(%1)").arg(i));
        Option2[i]->setGeometry(m_scale.rect(left + 14, 98, 20, 24));
        Option2[i]->setToolTip(QStringLiteral("Colour scheme %1").arg(i));
        m_schemeGroup->addButton(Option2[i], i);

        Label2[i] = named<QLabel>(Frame2, QStringLiteral("Label2(%1)").arg(i));
        Label2[i]->setText(QStringLiteral("F"));
        Label2[i]->setFont(sampleFont);
        Label2[i]->setAlignment(Qt::AlignCenter);
        Label2[i]->setGeometry(m_scale.rect(left, 34, 46, 56));
        Label2[i]->setFrameShape(QFrame::Panel);
        Label2[i]->setFrameShadow(QFrame::Sunken);
        Label2[i]->setCursor(Qt::PointingHandCursor);
        const ColourScheme sample = SampleColours(i, m_main.palette());
        QString style = QStringLiteral("color: %1;").arg(sample.text.name());
        if (sample.back.isValid())
            style += QStringLiteral("background: %1;").arg(sample.back.name());
        Label2[i]->setStyleSheet(style);
        Label2[i]->installEventFilter(this);
    }
    connect(m_schemeGroup, &QButtonGroup::idClicked, this, &Options::Option2_Click);
}

bool Options::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label1) {
            Label1_Click();
            return true;
        }
        for (int i = 0; i < kColourSchemeCount; ++i) {
            if (watched == Label2[i]) {
                selectScheme(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Options::Combo1_Click()
{
    Apply->setEnabled(true);
}

void Options::Apply_Click()
{
    const int step = CorrectionStep(Combo1->currentIndex());
    if (step == 0)
        return;
    m_main.setDayCorrection(AddCorrection(m_main.dateState().DayCorrection, step));
    WriteIntSetting(m_platform, SettingKey::Correction, m_main.dateState().DayCorrection);
    Apply->setEnabled(false);
    m_main.No_HMonthDays();
    m_main.StartFirst();
}

void Options::selectScheme(int index)
{
    if (index < 0 || index >= kColourSchemeCount)
        return;
    Option2[index]->setChecked(true);
    Option2_Click(index);
}

void Options::Option2_Click(int index)
{
    const int selected = m_schemeGroup->checkedId();
    if (selected >= 0)
        m_main.setGridColours(GridColourScheme(selected, m_main.palette()));
    m_main.setColorIndex(static_cast<qint16>(index));
    WriteIntSetting(m_platform, SettingKey::ColorIndex, index);
    m_main.StartFirst();
}

void Options::Label1_Click()
{
    m_platform.messageBox(kCorrectionHelp, MsgIcon::None, MsgButtons::Ok);
}

void Options::Cloze_Click()
{
    close();
}

} // namespace qarnivo
