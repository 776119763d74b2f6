#pragma once
// "COMBO KEY": the key combination a mouse button is to send, captured from
// the keyboard layer. The result is the set of keys held at the last key-down.
#include "storage/MouseSettings.h"
#include "model/ComboKeys.h"
#include "ui/buttons/KestSettingDialog.h"
#include <memory>

class KeyboardHook;
class QLineEdit;

class KestComboKeyWindow : public KestSettingDialog
{
    Q_OBJECT

public:
    explicit KestComboKeyWindow(QWidget *parent = nullptr);
    ~KestComboKeyWindow() override;

    // Preset from the first five key entries of a button record; the first
    // key touched afterwards discards it.
    void setKeyEvents(const KeyInfo *events, int count = 5);
    // What the panel stores: the positions held at the last key-down.
    const ComboKeyState &result() const { return m_result; }
    QString displayText() const;
    bool isCapturing() const { return m_capturing && m_hook; }

    // One key event (scan code and hook flags); the hook procedure calls it.
    void handleKey(int scanCode, int flags);

signals:
    void SetComboKeyValue(const ComboKeyState &combo);

private:
    std::unique_ptr<KeyboardHook> m_hook;
    quint32 m_lastCode = 0;
    quint32 m_lastFlags = 0;
    quint8 m_capturing = 1;
    bool m_fresh = true;
    ComboKeyState m_live;
    ComboKeyState m_result;
    QLineEdit *m_display = nullptr;
};
