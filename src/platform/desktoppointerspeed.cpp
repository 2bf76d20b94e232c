#include "desktoppointerspeed.h"

#include "kwinpointerdevices.h"
#include "platformlog.h"
#include "plasmainputrc.h"

#include "config/mouseconfig.h"

#include <QByteArray>
#include <QDebug>
#include <QString>

// GLib names a struct member `signals`, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const char kSchema[] = "org.gnome.desktop.peripherals.mouse";
const char kKey[] = "speed";

bool currentDesktopIs(const char *wanted)
{
    // A colon-separated list such as "ubuntu:GNOME", "GNOME-Classic:GNOME"
    // or "KDE".
    const QString desktops = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"));
    for (const QString &name : desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Set by tests; the session's own otherwise.
std::optional<QDBusConnection> plasmaBus;
QString plasmaSettingsFile;

KWinPointerDevices kwin()
{
    return KWinPointerDevices(plasmaBus ? *plasmaBus : QDBusConnection::sessionBus());
}

QString kcminputrc() { return plasmaSettingsFile.isEmpty() ? PlasmaInputRc::path() : plasmaSettingsFile; }


bool schemaHasSpeed()
{
    // g_settings_new() aborts the process for a schema that is not
    // installed, so its presence is asked first.
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return false;
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
    if (!schema)
        return false;
    bool usable = false;
    if (g_settings_schema_has_key(schema, kKey)) {
        // GLib complains and reads 0 from a key of another type.
        GSettingsSchemaKey *key = g_settings_schema_get_key(schema, kKey);
        usable = g_variant_type_equal(g_settings_schema_key_get_value_type(key), G_VARIANT_TYPE_DOUBLE);
        g_settings_schema_key_unref(key);
    }
    g_settings_schema_unref(schema);
    return usable;
}

} // namespace

double DesktopPointerSpeed::toGnome(int speed)
{
    speed = std::clamp(speed, kMinimum, kMaximum);
    return speed <= kDefault ? (speed - kDefault) / 9.0 : (speed - kDefault) / 10.0;
}

int DesktopPointerSpeed::fromGnome(double value)
{
    if (std::isnan(value))
        return kDefault;
    value = std::clamp(value, -1.0, 1.0);
    const double speed = value <= 0 ? value * 9.0 + kDefault : value * 10.0 + kDefault;
    return std::clamp(int(std::lround(speed)), kMinimum, kMaximum);
}

DesktopPointerSpeed::Desktop DesktopPointerSpeed::desktop()
{
    if (currentDesktopIs("GNOME"))
        return schemaHasSpeed() ? Desktop::Gnome : Desktop::None;
    if (currentDesktopIs("KDE"))
        return qgetenv("XDG_SESSION_TYPE") == "wayland" ? Desktop::PlasmaWayland : Desktop::PlasmaX11;
    return Desktop::None;
}

bool DesktopPointerSpeed::available() { return desktop() != Desktop::None; }

void DesktopPointerSpeed::setPlasmaBus(const QDBusConnection &bus) { plasmaBus = bus; }
void DesktopPointerSpeed::setPlasmaSettingsFile(const QString &path) { plasmaSettingsFile = path; }

namespace {

// The desktop's value on its -1..1 scale, if it has one.
std::optional<double> desktopValue(DesktopPointerSpeed::Desktop desktop)
{
    switch (desktop) {
    case DesktopPointerSpeed::Desktop::Gnome: {
        GSettings *settings = g_settings_new(kSchema);
        const double value = g_settings_get_double(settings, kKey);
        g_object_unref(settings);
        return value;
    }
    case DesktopPointerSpeed::Desktop::PlasmaWayland:
        return kwin().readAcceleration();
    case DesktopPointerSpeed::Desktop::PlasmaX11:
        // Plasma's default when its settings never changed the mouse.
        return PlasmaInputRc::readAcceleration(kcminputrc()).value_or(0.0);
    case DesktopPointerSpeed::Desktop::None:
        break;
    }
    return std::nullopt;
}

bool setDesktopValue(DesktopPointerSpeed::Desktop desktop, double value)
{
    switch (desktop) {
    case DesktopPointerSpeed::Desktop::Gnome: {
        GSettings *settings = g_settings_new(kSchema);
        const bool done = g_settings_set_double(settings, kKey, value);
        // dconf writes asynchronously; the value must be out before the
        // program may end.
        g_settings_sync();
        g_object_unref(settings);
        return done;
    }
    case DesktopPointerSpeed::Desktop::PlasmaWayland:
        return kwin().writeAcceleration(value);
    case DesktopPointerSpeed::Desktop::PlasmaX11:
        return PlasmaInputRc::writeAcceleration(kcminputrc(), value);
    case DesktopPointerSpeed::Desktop::None:
        break;
    }
    return false;
}

} // namespace

int DesktopPointerSpeed::read()
{
    const std::optional<double> value = desktopValue(desktop());
    return value ? fromGnome(*value) : 0;
}

bool DesktopPointerSpeed::apply(int speed)
{
    if (speed < kMinimum || speed > kMaximum) {
        qCDebug(lcPlatform, "pointer speed %d is not a step of 1..20; the desktop is left as it is", speed);
        return false;
    }
    const Desktop where = desktop();
    if (where == Desktop::None) {
        static bool told = false;
        if (!told) {
            told = true;
            qCDebug(lcPlatform, "the pointer speed is kept in the profile only: the desktop is neither GNOME "
                    "(with org.gnome.desktop.peripherals.mouse speed) nor KDE Plasma");
        }
        return false;
    }
    // A desktop already on the step asked for keeps its finer value.
    const std::optional<double> current = desktopValue(where);
    if (current && fromGnome(*current) == speed)
        return true;
    const bool done = setDesktopValue(where, toGnome(speed));
    if (!done)
        qCDebug(lcPlatform, "the desktop refused pointer speed %d", speed);
    return done;
}

void DesktopPointerSpeed::readInto(ProfileData &profile)
{
    if (const int speed = read())
        profile.mousespeed = uint8_t(speed);
}

void DesktopPointerSpeed::applyFrom(const ProfileData &profile) { apply(profile.mousespeed); }
