#include "combokeystate.h"

#include "config/keytables.h"
#include "widgets/uilog.h"
#include "config/scancodes.h"

#include <QStringList>

bool ComboKeyState::feed(int code, int flags)
{
    if (m_repeats.repeats(code, flags))
        return false;
    qCDebug(lcUi, "VeskComboKeyWindow dwVCode = %x dwFlag = %x", code, flags);
    if (m_fresh) {
        m_live.fill(0);
        m_committed.fill(0);
        m_otherCode = 0;
        m_committedOther = 0;
        m_fresh = false;
    }
    if (flags & kReleaseFlag) {
        int hand = 1;
        const ComboEntry entry = comboEntryOf(code, &hand);
        if (entry == ComboOther)
            m_live[ComboOther] = 0;
        else
            m_live[entry] &= ~hand;
        return true;
    }
    hold(code);
    commit();
    return true;
}

void ComboKeyState::hold(int code)
{
    int hand = 1;
    const ComboEntry entry = comboEntryOf(code, &hand);
    if (entry == ComboOther) {
        m_live[ComboOther] = 1;
        m_otherCode = code;
    } else {
        // Both hands of one modifier held give 3; the entry still counts once.
        m_live[entry] = qMin(3, m_live[entry] | hand);
    }
}

void ComboKeyState::preset(const std::array<KeyInfo, kEventsPerButton> &events)
{
    m_live.fill(0);
    m_otherCode = 0;
    for (int i = 0; i < kComboEntryCount; ++i) {
        if (events[size_t(i)].map == 0)
            continue;
        int code = 0;
        if (!usageToKeyCode(events[size_t(i)].map, code))
            continue;
        hold(code);
    }
    commit();
    m_fresh = true;
}

void ComboKeyState::commit()
{
    m_committed = m_live;
    m_committedOther = m_otherCode;
}

std::array<int, kComboEntryCount> ComboKeyState::committedCodes() const
{
    std::array<int, kComboEntryCount> codes{};
    for (int entry = 0; entry < ComboOther; ++entry)
        codes[size_t(entry)] = m_committed[size_t(entry)] ? kComboModifierCodes[size_t(entry)][0] : 0;
    codes[ComboOther] = m_committed[ComboOther] ? m_committedOther : 0;
    return codes;
}

bool ComboKeyState::isEmpty() const
{
    for (int value : m_committed) {
        if (value)
            return false;
    }
    return true;
}

QString ComboKeyState::text(bool french) const
{
    QStringList names;
    for (int code : committedCodes()) {
        if (code)
            names << keyName(code, french);
    }
    return names.join(QStringLiteral(" + "));
}
