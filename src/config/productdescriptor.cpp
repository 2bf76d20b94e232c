#include "productdescriptor.h"

#include "mouseconfig.h"
#include "paths.h"
#include "settingsfile.h"

#include <QFileInfo>

#include <algorithm>

namespace ProductDescriptor {

namespace {

using SettingsFile::readByte;
using SettingsFile::readInt;

std::unique_ptr<QSettings> open()
{
    return SettingsFile::openForReading(Paths::descriptorFile());
}

int intKey(const char *key, int defaultValue = 0)
{
    return readInt(*open(), QLatin1String(key), defaultValue);
}

QString key(const char *pattern, int index)
{
    return QString::asprintf(pattern, index);
}

} // namespace

QString productName() { return open()->value(QStringLiteral("PROFILE/ProductName")).toString(); }
QString version() { return open()->value(QStringLiteral("PROFILE/Version")).toString(); }

UsbIds usbIds()
{
    const auto s = open();
    UsbIds ids;
    ids.vid1 = readInt(*s, QStringLiteral("PROFILE/vid1"), ids.vid1);
    ids.pid1 = readInt(*s, QStringLiteral("PROFILE/pid1"), ids.pid1);
    ids.vid2 = readInt(*s, QStringLiteral("PROFILE/vid2"), ids.vid2);
    ids.pid2 = readInt(*s, QStringLiteral("PROFILE/pid2"), ids.pid2);
    return ids;
}

int buttonCount()
{
    const auto s = open();
    return readInt(*s, QStringLiteral("PROFILE/ButtonCount")) ^ readInt(*s, QStringLiteral("PROFILE/MouseDpi"));
}

int dpiStageCount()
{
    const auto s = open();
    return readInt(*s, QStringLiteral("PROFILE/ButtonCount")) ^ readInt(*s, QStringLiteral("PROFILE/MouseDpi"))
        ^ readInt(*s, QStringLiteral("PROFILE/DPICount"));
}

int boundedButtonCount() { return std::clamp(buttonCount(), 0, kDescriptorButtonCount); }
int boundedDpiStageCount() { return std::clamp(dpiStageCount(), 1, kDpiStageCount); }

int keySlotMatrix(Matrix &table)
{
    if (!QFileInfo::exists(Paths::descriptorFile()))
        return -1;
    const auto s = open();
    for (int i = 0; i < kDescriptorButtonCount; ++i)
        table[i] = readByte(*s, key("PROFILE/BUTTON_INFO_%d_Matrix", i));
    return 0;
}

int pageMatrix(Matrix &table)
{
    const auto s = open();
    for (int i = 0; i < kDescriptorButtonCount; ++i)
        table[i] = readByte(*s, key("PROFILE/BUTTON_INFO_%d_Matrix2", i));
    return readInt(*s, QStringLiteral("PROFILE/ButtonCount")) ^ readInt(*s, QStringLiteral("PROFILE/MouseDpi"));
}

int shownButtonCount()
{
    Matrix table{};
    const int count = std::clamp(pageMatrix(table), 0, kDescriptorButtonCount);
    return count - static_cast<int>(std::count(table.begin(), table.begin() + count, 255));
}

bool disableMacro() { return intKey("PROFILE/DisableMacro") != 0; }
bool ledDisable() { return intKey("PROFILE/ledDisable") != 0; }
bool showSleep() { return intKey("PROFILE/ShowSleep", 1) != 0; }

void sleepRange(int &minimum, int &maximum)
{
    const auto s = open();
    minimum = readInt(*s, QStringLiteral("PROFILE/SleepMin"), 1);
    maximum = readInt(*s, QStringLiteral("PROFILE/SleepMax"), 9);
}

int scrollRev() { return intKey("PROFILE/ScrollRev"); }
int minDelay() { return intKey("PROFILE/MinDelay", 10); }
int macroDelayUnit()
{
    const int unit = minDelay();
    return unit > 0 ? unit : 10;
}
bool shortDpiRange3325() { return intKey("PROFILE/33254") == 1; }
int colorMode() { return intKey("PROFILE/ColorMode"); }
int syncMode() { return intKey("PROFILE/Sync"); }
int frenchLanguage() { return intKey("PROFILE/french", -1); }

int readProfileDefaults(ProfileData &profile)
{
    if (!QFileInfo::exists(Paths::descriptorFile()))
        return -1;
    const auto s = open();
    profile.dpi = readByte(*s, QStringLiteral("PROFILE/dpi"));
    profile.pollrate = readByte(*s, QStringLiteral("PROFILE/pollrate"));
    profile.LedMode = readByte(*s, QStringLiteral("PROFILE/LedMode"));
    for (int i = 0; i < kDpiStageCount; ++i) {
        const int code = readInt(*s, key("PROFILE/DPI_INFO_%d_xy", i));
        profile.dpiLevels[i] = DpiLevel{1, 1, code, code, code};
    }
    for (int i = 0; i < kDescriptorButtonCount; ++i) {
        ButtonInfo &button = profile.buttons[i];
        const QString prefix = key("PROFILE/BUTTON_INFO_%d_", i);
        button.Fun = readInt(*s, prefix + QStringLiteral("Fun"));
        button.LoopNumber = readInt(*s, prefix + QStringLiteral("LoopNumber"));
        button.KeyNumber = readInt(*s, prefix + QStringLiteral("KeyNumber"));
        button.Res1 = readByte(*s, prefix + QStringLiteral("Res1"));
        button.Res2 = readByte(*s, prefix + QStringLiteral("Res2"));
        button.Res3 = readByte(*s, prefix + QStringLiteral("Res3"));
        button.Res4 = readByte(*s, prefix + QStringLiteral("Res4"));
        // BUTTON_INFO_<i>_ID exists in descriptors but is not used.
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo &led = profile.ledModes[m];
        const QString prefix = key("PROFILE/LedMode/LED_MODE_%d_", m);
        led.RGB = SettingsFile::readColor(*s, prefix + QStringLiteral("RGB"));
        led.bright = readInt(*s, prefix + QStringLiteral("bright"));
        led.breath = readInt(*s, prefix + QStringLiteral("breath"));
    }
    return 0;
}

} // namespace ProductDescriptor
