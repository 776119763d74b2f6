#include "ui/buttons/KestSingleKeyWindow.h"
#include "platform/KeyboardHook.h"
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

KestSingleKeyWindow::KestSingleKeyWindow(QWidget *parent) : KestSettingDialog(parent)
{
    setObjectName("KestSingleKeyWindow");
    setTitle(tr("Single Key"));
    m_display = addKeyCapture(tr("Press the key for this button"));
    m_hook = KeyboardHook::install(KeyboardHook::SingleKey, [this](int scanCode, int flags) { handleKey(scanCode, flags); });
}

KestSingleKeyWindow::~KestSingleKeyWindow() = default;

void KestSingleKeyWindow::setKey(KeyCode code)
{
    m_keyCode = code;
    m_display->setText(keyName(code));
}

QString KestSingleKeyWindow::displayText() const
{
    return m_display->text();
}

void KestSingleKeyWindow::handleKey(int scanCode, int flags)
{
    if (!m_capturing)
        return;
    const KeyCode code = keyEventToKeyCode(scanCode, flags);
    // A held key repeats its press: one capture, not a stream.
    if (code == m_lastCode && quint32(flags) == m_lastFlags)
        return;
    m_lastCode = code;
    m_lastFlags = quint32(flags);
    setKey(code);
    emit SetSingleKeyValue(code);
}
