#pragma once

#include "platform/layoutscale.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qarnivo {

class CalendarTarget;
class Platform;

// The options window: the Hijri date correction, which moves the weekday of
// every month's first day, and the colour scheme of the month grid. Every
// change takes effect at once in the main window and is stored.
class Options : public QWidget {
    Q_OBJECT
public:
    Options(Platform &platform, CalendarTarget &calendar, QWidget *parent = nullptr);

    // Selects scheme i's option as a click on it does.
    void selectScheme(int index);

public slots:
    void Combo1_Click();
    void Apply_Click();
    void Option2_Click(int index);
    void Label1_Click();
    void Cloze_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createCorrectionControls();
    void createSchemeControls();

    Platform &m_platform;
    CalendarTarget &m_calendar;
    const LayoutScale m_scale;

    QComboBox *Combo1 = nullptr;
    QPushButton *Apply = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QButtonGroup *m_schemeGroup = nullptr;
    std::array<QRadioButton *, 6> Option2{};
    std::array<QLabel *, 6> Label2{};
    QPushButton *Cloze = nullptr;
};

} // namespace qarnivo
