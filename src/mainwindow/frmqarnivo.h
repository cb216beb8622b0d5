#pragma once

// The main window. A click flows through it like this: a control's handler
// (a public slot named after the control and event) reads the controls,
// puts a date into the conversion panel and runs the panel's handler, which
// checks and converts through the Julian Day Number; the handler reads the
// panel's other side back into the current date state and rewrites the
// window from that state.

#include "calendar/datestate.h"
#include "calendar/names.h"

#include <QMainWindow>

class QAction;

namespace qarnivo {

class ConversionPanel;
class Platform;

class frmqarnivo : public QMainWindow {
    Q_OBJECT
public:
    explicit frmqarnivo(Platform &platform, QWidget *parent = nullptr);

    // The startup sequence; the constructor only builds the controls.
    void Form_Load();

    const DateState &dateState() const { return m_state; }
    const NameTables &names() const { return m_names; }

public slots:
    void Greg_Hijri_Click();
    void Hijri_Greg_Click();
    void ConvertDate_Click();
    void Exit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createControls();

    Platform &m_platform;
    DateState m_state;
    NameTables m_names;

    ConversionPanel *Frame3 = nullptr;
    QAction *Exit = nullptr;
    QAction *ConvertDate = nullptr;
};

} // namespace qarnivo
