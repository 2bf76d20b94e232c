#pragma once

#include "simtypes.h"

#include <QJsonObject>

#include <array>

// Faults ordered for the next exchanges: one count per kind, taken one at a
// time as the exchanges happen. Not thread-safe; the virtual mouse holds its
// lock around it.
class SimFaults {
public:
    static constexpr int kKinds = 6;

    // `count` faults of that kind; the first `after` chances for it pass
    // unharmed before they strike (a chance: every write for WriteFail, every
    // reply for the others, every reply with a payload for WrongPayload).
    void add(SimFault fault, int count, int after = 0);
    // True (and one fewer left) when the fault is due now.
    bool take(SimFault fault);
    int pending(SimFault fault) const { return m_counts[index(fault)]; }
    void clear()
    {
        m_counts.fill(0);
        m_delays.fill(0);
    }

    // The name used on the control socket and in the dump ("drop", "header",
    // "payload", "zero", "writefail", "foreign"); longer spellings such as
    // "wrong-header" or "DropReply" are accepted too.
    static const char *name(SimFault fault);
    static bool parse(const QString &text, SimFault *fault);

    // One order as the environment gives it: "<kind> [count] [at <n>]",
    // for example "writefail 2 at 8": the 8th and 9th writes fail.
    struct Order {
        SimFault fault = SimFault::DropReply;
        int count = 1;
        int at = 1;
    };
    static bool parseOrder(const QString &text, Order *order);

    QJsonObject toJson() const;

private:
    static int index(SimFault fault) { return static_cast<int>(fault); }

    std::array<int, kKinds> m_counts{};
    std::array<int, kKinds> m_delays{};
};
