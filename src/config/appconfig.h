#pragma once

#include "mouseconfig.h"
#include "productdescriptor.h"

#include <QString>

#include <array>

class QSettings;

// The application configuration Configs/Config.ini: what is not a profile.
// Every accessor opens the file for its one access; a missing key or file
// reads as the default. Setters return false when the settings library
// could not write the file (the caller tells the user; nothing in memory
// changes).
namespace AppConfig {

constexpr int kLanguageEntries = 10;

// --- The record and the slot files -------------------------------------

// Config.ini's global options and slot names into `config`, then the five
// slot profile files (Configs/Profile/<name>.prof). A ProfileID outside 0..4
// loads as 0.
// A slot whose name is empty or could not be a file name gets the name
// "Profile <k+1>" and that file, so that it can be saved again. A slot
// whose file does not exist or lacks keys gets the factory profile
// (loadProfileFile); loadAll then returns false.
// With `activeOnly` only the active slot's profile is read (the others stay
// as they were in `config`): for a reader that needs no more, such as a
// status line, each profile file being some 8,000 keys.
bool loadAll(MouseConfig &config, bool activeOnly = false);

// The global options and slot names into Config.ini, then the five slot
// profile files. With `saved` (the record as the files were last read or
// written), a slot whose name and profile equal the saved ones is left
// alone when its file exists: a save for one change never rewrites the
// other profiles, and a file that did not read as a whole profile stays as
// it is until that profile is edited. Every file written is attempted;
// false when any could not be written or a slot name was refused as a file
// name.
bool saveAll(const MouseConfig &config, const MouseConfig *saved = nullptr);

// Config/ProfileID, Config/Count and Config/Profile1..5 only.
bool saveSlotTable(const MouseConfig &config);

// Config/ProfileID alone; indices outside 0..4 are refused.
bool saveActiveProfileIndex(int index);

// --- Single keys of Config.ini -----------------------------------------

QString currentProductName();                    // Config/CurrentProductName
bool setCurrentProductName(const QString &name);
int activeProfileIndex();                        // Config/ProfileID, 0 when outside 0..4
int count();                                     // Config/Count
bool setCount(int value);
QString slotName(int slot);                      // Config/Profile<slot+1>, slot 0..4
bool setSlotName(int slot, const QString &name); // refused when not a safe file name
int angleValue();
int liftHigh();
int sync();
int jitter();
int debounce();
int diff();                                      // 1: send everything at the next upload
bool setDiff(int value);
int battery();                                   // last level shown
bool setBattery(int level);
// Config/BatteryFull: the voltage of a full battery, in millivolts.
constexpr int kDefaultBatteryFullMillivolts = 4200;
int batteryFull();
// Config/BatteryAlert: the level in percent at or below which the desktop is
// told that the battery is low; 0 turns the battery notices off. As stored,
// unbounded: the alert decides what a value outside 0..100 means.
constexpr int kDefaultBatteryAlert = 15;
int batteryAlert();
// Config/ProfileControls: 1 (the default) shows the profile controls in the
// window (indicators, name field, library and the small profile buttons),
// 0 the compact layout in which they take no room, focus or keys.
bool profileControlsShown();
int colourThemeIndex();                          // Config/GColorID, 0 when outside the 7 themes
QString model();
int sensorType();                                // MouseSenSor/1
int ledType();                                   // MouseLEDMode/<current product>, 0 without a product
QString mouseListEntry();                        // Mouse_List/0

// --- Languages and fonts (FONT_LIST) ------------------------------------

struct LanguageTable {
    int storedCount = 0;   // FONT_LIST/LANGNUM as stored
    int count = 0;         // the same, bounded to 0..10: safe as a loop bound
    std::array<QString, kLanguageEntries> names;   // LangName_<i>
    std::array<QString, kLanguageEntries> files;   // LangFile_<i>
};

// All ten name/file pairs, whatever the count.
void loadLanguageTable(LanguageTable &out);
QString fontFamily(int language);                // FONT_LIST/FONT_<l>
uint fontSize(int language);                     // FONT_LIST/FONT_SIZE_<l>, 0 when absent or absurd

// --- Shared with the whole-configuration file ---------------------------

QString slotNameKey(int slot);                   // "Config/Profile<slot+1>"
// ProfileID (bounded), AngleValue, LiftHigh, Sync, Jitter, Debounce, Count.
void readGlobalOptions(const QSettings &settings, MouseConfig &config);
void writeGlobalOptions(QSettings &settings, const MouseConfig &config);
void writeSlotNames(QSettings &settings, const MouseConfig &config);

} // namespace AppConfig
