#pragma once

#include <QString>

#include <array>

// Key codes are PC set-1 make codes (1..93), the renumbered keys 224..239
// (keypad and right-hand modifiers that share a set-1 code) and the mouse
// buttons 240..242. The mouse stores HID keyboard usages instead.

// The name shown for a key code; the French (AZERTY) column when the
// descriptor's PROFILE/french equals the current language (Config/LangID).
QString keyName(int code);
// The same with the column chosen by the caller.
QString keyName(int code, bool french);

// Whether keyName(code) uses the French column right now. Callers that name
// many keys at once ask this once and use keyName(code, french).
bool frenchKeyNames();

// The key code whose name (keyName) is `name` as matchesTypedName reads it
// ("Page Up", "page-up", "pageup"). The column keyName uses now is searched first, then the other
// one. 0 when no key has that name.
int keyCodeForName(const QString &name);
// The same with the column chosen by the caller searched first.
int keyCodeForName(const QString &name, bool french);

// Key code -> HID usage; false (usage untouched) when the code has none.
bool keyCodeToUsage(int code, int &usage);
// HID usage -> key code; false (code untouched) when no key has that usage.
bool usageToKeyCode(int usage, int &code);

struct KeyUsagePair {
    int code;
    int usage;
};

constexpr int kKeyUsagePairCount = 104;

// The whole key-usage table, in its fixed order.
const std::array<KeyUsagePair, kKeyUsagePairCount> &keyUsageTable();
