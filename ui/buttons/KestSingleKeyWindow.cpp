#include "ui/buttons/KestSingleKeyWindow.h"
#include "platform/KeyboardHook.h"
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

KestSingleKeyWindow::KestSingleKeyWindow(QWidget *parent) : KestSettingDialog(parent)
{
    setObjectName("KestSingleKeyWindow");
    setTitle(tr("Single Key"));
    auto *hint = new QLabel(tr("Press the key for this button"), this);
    hint->setObjectName("hintLabel");
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet("color: rgb(200, 200, 200);");
    m_display = static_cast<QLineEdit *>(makeKeyDisplay());
    contentLayout()->addStretch();
    contentLayout()->addWidget(hint);
    contentLayout()->addWidget(m_display);
    contentLayout()->addStretch();

    m_hook = std::make_unique<KeyboardHook>(KeyboardHook::SingleKey,
                                            [this](int scanCode, int flags) { handleKey(scanCode, flags); });
    if (!m_hook->isInstalled())
        m_hook.reset();
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
