#pragma once

#include <functional>
#include <string>

// The steps of one report exchange, as the transfer routine goes through
// them. Each step is traced with a count where one applies (the how-many-th
// reread or rewrite).
enum class TransferEvent {
    Start,             // a report is about to go out
    NoDevice,          // no command channel is open: nothing is sent
    Write,             // the report was written (the trace carries it)
    WriteFailed,       // the write itself failed: the exchange ends
    Echo,              // a reply was read (the trace carries it)
    ReadFailed,        // the read of the echo failed
    ZeroReply,         // the reply's header was all zero
    HeaderMismatch,    // the reply answers another report
    PayloadMismatch,   // the reply's payload differs from what was written
    Reread,            // reading again without writing
    Rewrite,           // writing the report again
    Sent,              // written, and confirmed where that applies
    ReadBackFailed,    // the retries ran out without a confirmation
};

// Where the transfer routine's step-by-step trace goes. Silent by default:
// the steps are for diagnosis only. MOUSECFG_TRACE=1 in the environment
// prints them to standard error as lines (name, count, the report in hex); a
// handler installed here receives the steps instead (tests, diagnosis
// tools).
namespace TransportTrace {

struct Step {
    TransferEvent event;
    int count;                 // the reread or rewrite number, else 0
    std::string report;        // the bytes written or read, in hex, or empty
};

using Handler = std::function<void(const Step &step)>;

// The English name of an event, as the printed trace shows it.
const char *name(TransferEvent event);

// Hands a step on, if anyone listens.
void note(TransferEvent event, int count = 0, const std::string &report = std::string());

// True when a step would go anywhere; callers skip building costly parts
// (the hex dumps) otherwise.
bool enabled();

// Replaces the handler (an empty one restores the default behaviour).
void setHandler(Handler handler);

} // namespace TransportTrace
