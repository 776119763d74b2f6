// Following the mouse: hot-plug, the list of present mice, the
// "Dongle Disconnect!" state and the status thread.
#include "ui/main/MousecfgWidget.h"
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "device/InterfacePath.h"
#include "device/KestGetBatteryThread.h"
#include "platform/Sleep.h"
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

namespace {
struct KindFlags {
    int mouseCollection;   // 1 (A) or 3 (B)
    int commandCollection; // 2 (A) or 4 (B)
};
constexpr KindFlags kKindA{1, 2};
constexpr KindFlags kKindB{3, 4};

bool productPresent(const SupportedModel &model, const KindFlags &kind)
{
    const int32_t flags[] = {0, model.found1, model.found2, model.found3, model.found4};
    return flags[kind.mouseCollection] && flags[kind.commandCollection];
}

bool modelPresent(const SupportedModel &model)
{
    return productPresent(model, kKindA) || productPresent(model, kKindB);
}
}

int MousecfgWidget::countPresentMice() const
{
    int count = 0;
    for (int i = 0; i < supportedModelCount(); ++i)
        count += modelPresent(supportedModel(i)) ? 1 : 0;
    return count;
}

bool MousecfgWidget::statusThreadRunning() const
{
    std::lock_guard<std::mutex> lock(m_threadMutex);
    return m_pBatteryThread != nullptr;
}

void MousecfgWidget::startStatusThread()
{
    std::lock_guard<std::mutex> lock(m_threadMutex);
    if (m_pBatteryThread)
        return;
    auto *thread = new KestGetBatteryThread;
    connect(thread, SIGNAL(RefreshBatteryStatus(quint8,quint8,quint8)), this, SLOT(slotRefreshBatteryStatus(quint8,quint8,quint8)));
    connect(thread, SIGNAL(RefreshStatus(quint8,quint8,quint8,quint8)), this, SLOT(slotRefreshStatus(quint8,quint8,quint8,quint8)));
    connect(thread, SIGNAL(RefreshWriteStatus(quint8)), this, SLOT(slotRefreshWriteStatus(quint8)));
    m_pBatteryThread = thread;
    thread->start(QThread::InheritPriority);
}

void MousecfgWidget::stopStatusThread()
{
    // Called from the GUI thread and, during a download, from the write thread.
    std::lock_guard<std::mutex> lock(m_threadMutex);
    if (!m_pBatteryThread)
        return;
    KestGetBatteryThread *thread = m_pBatteryThread;
    m_pBatteryThread = nullptr;
    thread->stopAndWait();
    thread->deleteLater();
}

void MousecfgWidget::refreshMouseList()
{
    m_listMouseNames.clear();
    if (supportedModelCount() < 2)
        m_mouseSelectButton->hide();
    m_iMouseCount = 0;
    delete m_mouseMenu;
    m_mouseMenu = new QMenu(this);
    for (int i = 0; i < supportedModelCount(); ++i) {
        const SupportedModel &model = supportedModel(i);
        if (!modelPresent(model))
            continue;
        const QString name = QString::fromLatin1(model.deviceName);
        m_listMouseNames << name;
        m_mouseMenu->addAction(name);
        ++m_iMouseCount;
    }
    if (m_iMouseCount < 2) {
        m_mouseSelectButton->hide();
        if (m_iMouseCount == 1) {
            qDebug() << "RefreshMouseList " << m_listMouseNames.first();
            setCurrentProductName(m_listMouseNames.first());
        } else {
            setCurrentProductName(QString());
        }
        return;
    }
    m_mouseSelectButton->show();
    const QString current = currentProductName();
    const QString chosen = m_listMouseNames.contains(current) ? current : m_listMouseNames.first();
    m_mouseSelectButton->setText(chosen);
    setCurrentProductName(chosen);
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
}

// Settings, pictures and pages for the mouse that is current now.
void MousecfgWidget::reinitialiseForMouse()
{
    m_bFrontView = true;
    loadPictures();
    applyFonts();
    loadSettings(m_applied);
    m_working = m_applied;
    m_slotButton->setText(m_slotActions[m_working.profileId % PROFILE_COUNT]->text());
    m_profileNameEdit->setText(m_working.profileNames[m_working.profileId % PROFILE_COUNT]);
    writeDefaultProfileFile();
    selectPage(0);
    refreshPanels();
}

void MousecfgWidget::slot_show_mousename(QAction *action)
{
    stopStatusThread();
    sleepMs(50);
    closeDevice();
    sleepMs(50);
    m_mouseSelectButton->setText(action->text());
    setCurrentProductName(action->text());
    openDeviceByName(action->text());
    sleepMs(50);
    reinitialiseForMouse();
    startStatusThread();
}

void MousecfgWidget::slotWarnClose()
{
    openDeviceByName(currentProductName());
    startStatusThread();
    reinitialiseForMouse();
    SelBtnChanged(0, 0);
    m_bWarnCanClose = true;
}

void MousecfgWidget::slotWarning()
{
    show();
    if (m_iMouseCount > 0) {
        activateWindow();
        return;
    }
    if (m_bWarnBoxOpen)
        return;
    m_bWarnBoxOpen = true;
    g_bWarnVisible = true;
    const int accepted = showMessage(4, tr("Dongle Disconnect!"), true);
    if (accepted && m_iMouseCount == 0)
        hide();
    g_bWarnVisible = false;
    m_bWarnBoxOpen = false;
}

void MousecfgWidget::handleDeviceChange(const QString &interfaceName, bool arrival)
{
    // The write thread owns the handles until it ends; replay afterwards.
    if (m_bWriteRunning) {
        m_deferredDeviceChanges.append({interfaceName, arrival});
        return;
    }
    processDeviceChange(interfaceName, arrival);
}

void MousecfgWidget::processDeviceChange(const QString &interfaceName, bool arrival)
{
    const InterfacePathMatch match = classifyInterfacePath(interfaceName);
    const int vid = match.matched ? match.vendorId : 0;
    const int pid = match.matched ? match.productId : 0;
    const int collection = match.matched ? match.collection : 0;
    const int miceBefore = m_iMouseCount;
    bool newlyAttached = false;

    for (int row = 0; row < supportedModelCount(); ++row) {
        const SupportedModel &model = supportedModel(row);
        bool handled = false;
        const bool kindA = vid == model.vendorIdA && pid == model.productIdA;
        const bool kindB = !kindA && vid == model.vendorIdB && pid == model.productIdB;
        if (!kindA && !kindB)
            continue;
        const KindFlags kind = kindA ? kKindA : kKindB;
        const QString rowName = QString::fromLatin1(model.deviceName);
        bool reopen = true;

        if (arrival) {
            const unsigned release = deviceReleaseNumber(("\\\\?\\" + interfaceName).toLatin1());
            const int minRelease = kindA ? model.releaseMinA : model.releaseMinB;
            const int maxRelease = kindA ? model.releaseMaxA : model.releaseMaxB;
            const bool inRange = maxRelease == 0 || (int(release) >= minRelease && int(release) <= maxRelease);
            bool goOn = collectionFound(kind.mouseCollection, row);
            if (inRange && collection == 1) {
                newlyAttached |= !collectionFound(kind.mouseCollection, row);
                setCollectionFound(kind.mouseCollection, true, row);
                goOn = true;
            } else if (inRange && collection == 4) {
                newlyAttached |= !collectionFound(kind.commandCollection, row);
                setCollectionFound(kind.commandCollection, true, row);
                goOn = collectionFound(kind.mouseCollection, row);
            }
            if (goOn && collectionFound(kind.commandCollection, row)) {
                if (miceBefore != 0) {
                    refreshMouseList();
                    openDeviceByName(currentProductName());
                } else {
                    refreshMouseList();
                    QTimer::singleShot(200, this, &MousecfgWidget::slotWarnClose);
                }
            }
        } else {
            const int flag = collection == 1 ? kind.mouseCollection : collection == 4 ? kind.commandCollection : 0;
            if (flag == 0 || !collectionFound(flag, row))
                continue;
            setCollectionFound(flag, false, row);
            if (!collectionFound(1, row) && !collectionFound(2, row) && !collectionFound(3, row) && !collectionFound(4, row)) {
                m_iMouseCount = countPresentMice();
                if (m_iMouseCount > 0) {
                    const QString before = currentProductName();
                    refreshMouseList();
                    if (rowName == before) {
                        stopStatusThread();
                        closeDevice();
                        openDeviceByName(currentProductName());
                        startStatusThread();
                        reinitialiseForMouse();
                        handled = true;
                    }
                } else {
                    stopStatusThread();
                    closeDevice();
                    m_bWarnCanClose = false;
                    g_bWarnVisible = true;
                    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
                    reopen = false;
                }
            }
        }

        const bool anyFlag = collectionFound(kind.mouseCollection, row) || collectionFound(kind.commandCollection, row);
        if (reopen && rowName == currentProductName() && anyFlag && !handled) {
            stopStatusThread();
            closeDevice();
            sleepMs(500);
            openDeviceByName(currentProductName());
            startStatusThread();
        }
    }
    if (newlyAttached)
        writeDiffFlag(1);
    updateConnectionIndicator();
    stopStatusThread();
    startStatusThread();
}
