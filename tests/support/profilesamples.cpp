#include "profilesamples.h"

ProfileData distinctProfile(int seed)
{
    ProfileData p;
    int n = seed * 7919;
    auto next = [&n] { return ++n; };
    auto byte = [&] { return uint8_t(next() % 251 + 1); };
    p.pollrate = byte();
    p.dpi = byte();
    p.LedMode = byte();
    p.LedMoveOFF = byte();
    p.LedSleepTime = byte();
    for (DpiLevel &stage : p.dpiLevels)
        stage = DpiLevel{byte(), byte(), next(), -next(), next() * 1000};
    p.mousespeed = byte();
    p.dbclickspeed = byte();
    p.scrollispage = byte();
    p.scrollspeed = byte();
    p.accelenable = byte();
    p.acee = byte();
    for (ButtonInfo &b : p.buttons) {
        b.ID = next();
        b.Fun = next();
        b.LoopNumber = -next();
        b.KeyNumber = next();
        for (KeyInfo &e : b.KeyInfo)
            e = KeyInfo{byte(), byte(), byte()};
        b.Res1 = byte();
        b.Res2 = byte();
        b.Res3 = byte();
        b.Res4 = byte();
        b.macroname = QStringLiteral("Macro %1").arg(next());
    }
    for (LedModeInfo &led : p.ledModes)
        led = LedModeInfo{QColor(byte(), byte(), byte(), byte()), next(), next(), next(), next(), next()};
    p.ProfileName = QStringLiteral("Pr\u00f6fil \u4e2d %1").arg(seed);
    p.ProfilePath = QStringLiteral("C:\\Profiles\\%1.prof").arg(seed);
    return p;
}

MouseConfig distinctConfig(int seed)
{
    MouseConfig c;
    c.ProfileID = uint8_t(seed % kProfileCount);
    c.AngleValue = 2;
    c.LiftHigh = 3;
    c.Sync = 4;
    c.Count = 5;
    c.Jitter = 6;
    c.Debounce = 7;
    for (int k = 0; k < kProfileCount; ++k) {
        c.profiles[k] = distinctProfile(seed * 10 + k);
        c.names[k] = QStringLiteral("Slot %1").arg(k + 1);
    }
    return c;
}
