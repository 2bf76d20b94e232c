#pragma once

// The key dialogs ignore an event that repeats the last one exactly (same
// code, same flags): a key held down reports its press once.
class RepeatedKeyFilter {
public:
    // True when (code, flags) is the event seen last; remembers it otherwise.
    bool repeats(int code, int flags)
    {
        if (code == m_code && flags == m_flags)
            return true;
        m_code = code;
        m_flags = flags;
        return false;
    }
    void forget() { m_code = m_flags = -1; }

private:
    int m_code = -1;
    int m_flags = -1;
};
