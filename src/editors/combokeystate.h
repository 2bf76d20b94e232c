#pragma once

#include "repeatedkeyfilter.h"
#include "config/combokey.h"
#include "config/mouseconfig.h"

#include <QString>

#include <array>

// What the combination dialog makes of the keys it captures: the keys held
// at the latest press, in the entries Shift, Ctrl, Win, Alt and other key.
// An entry holds 0 (not used), 1 (left-hand modifier, or the other key) or
// 2 (right-hand modifier); releasing keys never changes the result, and the
// first key after opening clears a preset.
class ComboKeyState {
public:
    using Entries = std::array<int, kComboEntryCount>;

    // One captured key (code renumbered, flags with kReleaseFlag). Returns
    // false when it repeats the last event and was ignored.
    bool feed(int code, int flags);

    // Fills from a stored combination (the first five events), as a preset:
    // the next key still starts a new combination.
    void preset(const std::array<KeyInfo, kEventsPerButton> &events);

    const Entries &committed() const { return m_committed; }
    // The key code stored for each committed entry: the left-hand modifier
    // (a right-hand one is stored as its twin) or the other key; 0 unused.
    std::array<int, kComboEntryCount> committedCodes() const;
    bool isEmpty() const;

    // The names of the committed keys joined by " + ".
    QString text(bool french) const;

private:
    // Marks the key `code` as held in its entry.
    void hold(int code);
    void commit();

    Entries m_live{};
    Entries m_committed{};
    int m_otherCode = 0;
    int m_committedOther = 0;
    bool m_fresh = true;
    RepeatedKeyFilter m_repeats;
};
