#include "profileexchange.h"

#include "configfile.h"
#include "mouseconfig.h"
#include "paths.h"
#include "profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ProfileExchange {

QString withSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

Check checkProfileFile(const QString &path, const QString &product)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return Check::Missing;
    if (product.isEmpty() || readFileProductName(path) != product)
        return Check::WrongProduct;
    return holdsWholeProfile(0, path) ? Check::Ok : Check::NoProfile;
}

bool exportProfile(const QString &name, const QString &product, const QString &path)
{
    const QString source = Paths::profileFile(name);
    if (source.isEmpty() || path.isEmpty())
        return false;
    if (!QFileInfo(source).isFile()) {
        ProfileData factory;
        makeDefaultProfile(factory);
        if (!saveProfileFile(factory, name))
            return false;
    }
    if (!writeFileProductName(product, source))
        return false;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return replaceFile(path, file.readAll());
}

bool replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ProfileExchange
