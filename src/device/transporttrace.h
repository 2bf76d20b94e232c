#pragma once

#include <functional>
#include <string>

// Where the transfer routine's step-by-step trace goes. Silent by default: the
// lines are for diagnosis only. MOUSECFG_TRACE=1 in the environment prints them
// to standard error; a handler installed here receives them instead (tests,
// diagnosis tools).
namespace TransportTrace {

using Handler = std::function<void(const std::string &line)>;

// Formats like printf and hands the line on, if anyone listens.
void line(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// True when a line would go anywhere; callers skip building costly lines
// (the hex dumps) otherwise.
bool enabled();

// Replaces the handler (an empty one restores the default behaviour).
void setHandler(Handler handler);

} // namespace TransportTrace
