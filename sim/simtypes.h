#pragma once

// The names by which the virtual mouse's users address its parts.

// The two ways the mouse reaches the computer: its USB receiver and its
// charging cable. Each is one hidraw node.
enum class SimLink { Receiver, Cable };

// The mouse's own buttons that change its settings without the program.
enum class SimButton { Profile, Dpi, Rate };

// Troubles that real hardware shows now and then; each can be ordered for
// the next few exchanges so that the program's retry paths can be exercised.
enum class SimFault { DropReply, WrongHeader, WrongPayload, ZeroReply, WriteFail, ForeignInput };
