#include "profilekeys.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

using F = ProfileField;

ValueKind ProfileKey::kind() const
{
    switch (field) {
    case F::ProfileName:
    case F::ProfilePath:
    case F::ButtonMacroname:
        return ValueKind::Text;
    case F::LedRGB:
        return ValueKind::Colour;
    default:
        return ValueKind::Number;
    }
}

bool ProfileKey::isEssential() const
{
    switch (field) {
    case F::pollrate:
    case F::dpi:
    case F::StageUsed:
    case F::StageLink:
    case F::StageXy:
    case F::StageX:
    case F::StageY:
    case F::ButtonID:
    case F::ButtonFun:
    case F::ButtonLoopNumber:
    case F::ButtonKeyNumber:
    case F::ButtonRes1:
    case F::ButtonRes2:
    case F::ButtonRes3:
    case F::ButtonRes4:
        return true;
    default:
        return false;
    }
}

ProfileKeys::ProfileKeys()
{
    // Every short command builds this table, so it is built from plain
    // bytes: the keys are ASCII letters, digits, '_' and the '/' of the
    // nesting, which the settings library escapes as a backslash and nothing else.
    std::vector<std::string> names;
    auto add = [this, &names](std::string key, F field, int index = 0, int event = 0) {
        m_keys.push_back(ProfileKey{QString(), QByteArray(), field, uint8_t(index), uint8_t(event)});
        names.push_back(std::move(key));
    };
    const auto number = [](int n) { return std::to_string(n); };

    // The order of the Windows tool's own loops; the file order is sorted.
    add("pollrate", F::pollrate);
    add("dpi", F::dpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const std::string prefix = "DPI_INFO_" + number(i) + "_";
        add(prefix + "used", F::StageUsed, i);
        add(prefix + "link", F::StageLink, i);
        add(prefix + "xy", F::StageXy, i);
        add(prefix + "x", F::StageX, i);
        add(prefix + "y", F::StageY, i);
    }
    add("mousespeed", F::mousespeed);
    add("dbclickspeed", F::dbclickspeed);
    add("scrollispage", F::scrollispage);
    add("scrollspeed", F::scrollspeed);
    add("accelenable", F::accelenable);
    add("acee", F::acee);
    for (int j = 0; j < kButtonEntryCount; ++j) {
        const std::string prefix = "BUTTON_INFO_" + number(j) + "_";
        add(prefix + "ID", F::ButtonID, j);
        add(prefix + "Fun", F::ButtonFun, j);
        add(prefix + "LoopNumber", F::ButtonLoopNumber, j);
        add(prefix + "KeyNumber", F::ButtonKeyNumber, j);
        add(prefix + "Res1", F::ButtonRes1, j);
        add(prefix + "Res2", F::ButtonRes2, j);
        add(prefix + "Res3", F::ButtonRes3, j);
        add(prefix + "Res4", F::ButtonRes4, j);
        add(prefix + "macroname", F::ButtonMacroname, j);
        for (int e = 0; e < kEventsPerButton; ++e) {
            const std::string event = prefix + "KeyInfo_" + number(e) + "_";
            add(event + "map", F::EventMap, j, e);
            add(event, F::EventLow, j, e);   // nothing after the last underscore
            add(event + "H", F::EventHigh, j, e);
        }
    }
    add("ProfileName", F::ProfileName);
    add("ProfilePath", F::ProfilePath);
    add("LedMode", F::LedMode);
    add("LedMoveOFF", F::LedMoveOFF);
    add("LedSleepTime", F::LedSleepTime);
    // Nested below the LedMode value: the settings library stores these as
    // LedMode\LED_MODE_<m>_... inside the group.
    for (int m = 0; m < kLedModeCount; ++m) {
        const std::string prefix = "LedMode/LED_MODE_" + number(m) + "_";
        add(prefix + "RGB", F::LedRGB, m);
        add(prefix + "h", F::LedH, m);
        add(prefix + "s", F::LedS, m);
        add(prefix + "v", F::LedV, m);
        add(prefix + "bright", F::LedBright, m);
        add(prefix + "breath", F::LedBreath, m);
    }

    m_byEscaped.reserve(m_keys.size());
    m_byKey.reserve(int(m_keys.size()));
    for (size_t i = 0; i < m_keys.size(); ++i) {
        ProfileKey &key = m_keys[i];
        const std::string &name = names[i];
        key.key = QString::fromLatin1(name.data(), int(name.size()));
        key.escaped = QByteArray(name.data(), int(name.size())).replace('/', '\\');
        m_byKey.insert(key.key, int(i));
        if (key.isEssential())
            ++m_essentialCount;
    }
    // After the last change to the escaped keys: the views point into them.
    for (size_t i = 0; i < m_keys.size(); ++i)
        m_byEscaped.emplace(std::string_view(m_keys[i].escaped.constData(), size_t(m_keys[i].escaped.size())), int(i));
    // The settings library writes the keys of a group sorted as strings
    // (UTF-16 code units, '/' for the nesting); ASCII bytes sort the same.
    m_fileOrder.resize(m_keys.size());
    std::iota(m_fileOrder.begin(), m_fileOrder.end(), 0);
    std::sort(m_fileOrder.begin(), m_fileOrder.end(),
              [&names](int a, int b) { return names[size_t(a)] < names[size_t(b)]; });
    m_filePosition.resize(m_keys.size());
    for (size_t position = 0; position < m_fileOrder.size(); ++position)
        m_filePosition[size_t(m_fileOrder[position])] = int(position);
}

int ProfileKeys::indexInFileOrder(size_t &position, const char *escaped, int size) const
{
    if (position < m_fileOrder.size()) {
        const int guess = m_fileOrder[position];
        const QByteArray &expected = m_keys[size_t(guess)].escaped;
        if (expected.size() == size && std::memcmp(expected.constData(), escaped, size_t(size)) == 0) {
            ++position;
            return guess;
        }
    }
    const int index = indexOfEscaped(escaped, size);
    if (index >= 0)
        position = size_t(m_filePosition[size_t(index)]) + 1;
    return index;
}

const ProfileKeys &ProfileKeys::get()
{
    // Built once and never torn down: a short command would otherwise spend
    // a good part of its run freeing 8,000 keys on the way out. The table
    // stays reachable through this pointer to the end.
    static const ProfileKeys *keys = new ProfileKeys;
    return *keys;
}

QString ProfileKeys::groupName(int n)
{
    return QStringLiteral("PROFILE_%1").arg(n);
}

void clearProfileFields(ProfileData &profile, bool withLightingSleep)
{
    const uint8_t moveOff = profile.LedMoveOFF;
    const uint8_t sleepTime = profile.LedSleepTime;
    profile = ProfileData();
    if (!withLightingSleep) {
        profile.LedMoveOFF = moveOff;
        profile.LedSleepTime = sleepTime;
    }
}

int numberOf(const ProfileData &p, const ProfileKey &k)
{
    switch (k.field) {
    case F::pollrate: return p.pollrate;
    case F::dpi: return p.dpi;
    case F::mousespeed: return p.mousespeed;
    case F::dbclickspeed: return p.dbclickspeed;
    case F::scrollispage: return p.scrollispage;
    case F::scrollspeed: return p.scrollspeed;
    case F::accelenable: return p.accelenable;
    case F::acee: return p.acee;
    case F::LedMode: return p.LedMode;
    case F::LedMoveOFF: return p.LedMoveOFF;
    case F::LedSleepTime: return p.LedSleepTime;
    case F::StageUsed: return p.dpiLevels[k.index].used;
    case F::StageLink: return p.dpiLevels[k.index].link;
    case F::StageXy: return p.dpiLevels[k.index].xy;
    case F::StageX: return p.dpiLevels[k.index].x;
    case F::StageY: return p.dpiLevels[k.index].y;
    case F::ButtonID: return p.buttons[k.index].ID;
    case F::ButtonFun: return p.buttons[k.index].Fun;
    case F::ButtonLoopNumber: return p.buttons[k.index].LoopNumber;
    case F::ButtonKeyNumber: return p.buttons[k.index].KeyNumber;
    case F::ButtonRes1: return p.buttons[k.index].Res1;
    case F::ButtonRes2: return p.buttons[k.index].Res2;
    case F::ButtonRes3: return p.buttons[k.index].Res3;
    case F::ButtonRes4: return p.buttons[k.index].Res4;
    case F::EventMap: return p.buttons[k.index].KeyInfo[k.event].map;
    case F::EventLow: return p.buttons[k.index].KeyInfo[k.event].DataL;
    case F::EventHigh: return p.buttons[k.index].KeyInfo[k.event].DataH;
    case F::LedH: return p.ledModes[k.index].h;
    case F::LedS: return p.ledModes[k.index].s;
    case F::LedV: return p.ledModes[k.index].v;
    case F::LedBright: return p.ledModes[k.index].bright;
    case F::LedBreath: return p.ledModes[k.index].breath;
    default: return 0;   // text and colour fields
    }
}

void setNumber(ProfileData &p, const ProfileKey &k, int value)
{
    const auto byte = uint8_t(value & 0xff);
    switch (k.field) {
    case F::pollrate: p.pollrate = byte; break;
    case F::dpi: p.dpi = byte; break;
    case F::mousespeed: p.mousespeed = byte; break;
    case F::dbclickspeed: p.dbclickspeed = byte; break;
    case F::scrollispage: p.scrollispage = byte; break;
    case F::scrollspeed: p.scrollspeed = byte; break;
    case F::accelenable: p.accelenable = byte; break;
    case F::acee: p.acee = byte; break;
    case F::LedMode: p.LedMode = byte; break;
    case F::LedMoveOFF: p.LedMoveOFF = byte; break;
    case F::LedSleepTime: p.LedSleepTime = byte; break;
    case F::StageUsed: p.dpiLevels[k.index].used = byte; break;
    case F::StageLink: p.dpiLevels[k.index].link = byte; break;
    case F::StageXy: p.dpiLevels[k.index].xy = value; break;
    case F::StageX: p.dpiLevels[k.index].x = value; break;
    case F::StageY: p.dpiLevels[k.index].y = value; break;
    case F::ButtonID: p.buttons[k.index].ID = value; break;
    case F::ButtonFun: p.buttons[k.index].Fun = value; break;
    case F::ButtonLoopNumber: p.buttons[k.index].LoopNumber = value; break;
    case F::ButtonKeyNumber: p.buttons[k.index].KeyNumber = value; break;
    case F::ButtonRes1: p.buttons[k.index].Res1 = byte; break;
    case F::ButtonRes2: p.buttons[k.index].Res2 = byte; break;
    case F::ButtonRes3: p.buttons[k.index].Res3 = byte; break;
    case F::ButtonRes4: p.buttons[k.index].Res4 = byte; break;
    case F::EventMap: p.buttons[k.index].KeyInfo[k.event].map = byte; break;
    case F::EventLow: p.buttons[k.index].KeyInfo[k.event].DataL = byte; break;
    case F::EventHigh: p.buttons[k.index].KeyInfo[k.event].DataH = byte; break;
    case F::LedH: p.ledModes[k.index].h = value; break;
    case F::LedS: p.ledModes[k.index].s = value; break;
    case F::LedV: p.ledModes[k.index].v = value; break;
    case F::LedBright: p.ledModes[k.index].bright = value; break;
    case F::LedBreath: p.ledModes[k.index].breath = value; break;
    default: break;
    }
}

QString &textOf(ProfileData &p, const ProfileKey &k)
{
    switch (k.field) {
    case F::ProfileName: return p.ProfileName;
    case F::ProfilePath: return p.ProfilePath;
    default: return p.buttons[k.index].macroname;
    }
}

const QString &textOf(const ProfileData &p, const ProfileKey &k)
{
    return textOf(const_cast<ProfileData &>(p), k);
}

QColor &colourOf(ProfileData &p, const ProfileKey &k)
{
    return p.ledModes[k.index].RGB;
}

const QColor &colourOf(const ProfileData &p, const ProfileKey &k)
{
    return p.ledModes[k.index].RGB;
}
