#pragma once
// The mouse-action panel of the macro page: the five mouse buttons, each with
// "PRESS DOWN" and "BOUNCE UP" below it, and the four movements, each with a
// distance field. The page decides what a pressed entry inserts.
#include "model/MacroActions.h"
#include <QTreeWidget>

class QLineEdit;

class KestTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    enum EntryKind { HeadingEntry, ButtonEntry, PressEntry, ReleaseEntry, MoveEntry };
    static constexpr int KindRole = Qt::UserRole + 1;  // EntryKind
    static constexpr int IndexRole = Qt::UserRole + 2; // button index or MoveDirection

    explicit KestTreeWidget(QWidget *parent = nullptr);

    static EntryKind entryKind(const QTreeWidgetItem *item);
    static int entryIndex(const QTreeWidgetItem *item);

    QTreeWidgetItem *buttonItem(int index) const { return m_buttons[index]; }
    QTreeWidgetItem *pressItem(int index) const { return m_buttons[index]->child(0); }
    QTreeWidgetItem *releaseItem(int index) const { return m_buttons[index]->child(1); }
    QTreeWidgetItem *moveItem(MoveDirection direction) const { return m_moves[direction]; }
    QLineEdit *distanceEdit(MoveDirection direction) const { return m_distances[direction]; }
    // The field's distance kept within 1..120 (the field shows the value used).
    int distance(MoveDirection direction) const;

    // Collapses every button entry but the given one, which opens.
    void expandOnly(QTreeWidgetItem *item);
    void retranslate();

private:
    QTreeWidgetItem *m_commandHeading = nullptr;
    QTreeWidgetItem *m_moveHeading = nullptr;
    QTreeWidgetItem *m_buttons[MOUSE_BUTTON_COUNT] = {};
    QTreeWidgetItem *m_moves[MOVE_DIRECTION_COUNT] = {};
    QLineEdit *m_distances[MOVE_DIRECTION_COUNT] = {};
};
