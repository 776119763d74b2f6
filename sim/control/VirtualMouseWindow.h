#pragma once
// The "Virtual mouse" control window of mousecfg-sim: plug and unplug, the
// mouse's own buttons, battery and sleep, fault injection, and what it holds.
#include "sim/VirtualMouse.h"
#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QSpinBox;

class VirtualMouseWindow : public QWidget
{
    Q_OBJECT
public:
    explicit VirtualMouseWindow(QWidget *parent = nullptr);

    // Attaches or detaches a connection and reports its collections as the
    // operating system would.
    void setAttached(Connection which, bool attached);

private:
    QWidget *buildConnectionBox();
    QWidget *buildButtonsBox();
    QWidget *buildPowerBox();
    QWidget *buildFaultBox();
    void injectFault();
    void refreshView();

    QCheckBox *m_receiver = nullptr;
    QCheckBox *m_cable = nullptr;
    QCheckBox *m_moving = nullptr;
    QSpinBox *m_motionRate = nullptr;
    QSpinBox *m_millivolts = nullptr;
    QCheckBox *m_charging = nullptr;
    QCheckBox *m_sleeping = nullptr;
    QComboBox *m_faultKind = nullptr;
    QSpinBox *m_faultCount = nullptr;
    QCheckBox *m_failAll = nullptr;
    QCheckBox *m_denyOpens = nullptr;
    QPlainTextEdit *m_view = nullptr;
};
