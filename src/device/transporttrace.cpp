#include "transporttrace.h"

#include <QtGlobal>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace TransportTrace {

namespace {

// The upload worker and the main thread may trace at the same time.
std::mutex g_mutex;
Handler g_handler;

bool environmentWantsTrace()
{
    static const bool wanted = qEnvironmentVariableIntValue("MOUSECFG_TRACE") == 1;
    return wanted;
}

} // namespace

bool enabled()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_handler || environmentWantsTrace();
}

void line(const char *format, ...)
{
    if (!enabled())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_handler)
        g_handler(text);
    else
        std::fprintf(stderr, "%s\n", text);
}

void setHandler(Handler handler)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_handler = std::move(handler);
}

} // namespace TransportTrace
