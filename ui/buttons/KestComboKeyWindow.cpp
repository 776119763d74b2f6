#include "ui/buttons/KestComboKeyWindow.h"
#include "platform/KeyboardHook.h"
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

KestComboKeyWindow::KestComboKeyWindow(QWidget *parent) : KestSettingDialog(parent)
{
    setObjectName("KestComboKeyWindow");
    setTitle(tr("Combo Key"));
    m_display = addKeyCapture(tr("Hold the modifiers, then press the key"));
    m_hook = KeyboardHook::install(KeyboardHook::ComboKey, [this](int scanCode, int flags) { handleKey(scanCode, flags); });
}

KestComboKeyWindow::~KestComboKeyWindow() = default;

void KestComboKeyWindow::setKeyEvents(const KeyInfo *events, int count)
{
    m_live = comboFromKeyEvents(events, count);
    m_result = m_live;
    m_display->setText(comboText(m_live, true));
}

QString KestComboKeyWindow::displayText() const
{
    return m_display->text();
}

void KestComboKeyWindow::handleKey(int scanCode, int flags)
{
    if (!m_capturing)
        return;
    const KeyCode code = keyEventToKeyCode(scanCode, flags);
    if (code == m_lastCode && quint32(flags) == m_lastFlags)
        return;
    qDebug("KestComboKeyWindow dwVCode = %x dwFlag = %x", unsigned(code), unsigned(flags));
    m_lastCode = code;
    m_lastFlags = quint32(flags);
    if (m_fresh) {
        m_live = ComboKeyState();
        m_result = ComboKeyState();
        m_fresh = false;
    }

    int position = 0;
    uint8_t side = 0;
    const bool modifier = comboModifierOf(code, position, side);
    if (!(flags & ScanFlagRelease)) {
        if (modifier) {
            m_live.state[size_t(position)] |= side;
        } else {
            m_live.state[ComboMain] = 1;
            m_live.mainCode = code;
        }
        m_display->setText(comboText(m_live));
        m_result = m_live;
        emit SetComboKeyValue(m_result);
    } else if (modifier) {
        // Releases keep the combination on screen.
        m_live.state[size_t(position)] &= uint8_t(~side);
    } else {
        m_live.state[ComboMain] = 0;
    }
}
