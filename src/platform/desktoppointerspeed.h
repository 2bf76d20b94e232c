#pragma once

#include <QDBusConnection>
#include <QString>

struct ProfileData;

// The desktop pointer speed that goes with a profile (`mousespeed`, 1..20,
// the Windows scale), on the desktop's own -1..1 scale:
// - GNOME, X11 or Wayland alike: the GSettings key
//   org.gnome.desktop.peripherals.mouse speed, through GIO in this process;
// - KDE Plasma on Wayland: the pointer acceleration of KWin's mice on the
//   session bus (KWinPointerDevices);
// - KDE Plasma on X11: [Mouse] XLbInptPointerAcceleration in kcminputrc, as
//   Plasma's mouse settings write it (applied by Plasma at the next log-in).
// Elsewhere there is nothing to set: the value stays in the profile and a
// debug line says so, once.
class DesktopPointerSpeed {
public:
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 20;
    static constexpr int kDefault = 10;   // the desktop's own middle, 0 on GNOME

    // The scale of the profile onto GNOME's: 1..10 onto -1..0 in ninths,
    // 10..20 onto 0..1 in tenths. Values outside 1..20 are clamped first.
    static double toGnome(int speed);
    // Back, rounding to the nearest step and clamping to 1..20; a value that
    // is not a number gives the middle.
    static int fromGnome(double value);

    // Which desktop holds the speed: GNOME when XDG_CURRENT_DESKTOP names it
    // and its schema with the speed key is installed, Plasma when it names
    // KDE (the Wayland or X11 way after XDG_SESSION_TYPE).
    enum class Desktop { None, Gnome, PlasmaWayland, PlasmaX11 };
    static Desktop desktop();
    static bool available();

    // Where the Plasma ways read and write; tests point them at a private
    // bus and a temporary settings file. Defaults: the session bus and
    // PlasmaInputRc::path().
    static void setPlasmaBus(const QDBusConnection &bus);
    static void setPlasmaSettingsFile(const QString &path);

    // The desktop's speed on the 1..20 scale, or 0 when there is none.
    static int read();
    // Sets the desktop's speed. Only 1..20 is ever written, and a desktop
    // already at that step is left as it is (its finer value kept). False
    // when the value is outside 1..20 or the desktop has no speed to set.
    static bool apply(int speed);

    // The window's two uses: the desktop's speed into a profile just loaded
    // from disk (left as it was when there is none), and the speed of the
    // profile that just became current onto the desktop.
    static void readInto(ProfileData &profile);
    static void applyFrom(const ProfileData &profile);
};
