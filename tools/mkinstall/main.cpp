// Writes the installation data of the sample model beside the programs: the
// product descriptor DefaultProfile.bin and the shipped Configs/Config.ini and
// Configs/LangConfig.ini. Everything goes through QSettings, so the files are
// exactly what the settings library writes and read back as written (the
// language names are not ASCII).
//
//   mousecfg-mkinstall [--keep-configs] <output directory>
//
// With --keep-configs the Configs files are written only where absent, so
// that regenerating the build tree's data never wipes what its user has set.

#include "config/appconfig.h"
#include "config/profilenames.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <cstdio>

namespace {

const char *const kProduct = "QORV Nimbus 6";

void writeDescriptor(const QString &path)
{
    QFile::remove(path);
    QSettings d(path, QSettings::IniFormat);
    d.beginGroup(QStringLiteral("PROFILE"));
    d.setValue("ProductName", kProduct);
    d.setValue("Version", "V1.0.0");
    d.setValue("vid1", 9354);
    d.setValue("pid1", 64002);
    d.setValue("vid2", 9354);
    d.setValue("pid2", 64257);

    // Sizes are masked: 13 ^ 11 = 6 buttons, 13 ^ 11 ^ 0 = 6 DPI stages.
    d.setValue("ButtonCount", 13);
    d.setValue("MouseDpi", 11);
    d.setValue("DPICount", 0);

    // Buttons 0..5: left, right, middle, forward, back, DPI switch (on top).
    const int functions[6] = {1, 2, 3, 4, 5, 47};
    for (int i = 0; i < 16; ++i) {
        const QString prefix = QStringLiteral("BUTTON_INFO_%1_").arg(i);
        const bool present = i < 6;
        d.setValue(prefix + "Matrix", present ? i : 0);
        d.setValue(prefix + "Matrix2", present ? i : 255);
        d.setValue(prefix + "ID", i);
        d.setValue(prefix + "Fun", present ? functions[i] : 0);
        d.setValue(prefix + "LoopNumber", 0);
        d.setValue(prefix + "KeyNumber", 0);
        for (const char *res : {"Res1", "Res2", "Res3", "Res4"})
            d.setValue(prefix + res, 0);
    }

    d.setValue("DisableMacro", 0);
    d.setValue("ledDisable", 0);
    d.setValue("ShowSleep", 1);
    d.setValue("SleepMin", 1);
    d.setValue("SleepMax", 9);
    d.setValue("ScrollRev", 0);
    d.setValue("MinDelay", 10);
    d.setValue("33254", 0);
    d.setValue("ColorMode", 0);
    d.setValue("Sync", 1);
    d.setValue("french", -1);

    // Factory profile: 1000 Hz, stage 2 of 400/800/1600/3200/6400/12800 DPI
    // (sensor 3395 counts in steps of 50 from code 0 = 50 DPI).
    d.setValue("dpi", 1);
    d.setValue("pollrate", 1);
    d.setValue("LedMode", 9);
    const int stages[8] = {7, 15, 31, 63, 127, 255, 0, 0};
    for (int i = 0; i < 8; ++i)
        d.setValue(QStringLiteral("DPI_INFO_%1_xy").arg(i), stages[i]);

    const QColor colours[14] = {
        QColor(255, 0, 0),   QColor(0, 200, 255), QColor(0, 200, 255), QColor(255, 0, 0),
        QColor(255, 0, 0),   QColor(255, 0, 0),   QColor(255, 0, 0),   QColor(255, 0, 0),
        QColor(255, 0, 0),   QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 125, 0),
        QColor(255, 0, 0),   QColor(255, 0, 0)};
    const int breath[14] = {3, 3, 3, 3, 2, 3, 3, 3, 3, 4, 5, 3, 1, 3};
    for (int m = 0; m < 14; ++m) {
        const QString prefix = QStringLiteral("LedMode/LED_MODE_%1_").arg(m);
        d.setValue(prefix + "RGB", colours[m]);
        d.setValue(prefix + "bright", 3);
        d.setValue(prefix + "breath", breath[m]);
    }
    d.endGroup();
}

void writeConfig(const QString &path)
{
    QFile::remove(path);
    QSettings c(path, QSettings::IniFormat);
    c.setValue("Config/CurrentProductName", kProduct);
    c.setValue("Config/ProfileID", 0);
    c.setValue("Config/Count", 0);
    for (int k = 0; k < 5; ++k)
        c.setValue(QStringLiteral("Config/Profile%1").arg(k + 1), ProfileNames::numbered(k + 1));
    c.setValue("Config/AngleValue", 1);
    c.setValue("Config/LiftHigh", 0);
    c.setValue("Config/Sync", 0);
    c.setValue("Config/Jitter", 1);
    c.setValue("Config/Debounce", 20);
    c.setValue("Config/Diff", 1);
    c.setValue("Config/Battery", 0);
    c.setValue("Config/BatteryFull", AppConfig::kDefaultBatteryFullMillivolts);
    c.setValue("Config/GColorID", 5);
    c.setValue("Config/Model", kProduct);
    c.setValue("MouseSenSor/1", 3395);
    c.setValue(QStringLiteral("MouseLEDMode/") + kProduct, 1);
    c.setValue("Mouse_List/0", kProduct);

    struct Language { const char *name; const char *file; const char *font; };
    const Language languages[3] = {
        {"English", "en", "DejaVu Sans"},
        {"\u7b80\u4f53\u4e2d\u6587", "sc", "Noto Sans CJK SC"},
        {"\u7e41\u9ad4\u4e2d\u6587", "tc", "Noto Sans CJK TC"},
    };
    c.setValue("FONT_LIST/LANGNUM", 3);
    for (int i = 0; i < 3; ++i) {
        c.setValue(QStringLiteral("FONT_LIST/LangName_%1").arg(i), QString::fromUtf8(languages[i].name));
        c.setValue(QStringLiteral("FONT_LIST/LangFile_%1").arg(i), languages[i].file);
        c.setValue(QStringLiteral("FONT_LIST/FONT_%1").arg(i), languages[i].font);
        c.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i), 14u);
    }
}

void writeLangConfig(const QString &path)
{
    QFile::remove(path);
    QSettings l(path, QSettings::IniFormat);
    l.setValue("Config/LangID", 0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool keepConfigs = args.removeAll(QStringLiteral("--keep-configs")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: mousecfg-mkinstall [--keep-configs] <output directory>\n");
        return 2;
    }
    const QString out = args.first();
    if (!QDir().mkpath(out + "/Configs")) {
        std::fprintf(stderr, "mousecfg-mkinstall: cannot create %s/Configs\n", qPrintable(out));
        return 1;
    }
    writeDescriptor(out + "/DefaultProfile.bin");
    const QString config = out + "/Configs/Config.ini";
    const QString langConfig = out + "/Configs/LangConfig.ini";
    if (!keepConfigs || !QFile::exists(config))
        writeConfig(config);
    if (!keepConfigs || !QFile::exists(langConfig))
        writeLangConfig(langConfig);
    return 0;
}
