#include "ui/macro/MacroEventModel.h"
#include "model/MacroActions.h"
#include <QCoreApplication>
#include <algorithm>

namespace {
const char *const kColumnTitles[MacroEventModel::COLUMN_COUNT] = {
    QT_TRANSLATE_NOOP("MacroDialog", "KEY"),
    QT_TRANSLATE_NOOP("MacroDialog", "ACTION"),
    QT_TRANSLATE_NOOP("MacroDialog", "DELAY(ms)"),
};
} // namespace

MacroEventModel::MacroEventModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void MacroEventModel::setDelayUnit(int unitMs)
{
    m_unitMs = unitMs > 0 ? unitMs : 10;
    if (!m_events.isEmpty())
        emit dataChanged(index(0, DelayColumn), index(m_events.size() - 1, DelayColumn));
}

void MacroEventModel::setEvents(const QVector<MacroEvent> &events)
{
    beginResetModel();
    m_events = events;
    endResetModel();
}

void MacroEventModel::clear()
{
    setEvents({});
}

void MacroEventModel::insertEvents(int row, const QVector<MacroEvent> &events)
{
    if (events.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_events.size()));
    beginInsertRows(QModelIndex(), row, row + events.size() - 1);
    for (int i = 0; i < events.size(); ++i)
        m_events.insert(row + i, events.at(i));
    endInsertRows();
}

void MacroEventModel::removeEvents(int row, int count)
{
    if (row < 0 || count <= 0 || row >= m_events.size())
        return;
    count = std::min(count, int(m_events.size()) - row);
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_events.remove(row, count);
    endRemoveRows();
}

void MacroEventModel::replaceEvent(int row, const MacroEvent &event)
{
    if (row < 0 || row >= m_events.size())
        return;
    m_events[row] = event;
    emit dataChanged(index(row, 0), index(row, COLUMN_COUNT - 1));
}

bool MacroEventModel::moveEvent(int from, int target)
{
    const int count = m_events.size();
    if (from < 0 || from >= count || target < 0 || target >= count || from == target)
        return false;
    // beginMoveRows counts the destination before the removal.
    const int destination = target > from ? target + 1 : target;
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), destination);
    const MacroEvent e = m_events.takeAt(from);
    m_events.insert(target, e);
    endMoveRows();
    return true;
}

int MacroEventModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_events.size();
}

int MacroEventModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant MacroEventModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_events.size())
        return QVariant();
    const MacroEvent &e = m_events.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const RowTexts t = rowTexts(e, m_unitMs);
        const QString *columns[COLUMN_COUNT] = {&t.key, &t.action, &t.delay};
        return *columns[std::clamp(index.column(), 0, COLUMN_COUNT - 1)];
    }
    case Qt::TextAlignmentRole:
        return int(index.column() == DelayColumn ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    case KindRole:
        return int(rowKind(e));
    case PressRole:
        return isPressRow(e);
    default:
        return QVariant();
    }
}

QVariant MacroEventModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= COLUMN_COUNT)
        return QVariant();
    return QCoreApplication::translate("MacroDialog", kColumnTitles[section]);
}

void MacroEventModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, COLUMN_COUNT - 1);
    if (!m_events.isEmpty())
        emit dataChanged(index(0, 0), index(m_events.size() - 1, COLUMN_COUNT - 1));
}
