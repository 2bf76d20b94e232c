#pragma once

#include <QDBusConnection>
#include <QStringList>

#include <optional>

// The pointer acceleration of the mice that KWin drives in a Plasma Wayland
// session, through its input-device interface on the session bus
// (org.kde.KWin /org/kde/KWin/InputDevice): the devices named by the
// manager's devicesSysNames, each with the properties pointer, touchpad and
// pointerAcceleration (-1..1). Plasma's own mouse settings change the
// pointer devices that are not touchpads; so does this. KWin keeps what is
// set in Plasma's settings file itself.
class KWinPointerDevices {
public:
    static constexpr int kCallTimeout = 1000;   // ms for one answer of KWin

    explicit KWinPointerDevices(const QDBusConnection &bus);

    // The object paths of the mice (pointer devices that are not touchpads);
    // empty when KWin does not answer.
    QStringList mice() const;

    // The first mouse's acceleration; nothing without a mouse.
    std::optional<double> readAcceleration() const;
    // Sets every mouse's acceleration; false when there is no mouse or KWin
    // refused one of them.
    bool writeAcceleration(double acceleration) const;

private:
    std::optional<QVariant> property(const QString &path, const QString &interface, const QString &name) const;

    QDBusConnection m_bus;
};
