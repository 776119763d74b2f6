// The window's view of the connection: the list of present mice, the
// connection indicator and the "Dongle Disconnect!" state.
#include "ui/main/MousecfgWidget.h"
#include "device/DeviceTable.h"
#include "device/MouseConnection.h"
#include "device/NodeAccess.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/KestProcessbar.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <utility>

namespace {
// Taking the file's lock costs a sync; a name already stored needs no write.
bool storeProductName(const QString &name)
{
    return currentProductName() == name || setCurrentProductName(name);
}
} // namespace

bool MousecfgWidget::statusThreadRunning() const
{
    return m_connection->statusThreadRunning();
}

void MousecfgWidget::startStatusThread()
{
    m_connection->startStatusThread();
}

void MousecfgWidget::stopStatusThread()
{
    m_connection->stopStatusThread();
}

void MousecfgWidget::refreshMouseList()
{
    m_listMouseNames.clear();
    if (supportedModelCount() < 2)
        m_mouseSelectButton->hide();
    m_iMouseCount = 0;
    delete m_mouseMenu;
    m_mouseMenu = new QMenu(this);
    for (const QString &name : m_connection->presentNames()) {
        m_listMouseNames << name;
        m_mouseMenu->addAction(name);
        ++m_iMouseCount;
    }
    if (m_iMouseCount < 2) {
        m_mouseSelectButton->hide();
        if (m_iMouseCount == 1) {
            qDebug() << "RefreshMouseList " << m_listMouseNames.first();
            reportSaved(storeProductName(m_listMouseNames.first()));
        } else {
            storeProductName(QString());
        }
        return;
    }
    m_mouseSelectButton->show();
    const QString current = currentProductName();
    const QString chosen = m_listMouseNames.contains(current) ? current : m_listMouseNames.first();
    m_mouseSelectButton->setText(chosen);
    reportSaved(storeProductName(chosen));
    connect(m_mouseMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    m_mouseSelectButton->setMenu(m_mouseMenu);
    m_mouseMenu->setFixedWidth(int(150 * uiScale()));
    m_mouseMenu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
    QFont font(fontFamily(currentLanguage()));
    font.setPixelSize(qMax(1, int(fontPixelSize(currentLanguage()) * uiScale())));
    m_mouseMenu->setFont(font);
}

void MousecfgWidget::updateConnectionIndicator()
{
    m_chargingIcon->hide();
    const bool cable = collectionFound(4);
    const bool receiver = collectionFound(2);
    if (cable) {
        m_batteryBar->hide();
        m_iConnectMode = receiver ? 1 : 0;
    } else {
        m_batteryBar->show();
        m_iConnectMode = receiver ? 2 : 3;
    }
    m_receiverIcon->setVisible(receiver);
    m_cableIcon->setVisible(cable);
    m_chrome->showConnection(receiver, cable);
}

// Settings, pictures and pages for the mouse that is current now.
void MousecfgWidget::reinitialiseForMouse()
{
    m_customizePage->setFrontView(true);
    loadPictures();
    applyFonts();
    m_session->load();
    m_slotButton->setText(m_slotActions[activeSlot(m_working)]->text());
    m_profileNameEdit->setText(m_working.profileNames[activeSlot(m_working)]);
    reportSaved(writeDefaultProfileFile());
    selectPage(0);
    refreshPanels();
}

void MousecfgWidget::slot_show_mousename(QAction *action)
{
    m_mouseSelectButton->setText(action->text());
    m_connection->selectMouse(action->text());
    reinitialiseForMouse();
}

void MousecfgWidget::slotWarnClose()
{
    // The connection has opened the mouse already; a thread that ended with
    // a handle that went away is replaced.
    startStatusThread();
    reinitialiseForMouse();
    m_customizePage->SelBtnChanged(0, 0);
    m_bWarnCanClose = true;
}

// Told from the event loop, never from inside the connection's call.
void MousecfgWidget::slotAccessRefused()
{
    m_bAccessToTell = true;
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

void MousecfgWidget::slotWarning()
{
    // A login start in the tray waits quietly for the mouse, but says when it
    // is there and cannot be opened.
    if (std::exchange(m_bTrayStart, false) && m_iMouseCount == 0 && !m_bAccessToTell)
        return;
    show();
    if (m_bAccessToTell && !m_bWarnBoxOpen) {
        m_bAccessToTell = false;
        const QString text = refusedNodesText();
        if (!text.isEmpty()) {
            m_bWarnBoxOpen = true;
            showMessage(1, text);
            m_bWarnBoxOpen = false;
        }
    }
    if (m_iMouseCount > 0) {
        activateWindow();
        return;
    }
    if (m_bWarnBoxOpen)
        return;
    // "Dongle Disconnect!" would be untrue: the mouse is there, it cannot be opened.
    if (!refusedNodes().isEmpty()) {
        g_bWarnVisible = false;
        return;
    }
    m_bWarnBoxOpen = true;
    g_bWarnVisible = true;
    const int accepted = showMessage(4, tr("Dongle Disconnect!"), true);
    if (accepted && m_iMouseCount == 0)
        closeToTray();
    g_bWarnVisible = false;
    m_bWarnBoxOpen = false;
}

void MousecfgWidget::handleDeviceChange(const QString &interfaceName, bool arrival)
{
    m_connection->handleDeviceChange(interfaceName, arrival);
}

void MousecfgWidget::slotConnectionChanged(int miceBefore, int miceAfter, bool currentChanged)
{
    refreshMouseList();
    if (miceAfter == 0) {
        m_bWarnCanClose = false;
        g_bWarnVisible = true;
        QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
    } else if (miceBefore == 0) {
        QTimer::singleShot(200, this, &MousecfgWidget::slotWarnClose);
    } else if (currentChanged) {
        reinitialiseForMouse();
    }
    updateConnectionIndicator();
}
