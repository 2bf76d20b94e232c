#pragma once

#include <QStringList>

// A Config.ini that names no product or no sensor (cut short, hand-edited,
// emptied by a full disk) leaves every command without a DPI table or a
// mouse to look for. It is mended from the shipped defaults: each key the
// shipped Config.ini holds and the writable one lacks is copied in; keys the
// writable file holds keep their values (the user's), except an empty
// product name and a zero sensor type, which are the fault itself.
namespace ConfigRepair {

// Whether the writable Config.ini names a product and its sensor.
bool isWhole();

// Mends the writable Config.ini when it is not whole. Returns the keys
// restored (empty when nothing was needed or there are no shipped defaults
// to take them from); `failed` is set when the file could not be written.
QStringList restoreFromShipped(bool *failed = nullptr);

} // namespace ConfigRepair
