#pragma once

#include "config/mouseconfig.h"

// A profile in which every field holds a value of its own, derived from
// `seed`: stages, buttons with 63 events, names with characters that need
// escaping (non-ASCII included), colours with alpha. Two seeds give profiles
// that differ in every field.
ProfileData distinctProfile(int seed);

// Five distinct profiles, slot names "Slot <k>" and non-default options.
MouseConfig distinctConfig(int seed);
