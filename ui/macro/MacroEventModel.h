#pragma once
// The event table of the macro page: one row per macro event, shown in the
// columns KEY, ACTION and DELAY(ms).
#include "storage/MacroFiles.h"
#include <QAbstractTableModel>
#include <QVector>

class MacroEventModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { KeyColumn, ActionColumn, DelayColumn, COLUMN_COUNT };
    // What the delegate needs besides the texts.
    static constexpr int KindRole = Qt::UserRole + 1;  // int(RowKind)
    static constexpr int PressRole = Qt::UserRole + 2; // bool

    explicit MacroEventModel(QObject *parent = nullptr);

    void setDelayUnit(int unitMs);
    int delayUnit() const { return m_unitMs; }

    const QVector<MacroEvent> &events() const { return m_events; }
    MacroEvent event(int row) const { return m_events.value(row); }
    void setEvents(const QVector<MacroEvent> &events);
    void clear();
    // Inserts before row (row = rowCount() appends).
    void insertEvents(int row, const QVector<MacroEvent> &events);
    void appendEvents(const QVector<MacroEvent> &events) { insertEvents(rowCount(), events); }
    void removeEvents(int row, int count);
    void replaceEvent(int row, const MacroEvent &event);
    // Takes the row out and inserts it at target (an index of the table after the removal).
    bool moveEvent(int from, int target);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Column titles follow the language.
    void retranslate();

private:
    QVector<MacroEvent> m_events;
    int m_unitMs = 10;
};
