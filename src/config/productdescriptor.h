#pragma once

#include <QString>

#include <array>
#include <cstdint>

struct ProfileData;

// The read-only product descriptor (DefaultProfile.bin beside the program): an
// INI file whose group PROFILE names the product, its USB identities, sizes,
// button layout, feature switches and factory defaults. Every accessor opens
// the file, reads its key(s) and closes it; a missing file or key gives the
// default.
namespace ProductDescriptor {

using Matrix = std::array<uint8_t, 16>;

struct UsbIds {
    int vid1 = 9354;    // 0x248A
    int pid1 = 64002;   // 0xFA02
    int vid2 = 9354;
    int pid2 = 64257;   // 0xFB01
};

QString productName();
QString version();
UsbIds usbIds();

// Sizes are stored masked with exclusive-or in the file. The raw results are
// what the file says; callers that index arrays use the bounded forms.
int buttonCount();                  // ButtonCount ^ MouseDpi
int dpiStageCount();                // ButtonCount ^ MouseDpi ^ DPICount
int boundedButtonCount();           // 0..16
int boundedDpiStageCount();         // 1..8

// Device key entry of button i. Returns 0, or -1 when the file is absent (the
// table is then left as it was).
int keySlotMatrix(Matrix &table);
// Button-page entry of button i (255: not shown). Returns the button count.
int pageMatrix(Matrix &table);
// Buttons the page shows: the first buttonCount page entries that are not 255.
int shownButtonCount();

bool disableMacro();
bool ledDisable();
bool showSleep();
void sleepRange(int &minimum, int &maximum);
int scrollRev();
int minDelay();
// The delay unit of macros in ms: MinDelay, or 10 when the file gives none
// or a value below 1 (a zero unit would divide by zero).
int macroDelayUnit();
// PROFILE/33254 = 1: a 3325-family sensor offers only its short DPI range.
bool shortDpiRange3325();
int colorMode();
int syncMode();
int frenchLanguage();

// Factory defaults of one profile into `profile` (stages, buttons 0..15,
// lighting, pollrate, dpi, LedMode). Returns 0, or -1 when the file is absent
// and nothing was read.
int readProfileDefaults(ProfileData &profile);

} // namespace ProductDescriptor
