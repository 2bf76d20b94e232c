#include "profilenames.h"

#include "mouseconfig.h"
#include "paths.h"

namespace ProfileNames {

QString numbered(int n) { return QStringLiteral("Profile %1").arg(n); }

bool isReserved(const QString &name)
{
    for (int n = 1; n <= kProfileCount; ++n) {
        if (name == numbered(n))
            return true;
    }
    return false;
}

bool isTaken(const QString &name, const QStringList &used)
{
    return used.contains(name, Qt::CaseInsensitive);
}

QString forNewProfile(const QStringList &used)
{
    // There are at most as many taken names as entries in `used`, so the
    // search ends within used.size() + 1 steps.
    for (int n = 1;; ++n) {
        const QString name = numbered(n);
        if (!isTaken(name, used))
            return name;
    }
}

QString forCopy(const QString &source, const QStringList &used)
{
    QString name = source + QStringLiteral(" copy");
    for (int n = 2; isTaken(name, used); ++n)
        name = source + QStringLiteral(" copy %1").arg(n);
    return Paths::isSafeFileName(name) ? name : QString();
}

int deleteReplacement(const QStringList &library, int deleted, const QStringList &otherSlots)
{
    if (deleted < 0 || deleted >= library.size())
        return -1;
    const QString &gone = library.at(deleted);
    auto usable = [&](int i) {
        const QString &name = library.at(i);
        return name != gone && !otherSlots.contains(name);
    };
    for (int i = deleted - 1; i >= 0; --i) {
        if (usable(i))
            return i;
    }
    for (int i = deleted + 1; i < library.size(); ++i) {
        if (usable(i))
            return i;
    }
    return -1;
}

} // namespace ProfileNames
