#pragma once
// The CUSTOMIZE page's assignment panel: one drop-down button per mouse
// button; choosing an entry of its menu writes that function, and the
// parameters some entries collect, into the button's record of the profile
// the panel edits. The panel never talks to the mouse.
//
// Records 0-41 are shown as three slot groups: group 0 (records 0-19, laid
// out from the device description), group 1 (records 20-39) and group 2 (the
// two wheel directions, records 40 and 41, with their own menu).
#include "storage/MouseSettings.h"
#include "model/SlotLayout.h"
#include <QHash>
#include <QVector>
#include <QWidget>

class KestAction;
class KestPushButton;
class QMenu;

class KestBtnWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr quint8 NO_SELECTION = 255;
    static constexpr int GROUP_COUNT = 3;
    static constexpr quint8 MACRO_PAGE = 3;

    explicit KestBtnWindow(QWidget *parent = nullptr);

    // The profile record the panel edits (owned by the main window); nullptr: none.
    void setProfileRecord(ProfileData *record);
    ProfileData *profileRecord() const { return m_pProfile; }

    // Group 255 keeps the current group. Group 0 or 2 shows group 0 and the
    // wheel slots, group 1 shows group 1 alone.
    void setCurrentButton(quint8 index, quint8 group);
    void showButtons(quint8 index, quint8 group);
    quint8 currentGroup() const { return m_iCurGroup; }
    quint8 currentIndex() const { return m_iCurIndex; }
    // Record index of the selection; -1 when nothing is selected.
    int currentRecord() const;

    void refreshButtonLabels();
    // Rebuilds the menus in the current language and refreshes the labels.
    void retranslate();
    void setScale(double factor);
    double scale() const { return m_scale; }

    // Opens the menu of a slot at a global position (the picture's hot-spots).
    void popupMenu(quint8 index, quint8 group, const QPoint &globalPos);

    KestPushButton *slotButton(int group, int index) const;
    // The group and index of one of the panel's slot buttons; false for any other button.
    bool slotOf(const KestPushButton *button, int &group, int &index) const;
    // The number shown beside a slot (1.. in visible order for group 0); 0 when hidden.
    int slotNumber(int group, int index) const;
    const QVector<bool> &visibleMainSlots() const { return m_visible; }
    QMenu *mainMenu() const { return m_mainMenu; }
    QMenu *wheelMenu() const { return m_wheelMenu; }
    // The catalog entry of a function code; nullptr for an unknown code.
    KestAction *action(int fun) const { return m_actions.value(fun); }
    // The caption a record gets: its function's label, or the file name of a macro or gun file.
    static QString labelOf(const ButtonInfo &record);

signals:
    void SelBtnControl(KestPushButton *button, bool bType);
    void GotoMacroTab(quint8 iBtn);
    void PopOneClickBox();

public slots:
    void OnMouseEnterSlot(KestPushButton *button);
    void slotMouseOver(KestPushButton *button, bool bType);
    void slotMouseEnter(KestPushButton *button);
    void onFunctionChosen();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildActions();
    void buildSlots();
    void rebuildMenus();
    void layoutMainGroup();
    void updateSlotChecks();
    QMenu *makeMenu();
    void applyMenuLook(QMenu *menu);

    // The steps of a choice; each returns false when the record was left unchanged.
    bool chooseSingleKey(ButtonInfo &record);
    bool chooseComboKey(ButtonInfo &record);
    bool chooseFireKey(ButtonInfo &record);
    bool chooseSniper(ButtonInfo &record);
    enum class MacroOutcome { Assigned, Cancelled, Refused };
    MacroOutcome chooseMacro(ButtonInfo &record, int fun, int recordIndex);

    ProfileData *m_pProfile = nullptr;
    double m_scale = 1.0;
    quint8 m_iCurGroup = NO_SELECTION;
    quint8 m_iCurIndex = NO_SELECTION;
    QVector<KestPushButton *> m_groups[GROUP_COUNT];
    QVector<int> m_numbers[GROUP_COUNT];
    QVector<bool> m_visible;
    QMenu *m_mainMenu = nullptr;
    QMenu *m_wheelMenu = nullptr;
    QVector<QMenu *> m_submenus; // in catalogSubmenus() order
    QHash<int, KestAction *> m_actions;
};
