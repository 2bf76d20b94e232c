#pragma once

#include <QString>

// What the user is told when something sent to the mouse did not end with
// 0 (kTransferOk): the same translated words in the window and on the
// command line. Empty for 0.
QString transferFailureText(int result);
