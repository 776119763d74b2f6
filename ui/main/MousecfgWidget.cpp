#include "ui/main/MousecfgWidget.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "device/DeviceTable.h"
#include "device/CommandProtocol.h"
#include "device/MouseConnection.h"
#include "platform/PointerSpeed.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestProcessbar.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/LightingPage.h"
#include "ui/main/MacroPage.h"
#include "ui/main/PerformancePage.h"
#include "ui/main/StatusPresenter.h"
#include "ui/main/WindowLayout.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>
#include <utility>

std::atomic_bool g_bDeviceSleeping{false};
std::atomic_bool g_bWarnVisible{false};

namespace {
QStringList skinImages(std::initializer_list<const char *> names)
{
    QStringList paths;
    for (const char *name : names)
        paths << skinPath(QString::fromLatin1(name));
    return paths;
}

const QStringList &tabImages()
{
    static const QStringList images = {"tabbutton-1.png", "tabbutton-3.png", "tabbutton-2.png"};
    return images;
}

QStringList skinImages(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << skinPath(name);
    return paths;
}

// The buttons of the window: object name, images, source text.
struct ButtonEntry {
    const char *objectName;
    std::initializer_list<const char *> images;
    const char *text;
};

const ButtonEntry kButtons[] = {
    {"closeButton", {"close-1.png", "close-2.png", "close-3.png"}, nullptr},
    {"minButton", {"min-1.png", "min-2.png", "min-3.png"}, nullptr},
    {"exportButton", {"profile_import1.png", "profile_import2.png", "profile_import2.png"}, nullptr},
    {"importButton", {"profile_export1.png", "profile_export1.png", "profile_export1.png"}, nullptr},
    {"resetButton", {"profile_reset1.png", "profile_reset2.png"}, QT_TRANSLATE_NOOP("MousecfgWidget", "RESET")},
    {"addButton", {"profile_add1.png", "profile_add2.png"}, QT_TRANSLATE_NOOP("MousecfgWidget", "ADD")},
    {"deleteButton", {"profile_del1.png", "profile_del2.png"}, QT_TRANSLATE_NOOP("MousecfgWidget", "DELETE")},
    {"copyButton", {"profile_copy1.png", "profile_copy2.png"}, QT_TRANSLATE_NOOP("MousecfgWidget", "COPY")},
};

// Buttons drawn with the tab images: object name and source text.
const struct { const char *objectName; const char *text; } kTabImageButtons[] = {
    {"resetAllButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Reset All")},
    {"okButton", QT_TRANSLATE_NOOP("MousecfgWidget", "OK")},
    {"cancelButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Cancel")},
    {"applyButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Apply")},
    {"loadButton", QT_TRANSLATE_NOOP("MousecfgWidget", "LOAD1")},
    {"saveButton", QT_TRANSLATE_NOOP("MousecfgWidget", "SAVE")},
};

// Tab goes along the window as it reads: the tabs and their page, the
// profile row, the action rows, then the header.
const char *const kTabChain[] = {
    "tabButton0", "tabButton1", "tabButton2", "tabButton3", "pageArea", "frontPicture", "sidePicture",
    "frontButton", "sideButton",
    "slotButton", "profileNameEdit", "savedProfileButton", "exportButton", "importButton", "resetButton",
    "addButton", "deleteButton", "copyButton", "resetAllButton", "loadButton", "saveButton", "okButton",
    "cancelButton", "applyButton", "mouseSelectButton", "firmwareButton", "languageButton", "minButton",
    "closeButton",
};

// Tooltips of the buttons whose picture does not say what they do.
const struct { const char *objectName; const char *tip; } kButtonTips[] = {
    {"closeButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Close")},
    {"minButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Minimise")},
    {"exportButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Export this profile to a file")},
    {"importButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Import a profile from a file")},
    {"savedProfileButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Saved profiles")},
    {"slotButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Profile slot on the mouse")},
    {"languageButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Language")},
    {"mouseSelectButton", QT_TRANSLATE_NOOP("MousecfgWidget", "Choose the mouse")},
};

const QKeySequence kApplyKey(Qt::CTRL | Qt::Key_S);
QKeySequence pageKey(int page)
{
    return QKeySequence(Qt::CTRL | (Qt::Key_1 + page));
}
QString keyText(const QKeySequence &key)
{
    return key.toString(QKeySequence::NativeText);
}

const char *const kTabTexts[] = {
    QT_TRANSLATE_NOOP("MousecfgWidget", "LIGHTING"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "CUSTOMIZE"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "DPI"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "MACRO"),
};

}

MousecfgWidget::MousecfgWidget(QWidget *parent)
    : QWidget(parent), m_session(new ApplySession(nullptr, this)), m_working(m_session->working())
{
    setObjectName("MousecfgWidget");
    setWindowTitle(QCoreApplication::translate("MousecfgWidget", "MousecfgWidget"));
    m_chrome = new WindowChrome(this);
    connect(m_chrome, &WindowChrome::languageSwitched, this, &MousecfgWidget::retranslate);
    connect(m_chrome, &WindowChrome::showRequested, this, &MousecfgWidget::slotWarning);
    connect(m_chrome, &WindowChrome::notSaved, this, [this] { reportSaved(false); });
    connect(m_chrome, &WindowChrome::quitRequested, this, &MousecfgWidget::quitAfterAsking);

    m_mouseSelectButton = makeButton("mouseSelectButton", skinImages(tabImages()));
    m_mouseSelectButton->hide();

    m_connection = new MouseConnection(this);
    m_session->setConnection(m_connection);
    connect(m_session, &ApplySession::notSaved, this, [this] { reportSaved(false); });
    // Queued: a send on this thread may read a status report in the middle of a click.
    connect(m_connection, SIGNAL(RefreshBatteryStatus(quint8,quint8,quint8)), this, SLOT(slotRefreshBatteryStatus(quint8,quint8,quint8)), Qt::QueuedConnection);
    connect(m_connection, SIGNAL(RefreshStatus(quint8,quint8,quint8,quint8)), this, SLOT(slotRefreshStatus(quint8,quint8,quint8,quint8)), Qt::QueuedConnection);
    connect(m_connection, SIGNAL(RefreshWriteStatus(quint8)), this, SLOT(slotRefreshWriteStatus(quint8)), Qt::QueuedConnection);
    connect(m_connection, &MouseConnection::connectionChanged, this, &MousecfgWidget::slotConnectionChanged);
    connect(m_connection, &MouseConnection::configNotSaved, m_session, &ApplySession::forceNextWrite);
    connect(m_connection, &MouseConnection::accessRefused, this, &MousecfgWidget::slotAccessRefused);
    m_connection->start();
    refreshMouseList();
    // The product's pictures decode while the buttons and pages are built.
    const QString product = appDir() + "/skin/mouse/" + currentProductName();
    prefetchPixmaps({product + "/Mouse.png", product + "_Side.png"});
    m_chrome->readLanguages();

    buildButtons();
    buildStatusArea();
    m_chrome->buildLanguageMenu(button("languageButton"));
    buildSlotMenu();
    m_chrome->installTranslation();

    m_status = new StatusPresenter([this] { return m_session->writing() || QApplication::activeModalWidget(); }, this);
    connect(m_status, &StatusPresenter::osdText, this, &MousecfgWidget::osdText);
    connect(m_status, &StatusPresenter::notSaved, this, [this] { reportSaved(false); });

    m_session->load();
    m_working.profiles[activeSlot(m_working)].mouseSpeed = uint8_t(readPointerSpeed());

    buildPages();
    selectPage(0);
    refreshPanels();
    retranslate();
    m_profileNameEdit->setText(m_working.profileNames[activeSlot(m_working)]);
    reportSaved(writeDefaultProfileFile());
    setStyleSheet("*{outline:0px;}");

    ProfileControls::Window host;
    host.widget = this;
    host.message = [this](int type, const QString &text) { return showMessage(type, text); };
    host.panelsChanged = [this] { refreshPanels(); };
    host.write = [this](bool writeAll) { runWrite(writeAll); };
    host.slotShown = [this](int slot) { switchToSlot(slot, false); };
    host.pageShown = [this](int page) { selectPage(page); };
    host.relabelled = [this] { retranslate(); };
    host.settle = [this] { return settleUnappliedEdits(); };
    m_profiles = new ProfileControls(m_session, std::move(host), m_profileNameEdit, button("savedProfileButton"), this);
    m_chrome->buildTray(m_slotActions);
    buildShortcuts();
    orderTabChain();
    // Edits come from input anywhere in the window and its dialogs.
    qApp->installEventFilter(this);
    updateUnsavedMark();
    slotRefreshBatteryStatus(0, 1, 1);
    updateConnectionIndicator();
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

MousecfgWidget::~MousecfgWidget()
{
    delete m_connection; // ends the status thread and closes the handles
    m_connection = nullptr;
    shutdownHid();
}

KestPushButton *MousecfgWidget::makeButton(const QString &objectName, const QStringList &images, const QString &text)
{
    auto *button = new KestPushButton(images, this, text);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    m_buttons << button;
    return button;
}

KestPushButton *MousecfgWidget::button(const QString &objectName) const
{
    for (KestPushButton *b : m_buttons) {
        if (b->objectName() == objectName)
            return b;
    }
    return nullptr;
}

void MousecfgWidget::buildButtons()
{
    for (const ButtonEntry &entry : kButtons)
        makeButton(entry.objectName, skinImages(entry.images));
    for (const auto &entry : kTabImageButtons)
        makeButton(entry.objectName, skinImages(tabImages()));
    for (int i = 0; i < 4; ++i) {
        KestPushButton *tab = makeButton(QString("tabButton%1").arg(i), skinImages(tabImages()));
        tab->setCheckable(true);
        connect(tab, &KestPushButton::EnterSignal, this, [this, i] { selectPage(i); });
        m_tabButtons << tab;
    }
    m_firmwareButton = makeButton("firmwareButton", skinImages(tabImages()));
    connect(m_firmwareButton, &KestPushButton::EnterSignal, this, [this] {
        m_bFirmwarePressRan = true;
        runFirmwareUpdate(collectionFound(3));
    });
    makeButton("languageButton", skinImages({"lang.png", "lang.png", "lang.png"}));
    m_slotButton = makeButton("slotButton", skinImages({"profilesel.png", "profilesel.png", "profilesel.png"}));
    makeButton("savedProfileButton", skinImages({"profile_apply1.png", "profile_apply1.png", "profile_apply1.png"}));
    makeButton("frontButton", skinImages(tabImages()))->setCheckable(true);
    makeButton("sideButton", skinImages(tabImages()))->setCheckable(true);
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        KestPushButton *indicator = makeButton(QString("slotIndicator%1").arg(i), skinImages(tabImages()));
        indicator->setCheckable(true);
        indicator->setFocusPolicy(Qt::NoFocus); // they only show the slot
        m_slotIndicators << indicator;
    }

    m_profileNameEdit = new QLineEdit(this);
    m_profileNameEdit->setObjectName("profileNameEdit");
    m_nameLabel = new KestLabel(this);
    m_nameLabel->setObjectName("nameLabel");
    m_versionLabel = new KestLabel(this);
    m_versionLabel->setObjectName("versionLabel");
    m_frontPicture = new QLabel(this);
    m_frontPicture->setObjectName("frontPicture");
    m_frontPicture->setAlignment(Qt::AlignCenter);
    m_sidePicture = new QLabel(this);
    m_sidePicture->setObjectName("sidePicture");
    m_sidePicture->setAlignment(Qt::AlignCenter);
    m_sidePicture->hide();
    if (disableMacro() != 0)
        m_tabButtons[3]->setFixedSize(0, 0);
}

void MousecfgWidget::buildStatusArea()
{
    m_batteryBar = new KestProcessbar(this);
    m_batteryBar->setObjectName("batteryBar");
    m_batteryBar->setRange(0, 100);
    m_chargingIcon = new QLabel(this);
    m_chargingIcon->setObjectName("chargingIcon");
    m_chargingIcon->setScaledContents(true);
    m_chargingIcon->setPixmap(skinPixmap("lightning.png"));
    m_chargingIcon->hide();
    m_receiverIcon = new QLabel(this);
    m_receiverIcon->setObjectName("receiverIcon");
    m_receiverIcon->setScaledContents(true);
    m_receiverIcon->setPixmap(skinPixmap("dongle.png"));
    m_cableIcon = new QLabel(this);
    m_cableIcon->setObjectName("cableIcon");
    m_cableIcon->setScaledContents(true);
    m_cableIcon->setPixmap(skinPixmap("cable.png"));
    m_applyNotice = new QLabel(this);
    m_applyNotice->setObjectName("applyNotice");
    m_applyNotice->setWordWrap(true);
    m_applyNotice->setAlignment(Qt::AlignCenter);
    m_applyNotice->setStyleSheet("color: white; background: transparent;");
    m_applyNotice->hide();
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(APPLY_NOTICE_MS);
    connect(m_noticeTimer, &QTimer::timeout, m_applyNotice, &QLabel::hide);
}

void MousecfgWidget::buildShortcuts()
{
    auto *apply = new QShortcut(kApplyKey, this);
    connect(apply, &QShortcut::activated, this, [this] {
        if (button("applyButton")->isEnabled())
            this->apply();
    });
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        if (i == 3 && disableMacro() != 0)
            continue;
        auto *page = new QShortcut(pageKey(i), this);
        connect(page, &QShortcut::activated, this, [this, i] {
            if (m_tabButtons[i]->isEnabled())
                selectPage(i);
        });
    }
}

// Each part of the chain goes with everything inside it, in the order it
// had among itself (setTabOrder moves one widget, not its children, and
// passes over widgets that take no focus).
void MousecfgWidget::orderTabChain()
{
    QWidget *previous = nullptr;
    for (const char *name : kTabChain) {
        QWidget *part = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (!part)
            continue;
        QList<QWidget *> stops{part};
        for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
            if (part->isAncestorOf(w))
                stops << w;
        }
        for (QWidget *stop : stops) {
            if (stop->focusPolicy() == Qt::NoFocus)
                continue;
            if (previous)
                setTabOrder(previous, stop);
            previous = stop;
        }
    }
}

void MousecfgWidget::buildPages()
{
    // The feature pages; each is an empty page until its panel is built into it.
    auto *stack = new QStackedWidget(this);
    stack->setObjectName("pageArea");
    m_customizePage = new CustomizePage(m_session, m_frontPicture, m_sidePicture, button("frontButton"), button("sideButton"), stack);
    connect(m_customizePage, &CustomizePage::viewChanged, this, [this] { selectPage(m_iCurrentPage); });
    connect(m_customizePage, &CustomizePage::pageRequested, this, &MousecfgWidget::selectPage);
    connect(m_customizePage, &CustomizePage::warning, this, [this](const QString &text) { showMessage(2, text); });
    m_lightingPage = new LightingPage(m_session, stack);
    m_performancePage = new PerformancePage(m_session, stack, true); // its panels when first shown
    m_macroPage = new MacroPage(m_session, stack);
    connect(m_macroPage, &MacroPage::enableButtons, this, &MousecfgWidget::slotEnableButtons);
    connect(m_macroPage, &MacroPage::assignmentsChanged, m_customizePage, &CustomizePage::refresh);
    connect(m_macroPage, &MacroPage::editorBuilt, this, &MousecfgWidget::orderTabChain);
    QWidget *const pages[] = {m_lightingPage, m_customizePage, m_performancePage, m_macroPage};
    for (int i = 0; i < 4; ++i) {
        pages[i]->setObjectName(QString("page%1").arg(i));
        stack->addWidget(pages[i]);
        m_pages << pages[i];
    }
    stack->lower();
}

void MousecfgWidget::buildSlotMenu()
{
    m_slotMenu = new QMenu(this);
    m_slotMenu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        auto *action = new KestAction(m_slotMenu);
        action->setCheckable(true); // the current slot is marked, here and in the tray menu
        connect(action, &QAction::triggered, this, [this, i] { chooseSlot(i); });
        m_slotMenu->addAction(action);
        m_slotActions << action;
    }
    m_slotButton->setMenu(m_slotMenu);
}

void MousecfgWidget::retranslate()
{
    for (const ButtonEntry &entry : kButtons) {
        if (entry.text)
            button(entry.objectName)->setText(tr(entry.text));
    }
    for (const auto &entry : kTabImageButtons)
        button(entry.objectName)->setText(tr(entry.text));
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons[i]->setText(tr(kTabTexts[i]));
    m_firmwareButton->setText(tr("Firmware Update"));
    button("frontButton")->setText(tr("Front"));
    button("sideButton")->setText(tr("Side"));
    m_nameLabel->setText(tr("NAME"));
    m_versionLabel->setText(tr("Version") + " : " + productVersion());
    m_profileNameEdit->setToolTip(tr("Press Enter To Apply"));
    for (const auto &entry : kButtonTips)
        button(entry.objectName)->setToolTip(tr(entry.tip));
    button("applyButton")->setToolTip(tr("Send the changes to the mouse") + " (" + keyText(kApplyKey) + ")");
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons[i]->setToolTip(keyText(pageKey(i)));
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const QString text = tr("Profile") + QString(" %1").arg(i + 1);
        m_slotActions[i]->setText(text);
        m_slotIndicators[i]->setText(text);
    }
    m_slotButton->setText(m_slotActions[activeSlot(m_working)]->text());
    m_chrome->retranslateTray();
    updateUnsavedMark();
    // The status thread picks up nothing language-dependent, but restarting it
    // keeps the language switch and the start-up sequence identical.
    stopStatusThread();
    QTimer::singleShot(500, this, [this] {
        if (m_iMouseCount > 0)
            startStatusThread();
    });
    relayout();
}

void MousecfgWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
}

// The window manager's close does what the close button does.
void MousecfgWidget::closeEvent(QCloseEvent *event)
{
    event->ignore();
    closeToTray();
}

bool MousecfgWidget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::FocusOut:
        scheduleUnsavedMark();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MousecfgWidget::scheduleUnsavedMark()
{
    if (std::exchange(m_bMarkScheduled, true))
        return;
    QTimer::singleShot(0, this, &MousecfgWidget::updateUnsavedMark);
}

void MousecfgWidget::updateUnsavedMark()
{
    m_bMarkScheduled = false;
    // The write thread owns both records until it ends; runWrite looks again then.
    if (m_session->writing() || !m_performancePage)
        return;
    m_bUnsaved = hasUnappliedEdits();
    button("applyButton")->setText(m_bUnsaved ? tr("Apply") + QStringLiteral(" *") : tr("Apply"));
    setWindowModified(m_bUnsaved);
    m_chrome->setUnsavedMark(m_bUnsaved);
}

bool MousecfgWidget::hasUnappliedEdits() const
{
    return (m_performancePage && m_performancePage->hasEdits()) || m_session->pendingChanges() != 0;
}

bool MousecfgWidget::settleUnappliedEdits()
{
    if (m_session->writing())
        return false;
    if (!hasUnappliedEdits())
        return true;
    KestMessageBox box(KestMessageBox::TYPE_UNSAVED, QString(), tr("Warning"),
                       tr("Some changes have not been applied to the mouse yet."), this);
    switch (box.exec()) {
    case KestMessageBox::ApplyAnswer:
        apply();
        return true;
    case KestMessageBox::DiscardAnswer:
        discardUnappliedEdits();
        return true;
    default:
        return false;
    }
}

void MousecfgWidget::discardUnappliedEdits()
{
    m_session->discardEdits();
    refreshPanels();
    updateUnsavedMark();
}

bool MousecfgWidget::quitAfterAsking()
{
    if (!settleUnappliedEdits())
        return false;
    emit quitAccepted();
    return true;
}

void MousecfgWidget::loadPictures()
{
    const QString product = currentProductName();
    const QPixmap front = sharedPixmap(appDir() + "/skin/mouse/" + product + "/Mouse.png");
    const QSize box = QSize(300, 400) * m_chrome->scale();
    m_frontPicture->setPixmap(front.isNull() ? QPixmap() : front.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const QPixmap side = sharedPixmap(appDir() + "/skin/mouse/" + product + "_Side.png");
    m_sidePicture->setPixmap(side.isNull() ? QPixmap() : side.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MousecfgWidget::applyFonts()
{
    QFont font = languageFont();
    font.setPixelSize(qMax(1, int(fontPixelSize(m_chrome->language()) * m_chrome->scale())));
    setFont(font);
    // Dialogs are windows of their own and do not inherit the window's font.
    if (QApplication::font() != font)
        QApplication::setFont(font);
    QToolTip::setFont(font);
    if (m_mouseMenu)
        m_mouseMenu->setFont(font);
}

void MousecfgWidget::relayout()
{
    int count = 0;
    const WidgetPlace *places = windowPlaces(count);
    for (int i = 0; i < count; ++i) {
        QWidget *child = findChild<QWidget *>(QLatin1String(places[i].objectName), Qt::FindDirectChildrenOnly);
        if (!child)
            continue;
        const QRect r = places[i].rect;
        const double scale = m_chrome->scale();
        const QRect scaled(int(r.x() * scale), int(r.y() * scale), int(r.width() * scale), int(r.height() * scale));
        child->setGeometry(scaled);
    }
    loadPictures();
    applyFonts();
    update();
}

void MousecfgWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_chrome->followResize();
    relayout();
}

void MousecfgWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_chrome->paint(painter);
}

void MousecfgWidget::selectPage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_iCurrentPage = index;
    // Panels made now go into the window's Tab order.
    if (m_pages[index] == m_performancePage && m_performancePage->buildPanels())
        orderTabChain();
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons[i]->setChecked(i == index);
    if (auto *stack = findChild<QStackedWidget *>("pageArea"))
        stack->setCurrentIndex(index);
    const bool customize = index == 1;
    const bool front = m_customizePage->frontView();
    m_frontPicture->setVisible(customize && front);
    m_sidePicture->setVisible(customize && !front);
    button("frontButton")->setVisible(customize);
    button("sideButton")->setVisible(customize);
}

void MousecfgWidget::onButtonClicked()
{
    auto *source = qobject_cast<KestPushButton *>(sender());
    if (!source)
        return;
    const QString name = source->objectName();
    if (name == "closeButton") {
        closeToTray();
    } else if (name == "minButton") {
        showMinimized();
    } else if (name == "firmwareButton") {
        // A click that completes a press has had its flow already.
        if (!std::exchange(m_bFirmwarePressRan, false))
            runFirmwareUpdate(lastReleaseNumber() != 0);
    } else if (m_profiles->handleButton(name)) {
        return;
    } else if (name == "okButton") {
        // OK writes what the pages show, like Apply; otherwise edits made just before it were lost.
        collectPanelValues();
        runWrite(false);
        closeToTray();
    } else if (name == "cancelButton") {
        closeToTray();
        switchToSlot(m_working.profileId, true);
    } else if (name == "applyButton") {
        apply();
    } else if (name.startsWith("tabButton")) {
        selectPage(name.mid(9).toInt());
    } else if (name.startsWith("slotIndicator")) {
        // The indicators only show the current slot.
        for (int i = 0; i < m_slotIndicators.size(); ++i)
            m_slotIndicators[i]->setChecked(i == m_working.profileId);
    }
}

void MousecfgWidget::closeToTray()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        return;
    }
    // Without a tray a hidden window could never be reached again.
    showMinimized();
    if (!isMinimized())
        quitAfterAsking();
}

void MousecfgWidget::bringToFront()
{
    qDebug("Shown for a second start");
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    for (KestPushButton *b : m_buttons)
        b->setEnabled(bEnable);
    m_profileNameEdit->setEnabled(bEnable);
}

void MousecfgWidget::switchToSlot(int index, bool reload)
{
    if (index < 0 || index >= PROFILE_COUNT)
        return;
    m_slotButton->setText(m_slotActions[index]->text());
    m_working.profileId = uint8_t(index);
    if (reload) {
        loadProfileByName(m_working.profiles[index], m_working.profileNames[index]);
        m_working.profiles[index].profileName = m_working.profileNames[index];
    }
    m_profileNameEdit->setText(m_working.profileNames[index]);
    refreshPanels();
    reportSaved(saveCurrentProfileId(index));
    emit slotShown(index);
}

void MousecfgWidget::refreshPanels()
{
    for (int i = 0; i < m_slotIndicators.size(); ++i)
        m_slotIndicators[i]->setChecked(i == m_working.profileId);
    for (int i = 0; i < m_slotActions.size(); ++i)
        m_slotActions[i]->setChecked(i == m_working.profileId);
    m_lightingPage->refresh();
    m_customizePage->refresh();
    m_performancePage->refresh();
    m_macroPage->refresh();
    scheduleUnsavedMark();
}

void MousecfgWidget::collectPanelValues()
{
    m_performancePage->collect();
}

int MousecfgWidget::showMessage(int type, const QString &text, bool poll)
{
    KestMessageBox box(type, QString(), tr("Warning"), text, this, poll ? [this] { return m_bWarnCanClose; } : std::function<bool()>(),
                       Qt::FramelessWindowHint);
    return box.exec();
}

// What the other program stored, with the edits not yet applied here kept on
// top (the DPI page's copies too). Held while a write runs or a dialog is open.
void MousecfgWidget::reloadStoredSettings()
{
    if (m_status->hold([this] { reloadStoredSettings(); }))
        return;
    collectPanelValues();
    if (!m_session->reload())
        return;
    const int slot = activeSlot(m_working);
    m_slotButton->setText(m_slotActions[slot]->text());
    m_profileNameEdit->setText(m_working.profileNames[slot]);
    m_profiles->reload();
    refreshPanels();
    // Nothing was lost: the edits stay on top of what was stored. Asked
    // afterwards, so the program that stored is not kept waiting.
    if (hasUnappliedEdits())
        QTimer::singleShot(0, this, &MousecfgWidget::askAfterReload);
}

void MousecfgWidget::askAfterReload()
{
    if (m_status->hold([this] { askAfterReload(); }))
        return;
    settleUnappliedEdits();
}

MacroDialog *MousecfgWidget::macroPage() const
{
    return m_macroPage->editor();
}
