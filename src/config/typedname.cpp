#include "typedname.h"

bool matchesTypedName(const QString &typed, const QString &name)
{
    if (typed.isEmpty())
        return false;
    const QString own = name.toLower();
    const QString wanted = typed.toLower();
    QString ownDashed = own;
    ownDashed.replace(QLatin1Char(' '), QLatin1Char('-'));
    QString wantedDashed = wanted;
    wantedDashed.replace(QLatin1Char(' '), QLatin1Char('-'));
    QString ownJoined = own;
    ownJoined.remove(QLatin1Char(' '));
    return wantedDashed == ownDashed || wanted == ownJoined;
}
