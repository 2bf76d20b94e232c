#pragma once

// The mark that makes the next upload send everything (Config/Diff), with
// the one function that sets it. It lives in Config.ini, so that the window
// and the command line, which may upload in turn, both see it.
namespace FullUpload {

enum class Reason {
    TransferFailed,     // an upload or a profile switch did not end with 0
    MouseMemoryLost,    // the mouse says its settings memory is not whole
    ConnectionChanged,  // a connection came or went: the mouse may be another
    NotSent,            // settings were saved without being sent
};

// Sets the mark and says why in the debug log; false (with a warning) when
// Config.ini could not be written.
bool require(Reason why);
bool due();
// After an upload that sent everything and succeeded.
bool clear();

} // namespace FullUpload
