// The windows under several desktop fonts and a light and a dark palette. A check fails, naming
// the control and the numbers, when a control leaves the visible part of its window, two controls
// overlap where they were not designed to, a text does not fit, or a text lacks contrast against
// what is actually painted behind it.

#include "core/crescent/crescentline.h"
#include "core/language/language.h"
#include "widgets/contrast.h"
#include "widgets/languagelook.h"
#include "widgets/pictures.h"
#include "windows/crescent/crescentwindow.h"
#include "windows/options/options.h"
#include "windows/options/prayeralertsdialog.h"
#include "windows/prayertimes/prayerwindow.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// The parts of the main window that the short view must show whole.
const QStringList kCalendarPart = [] {
    using namespace mainnames;
    QStringList names;
    for (const ControlName &name :
         {WeekdayHeader, DayGrid, PreviousButton, NextButton, MonthCaption, MonthPicture, YearBox,
          GoButton, UrduYearRow, EnglishYearRow, EnglishYearBox, EnglishGoButton,
          mainnames::HijriDateLine, mainnames::GregorianDateLine, OccasionLine, ClockButton,
          GridFrame, mainnames::CrescentLine})
        names << ObjectName(name);
    return names;
}();

QPalette darkPalette()
{
    const QColor text(230, 230, 230), grey(127, 127, 127);
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45)); // button, window
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        dark.setColor(role, text);
        dark.setColor(QPalette::Disabled, role, grey);
    }
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

QString span(const QRect &r)
{
    return QString::asprintf("x %d..%d, y %d..%d", r.left(), r.right(), r.top(), r.bottom());
}

QString textOf(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (!label->pixmap().isNull())
            return {};
        // With a buddy, "&" marks the shortcut letter and is not drawn.
        return label->buddy() ? QString(label->text()).remove(u'&') : label->text();
    }
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text().remove(u'&');
    if (auto *box = qobject_cast<const QGroupBox *>(w))
        return box->title().remove(u'&');
    return {};
}

QRect titleRect(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

// Steps through a year of months and selects every day, leaving in the date lines, the month
// caption and the occasion line the widest text that each of them showed on the way, in the
// face the window gave it then.
void showWidestTexts(frmqarnivo &window)
{
    auto *grid = window.centralWidget()->findChild<QTableWidget *>(ObjectName(mainnames::DayGrid));
    QHash<QWidget *, std::pair<QString, QFont>> widest;
    for (const ControlName &name : {mainnames::HijriDateLine, mainnames::GregorianDateLine,
                                    mainnames::MonthCaption, mainnames::OccasionLine}) {
        QWidget *control = window.centralWidget()->findChild<QWidget *>(ObjectName(name));
        widest.insert(control, {QString(), control->font()});
    }
    const auto keep = [&widest] {
        for (auto it = widest.begin(); it != widest.end(); ++it) {
            const QFontMetrics shown(it.key()->font());
            const QFontMetrics kept(it->second);
            if (shown.horizontalAdvance(textOf(it.key())) > kept.horizontalAdvance(it->first))
                *it = {textOf(it.key()), it.key()->font()};
        }
    };
    for (int month = 0; month < 12; ++month) {
        window.Forward_Click();
        keep();
        for (int cell = 0; cell < 42; ++cell) {
            if (grid->item(cell / 7, cell % 7) &&
                !grid->item(cell / 7, cell % 7)->text().isEmpty()) {
                grid->setCurrentCell(cell / 7, cell % 7);
                window.grCal1_Click();
                keep();
            }
        }
    }
    for (auto it = widest.cbegin(); it != widest.cend(); ++it) {
        it.key()->setFont(it->second);
        if (auto *label = qobject_cast<QLabel *>(it.key()))
            label->setText(it->first);
        else
            static_cast<QLineEdit *>(it.key())->setText(it->first);
    }
}

// Puts in the line about the new crescent the widest text the month's last days can show:
// every grade of both criteria on the longest weekday and month.
void showWidestCrescentLine(frmqarnivo &window)
{
    auto *line = window.centralWidget()->findChild<QLabel *>(ObjectName(mainnames::CrescentLine));
    const QFontMetrics metrics(line->font());
    QString widest;
    for (int grade = 0; grade < 6; ++grade) {
        crescent::Evening evening;
        evening.odehZone = static_cast<crescent::OdehZone>(std::min(grade, 3));
        evening.yallopClass = static_cast<crescent::YallopClass>(grade);
        for (const auto criterion : {crescent::Criterion::Odeh, crescent::Criterion::Yallop}) {
            const QString text = crescent::CrescentLine(QDate(2025, 9, 17), evening, criterion);
            if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
                widest = text;
        }
    }
    line->setText(widest);
}

// One row's window over an application folder with the shipped place and country lists.
struct Scene : AppFolder {
    std::unique_ptr<frmqarnivo> main;
    QWidget *top = nullptr;  // the window under test
    QWidget *root = nullptr; // where its controls lie: the main window's central widget
    QString view;
    QTranslator translator; // the language's texts, removed with the scene
    ~Scene() { speak(Language::English); }

    // The language as the program starts in it: its texts, digits, direction and face.
    void speak(Language language)
    {
        QLocale::setDefault(language == Language::English
                                ? QLocale(QLocale::English, QLocale::UnitedStates) // "12:59:59 PM"
                                : NumberLocale(language));
        ApplyLanguageLook(language, QFontDatabase::families());
        if (translator.load("qarnivo_" + LanguageCode(language), ":/translations"))
            QCoreApplication::installTranslator(&translator);
    }

    // Applies the language, font and palette, then opens the window as a user would.
    bool open(const QString &family, int points, bool dark, int scheme, const QString &language)
    {
        if (!QFontDatabase::families().contains(family)) {
            QTest::qSkip(qPrintable(family + " is not installed"), __FILE__, __LINE__);
            return false;
        }
        QApplication::setFont(QFont(family, points));
        speak(LanguageFromSetting(language));
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        platform.fonts = QFontDatabase::families();
        platform.clock = QDateTime(QDate(2025, 11, 5), QTime(12, 59, 59));
        setSetting(SettingKey::WindowFull, view.startsWith("short") ? "False" : "True");
        setSetting(SettingKey::DayView, view.contains("English") ? "English" : "Urdu");
        setSetting(SettingKey::ColorIndex, QString::number(scheme));
        // Twelve-hour times are the widest texts the prayer times take.
        setSetting(SettingKey::Clock24, view.endsWith("12-hour") ? "False" : "True");
        for (const QString &list : {kPlaceFileName, kCountryFileName})
            QFile::copy(sourcePath("resources/data/") + list, path(list));
        main = std::make_unique<frmqarnivo>(platform);
        main->Form_Load();
        if (view == "options") {
            main->Option1_Click();
            top = root = main->findChild<Options *>();
        } else if (view == "prayer alerts") {
            main->Option1_Click();
            main->findChild<Options *>()->PrayerAlerts_Click();
            top = root = main->findChild<PrayerAlertsDialog *>();
        } else if (view == "calculator") {
            main->SunRiseSunSet_Click();
            auto *calculator = main->findChild<WwtimeCal *>();
            // The e-mail label's colour drifts with time; hold it at its first colour.
            calculator->findChild<QTimer *>(ObjectName(calculatornames::EffectTimer))->stop();
            calculator->LatLong_Click();   // the place panel
            calculator->GMToffset_Click(); // the country panel
            top = root = calculator;
        } else if (view == "new crescent") {
            main->CrescentMenu_Click();
            auto *crescent = main->findChild<CrescentWindow *>();
            QSignalSpy computed(crescent, &CrescentWindow::mapShown);
            computed.wait(60000);
            top = root = crescent;
        } else if (view.startsWith("prayer times")) {
            main->PrayerTimesMenu_Click();
            top = root = main->findChild<PrayerTimesWindow *>();
        } else {
            showWidestTexts(*main);
            showWidestCrescentLine(*main);
            main->Timer1_Timer();
            if (view.endsWith("conversion"))
                main->ConvertDate_Click();
            top = root = main.get();
        }
        // Every window's controls lie in a scroll area, for screens smaller than the design.
        if (auto *area = top ? top->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly)
                             : nullptr)
            root = area->widget();
        if (!top || !QTest::qWaitForWindowExposed(top)) {
            QTest::qFail("the window did not open", __FILE__, __LINE__);
            return false;
        }
        QCoreApplication::processEvents();
        return true;
    }

    bool isMain() const { return top == main.get(); }
    QRect rectOf(const QWidget *w) const { return {w->mapTo(top, QPoint()), w->size()}; }
    // The part of the window through which `w` can be seen: its ancestors' intersection.
    QRect clipOf(const QWidget *w) const
    {
        QRect clip = rectOf(root);
        for (QWidget *p = w->parentWidget(); p != root; p = p->parentWidget())
            clip &= rectOf(p);
        return clip;
    }
    QString nameOf(const QWidget *w) const
    {
        const QString own =
            w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
        return w->parentWidget() == root ? own : nameOf(w->parentWidget()) + u'/' + own;
    }
    // The visible controls in `parent`: named widgets, and unnamed ones placed directly in the
    // window's content; the insides of composite controls are their own business.
    QList<QWidget *> controls(QWidget *parent = nullptr) const
    {
        QList<QWidget *> found;
        for (QWidget *w :
             (parent ? parent : root)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow() || !w->isVisible() || w->objectName().startsWith("qt_") ||
                (w->objectName().isEmpty() && w->parentWidget() != root))
                continue;
            found.append(w);
            if (!qobject_cast<QAbstractScrollArea *>(w) && !qobject_cast<QComboBox *>(w) &&
                !qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractButton *>(w))
                found += controls(w);
        }
        return found;
    }
    // Whether `w` or an ancestor lies wholly under a later, opaque sibling (an overlay).
    bool covered(const QWidget *w) const
    {
        for (; w != root; w = w->parentWidget()) {
            const QObjectList siblings = w->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
                auto *over = qobject_cast<QWidget *>(siblings[i]);
                if (over && over->isVisible() && !over->isWindow() && over->autoFillBackground() &&
                    over->geometry().contains(w->geometry()))
                    return true;
            }
        }
        return false;
    }
};

QStringList outsideProblems(const Scene &scene)
{
    QStringList problems;
    for (QWidget *w : scene.controls()) {
        const QRect rect = scene.rectOf(w);
        const QRect clip = scene.clipOf(w);
        if (scene.isMain()) {
            // The banner lies below the window's normal height by design; the short view
            // hides the side column, which lies wholly beyond its far edge.
            bool calendar = false;
            for (const QWidget *p = w; p != scene.root; p = p->parentWidget())
                calendar = calendar || kCalendarPart.contains(p->objectName().section(u'(', 0, 0));
            if (w->objectName() == ObjectName(mainnames::Banner) ||
                (scene.view.startsWith("short") && !calendar &&
                 (rect.left() > clip.right() || rect.right() < clip.left())))
                continue;
        }
        if (!clip.contains(rect))
            problems << scene.nameOf(w) + " at " + span(rect) + " leaves the visible area " +
                            span(clip);
    }
    return problems;
}

bool designedOverlap(const Scene &scene, const QWidget *a, const QWidget *b)
{
    const QString stack = a->objectName().section(u'(', 0, 0);
    if (a->objectName().contains(u'(') && stack == b->objectName().section(u'(', 0, 0))
        return true; // members of one picture stack: Image1, Image4, Image6
    using namespace mainnames;
    const auto is = [a, b](const ControlName &first, const ControlName &second) {
        const QSet<QString> pair{a->objectName(), b->objectName()};
        return pair == QSet<QString>{ObjectName(first), ObjectName(second)};
    };
    const auto either = [a, b](const ControlName &name) {
        return a->objectName() == ObjectName(name) || b->objectName() == ObjectName(name);
    };
    return scene.isMain() && (either(InfoPanel) || either(panelnames::Panel) || // the overlays
                              is(EnglishYearRow, UrduYearRow) || is(GridFrame, WeekdayHeader) ||
                              is(GridFrame, DayGrid));
}

QStringList overlapProblems(const Scene &scene)
{
    QStringList problems;
    const QList<QWidget *> all = scene.controls();
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            QWidget *a = all[i], *b = all[j];
            const QRect common = scene.rectOf(a) & scene.rectOf(b) & scene.clipOf(a);
            if (a->parentWidget() == b->parentWidget() && !common.isEmpty() &&
                !designedOverlap(scene, a, b))
                problems << scene.nameOf(a) + " (" + span(scene.rectOf(a)) + ") and " +
                                scene.nameOf(b) + " (" + span(scene.rectOf(b)) + ") overlap at " +
                                span(common);
        }
        // A group box's title text (its label rect less the style's 1 px padding) must stay
        // clear of what the box holds.
        if (auto *box = qobject_cast<QGroupBox *>(all[i]); box && !box->title().isEmpty()) {
            const QRect title = titleRect(box).adjusted(0, 1, 0, -1);
            for (QWidget *child : scene.controls(box)) {
                if (child->parentWidget() == box && child->geometry().intersects(title))
                    problems << scene.nameOf(child) + " (" + span(child->geometry()) +
                                    ") runs into the title of " + scene.nameOf(box);
            }
        }
    }
    return problems;
}

// The room a control leaves for its text, in its own coordinates.
QRect textRoom(QWidget *w)
{
    const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    if (auto *label = qobject_cast<QLabel *>(w)) {
        const int margin = label->margin();
        return label->contentsRect().adjusted(margin, margin, -margin, -margin);
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        return w->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                          QStyle::SC_ComboBoxEditField, w);
    }
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        const int textWidth = QFontMetrics(w->font()).size(0, textOf(w)).width();
        return w->rect().adjusted(w->sizeHint().width() - textWidth, 0, 0, 0);
    }
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return titleRect(box) & w->rect();
    // Line edits and buttons: the frame, and 2 px of margin on either side.
    QRect room = w->rect().adjusted(frame + 2, frame, -frame - 2, -frame);
    if (auto *button = qobject_cast<QPushButton *>(w); button && !button->icon().isNull())
        room.setLeft(room.left() + button->iconSize().width() + 4);
    return room;
}

QStringList textFitProblems(const Scene &scene)
{
    QStringList problems;
    const auto check = [&](QWidget *w, const QString &text, const QRect &room, const QFont &font) {
        const QFontMetrics metrics(font);
        const bool wraps = qobject_cast<QLabel *>(w) && static_cast<QLabel *>(w)->wordWrap();
        const QSize needed = wraps ? metrics.boundingRect(room, Qt::TextWordWrap, text).size()
                                   : metrics.size(0, text);
        // Nastaliq's letters come out up to 2 px wider once drawn than Qt
        // measures them when it sizes a control; that much is allowed.
        const int slack = QFontInfo(font).family() == "Noto Nastaliq Urdu" ? 2 : 0;
        if (needed.width() > room.width() + slack || needed.height() > room.height())
            problems << QString::asprintf("%s: \"%s\" needs %d x %d px in %s %gpt%s, the control "
                                          "leaves %d x %d",
                                          qPrintable(scene.nameOf(w)), qPrintable(text),
                                          needed.width(), needed.height(),
                                          qPrintable(QFontInfo(font).family()), font.pointSizeF(),
                                          font.bold() ? " bold" : "", room.width(), room.height());
    };
    for (QWidget *w : scene.controls()) {
        if (scene.covered(w))
            continue;
        if (auto *grid = qobject_cast<QTableWidget *>(w)) {
            // Every cell's text within its column (less the cells' padding), in its own face;
            // in the month grid every day number within the narrowest column.
            int narrowest = grid->columnWidth(0);
            for (int column = 0; column < grid->columnCount(); ++column) {
                narrowest = std::min(narrowest, grid->columnWidth(column));
                const QRect cell(0, 0, grid->columnWidth(column) - 4, grid->rowHeight(0) - 2);
                for (int row = 0; row < grid->rowCount(); ++row) {
                    const QTableWidgetItem *item = grid->item(row, column);
                    if (item && !item->text().isEmpty())
                        check(w, item->text(), cell, item->font());
                }
            }
            const QRect cell(0, 0, narrowest - 4, grid->rowHeight(0) - 2);
            for (int day = 1; grid->objectName() == ObjectName(mainnames::DayGrid) && day <= 30;
                 ++day)
                check(w, QLocale().toString(day), cell, grid->font());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(w, combo->itemText(i), textRoom(w), w->font());
        } else if (!textOf(w).isEmpty()) {
            check(w, textOf(w), textRoom(w), w->font());
        }
    }
    return problems;
}

// The window lies within the screen's free area, and cannot be shrunk below what its
// controls need (or the whole screen).
QStringList screenProblems(const Scene &scene)
{
    const QRect screen = scene.top->screen()->availableGeometry();
    const QRect frame = scene.top->frameGeometry();
    const QSize least = scene.top->minimumSize();
    QStringList problems;
    if (!screen.contains(frame))
        problems << "the window " + span(frame) + " leaves the screen " + span(screen);
    if (least.width() < std::min(400, screen.width()) ||
        least.height() < std::min(300, screen.height()))
        problems << QString::asprintf("the window shrinks to %d x %d", least.width(),
                                      least.height());
    return problems;
}

QStringList contrastProblems(const Scene &scene)
{
    QStringList problems;
    // The background actually painted: the most common colour in the rect. The calculator is
    // taken without its browser: its side column and its bottom frame apart.
    QHash<QWidget *, QImage> shots;
    const auto backAt = [&](QWidget *w, const QRect &local) {
        QWidget *surface = w;
        while (scene.view == "calculator" ? surface->parentWidget() != scene.root
                                          : surface != scene.top)
            surface = surface->parentWidget();
        if (!shots.contains(surface))
            shots.insert(surface, surface->grab().toImage());
        const QImage &shot = shots[surface];
        const QRect rect = local.translated(w->mapTo(surface, QPoint())) & shot.rect();
        QHash<QRgb, int> counts;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                ++counts[shot.pixel(x, y)];
        }
        const auto most = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                           [](auto x, auto y) { return x.second < y.second; });
        return counts.isEmpty() ? QColor() : QColor::fromRgb(most->first); // none: not shown
    };
    const auto check = [&](const QString &what, const QFont &font, const QColor &text,
                           const QColor &back) {
        const bool large = font.pointSizeF() >= 18 || (font.pointSizeF() >= 14 && font.bold());
        const double limit = large ? 3.0 : 4.5;
        const double ratio = ContrastRatio(text, back);
        if (back.isValid() && ratio < limit)
            problems << QString::asprintf("%s: text %s on %s has contrast %.2f:1, needs %g:1",
                                          qPrintable(what), qPrintable(text.name()),
                                          qPrintable(back.name()), ratio, limit);
    };
    for (QWidget *w : scene.controls()) {
        w->ensurePolished(); // a style sheet sets the palette on polish
        if (!w->isEnabled() || scene.covered(w) || !scene.clipOf(w).intersects(scene.rectOf(w)))
            continue;
        const QString name = scene.nameOf(w);
        if (auto *grid = qobject_cast<QTableWidget *>(w)) {
            // The cells' texts, grouped by their text and back colours.
            QMap<std::pair<QRgb, QRgb>, QStringList> cells;
            for (int cell = 0; cell < grid->rowCount() * 7; ++cell) {
                const QTableWidgetItem *item = grid->item(cell / 7, cell % 7);
                if (!item || item->text().isEmpty())
                    continue;
                // A selected cell takes the desktop theme's own highlight colours, not the
                // program's; a cell scrolled out of sight, in the table or in the window, is not
                // painted at all.
                const QRect rect = grid->visualItemRect(item);
                if (item->isSelected() ||
                    !grid->viewport()->visibleRegion().contains(rect.center()))
                    continue;
                const QColor text = item->foreground().style() != Qt::NoBrush
                                        ? item->foreground().color()
                                        : grid->palette().color(QPalette::Text);
                cells[{text.rgb(), backAt(grid->viewport(), rect).rgb()}] << item->text();
            }
            for (auto it = cells.cbegin(); it != cells.cend(); ++it)
                check(name + " cells " + it->join(u' '), grid->font(), QColor(it.key().first),
                      QColor(it.key().second));
        } else if (auto *edit = qobject_cast<QTextEdit *>(w);
                   edit && !edit->toPlainText().isEmpty()) {
            check(name, w->font(), w->palette().color(QPalette::Text),
                  backAt(edit->viewport(), edit->viewport()->rect()));
        } else if (qobject_cast<QLineEdit *>(w) && !textOf(w).isEmpty()) {
            check(name, w->font(), w->palette().color(QPalette::Text), backAt(w, w->rect()));
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            check(name + " title", w->font(), w->palette().color(QPalette::WindowText),
                  backAt(w, titleRect(box)));
        } else if ((qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) ||
                    qobject_cast<QRadioButton *>(w)) &&
                   !textOf(w).isEmpty()) {
            check(name, w->font(), w->palette().color(w->foregroundRole()), backAt(w, w->rect()));
        }
    }
    return problems;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        RegisterBundledFonts();
    }
    void controlsInsideWindow_data() { layoutRows(); }
    void controlsInsideWindow() { verifyRow("inside the window", outsideProblems); }
    void noUndesignedOverlap_data() { layoutRows(); }
    void noUndesignedOverlap() { verifyRow("no overlap", overlapProblems); }
    void textsFit_data() { layoutRows(); }
    void textsFit() { verifyRow("text fits", textFitProblems); }
    void fitsTheScreen_data();
    void fitsTheScreen() { verifyRow("fits the screen", screenProblems); }
    void textContrast_data();
    void textContrast() { verifyRow("enough contrast", contrastProblems); }

private:
    static void layoutRows();
    static void verifyRow(const char *check, QStringList (*problemsOf)(const Scene &));
};

void TestLayout::layoutRows()
{
    columns<QString, int, bool, QString, int, QString>(
        {"family", "points", "dark", "view", "scheme", "language"});
    const std::pair<const char *, int> fonts[] = {{"DejaVu Sans", 9},
                                                  {"DejaVu Sans", 13},
                                                  {"Cantarell", 11},
                                                  {"Noto Sans", 10},
                                                  {"Liberation Sans", 10}};
    for (const auto &[family, points] : fonts) {
        for (const bool dark : {false, true}) {
            for (const char *view :
                 {"short Urdu", "short English", "full Urdu", "full English",
                  "full English conversion", "full Urdu 12-hour", "options", "prayer alerts",
                  "calculator", "prayer times", "prayer times 12-hour", "new crescent"})
                QTest::addRow("%s %d %s %s", family, points, dark ? "dark" : "light", view)
                    << QString(family) << points << dark << QString(view) << 0 << QString("en");
        }
    }
    // Arabic and Urdu, right to left, in their own faces; Nastaliq is tall.
    const std::pair<const char *, const char *> languages[] = {{"ar", "Noto Naskh Arabic"},
                                                               {"ur", "Noto Nastaliq Urdu"}};
    for (const auto &[language, family] : languages) {
        for (const bool dark : {false, true}) {
            for (const char *view :
                 {"short Urdu", "full Urdu", "full English", "full English conversion", "options",
                  "prayer alerts", "prayer times", "new crescent"})
                QTest::addRow("%s %s %s", language, dark ? "dark" : "light", view)
                    << QString(family) << 10 << dark << QString(view) << 0 << QString(language);
        }
    }
}

// The large face grows every design beyond the test's screen.
void TestLayout::fitsTheScreen_data()
{
    columns<QString, int, bool, QString, int, QString>(
        {"family", "points", "dark", "view", "scheme", "language"});
    for (const char *view :
         {"short Urdu", "full Urdu", "options", "calculator", "prayer times", "new crescent"})
        QTest::addRow("DejaVu Sans 13 %s", view)
            << "DejaVu Sans" << 13 << false << QString(view) << 0 << QString("en");
    // Nastaliq's tall lines grow the Urdu windows most.
    for (const char *view :
         {"short Urdu", "full Urdu", "options", "prayer times", "new crescent"}) {
        QTest::addRow("ar %s", view)
            << "DejaVu Sans" << 10 << false << QString(view) << 0 << QString("ar");
        QTest::addRow("ur %s", view)
            << "DejaVu Sans" << 10 << false << QString(view) << 0 << QString("ur");
    }
}

void TestLayout::textContrast_data()
{
    columns<QString, int, bool, QString, int, QString>(
        {"family", "points", "dark", "view", "scheme", "language"});
    for (const bool dark : {false, true}) {
        const char *palette = dark ? "dark" : "light";
        for (int scheme = 0; scheme < kColourSchemeCount; ++scheme) {
            for (const char *view : {"full Urdu", "full English conversion"})
                QTest::addRow("%s scheme %d %s", palette, scheme, view)
                    << "DejaVu Sans" << 9 << dark << QString(view) << scheme << QString("en");
        }
        for (const char *view : {"options", "calculator", "prayer times", "new crescent"})
            QTest::addRow("%s %s", palette, view)
                << "DejaVu Sans" << 9 << dark << QString(view) << 0 << QString("en");
        for (const char *language : {"ar", "ur"}) {
            for (const char *view : {"full Urdu", "options", "prayer times", "new crescent"})
                QTest::addRow("%s %s %s", language, palette, view)
                    << "DejaVu Sans" << 9 << dark << QString(view) << 0 << QString(language);
        }
    }
}

// Opens the row's window and reports every problem found as a failure of its own, so that one
// run lists them all.
void TestLayout::verifyRow(const char *check, QStringList (*problemsOf)(const Scene &))
{
    const auto [family, points, dark, view, scheme, language] =
        fetch<QString, int, bool, QString, int, QString>("family", "points", "dark", "view",
                                                         "scheme", "language");
    Scene scene;
    scene.view = view;
    if (!scene.open(family, points, dark, scheme, language))
        return;
    for (const QString &problem : problemsOf(scene))
        QTest::qVerify(false, check, qPrintable(problem), __FILE__, __LINE__);
}

QARNIVO_WEBENGINE_TEST_MAIN(TestLayout)

#include "tst_layout.moc"
