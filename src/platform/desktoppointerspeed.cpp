#include "desktoppointerspeed.h"

#include "platformlog.h"

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

namespace {

const char kSchema[] = "org.gnome.desktop.peripherals.mouse";
const char kKey[] = "speed";

bool desktopIsGnome()
{
    // A colon-separated list such as "ubuntu:GNOME" or "GNOME-Classic:GNOME".
    const QString desktops = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"));
    for (const QString &name : desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (name.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

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

bool DesktopPointerSpeed::available() { return desktopIsGnome() && schemaHasSpeed(); }

int DesktopPointerSpeed::read()
{
    if (!available())
        return 0;
    GSettings *settings = g_settings_new(kSchema);
    const double value = g_settings_get_double(settings, kKey);
    g_object_unref(settings);
    return fromGnome(value);
}

bool DesktopPointerSpeed::apply(int speed)
{
    if (speed < kMinimum || speed > kMaximum) {
        qCDebug(lcPlatform, "pointer speed %d is not a step of 1..20; the desktop is left as it is\n", speed);
        return false;
    }
    if (!available()) {
        qCDebug(lcPlatform, "pointer speed %d kept in the profile only: the desktop is not GNOME or has no "
                "org.gnome.desktop.peripherals.mouse speed\n",
                speed);
        return false;
    }
    GSettings *settings = g_settings_new(kSchema);
    bool done = true;
    if (fromGnome(g_settings_get_double(settings, kKey)) != speed) {
        done = g_settings_set_double(settings, kKey, toGnome(speed));
        // dconf writes asynchronously; the value must be out before the
        // program may end.
        g_settings_sync();
        if (!done)
            qCDebug(lcPlatform, "the desktop refused pointer speed %d\n", speed);
    }
    g_object_unref(settings);
    return done;
}

void DesktopPointerSpeed::readInto(ProfileData &profile)
{
    if (const int speed = read())
        profile.mousespeed = uint8_t(speed);
}

void DesktopPointerSpeed::applyFrom(const ProfileData &profile) { apply(profile.mousespeed); }
