#include "transporttrace.h"

#include <QtGlobal>

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

const char *name(TransferEvent event)
{
    switch (event) {
    case TransferEvent::Start: return "start";
    case TransferEvent::NoDevice: return "no device";
    case TransferEvent::Write: return "write";
    case TransferEvent::WriteFailed: return "write failed";
    case TransferEvent::Echo: return "echo";
    case TransferEvent::ReadFailed: return "read failed";
    case TransferEvent::ZeroReply: return "all-zero reply";
    case TransferEvent::HeaderMismatch: return "header mismatch";
    case TransferEvent::PayloadMismatch: return "payload mismatch";
    case TransferEvent::Reread: return "reread";
    case TransferEvent::Rewrite: return "rewrite";
    case TransferEvent::Sent: return "sent";
    case TransferEvent::ReadBackFailed: return "read-back failed";
    }
    return "?";
}

bool enabled()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_handler || environmentWantsTrace();
}

void note(TransferEvent event, int count, const std::string &report)
{
    if (!enabled())
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_handler) {
        g_handler(Step{event, count, report});
        return;
    }
    if (count > 0)
        std::fprintf(stderr, "transfer: %s %d%s%s\n", name(event), count, report.empty() ? "" : " ", report.c_str());
    else
        std::fprintf(stderr, "transfer: %s%s%s\n", name(event), report.empty() ? "" : " ", report.c_str());
}

void setHandler(Handler handler)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_handler = std::move(handler);
}

} // namespace TransportTrace
