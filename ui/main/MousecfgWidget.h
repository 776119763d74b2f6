#pragma once
// The program's only top-level window: a view of the connection to the mouse
// and of the parts that do the work: the apply session (the two settings
// records and the write), the status presenter, the profile controls, the
// feature pages and the window chrome (skin, scale, drag, tray, language).
#include "storage/MouseSettings.h"
#include "ui/main/ApplySession.h"
#include "ui/main/CustomizePage.h"
#include "ui/main/ProfileControls.h"
#include "ui/main/StatusPresenter.h"
#include "ui/main/WindowChrome.h"
#include <QList>
#include <QWidget>
#include <atomic>

class MouseConnection;
class KestBtnWindow;
class KestLabel;
class KestProcessbar;
class KestPushButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;

// True while the status thread reports no battery data; writes are refused then.
extern std::atomic_bool g_bDeviceSleeping;
// True while the "Dongle Disconnect!" box is open.
extern std::atomic_bool g_bWarnVisible;

class MousecfgWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MousecfgWidget(QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    int mouseCount() const { return m_iMouseCount; }
    int connectMode() const { return m_iConnectMode; }
    int currentPage() const { return m_iCurrentPage; }
    bool warnCanClose() const { return m_bWarnCanClose; }
    MouseSettings &workingSettings() { return m_session->working(); }
    const MouseSettings &appliedSettings() const { return m_session->applied(); }
    ApplySession *session() const { return m_session; }
    KestProcessbar *batteryBar() const { return m_batteryBar; }
    QLabel *chargingIcon() const { return m_chargingIcon; }
    QLabel *receiverIcon() const { return m_receiverIcon; }
    QLabel *cableIcon() const { return m_cableIcon; }
    KestPushButton *mouseSelectButton() const { return m_mouseSelectButton; }
    QMenu *mouseMenu() const { return m_mouseMenu; }
    KestPushButton *button(const QString &objectName) const;
    int batteryPercent() const { return m_status->batteryPercent(); }
    bool statusThreadRunning() const;
    MouseConnection *connection() const { return m_connection; }

    // Same as pressing "Apply": collect the panels, then write.
    void apply();
    // The write sequence; returns when the busy dialog has closed and any
    // message has been acknowledged.
    void runWrite(bool writeAll);
    void selectPage(int index);
    void switchToSlot(int index, bool reload);
    // The slot menu: the slot goes active on the mouse and its tables are
    // sent, on the write thread, the window staying responsive.
    void chooseSlot(int index);
    // Edits waiting for Apply, the DPI page's copies included.
    bool hasUnappliedEdits() const;
    // Before something throws edits away: asks to apply, discard or cancel.
    // True when the caller may go on (nothing waited, applied or discarded).
    bool settleUnappliedEdits();
    // What the last write said it sent ("Sent: DPI" / "Nothing to send"), shown for a while.
    QLabel *applyNotice() const { return m_applyNotice; }
    static constexpr int APPLY_NOTICE_MS = 4000;
    // "&Quit" and a close that ends the program: quitAccepted once the edits
    // are settled; false when the user cancelled.
    bool quitAfterAsking();
    // "--tray": the start-up check shows no "Dongle Disconnect!" box.
    void setStartedInTray(bool on) { m_bTrayStart = on; }

public slots:
    // A device interface arrived or was removed ("HID#VID_xxxx&PID_xxxx&colNN...").
    void handleDeviceChange(const QString &interfaceName, bool arrival);
    void slotWarning();
    void slotWarnClose();
    void slotAccessRefused();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iStage);
    void slotRefreshRate(quint8 iRate);
    void slotRefreshLightMode(quint8 iMode);
    void startStatusThread();
    void stopStatusThread();
    // Shows, restores and raises the window (a second start asked for it).
    void bringToFront();
    // Another program (mousectl) stored new settings: show them.
    void reloadStoredSettings();
    // Where closing leads: the tray, else the task bar, else the end of the program.
    void closeToTray();
    // What is attached changed (from the connection).
    void slotConnectionChanged(int miceBefore, int miceAfter, bool currentChanged);

signals:
    // An on-screen notice for the mouse-side change just shown.
    void osdText(const QString &text);
    // The window shows this slot now (0-based).
    void slotShown(int slot);
    // The program may end now ("&Quit", or a close where nothing else keeps it).
    void quitAccepted();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onButtonClicked();
    void slot_show_mousename(QAction *action);
    void slotEnableButtons(bool bEnable);

private:
    // construction
    void buildButtons();
    void buildStatusArea();
    void buildPages();
    void buildSlotMenu();
    KestPushButton *makeButton(const QString &objectName, const QStringList &images, const QString &text = QString());
    void relayout();
    void applyFonts();
    void retranslate();
    void loadPictures();
    void buildShortcuts();
    void orderTabChain();

    // The "*" on Apply and in the titles while edits wait; checked after input, coalesced.
    void scheduleUnsavedMark();
    void updateUnsavedMark();
    void discardUnappliedEdits();
    void askAfterReload();
    bool m_bMarkScheduled = false;
    bool m_bUnsaved = false;
    QLabel *m_applyNotice = nullptr;
    class QTimer *m_noticeTimer = nullptr;

    // device connection
    void refreshMouseList();
    void updateConnectionIndicator();
    void reinitialiseForMouse();

    // A settings file that could not be written is told once, until a write works again.
    void reportSaved(bool saved);
    bool m_bNotSavedShown = false;

    // status display
    StatusPresenter *m_status = nullptr;
    void refreshPanels();
    void collectPanelValues();
    // The current slot's DPI stages and key table to the mouse, then the pointer settings.
    void sendSlotTables();
    int showMessage(int type, const QString &text, bool poll = false);

    ApplySession *m_session = nullptr;
    MouseSettings &m_working; // the session's working record, which the pages edit

    WindowChrome *m_chrome = nullptr;

    MouseConnection *m_connection = nullptr;
    int m_iMouseCount = 0;
    QStringList m_listMouseNames;
    int m_iConnectMode = 3;
    bool m_bWarnCanClose = false;
    bool m_bWarnBoxOpen = false;
    bool m_bAccessToTell = false;  // a mouse that cannot be opened, not told yet
    int m_iCurrentPage = 0;
    bool m_bTrayStart = false;

    // widgets
    QList<KestPushButton *> m_buttons; // every push button of the window
    QList<KestPushButton *> m_tabButtons;
    KestPushButton *m_mouseSelectButton = nullptr;
    KestPushButton *m_slotButton = nullptr;
    KestPushButton *m_firmwareButton = nullptr;
    QList<KestPushButton *> m_slotIndicators;
    QMenu *m_mouseMenu = nullptr;
    QMenu *m_slotMenu = nullptr;
    QList<QAction *> m_slotActions;
    QLineEdit *m_profileNameEdit = nullptr;
    KestLabel *m_nameLabel = nullptr;
    KestLabel *m_versionLabel = nullptr;
    QLabel *m_frontPicture = nullptr;
    QLabel *m_sidePicture = nullptr;
    KestProcessbar *m_batteryBar = nullptr;
    QLabel *m_chargingIcon = nullptr;
    QLabel *m_receiverIcon = nullptr;
    QLabel *m_cableIcon = nullptr;
    QList<QWidget *> m_pages;

    // The feature pages, one class each.
    class LightingPage *m_lightingPage = nullptr;
    class PerformancePage *m_performancePage = nullptr; // its panels' edits reach the working record on Apply
    class MacroPage *m_macroPage = nullptr;

    // --- Profile controls (ProfileControls.h).
public:
    const QStringList &profileFileList() const { return m_profiles->fileList(); }
    QMenu *savedProfileMenu() const { return m_profiles->savedProfileMenu(); }
    QLineEdit *profileNameEdit() const { return m_profileNameEdit; }

public slots:
    // Enter in the name edit: renames the current slot's profile.
    void slotProfileNameChange() { m_profiles->slotProfileNameChange(); }

private:
    ProfileControls *m_profiles = nullptr;

    // --- Firmware hand-over (FirmwareUpdate.cpp): the press runs the flow
    // when the cable's mouse collection is present, the click when the cable's
    // release number was recorded; a click that ends a press does not run it twice.
    void runFirmwareUpdate(bool cablePresent);
    bool m_bFirmwarePressRan = false;

    // --- CUSTOMIZE page (CustomizePage.h): its hot-spots and panel, through the window.
public:
    static constexpr int HOT_SPOT_COUNT = CustomizePage::HOT_SPOT_COUNT;
    enum HotSpotView { FrontView = CustomizePage::FrontView, SideView = CustomizePage::SideView,
                       WheelView = CustomizePage::WheelView, HOT_SPOT_VIEW_COUNT = CustomizePage::HOT_SPOT_VIEW_COUNT };
    KestBtnWindow *buttonPanel() const { return m_customizePage->buttonPanel(); }
    KestPushButton *hotSpot(int view, int index) const { return m_customizePage->hotSpot(view, index); }
    int selectedHotSpot(int view) const { return m_customizePage->selectedHotSpot(view); }
    int currentView() const { return m_customizePage->currentView(); }
    bool frontView() const { return m_customizePage->frontView(); }

public slots:
    void slotMouseOver(KestPushButton *button, bool bType) { m_customizePage->slotMouseOver(button, bType); }

private:
    CustomizePage *m_customizePage = nullptr;

    // --- Requests of other programs on the session bus (BusRequests.cpp). The
    // mouse's commands run on a thread while the window stays live; no busy
    // dialog, no message box: the caller reports the outcome. Each returns a
    // device result code, -1 while a write runs, StoredSettingsUnreadable.
public:
    static constexpr int StoredSettingsUnreadable = -2;
    // Sends these groups of the stored settings; "Config/Diff" stays the caller's.
    int downloadStored(int groups);
    // One write transaction on the stored settings, as mousectl apply runs it.
    int applyStored(int groups, bool &diffSaved);
    // The slot goes active on the mouse (its two commands); the window shows it.
    int activateSlotForCaller(int slot);

    // --- MACRO page (MacroPage.h).
public:
    class MacroDialog *macroPage() const;
};
