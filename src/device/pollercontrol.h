#pragma once

// How an upload reaches the status poller of whoever started it: the poller
// must be gone before the upload's first report, because both would read the
// same command handle, and a new one is started after the upload, whatever
// its result.
//
// Both calls come from the upload's own thread. stopPoller() returns only
// once the poller thread has finished; startPoller() starts a new one and
// connects it as its owner wants.
class PollerControl {
public:
    virtual ~PollerControl() = default;
    virtual void stopPoller() = 0;
    virtual void startPoller() = 0;
};
