#pragma once
// Macro name to macro slot on the mouse: the first name gets slot 0, each new
// name the next one, a known name keeps its slot.
#include <QString>
#include <QStringList>

class MacroNameMap
{
public:
    void clear() { m_names.clear(); }
    bool isEmpty() const { return m_names.isEmpty(); }
    int size() const { return m_names.size(); }
    // The slot of name, -1 when it has none.
    int indexOf(const QString &name) const { return m_names.indexOf(name); }
    // The slot of name, given the next free one when it is new.
    int assign(const QString &name);
    QStringList names() const { return m_names; } // in slot order

private:
    QStringList m_names;
};
