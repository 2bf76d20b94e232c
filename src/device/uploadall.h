#pragma once

#include "devicecontext.h"
#include "report.h"

#include "config/mouseconfig.h"

class PollerControl;

// Sends the reports in order through the transfer routine; 0, or the result
// of the first report that failed (nothing after it is sent).
int sendReports(const ReportList &reports);

// Uploads the groups of `mask` (UploadGroup bits) of `config`:
//   upload mark 0, the system block, the button table, the DPI table, the
//   lighting table (each when its bit is set), the five apply reports, the
//   macros the sent button table numbers, upload mark 1.
// The poller is stopped first and a new one started at the end, whatever
// the result. Stops at the first failed report and returns its result; 0 on
// success.
int UploadAll(const MouseConfig &config, int mask, PollerControl *poller = nullptr);

// The same with a given context (sensor, product layout); the other form
// reads it from the installation.
int UploadAll(const MouseConfig &config, int mask, const DeviceContext &context, PollerControl *poller);
