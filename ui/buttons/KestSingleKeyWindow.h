#pragma once
// "SINGLE KEY": the key a mouse button is to send, captured from the keyboard
// layer so that Win, Alt or Print Screen are caught as well.
#include "storage/KeyTables.h"
#include "ui/buttons/KestSettingDialog.h"
#include <memory>

class KeyboardHook;
class QLineEdit;

class KestSingleKeyWindow : public KestSettingDialog
{
    Q_OBJECT

public:
    explicit KestSingleKeyWindow(QWidget *parent = nullptr);
    ~KestSingleKeyWindow() override;

    // Preset: shows the key and makes it the captured one.
    void setKey(KeyCode code);
    // The last key touched before "OK"; 0 when none.
    KeyCode key() const { return m_keyCode; }
    bool isCapturing() const { return m_capturing && m_hook; }
    QString displayText() const;

    // One key event (scan code and hook flags); the hook procedure calls it.
    void handleKey(int scanCode, int flags);

signals:
    void SetSingleKeyValue(quint8 iKey);

private:
    std::unique_ptr<KeyboardHook> m_hook;
    quint32 m_lastCode = 0;
    quint32 m_lastFlags = 0;
    quint8 m_capturing = 1;
    KeyCode m_keyCode = 0;
    QLineEdit *m_display = nullptr;
};
