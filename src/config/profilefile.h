#pragma once

#include "mouseconfig.h"

#include <QString>

class QSettings;

// Profile files (.prof): one profile in group PROFILE_<n> of an INI file,
// written and read through QSettings so that the files are interchangeable
// with those of the Windows tool. Slot files, library files and the template
// DefaultProfile.prof all live in Configs/Profile/.
//
// Writers return false when nothing could be written: a refused name or
// path, or a file the settings library could not write. The record in
// memory is never changed by a writer.
// Readers overwrite every field: a missing key reads as 0, empty text or an
// invalid colour, so a missing file gives an all-zero profile. They return
// false when the file does not exist or its name is refused.

// Every key of the profile, LedMoveOFF and LedSleepTime included.
bool writeProfileGroup(int n, const ProfileData &profile, const QString &path);
bool readProfileGroup(int n, ProfileData &profile, const QString &path);

// The same without LedMoveOFF and LedSleepTime, as the whole-configuration
// file holds them; reading leaves those two fields as they were.
bool writeConfigProfileGroup(int n, const ProfileData &profile, const QString &path);
bool readConfigProfileGroup(int n, ProfileData &profile, const QString &path);

// Configs/Profile/<name>.prof, group PROFILE_0. Names that would leave the
// folder (separators, "..", control characters, empty) are refused.
// A slot or library file that is missing, refused, or whose group lacks
// any essential key (ProfileKey::isEssential: it was cut short or written
// by hand) loads as the factory profile: the zeros of the absent keys would
// leave every button unassigned once uploaded. loadProfileFile then
// returns false.
bool saveProfileFile(const ProfileData &profile, const QString &name);
bool loadProfileFile(ProfileData &profile, const QString &name);

// Whether the file at `path` holds group PROFILE_<n> with every essential key.
bool holdsWholeProfile(int n, const QString &path);

// Configs/Profile/DefaultProfile.prof holding nothing but the factory profile
// of the current product descriptor.
bool writeDefaultProfileFile();
QString defaultProfileName();   // "DefaultProfile"

// The DPI stage the mouse reported, persisted as PROFILE_0/dpi of the slot's
// file so that the next load shows it. Stages outside 0..7 are refused.
// A slot file that does not hold a whole profile is never given the stage
// alone: `current` (the slot's profile as the program holds it) is written
// whole, with that stage.
bool saveProfileDpiStage(const QString &name, int stage, const ProfileData &current);
// The same for the report-rate code the mouse reported (PROFILE_0/pollrate),
// so that the files keep saying what the mouse runs. Codes other than 1, 2,
// 4 and 8 are refused.
bool saveProfileReportRate(const QString &name, int rateCode, const ProfileData &current);

// The keys of one group written into or read from settings already opened
// and positioned inside the group (the whole-configuration file writes five
// groups in one pass).
void writeProfileKeys(QSettings &settings, const ProfileData &profile, bool withLightingSleep);
// Reading returns how many essential keys the group holds.
int readProfileKeys(const QSettings &settings, ProfileData &profile, bool withLightingSleep);
