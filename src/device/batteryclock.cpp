#include "batteryclock.h"

#include <QDateTime>

#include <atomic>

namespace {

std::atomic<qint64> g_setTo{0};

} // namespace

namespace BatteryClock {

qint64 now()
{
    const qint64 set = g_setTo.load();
    return set != 0 ? set : QDateTime::currentSecsSinceEpoch();
}

void set(qint64 secondsSinceEpoch) { g_setTo.store(secondsSinceEpoch); }

void advance(qint64 seconds) { g_setTo.store(now() + seconds); }

bool isSet() { return g_setTo.load() != 0; }

} // namespace BatteryClock
