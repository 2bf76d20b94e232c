#include "simfaults.h"

#include <QString>

#include <climits>

namespace {

const SimFault kAll[] = {SimFault::DropReply, SimFault::WrongHeader, SimFault::WrongPayload,
                         SimFault::ZeroReply, SimFault::WriteFail,   SimFault::ForeignInput};

} // namespace

void SimFaults::add(SimFault fault, int count)
{
    int &slot = m_counts[index(fault)];
    if (count <= 0)
        return;
    slot = count > INT_MAX - slot ? INT_MAX : slot + count;
}

bool SimFaults::take(SimFault fault)
{
    int &slot = m_counts[index(fault)];
    if (slot <= 0)
        return false;
    --slot;
    return true;
}

const char *SimFaults::name(SimFault fault)
{
    switch (fault) {
    case SimFault::DropReply: return "drop";
    case SimFault::WrongHeader: return "header";
    case SimFault::WrongPayload: return "payload";
    case SimFault::ZeroReply: return "zero";
    case SimFault::WriteFail: return "writefail";
    case SimFault::ForeignInput: return "foreign";
    }
    return "";
}

bool SimFaults::parse(const QString &text, SimFault *fault)
{
    QString key = text.toLower();
    key.remove(QLatin1Char('-'));
    key.remove(QLatin1Char('_'));
    const struct {
        const char *alias;
        SimFault fault;
    } aliases[] = {{"dropreply", SimFault::DropReply},       {"wrongheader", SimFault::WrongHeader},
                   {"wrongpayload", SimFault::WrongPayload}, {"zeroreply", SimFault::ZeroReply},
                   {"foreigninput", SimFault::ForeignInput}};
    for (SimFault f : kAll) {
        if (key == QLatin1String(name(f))) {
            *fault = f;
            return true;
        }
    }
    for (const auto &a : aliases) {
        if (key == QLatin1String(a.alias)) {
            *fault = a.fault;
            return true;
        }
    }
    return false;
}

QJsonObject SimFaults::toJson() const
{
    QJsonObject o;
    for (SimFault f : kAll)
        o.insert(QLatin1String(name(f)), pending(f));
    return o;
}
