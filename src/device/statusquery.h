#pragma once

#include "hidbackend.h"
#include "report.h"

#include "config/appconfig.h"

#include <array>
#include <cstdint>

// The status exchange with the mouse: the query the program writes, the two
// replies it reads (the answer to the query, and the report the mouse sends
// on its own when its profile, DPI or report-rate button is pressed), and
// what the battery figures mean. Shared by the status poller and the
// command-line front end, so that both read the replies the same way.

// A reply as read: report positions 0..32.
using StatusBytes = std::array<uint8_t, kReportLength>;

struct StatusAnswer {
    uint8_t lowByte = 0;       // position 4: battery, low byte
    uint8_t hiByte = 0;        // position 5: battery, high byte
    uint8_t charge = 0;        // position 6: charge state
    uint8_t writeStatus = 0;   // position 7: 0 when the mouse's memory is not whole
    uint8_t sensorMode = 0;    // position 10

    int rawBattery() const { return hiByte * 256 + lowByte; }
    // A receiver whose mouse sleeps or is off answers with nothing but zeros.
    bool mouseOff() const { return lowByte == 0 && hiByte == 0 && charge == 0; }
};

struct StatusReport {
    uint8_t profile = 0;   // position 4
    uint8_t dpi = 0;       // position 5: DPI stage
    uint8_t rate = 0;      // position 6: report-rate code
    uint8_t mode = 0;      // position 7
};

struct StatusReply {
    enum Kind { None, Answer, Report } kind = None;
    StatusAnswer answer;
    StatusReport report;
};

// Position 3 tells the kind: 0x48 answer, 0x49 report, anything else None.
// Values are passed on as the mouse sent them.
StatusReply parseStatusReply(const StatusBytes &bytes);

// Writes the status query (05 24 FA 48, then zeros) straight to the handle,
// outside the transfer routine: the answer is not an echo. Returns what the
// HID write returned (negative on failure).
int writeStatusQuery(HidHandle handle);

// Reads one command reply within `timeoutMs`. The node also delivers the
// input reports of the mouse collection (motion, with another report ID);
// those are skipped without ending the window. `bytes` is zeroed first and
// holds the reply afterwards. Returns the bytes read, 0 when the window
// passed without a reply, negative on a read error.
int readStatusReply(HidHandle handle, StatusBytes &bytes, int timeoutMs);

// One status exchange outside the poller (no poller may be running): the
// query, then replies for up to `timeoutMs` until the answer arrives. A status
// report that comes first is kept too.
struct StatusSnapshot {
    int writeResult = 0;     // what the HID write returned
    int readResult = 0;      // last read: bytes, 0 window passed, negative error
    bool answered = false;
    StatusAnswer answer;
    bool reported = false;
    StatusReport report;
};
StatusSnapshot queryStatusOnce(HidHandle handle, int timeoutMs = 200);

// What the status answer's write status means for the next upload: 0 says
// the mouse's memory is not whole, so the next upload sends everything
// (Config/Diff = 1); anything else changes nothing. The window's poller and
// the command-line front end both follow the answer through here. False
// only when the mark could not be stored.
bool noteWriteStatus(uint8_t writeStatus);

// The full-battery voltage of the settings (Config/BatteryFull), or the default
// when the stored value is no single-cell voltage (3000 ... 5000 mV): a
// hand-edited value would show every reading as full or empty.
int batteryFullMillivolts();

// Battery voltage in millivolts of a raw 16-bit reading: raw × 990 / 240.
double batteryMillivolts(int rawValue);
// The level the battery gauge shows: 100 from `fullMillivolts` on, then
// 90 (4100 mV), 80 (4000), 70 (3900), 60 (3800), 50 (3700), 40 (3500),
// 30 (3400), 20 (3200), else 10. Compared exactly, in whole numbers.
int batteryLevel(int rawValue, int fullMillivolts = AppConfig::kDefaultBatteryFullMillivolts);
