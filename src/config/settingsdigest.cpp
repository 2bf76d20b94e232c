#include "settingsdigest.h"

#include "paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SettingsDigest {

namespace {

void addFile(QCryptographicHash &hash, const QString &path)
{
    // The name and the length go in too, so that no two sets of files run
    // together into the same bytes.
    hash.addData(path.toUtf8());
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        hash.addData("\0missing\0", 9);
        return;
    }
    const QByteArray bytes = file.readAll();
    const QByteArray length = QByteArray::number(bytes.size());
    hash.addData(length);
    hash.addData("\0", 1);
    hash.addData(bytes);
}

} // namespace

QByteArray of(const MouseConfig &config)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    addFile(hash, Paths::configFile());
    for (const QString &name : config.names)
        addFile(hash, Paths::profileFile(name));
    return hash.result().toHex();
}

QByteArray stored(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray digest = file.read(128).trimmed();
    // A digest is 64 hex digits; anything else is no digest.
    if (digest.size() != 64 || QByteArray::fromHex(digest).toHex() != digest)
        return QByteArray();
    return digest;
}

bool store(const QByteArray &digest, const QString &path)
{
    if (digest.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(digest + '\n') == digest.size() + 1 && file.commit();
}

} // namespace SettingsDigest
