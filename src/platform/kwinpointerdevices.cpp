#include "kwinpointerdevices.h"

#include "platformlog.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDebug>
#include <QRegularExpression>

namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

} // namespace

KWinPointerDevices::KWinPointerDevices(const QDBusConnection &bus)
    : m_bus(bus)
{
}

std::optional<QVariant> KWinPointerDevices::property(const QString &path, const QString &interface,
                                                     const QString &name) const
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, kCallTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QStringList KWinPointerDevices::mice() const
{
    if (!m_bus.isConnected())
        return {};
    const std::optional<QVariant> names = property(kManagerPath, kManagerInterface, QStringLiteral("devicesSysNames"));
    if (!names)
        return {};
    QStringList mice;
    for (const QString &sysName : names->toStringList()) {
        // A name that is no path element would make an invalid object path.
        if (sysName.isEmpty() || sysName.contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]"))))
            continue;
        const QString path = kManagerPath + QLatin1Char('/') + sysName;
        const std::optional<QVariant> pointer = property(path, kDeviceInterface, QStringLiteral("pointer"));
        const std::optional<QVariant> touchpad = property(path, kDeviceInterface, QStringLiteral("touchpad"));
        if (pointer && pointer->toBool() && !(touchpad && touchpad->toBool()))
            mice << path;
    }
    return mice;
}

std::optional<double> KWinPointerDevices::readAcceleration() const
{
    for (const QString &path : mice()) {
        const std::optional<QVariant> value = property(path, kDeviceInterface, QStringLiteral("pointerAcceleration"));
        bool ok = false;
        const double acceleration = value ? value->toDouble(&ok) : 0.0;
        if (ok)
            return acceleration;
    }
    return std::nullopt;
}

bool KWinPointerDevices::writeAcceleration(double acceleration) const
{
    const QStringList paths = mice();
    bool done = !paths.isEmpty();
    for (const QString &path : paths) {
        QDBusMessage set = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Set"));
        set << kDeviceInterface << QStringLiteral("pointerAcceleration")
            << QVariant::fromValue(QDBusVariant(acceleration));
        const QDBusMessage reply = m_bus.call(set, QDBus::Block, kCallTimeout);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            qCDebug(lcPlatform) << "KWin refused the pointer acceleration of" << path << ":" << reply.errorMessage();
            done = false;
        }
    }
    return done;
}
