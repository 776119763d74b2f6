#include "tests/support/MessageWatcher.h"
#include "ui/kit/KestMessageBox.h"
#include <QApplication>
#include <QLabel>

MessageWatcher::MessageWatcher(bool accept) : m_accept(accept)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageWatcher::poll);
    m_timer.start(20);
}

QString MessageWatcher::openMessage()
{
    auto *box = qobject_cast<KestMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return QString();
    auto *label = box->findChild<QLabel *>("msgBoxInfoLabel2");
    return label ? label->text() : QString();
}

void MessageWatcher::poll()
{
    if (m_hold)
        return;
    auto *box = qobject_cast<KestMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    m_texts << openMessage();
    if (m_answer >= 0)
        box->done(m_answer);
    else if (m_accept)
        box->accept();
    else
        box->reject();
}
