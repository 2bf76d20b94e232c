#pragma once

#include "devicecontext.h"
#include "report.h"
#include "uploadplan.h"

#include "config/mouseconfig.h"

class MouseLink;
class PollerControl;

// Sends the tables of `selection` of an encoded upload:
//   upload mark 0, the system block, the button table, the DPI table, the
//   lighting table (each when selected), the five apply reports, the chosen
//   macro banks, upload mark 1.
// The poller is stopped first and a new one started at the end, whatever
// the result. Stops at the first failed report and returns its result; 0 on
// success. An empty selection sends nothing and returns 0.
int sendUpload(const MouseLink &link, const EncodedUpload &upload, const UploadSelection &selection, PollerControl *poller = nullptr);

// Uploads the groups of `mask` (UploadGroup bits) of `config`, with the
// macros the button table numbers when the button table goes
// (groupSelection), in the given context (sensor, product layout).
int UploadAll(const MouseLink &link, const MouseConfig &config, int mask, const DeviceContext &context,
              PollerControl *poller = nullptr);
