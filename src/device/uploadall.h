#pragma once

#include "devicecontext.h"
#include "report.h"
#include "uploadplan.h"

#include "config/mouseconfig.h"

class PollerControl;

// Sends the reports in order through the transfer routine; 0, or the result
// of the first report that failed (nothing after it is sent).
int sendReports(const ReportList &reports);

// Sends the tables of `selection` of an encoded upload:
//   upload mark 0, the system block, the button table, the DPI table, the
//   lighting table (each when selected), the five apply reports, the chosen
//   macro slots, upload mark 1.
// The poller is stopped first and a new one started at the end, whatever
// the result. Stops at the first failed report and returns its result; 0 on
// success. An empty selection sends nothing and returns 0.
int sendUpload(const EncodedUpload &upload, const UploadSelection &selection, PollerControl *poller = nullptr);

// Uploads the groups of `mask` (UploadGroup bits) of `config`, with the
// macros the button table numbers when the button table goes
// (groupSelection).
int UploadAll(const MouseConfig &config, int mask, PollerControl *poller = nullptr);

// The same with a given context (sensor, product layout); the other form
// reads it from the installation.
int UploadAll(const MouseConfig &config, int mask, const DeviceContext &context, PollerControl *poller);
