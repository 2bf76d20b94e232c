#pragma once

#include "statusquery.h"

// Where the status poller hands each status answer it reads, on its own
// thread, before the answer reaches the poller's owner.
class StatusReadingSink {
public:
    virtual ~StatusReadingSink() = default;
    // `cable`: the answer came over the charging cable.
    virtual void take(const StatusAnswer &answer, bool cable) = 0;
};
