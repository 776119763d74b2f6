#include "device/MacroNameMap.h"

int MacroNameMap::assign(const QString &name)
{
    const int known = m_names.indexOf(name);
    if (known >= 0)
        return known;
    m_names.append(name);
    return m_names.size() - 1;
}
