#pragma once
// "FIRE KEY": one press of the mouse button fires a click or a key several
// times. The target is a mouse button or a keyboard key captured from the
// keyboard layer; "Times:" and "Delay:" are 1..255.
#include "storage/KeyTables.h"
#include "storage/MouseSettings.h"
#include "model/FireKeyTarget.h"
#include "ui/buttons/KestSettingDialog.h"
#include <QVector>
#include <memory>

class KeyboardHook;
class QCheckBox;
class QLineEdit;

class KestFireKeyWindow : public KestSettingDialog
{
    Q_OBJECT

public:
    enum Target {
        TargetLeft = FireLeft,
        TargetRight = FireRight,
        TargetMiddle = FireMiddle,
        TargetKeyboard = FireKeyboard,
        TARGET_COUNT = FIRE_TARGET_COUNT
    };

    explicit KestFireKeyWindow(QWidget *parent = nullptr);
    ~KestFireKeyWindow() override;

    // Preset from a record that holds a fire key.
    void setRecord(const ButtonInfo &record);

    int choice() const { return m_choice; }
    KeyCode keyCode() const { return m_keyCode; }
    QString timesText() const;
    QString delayText() const;
    // What to store: the field's number, or, while the field is left alone,
    // a stored value too large for it (above 255), which it shows as 255.
    int times() const;
    int delay() const;
    bool isCapturing() const { return m_capturing && m_hook; }
    QString displayText() const;
    QLineEdit *timesEdit() const { return m_times; }
    QLineEdit *delayEdit() const { return m_delay; }
    QCheckBox *targetBox(int target) const { return m_targets.value(target); }

    // The record's res1 for a target (fireTargetValue).
    static uint8_t targetValue(int choice, KeyCode key);

    // One key event (scan code and hook flags); the hook procedure calls it.
    void handleKey(int scanCode, int flags);

signals:
    void SetFireKeyValue(quint8 iKey, quint8 iChoice, int iTimes, int iDelay);

private slots:
    void checkbtn_clicked();
    void onStateChanged(int state);
    void OnEditDataChanged(const QString &text);
    void onEditReturn();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void choose(int target);
    void showKey(KeyCode code);
    void emitValue();
    QLineEdit *makeNumberEdit(const char *objectName, int value);

    std::unique_ptr<KeyboardHook> m_hook;
    int m_choice = TargetLeft;
    KeyCode m_keyCode = 0;
    quint8 m_capturing = 0;
    quint8 m_skipNext = 0;
    quint32 m_lastCode = 0;
    quint32 m_lastFlags = 0;
    QVector<QCheckBox *> m_targets;
    QLineEdit *m_display = nullptr;
    QLineEdit *m_times = nullptr;
    QLineEdit *m_delay = nullptr;
    int m_keptTimes = -1; // a stored value the field cannot show; -1 for none
    int m_keptDelay = -1;
};
