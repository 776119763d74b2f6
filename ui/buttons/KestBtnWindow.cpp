#include "ui/buttons/KestBtnWindow.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include "model/ButtonAssignment.h"
#include "model/ButtonCatalog.h"
#include "ui/buttons/KestComboKeyWindow.h"
#include "ui/buttons/KestFireKeyWindow.h"
#include "ui/buttons/KestSingleKeyWindow.h"
#include "ui/buttons/KestSniperWindow.h"
#include "model/MacroSelection.h"
#include "ui/buttons/SlotButton.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QDebug>
#include <QEvent>
#include <QMenu>
#include <QPainter>

namespace {
// Records of each group start at this index.
constexpr int kGroupOffset[KestBtnWindow::GROUP_COUNT] = {0, SLOT_GROUP_SIZE, 2 * SLOT_GROUP_SIZE};
constexpr int kGroupSize[KestBtnWindow::GROUP_COUNT] = {SLOT_GROUP_SIZE, SLOT_GROUP_SIZE, WHEEL_SLOT_COUNT};
constexpr int kWheelNumbers[WHEEL_SLOT_COUNT] = {253, 254};
constexpr int kMenuWidth = 220;
constexpr int kBadgeX = 28;
constexpr int kBadgeRadius = 11;

QStringList slotImages()
{
    return {skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png")};
}
} // namespace

KestBtnWindow::KestBtnWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName("KestBtnWindow");
    setAttribute(Qt::WA_TranslucentBackground);
    buildActions();
    buildSlots();
    retranslate();
    setScale(uiScale());
    setCurrentButton(NO_SELECTION, NO_SELECTION);
}

QMenu *KestBtnWindow::makeMenu()
{
    auto *menu = new QMenu(this);
    applyPopupMenuStyle(menu);
    return menu;
}

void KestBtnWindow::buildActions()
{
    m_mainMenu = makeMenu();
    m_mainMenu->setObjectName("mainMenu");
    m_wheelMenu = makeMenu();
    m_wheelMenu->setObjectName("wheelMenu");
    int submenuCount = 0;
    const CatalogSubmenu *submenus = catalogSubmenus(submenuCount);
    for (int i = 0; i < submenuCount; ++i) {
        QMenu *submenu = makeMenu();
        submenu->setObjectName(QString::fromLatin1(submenus[i].title));
        m_submenus << submenu;
    }

    // Entries belong to the panel, not to a menu, so they outlive every rebuild.
    int count = 0;
    const CatalogEntry *entries = catalogEntries(count);
    for (int i = 0; i < count; ++i) {
        auto *action = new KestAction(this);
        action->setObjectName(QString::fromLatin1(entries[i].label));
        action->setData(entries[i].fun);
        connect(action, &QAction::triggered, this, &KestBtnWindow::onFunctionChosen);
        m_actions.insert(entries[i].fun, action);
        for (int s = 0; s < submenuCount; ++s) {
            if (submenus[s].place == entries[i].place)
                m_submenus[s]->addAction(action);
        }
    }
}

void KestBtnWindow::buildSlots()
{
    for (int g = 0; g < GROUP_COUNT; ++g) {
        for (int i = 0; i < kGroupSize[g]; ++i) {
            auto *button = new SlotButton(slotImages(), this);
            button->setObjectName(QString("slot%1_%2").arg(g).arg(i));
            button->setCheckable(true);
            button->setMenu(g == 2 ? m_wheelMenu : m_mainMenu);
            button->setGeometry(0, 0, 0, 0);
            connect(button, &KestPushButton::OverSignal, this, &KestBtnWindow::slotMouseOver);
            // Every slot selects itself when pressed, before its menu opens.
            connect(button, &KestPushButton::EnterSignal, this, &KestBtnWindow::slotMouseEnter);
            m_groups[g] << button;
            m_numbers[g] << (g == 0 ? 0 : g == 1 ? i + 1 : kWheelNumbers[i]);
        }
    }
}

void KestBtnWindow::applyMenuLook(QMenu *menu)
{
    // The shared popup look, with taller rows and the theme colour on the
    // entry under the pointer.
    const QColor accent = themeColor();
    menu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE)
                        + QString("QMenu{border: 1px solid rgb(80, 80, 88); padding: %1px 0px;}"
                                  "QMenu::item{padding: %2px %3px;}"
                                  "QMenu::item:selected{background-color: rgb(%4, %5, %6);}")
                              .arg(qMax(1, int(3 * m_scale)))
                              .arg(qMax(1, int(4 * m_scale)))
                              .arg(qMax(1, int(20 * m_scale)))
                              .arg(accent.red())
                              .arg(accent.green())
                              .arg(accent.blue()));
    menu->setFont(languageFont());
    menu->setFixedWidth(qMax(1, int(kMenuWidth * m_scale)));
}

void KestBtnWindow::rebuildMenus()
{
    int count = 0;
    const CatalogEntry *entries = catalogEntries(count);
    auto addPlace = [&](QMenu *menu, CatalogPlace place) {
        for (int i = 0; i < count; ++i) {
            if (entries[i].place == place)
                menu->addAction(m_actions.value(entries[i].fun));
        }
    };

    m_mainMenu->clear();
    addPlace(m_mainMenu, CatalogPlace::TopFirst);
    int submenuCount = 0;
    const CatalogSubmenu *submenus = catalogSubmenus(submenuCount);
    for (int s = 0; s < submenuCount; ++s) {
        m_submenus[s]->setTitle(tr(submenus[s].title));
        if (submenus[s].place != CatalogPlace::ProfileMenu)
            m_mainMenu->addMenu(m_submenus[s]);
    }
    for (int i = 0; i < count; ++i) {
        if (entries[i].place != CatalogPlace::TopLast)
            continue;
        if (entries[i].fun == FunMacro && disableMacro() != 0)
            continue;
        m_mainMenu->addAction(m_actions.value(entries[i].fun));
    }

    m_wheelMenu->clear();
    int wheelCount = 0;
    const int *wheel = wheelMenuCodes(wheelCount);
    for (int i = 0; i < wheelCount; ++i)
        m_wheelMenu->addAction(m_actions.value(wheel[i]));

    for (int i = 0; i < count; ++i) {
        KestAction *action = m_actions.value(entries[i].fun);
        action->setText(tr(entries[i].label));
        action->applyFont();
    }
}

void KestBtnWindow::retranslate()
{
    rebuildMenus();
    QFont font = languageFont();
    setFont(font);
    applyMenuLook(m_mainMenu);
    applyMenuLook(m_wheelMenu);
    for (QMenu *submenu : qAsConst(m_submenus))
        applyMenuLook(submenu);
    refreshButtonLabels();
}

void KestBtnWindow::setScale(double factor)
{
    m_scale = factor > 0 ? factor : 1.0;
    for (const auto &group : m_groups) {
        for (KestPushButton *button : group)
            button->setGeometry(0, 0, 0, 0);
    }
    uint8_t layout[DESCRIPTION_BUTTON_COUNT] = {};
    const int count = loadButtonLayout(layout);
    m_visible = visibleSlots(layout, count);
    m_numbers[0] = slotNumbers(m_visible);
    refreshButtonLabels();
    setMinimumHeight(slotContentHeight(m_visible, m_scale));
    layoutMainGroup();
    applyMenuLook(m_mainMenu);
    applyMenuLook(m_wheelMenu);
    for (QMenu *submenu : qAsConst(m_submenus))
        applyMenuLook(submenu);
    update();
}

void KestBtnWindow::layoutMainGroup()
{
    const QVector<QRect> rects = slotGeometry(m_visible, height(), m_scale);
    for (int i = 0; i < SLOT_GROUP_SIZE; ++i)
        m_groups[0][i]->setGeometry(rects[i].isEmpty() ? QRect() : rects[i]);
    update();
}

void KestBtnWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutMainGroup();
}

void KestBtnWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void KestBtnWindow::setProfileRecord(ProfileData *record)
{
    m_pProfile = record;
    refreshButtonLabels();
}

void KestBtnWindow::setCurrentButton(quint8 index, quint8 group)
{
    if (group != NO_SELECTION)
        m_iCurGroup = group;
    m_iCurIndex = index;
    if (m_iCurGroup == 0 || m_iCurGroup == 2) {
        for (KestPushButton *b : qAsConst(m_groups[0]))
            b->show();
        for (KestPushButton *b : qAsConst(m_groups[1]))
            b->hide();
        for (KestPushButton *b : qAsConst(m_groups[2]))
            b->show();
    } else if (m_iCurGroup == 1) {
        for (KestPushButton *b : qAsConst(m_groups[0]))
            b->hide();
        for (KestPushButton *b : qAsConst(m_groups[1]))
            b->show();
        for (KestPushButton *b : qAsConst(m_groups[2]))
            b->hide();
    }
    updateSlotChecks();
}

void KestBtnWindow::showButtons(quint8 index, quint8 group)
{
    setCurrentButton(index, group);
    refreshButtonLabels();
}

int KestBtnWindow::currentRecord() const
{
    if (m_iCurGroup >= GROUP_COUNT || m_iCurIndex >= kGroupSize[m_iCurGroup])
        return -1;
    return kGroupOffset[m_iCurGroup] + m_iCurIndex;
}

void KestBtnWindow::updateSlotChecks()
{
    for (int g = 0; g < GROUP_COUNT; ++g) {
        for (int i = 0; i < m_groups[g].size(); ++i)
            m_groups[g][i]->setChecked(g == m_iCurGroup && i == m_iCurIndex);
    }
    update();
}

KestPushButton *KestBtnWindow::slotButton(int group, int index) const
{
    if (group < 0 || group >= GROUP_COUNT)
        return nullptr;
    return m_groups[group].value(index);
}

bool KestBtnWindow::slotOf(const KestPushButton *button, int &group, int &index) const
{
    for (int g = 0; g < GROUP_COUNT; ++g) {
        const int i = m_groups[g].indexOf(const_cast<KestPushButton *>(button));
        if (i >= 0) {
            group = g;
            index = i;
            return true;
        }
    }
    return false;
}

int KestBtnWindow::slotNumber(int group, int index) const
{
    if (group < 0 || group >= GROUP_COUNT)
        return 0;
    return m_numbers[group].value(index);
}

QString KestBtnWindow::labelOf(const ButtonInfo &record)
{
    if (record.fun == FunMacro || record.fun == FunGunFile)
        return record.macroName;
    return catalogLabel(record.fun);
}

void KestBtnWindow::refreshButtonLabels()
{
    // A screen reader hears the badge's number (or the wheel's direction) before the function.
    static const char *const wheelNames[WHEEL_SLOT_COUNT] = {QT_TR_NOOP("Wheel up"), QT_TR_NOOP("Wheel down")};
    for (int g = 0; g < GROUP_COUNT; ++g) {
        for (int i = 0; i < m_groups[g].size(); ++i) {
            KestPushButton *button = m_groups[g][i];
            button->setText(m_pProfile ? labelOf(m_pProfile->buttonInfo[kGroupOffset[g] + i]) : QString());
            button->setAccessibleName(g == 2 ? tr(wheelNames[i]) : tr("Button %1").arg(m_numbers[g].value(i)));
        }
    }
}

void KestBtnWindow::popupMenu(quint8 index, quint8 group, const QPoint &globalPos)
{
    setCurrentButton(index, group);
    if (currentRecord() < 0)
        return;
    (group == 2 ? m_wheelMenu : m_mainMenu)->popup(globalPos);
}

void KestBtnWindow::OnMouseEnterSlot(KestPushButton *button)
{
    const int index = m_groups[0].indexOf(button);
    if (index < 0)
        return;
    qDebug("OnMouseEnterSlot %d", index);
    setCurrentButton(quint8(index), 0);
}

void KestBtnWindow::slotMouseOver(KestPushButton *button, bool bType)
{
    int group = 0;
    int index = 0;
    if (slotOf(button, group, index))
        emit SelBtnControl(button, bType);
}

void KestBtnWindow::slotMouseEnter(KestPushButton *button)
{
    int group = 0;
    int index = 0;
    if (slotOf(button, group, index))
        setCurrentButton(quint8(index), quint8(group));
}

void KestBtnWindow::onFunctionChosen()
{
    auto *entry = qobject_cast<QAction *>(sender());
    const int r = currentRecord();
    if (!entry || r < 0 || !m_pProfile)
        return;
    const int fun = entry->data().toInt();
    KestPushButton *button = slotButton(m_iCurGroup, m_iCurIndex);
    emit SelBtnControl(button, true);
    ButtonInfo &record = m_pProfile->buttonInfo[r];

    if (takesLastLeftClick(record, fun, m_pProfile, r)) {
        emit PopOneClickBox();
        return;
    }

    if (isPlainFunction(fun)) {
        assignPlainFunction(record, fun);
    } else if (fun == FunSingleKey) {
        chooseSingleKey(record);
    } else if (fun == FunComboKey) {
        chooseComboKey(record);
    } else if (fun == FunFireKey) {
        chooseFireKey(record);
    } else if (fun == FunSniper) {
        chooseSniper(record);
    } else if (chooseMacro(record, fun, r) == MacroOutcome::Refused) {
        return;
    }
    button->setText(labelOf(record));

    emit SelBtnControl(button, false);
    m_iCurGroup = NO_SELECTION;
    m_iCurIndex = NO_SELECTION;
    updateSlotChecks();
}

bool KestBtnWindow::chooseSingleKey(ButtonInfo &record)
{
    KestSingleKeyWindow dialog(window());
    if (record.fun == FunSingleKey)
        dialog.setKey(record.res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    assignSingleKey(record, dialog.key());
    qDebug("%d", int(record.res1));
    return true;
}

bool KestBtnWindow::chooseComboKey(ButtonInfo &record)
{
    KestComboKeyWindow dialog(window());
    if (record.fun == FunComboKey)
        dialog.setKeyEvents(record.keyInfo);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    assignComboKey(record, dialog.result());
    return true;
}

bool KestBtnWindow::chooseFireKey(ButtonInfo &record)
{
    KestFireKeyWindow dialog(window());
    if (record.fun == FunFireKey)
        dialog.setRecord(record);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    assignFireKey(record, fireTargetValue(dialog.choice(), dialog.keyCode()), dialog.times(), dialog.delay());
    return true;
}

bool KestBtnWindow::chooseSniper(ButtonInfo &record)
{
    KestSniperWindow dialog(window());
    if (record.fun == FunSniper)
        dialog.setStep(record.res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    assignSniper(record, dialog.step());
    return true;
}

KestBtnWindow::MacroOutcome KestBtnWindow::chooseMacro(ButtonInfo &record, int fun, int recordIndex)
{
    if (fun == FunGunFile && !gunFileAllowed(recordIndex)) {
        KestMessageBox box(2, QString(), tr("Warning"), tr(GUN_ON_LEFT_BUTTON_TEXT), window());
        box.exec();
        return MacroOutcome::Refused;
    }
    if (macroCount() == 0) {
        emit GotoMacroTab(MACRO_PAGE);
        return MacroOutcome::Refused;
    }
    MacroSelection selection;
    if (record.fun == fun) {
        selection.name = record.macroName;
        selection.loopCount = record.loopNumber;
        selection.mode = record.res1;
    }
    const MacroSelector &select = macroSelector();
    if (!select) {
        qDebug("no macro selection dialog installed");
        return MacroOutcome::Cancelled;
    }
    const QString title = fun == FunGunFile ? tr("GUNFILE SELECT") : tr("MACRO SELECT");
    if (!select(window(), title, selection))
        return MacroOutcome::Cancelled;
    // Nothing chosen, or a name that cannot be a file name: nothing to assign.
    if (!assignMacroSelection(record, fun, selection))
        return MacroOutcome::Cancelled;
    return MacroOutcome::Assigned;
}

void KestBtnWindow::paintEvent(QPaintEvent *)
{
    // Number badges beside the visible slots of group 0.
    if (m_iCurGroup == 1)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = themeColor();
    QFont font = languageFont();
    font.setBold(true);
    p.setFont(font);
    const qreal radius = kBadgeRadius * m_scale;
    for (int i = 0; i < SLOT_GROUP_SIZE; ++i) {
        const QRect r = m_groups[0][i]->geometry();
        if (!m_visible.value(i) || r.isEmpty())
            continue;
        const QPointF centre(kBadgeX * m_scale, r.center().y() + 0.5);
        const bool selected = m_iCurGroup == 0 && m_iCurIndex == i;
        p.setPen(QPen(accent, qMax<qreal>(1.0, 1.5 * m_scale)));
        p.setBrush(selected ? accent : QColor(22, 22, 26));
        p.drawEllipse(centre, radius, radius);
        p.setPen(Qt::white);
        p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                   QString::number(m_numbers[0][i]));
    }
}
