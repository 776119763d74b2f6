#include "tests/support/UiDrivers.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QtTest>

MenuDriver::MenuDriver(const QStringList &path) : m_path(path)
{
    connect(&m_timer, &QTimer::timeout, this, &MenuDriver::poll);
    m_timer.start(20);
}

void MenuDriver::poll()
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu || m_step >= m_path.size())
        return;
    QAction *target = nullptr;
    QStringList texts;
    for (QAction *action : menu->actions()) {
        texts << action->text();
        if (action->text() == m_path[m_step] && action->isVisible())
            target = action;
    }
    if (!target)
        return;
    m_seen << texts;
    menu->setActiveAction(target);
    if (target->menu()) {
        ++m_step;
        QTest::keyClick(menu, Qt::Key_Right);
        return;
    }
    m_timer.stop();
    m_done = true;
    QTest::keyClick(menu, Qt::Key_Return);
}

DialogDriver::DialogDriver(const QString &objectName, std::function<void(QDialog *)> action)
    : m_objectName(objectName), m_action(std::move(action))
{
    connect(&m_timer, &QTimer::timeout, this, &DialogDriver::poll);
    m_timer.start(20);
}

void DialogDriver::poll()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || dialog->objectName() != m_objectName)
        return;
    m_timer.stop();
    m_done = true;
    m_action(dialog);
}
