#include "simfaults.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace {

const SimFault kAll[] = {SimFault::DropReply, SimFault::WrongHeader, SimFault::WrongPayload,
                         SimFault::ZeroReply, SimFault::WriteFail,   SimFault::ForeignInput};

} // namespace

void SimFaults::add(SimFault fault, int count, int after)
{
    int &left = m_counts[index(fault)];
    if (count <= 0)
        return;
    left = count > INT_MAX - left ? INT_MAX : left + count;
    m_delays[index(fault)] = std::max(0, after);
}

bool SimFaults::take(SimFault fault)
{
    int &left = m_counts[index(fault)];
    if (left <= 0)
        return false;
    int &delay = m_delays[index(fault)];
    if (delay > 0) {
        --delay;
        return false;
    }
    --left;
    return true;
}

bool SimFaults::parseOrder(const QString &text, Order *order)
{
    const QStringList words = text.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Order o;
    if (words.isEmpty() || !parse(words[0], &o.fault))
        return false;
    int next = 1;
    auto number = [&words](int i, int *value) {
        bool ok = false;
        *value = words.value(i).toInt(&ok);
        return ok && *value >= 1 && *value <= 1000000;
    };
    if (next < words.size() && words[next] != QLatin1String("at")) {
        if (!number(next, &o.count))
            return false;
        ++next;
    }
    if (next < words.size()) {
        if (words[next] != QLatin1String("at") || next + 2 != words.size() || !number(next + 1, &o.at))
            return false;
        next += 2;
    }
    if (next != words.size())
        return false;
    *order = o;
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
