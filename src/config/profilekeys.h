#pragma once

#include "mouseconfig.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <string_view>
#include <unordered_map>
#include <vector>

// The keys of one profile group, relative to the group (PROFILE_<n>/...),
// with the field each one stands for. A group holds 8,453 keys; the table
// is built once and shared, so that reading or writing a profile formats no
// key strings.

enum class ProfileField : uint8_t {
    pollrate, dpi, mousespeed, dbclickspeed, scrollispage, scrollspeed, accelenable, acee,
    ProfileName, ProfilePath, LedMode, LedMoveOFF, LedSleepTime,
    StageUsed, StageLink, StageXy, StageX, StageY,
    ButtonID, ButtonFun, ButtonLoopNumber, ButtonKeyNumber, ButtonRes1, ButtonRes2, ButtonRes3, ButtonRes4,
    ButtonMacroname, EventMap, EventLow, EventHigh,
    LedRGB, LedH, LedS, LedV, LedBright, LedBreath,
};

enum class ValueKind : uint8_t { Number, Text, Colour };

struct ProfileKey {
    QString key;          // "BUTTON_INFO_5_KeyInfo_7_", "LedMode/LED_MODE_3_RGB", ...
    QByteArray escaped;   // the key as the settings library writes it in the file
    ProfileField field;
    uint8_t index;        // stage, button or effect
    uint8_t event;        // event of a button

    ValueKind kind() const;
    // LedMoveOFF and LedSleepTime, which the whole-configuration file leaves out.
    bool isLightingSleep() const
    {
        return field == ProfileField::LedMoveOFF || field == ProfileField::LedSleepTime;
    }
    // The keys without which a group is no profile: the report rate, the
    // active stage, every DPI stage and every button's assignment. The
    // settings library writes them at both ends of a group (button keys
    // first, the lower-case ones last), so a file cut anywhere lacks some.
    bool isEssential() const;
};

class ProfileKeys {
public:
    static const ProfileKeys &get();
    static QString groupName(int n);   // "PROFILE_<n>"

    const std::vector<ProfileKey> &all() const { return m_keys; }
    // Indices into all() in the order the settings library writes a group.
    const std::vector<int> &fileOrder() const { return m_fileOrder; }
    // Index of the key written as `escaped` in a file, or -1.
    int indexOfEscaped(const QByteArray &escaped) const { return indexOfEscaped(escaped.constData(), escaped.size()); }
    // The same for bytes inside a file, without copying them.
    int indexOfEscaped(const char *escaped, int size) const
    {
        const auto it = m_byEscaped.find(std::string_view(escaped, size_t(size)));
        return it == m_byEscaped.end() ? -1 : it->second;
    }
    // The same, looked for first at `position` of the file order, where a
    // file the settings library wrote has it: a group is then read with one
    // comparison a key. `position` moves past the key found, so that a file
    // that leaves a key out is followed again from the next one on.
    int indexInFileOrder(size_t &position, const char *escaped, int size) const;
    // Index of the key as the settings library names it in a group, or -1.
    int indexOfKey(const QString &key) const { return m_byKey.value(key, -1); }
    // How many keys are essential (ProfileKey::isEssential).
    int essentialCount() const { return m_essentialCount; }

private:
    ProfileKeys();

    std::vector<ProfileKey> m_keys;
    std::vector<int> m_fileOrder;
    std::vector<int> m_filePosition;   // inverse of m_fileOrder
    // Views into the escaped keys of m_keys, which never change once built.
    std::unordered_map<std::string_view, int> m_byEscaped;
    QHash<QString, int> m_byKey;
    int m_essentialCount = 0;
};

// Every field a group holds back to its zero value (LedMoveOFF and
// LedSleepTime only `withLightingSleep`), as reading a group without keys
// leaves them.
void clearProfileFields(ProfileData &profile, bool withLightingSleep);

// Field access by key. Numbers are ints; setting a one-byte field keeps the
// low 8 bits, as reading a file does.
int numberOf(const ProfileData &profile, const ProfileKey &key);
void setNumber(ProfileData &profile, const ProfileKey &key, int value);
const QString &textOf(const ProfileData &profile, const ProfileKey &key);
QString &textOf(ProfileData &profile, const ProfileKey &key);
const QColor &colourOf(const ProfileData &profile, const ProfileKey &key);
QColor &colourOf(ProfileData &profile, const ProfileKey &key);
