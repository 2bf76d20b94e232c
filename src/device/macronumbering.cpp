#include "macronumbering.h"

int MacroNumbering::assign(const QString &name)
{
    const int existing = int(m_names.indexOf(name));
    if (existing >= 0)
        return existing;
    m_names.append(name);
    return int(m_names.size()) - 1;
}
