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

    void add(SimFault fault, int count);
    // True (and one fewer left) when the fault is due now.
    bool take(SimFault fault);
    int pending(SimFault fault) const { return m_counts[index(fault)]; }
    void clear() { m_counts.fill(0); }

    // The name used on the control socket and in the dump ("drop", "header",
    // "payload", "zero", "writefail", "foreign"); longer spellings such as
    // "wrong-header" or "DropReply" are accepted too.
    static const char *name(SimFault fault);
    static bool parse(const QString &text, SimFault *fault);

    QJsonObject toJson() const;

private:
    static int index(SimFault fault) { return static_cast<int>(fault); }

    std::array<int, kKinds> m_counts{};
};
